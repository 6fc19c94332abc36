#include "editor/program_styles.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zel {
namespace {

constexpr unsigned char Style(ProgramStyle s) { return static_cast<unsigned char>(s); }

bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(char c) { return IsAlpha(c) || IsDigit(c); }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The statement words of the graphic commands and the control's own keywords.
constexpr std::array<const char*, 12> kKeywords = {"NOEX", "DEF", "END",   "PS",   "PT",  "PF",
                                                   "PO",   "CI",  "CLEAR", "DRAW", "RTS", "CALL"};

bool IsKeyword(QByteArrayView word) {
  char upper[8];
  if (word.size() > qsizetype(sizeof upper)) return false;
  for (qsizetype i = 0; i < word.size(); ++i) upper[i] = Upper(word[i]);
  for (const char* keyword : kKeywords)
    if (std::strlen(keyword) == size_t(word.size()) &&
        std::memcmp(keyword, upper, word.size()) == 0)
      return true;
  return false;
}

// Length of a number at text[i]: an optional sign, digits and one decimal point.
qsizetype NumberLength(QByteArrayView text, qsizetype i) {
  qsizetype j = i;
  if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
  const qsizetype digits_from = j;
  bool point = false;
  while (j < text.size() && (IsDigit(text[j]) || (text[j] == '.' && !point))) {
    if (text[j] == '.') point = true;
    ++j;
  }
  // A lone sign or point is no number.
  const bool has_digit = std::any_of(text.begin() + digits_from, text.begin() + j, IsDigit);
  return has_digit ? j - i : 0;
}

// A raw byte of the file stands in the text as U+F700 + byte: EF 9C 80 .. EF 9F BF.
bool IsRawByteAt(QByteArrayView text, qsizetype i) {
  return i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
         static_cast<unsigned char>(text[i + 1]) >= 0x9C &&
         static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

}  // namespace

namespace {

// Styles a line, or the rest of one from a resume point (first_word false).
void StyleLine(QByteArrayView line, unsigned char* styles, bool first_word) {
  const qsizetype n = line.size();
  auto fill = [styles](qsizetype from, qsizetype to, ProgramStyle style) {
    std::memset(styles + from, Style(style), static_cast<size_t>(to - from));
  };
  // first_word: no word yet on this line.
  bool after_call = false;
  qsizetype i = 0;
  while (i < n) {
    const char c = line[i];
    if (IsRawByteAt(line, i)) {
      fill(i, i + 3, ProgramStyle::kRawByte);
      i += 3;
      continue;
    }
    if (c == '(') {
      qsizetype j = i + 1;
      while (j < n && line[j] != ')') ++j;
      if (j < n) ++j;  // the closing parenthesis belongs to the comment
      fill(i, j, ProgramStyle::kComment);
      // Raw bytes stay marked inside a comment as well.
      for (qsizetype k = i; k < j; ++k)
        if (IsRawByteAt(line, k)) fill(k, k + 3, ProgramStyle::kRawByte), k += 2;
      i = j;
      continue;
    }
    if (!IsAlpha(c)) {
      styles[i] = Style(ProgramStyle::kDefault);
      ++i;
      continue;
    }
    // A word: its letters, then what follows them.
    qsizetype letters_end = i;
    while (letters_end < n && IsAlpha(line[letters_end])) ++letters_end;
    qsizetype alnum_end = letters_end;
    while (alnum_end < n && IsAlnum(line[alnum_end])) ++alnum_end;
    const QByteArrayView letters = line.sliced(i, letters_end - i);
    const char head = Upper(c);
    const bool at_line_start = first_word;
    const bool called = after_call;
    first_word = false;
    after_call = false;

    if (letters.size() > 1 && IsKeyword(letters) && letters_end == alnum_end) {
      fill(i, letters_end, ProgramStyle::kKeyword);
      after_call = letters.size() == 4 && Upper(letters[0]) == 'C' && Upper(letters[1]) == 'A';
      i = letters_end;
    } else if (head == 'N' && at_line_start && alnum_end > i + 1) {
      fill(i, alnum_end, ProgramStyle::kSequence);  // N001, N000, NRTS
      i = alnum_end;
    } else if (head == 'O' && (at_line_start || called) && alnum_end > i + 1) {
      fill(i, alnum_end, ProgramStyle::kKeyword);  // the subprogram name
      i = alnum_end;
    } else if (head == 'V' && letters.size() > 1) {
      // A variable, with its index: VTLIN[5]
      qsizetype j = alnum_end;
      if (j < n && line[j] == '[') {
        qsizetype k = j + 1;
        while (k < n && (IsAlnum(line[k]) || line[k] == ' ')) ++k;
        if (k < n && line[k] == ']') j = k + 1;
      }
      fill(i, j, ProgramStyle::kKeyword);
      i = j;
    } else if (letters.size() == 1) {
      const qsizetype number = NumberLength(line, i + 1);
      if (number == 0) {
        styles[i] = Style(ProgramStyle::kDefault);
        i += 1;
        continue;
      }
      const qsizetype end = i + 1 + number;
      switch (head) {
        case 'G':
          fill(i, end, ProgramStyle::kGCode);
          break;
        case 'M':
          fill(i, end, ProgramStyle::kMCode);
          break;
        case 'T':
        case 'S':
        case 'F':
          fill(i, end, ProgramStyle::kFeedWord);
          break;
        default:
          styles[i] = Style(ProgramStyle::kAddress);
          fill(i + 1, end, ProgramStyle::kDefault);
      }
      i = end;
    } else {
      fill(i, alnum_end, ProgramStyle::kDefault);
      i = alnum_end;
    }
  }
}

}  // namespace

void StyleProgramLine(QByteArrayView line, unsigned char* styles) { StyleLine(line, styles, true); }

void StyleProgramLineFrom(QByteArrayView rest, unsigned char* styles) {
  StyleLine(rest, styles, false);
}

qsizetype FindResumePoint(QByteArrayView head, const unsigned char* styles) {
  // The last word outside comments: none means a label or name may still come.
  qsizetype word_end = head.size();
  while (word_end > 0 && !(IsAlpha(head[word_end - 1]) &&
                           ClassOfStyle(styles[word_end - 1]) != ProgramStyle::kComment))
    --word_end;
  if (word_end == 0) return 0;
  qsizetype word_start = word_end - 1;
  while (word_start > 0 && IsAlpha(head[word_start - 1])) --word_start;
  // After CALL a subprogram name follows: resume before CALL, if at all.
  if (ClassOfStyle(styles[word_start]) == ProgramStyle::kKeyword && word_end - word_start == 4 &&
      Upper(head[word_start]) == 'C' && Upper(head[word_start + 1]) == 'A')
    return FindResumePoint(head.first(word_start), styles);
  // The last blank after that word that stands between words.
  for (qsizetype p = head.size(); p > word_end; --p) {
    const char c = head[p - 1];
    if ((c == ' ' || c == '\t') && ClassOfStyle(styles[p - 1]) == ProgramStyle::kDefault) return p;
  }
  return FindResumePoint(head.first(word_start), styles);
}

void StyleProgramText(QByteArrayView text, unsigned char* styles) {
  const qsizetype n = text.size();
  qsizetype start = 0;
  while (start <= n) {
    qsizetype end = start;
    while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
    StyleProgramLine(text.sliced(start, end - start), styles + start);
    if (end >= n) break;
    qsizetype next = end + 1;
    if (text[end] == '\r' && next < n && text[next] == '\n') ++next;
    std::memset(styles + end, Style(ProgramStyle::kDefault), static_cast<size_t>(next - end));
    start = next;
  }
}

void AlternateLongRuns(QByteArrayView text, unsigned char* styles, qsizetype max_run) {
  const qsizetype n = text.size();
  const auto continuation = [&text](qsizetype i) {
    return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
  };
  qsizetype run = 0;
  while (run < n) {
    const unsigned char style = styles[run];
    qsizetype run_end = run + 1;
    while (run_end < n && styles[run_end] == style) ++run_end;
    if (run_end - run > max_run) {
      bool twin = false;
      for (qsizetype piece = run; piece < run_end;) {
        qsizetype end = piece;
        const qsizetype limit = std::min(run_end, piece + max_run);
        while (end < limit && text[end] != ' ' && text[end] != '\t') ++end;
        if (end < limit) {
          ++end;  // the blank ends the piece
        } else if (end < run_end) {
          while (end > piece + 1 && continuation(end)) --end;
        }
        if (twin) std::memset(styles + piece, style + kTwinStyleOffset, size_t(end - piece));
        twin = !twin;
        piece = end;
      }
    }
    run = run_end;
  }
}

}  // namespace zel
