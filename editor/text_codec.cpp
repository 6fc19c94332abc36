#include "editor/text_codec.h"

#include <array>
#include <iterator>
#include <vector>

namespace zel {
namespace {

// Decoding of one lead or single byte and its trail bytes, and the encoder's choice for each
// BMP character.
struct Cp932Tables {
  // For single bytes: the character, 0xFFFF for a lead byte, 0xFFFE for an invalid byte.
  std::array<char16_t, 256> single{};
  // For lead byte l and trail t: double_[(l << 8) | t], 0 where the pair is not a character.
  std::vector<char16_t> pairs = std::vector<char16_t>(65536, 0);
  // Encoder: bytes for each BMP character (0 = not representable; U+0000 is handled apart).
  std::vector<quint16> encode = std::vector<quint16>(65536, 0);
  // Pairs that decode to a character whose encoder form is another pair.
  std::vector<bool> non_canonical = std::vector<bool>(65536, false);
};

constexpr char16_t kLead = 0xFFFF;
constexpr char16_t kInvalid = 0xFFFE;

// One lead byte's characters, for the trail bytes 40 to FC.
struct Cp932Row {
  quint8 lead;
  const char16_t (&chars)[0xFC - 0x40 + 2];  // with the literal's closing 0
};

#include "editor/cp932_table.inc"

static_assert(std::size(kCp932High) == 0x80 + 1);

// The tables come from one source, the same on every platform (cp932_table.inc), not from the
// system's conversion: Windows' own code page 932 takes bytes such as 80 for characters that
// other systems do not, and a file must read and write back the same bytes everywhere.
Cp932Tables BuildTables() {
  Cp932Tables t;
  for (int b = 0; b < 0x80; ++b) t.single[b] = static_cast<char16_t>(b);
  for (int b = 0x80; b < 256; ++b) {
    const char16_t c = kCp932High[b - 0x80];
    t.single[b] = c ? c : kInvalid;
  }
  for (const Cp932Row& row : kCp932Rows) {
    t.single[row.lead] = kLead;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (const char16_t c = row.chars[trail - 0x40]) t.pairs[(row.lead << 8) | trail] = c;
    }
  }
  // The encoder's choice for every character that some bytes decode to: its single byte, else
  // the pair that is not a second form.
  std::vector<bool> second_form(65536, false);
  for (const quint16 pair : kCp932SecondForms) second_form[pair] = true;
  for (int b = 0; b < 256; ++b) {
    const char16_t c = t.single[b];
    if (c != kLead && c != kInvalid) t.encode[c] = static_cast<quint16>(b);
  }
  for (int p = 0; p < 65536; ++p) {
    const char16_t c = t.pairs[p];
    if (c && !second_form[p] && !t.encode[c]) t.encode[c] = static_cast<quint16>(p);
  }
  // A character with no form of its own keeps the first pair it has (none in the table).
  for (int p = 0; p < 65536; ++p) {
    const char16_t c = t.pairs[p];
    if (c && !t.encode[c]) t.encode[c] = static_cast<quint16>(p);
  }
  for (int p = 0; p < 65536; ++p) {
    const char16_t c = t.pairs[p];
    if (c && t.encode[c] != p) t.non_canonical[p] = true;
  }
  return t;
}

const Cp932Tables& Tables() {
  static const Cp932Tables tables = BuildTables();
  return tables;
}

void AppendUtf8(QByteArray& out, char32_t c) {
  if (c < 0x80) {
    out.append(static_cast<char>(c));
  } else if (c < 0x800) {
    out.append(static_cast<char>(0xC0 | (c >> 6)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.append(static_cast<char>(0xE0 | (c >> 12)));
    out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Reads one UTF-8 character at i; returns its length, or 0 for a malformed sequence.
int ReadUtf8(QByteArrayView s, qsizetype i, char32_t* c) {
  const auto b0 = static_cast<quint8>(s[i]);
  if (b0 < 0x80) {
    *c = b0;
    return 1;
  }
  int length = 0;
  char32_t value = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    value = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    value = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    value = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<quint8>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b & 0x3F);
  }
  *c = value;
  return length;
}

class Cp932Codec : public TextCodec {
 public:
  DecodedText Decode(QByteArrayView bytes) const override {
    const Cp932Tables& t = Tables();
    DecodedText result;
    // Japanese text grows by about half in UTF-8; reserve for the common case.
    result.utf8.reserve(bytes.size() + bytes.size() / 2 + 16);
    const qsizetype n = bytes.size();
    const auto* p = reinterpret_cast<const quint8*>(bytes.data());
    for (qsizetype i = 0; i < n;) {
      const quint8 b = p[i];
      if (b < 0x80) {
        // Runs of ASCII are the bulk of a program: copy them in one go.
        qsizetype j = i + 1;
        while (j < n && p[j] < 0x80) ++j;
        result.utf8.append(reinterpret_cast<const char*>(p + i), j - i);
        i = j;
        continue;
      }
      const char16_t c = t.single[b];
      if (c == kLead && i + 1 < n) {
        const int pair = (b << 8) | p[i + 1];
        if (const char16_t d = t.pairs[pair]) {
          if (t.non_canonical[pair])
            result.forms.push_back(ByteForm{result.utf8.size(), static_cast<quint16>(pair)});
          AppendUtf8(result.utf8, d);
          i += 2;
          continue;
        }
      }
      if (c == kLead || c == kInvalid) {
        AppendUtf8(result.utf8, kRawByteBase + b);
      } else {
        AppendUtf8(result.utf8, c);
      }
      ++i;
    }
    return result;
  }

  EncodeResult Encode(QByteArrayView utf8, const std::vector<ByteForm>& forms) const override {
    const Cp932Tables& t = Tables();
    EncodeResult result;
    result.bytes.reserve(utf8.size());
    auto fail = [&result](EncodeResult::Failure failure, qint64 offset, char32_t c) {
      result.failure = failure;
      result.bad_offset = offset;
      result.bad_char = c;
      return result;
    };
    // A lone lead byte just written: where its stand-in stood, and the byte.
    qint64 lead_offset = -1;
    quint8 lead = 0;
    // The byte that follows a lone lead byte must not make a character with it.
    auto joins = [&](quint8 next) { return lead_offset >= 0 && t.pairs[(lead << 8) | next]; };
    auto form = forms.begin();
    const qsizetype n = utf8.size();
    for (qsizetype i = 0; i < n;) {
      const auto b = static_cast<quint8>(utf8[i]);
      if (b < 0x80) {
        if (joins(b))
          return fail(EncodeResult::Failure::kJoinsNext, lead_offset, kRawByteBase + lead);
        lead_offset = -1;
        qsizetype j = i + 1;
        while (j < n && static_cast<quint8>(utf8[j]) < 0x80) ++j;
        result.bytes.append(utf8.data() + i, j - i);
        i = j;
        continue;
      }
      char32_t c = 0;
      const int length = ReadUtf8(utf8, i, &c);
      if (length == 0) return fail(EncodeResult::Failure::kUnrepresentable, i, b);
      while (form != forms.end() && form->offset < i) ++form;
      quint16 bytes = 0;
      bool raw = false;
      if (form != forms.end() && form->offset == i && t.pairs[form->bytes] == c) {
        bytes = form->bytes;
      } else if (c >= kFirstRawByte && c <= kLastRawByte) {
        // Only a byte the reader cannot take as a character comes back as this stand-in.
        bytes = static_cast<quint16>(c - kRawByteBase);
        const char16_t single = t.single[bytes];
        if (single != kLead && single != kInvalid)
          return fail(EncodeResult::Failure::kUnrepresentable, i, c);
        raw = single == kLead;
      } else if (c < 0x10000 && t.encode[c]) {
        bytes = t.encode[c];
      } else {
        return fail(EncodeResult::Failure::kUnrepresentable, i, c);
      }
      const auto first = static_cast<quint8>(bytes > 0xFF ? bytes >> 8 : bytes);
      if (joins(first))
        return fail(EncodeResult::Failure::kJoinsNext, lead_offset, kRawByteBase + lead);
      if (bytes > 0xFF) result.bytes.append(static_cast<char>(bytes >> 8));
      result.bytes.append(static_cast<char>(bytes & 0xFF));
      lead_offset = raw ? i : -1;
      lead = static_cast<quint8>(bytes);
      i += length;
    }
    result.ok = true;
    return result;
  }
};

}  // namespace

const TextCodec& Cp932() {
  static const Cp932Codec codec;
  return codec;
}

}  // namespace zel
