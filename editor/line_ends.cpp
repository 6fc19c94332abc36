#include "editor/line_ends.h"

namespace zel {

namespace {

template <typename View>
LineBounds LineFromIn(View text, qsizetype start) {
  const qsizetype size = text.size();
  qsizetype end = start;
  while (end < size && text[end] != '\n' && text[end] != '\r') ++end;
  if (end == size) return {end, -1};
  const qsizetype next =
      text[end] == '\r' && end + 1 < size && text[end + 1] == '\n' ? end + 2 : end + 1;
  return {end, next};
}

template <typename View>
bool IsLineStartIn(View text, qsizetype at) {
  if (at <= 0) return true;
  if (at > text.size()) return false;
  const auto before = text[at - 1];
  if (before == '\n') return true;
  return before == '\r' && (at == text.size() || text[at] != '\n');
}

template <typename View>
qsizetype LineEndCountIn(View text) {
  const qsizetype size = text.size();
  qsizetype count = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const auto c = text[i];
    // A "\r\n" pair is counted at its "\n".
    count += c == '\n' || (c == '\r' && (i + 1 == size || text[i + 1] != '\n'));
  }
  return count;
}

}  // namespace

LineBounds LineFrom(QByteArrayView text, qsizetype start) { return LineFromIn(text, start); }
LineBounds LineFrom(QStringView text, qsizetype start) { return LineFromIn(text, start); }

bool IsLineStart(QByteArrayView text, qsizetype at) { return IsLineStartIn(text, at); }
bool IsLineStart(QStringView text, qsizetype at) { return IsLineStartIn(text, at); }

qsizetype LineEndCount(QByteArrayView text) { return LineEndCountIn(text); }
qsizetype LineEndCount(QStringView text) { return LineEndCountIn(text); }

}  // namespace zel
