#include "search/char_positions.h"

namespace zel {

namespace {

// True when a surrogate pair begins at `i`: those two units are one character.
bool PairAt(QStringView text, qsizetype i) {
  return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

}  // namespace

qint64 CharLength(QStringView text) { return CharIndexOfUtf16(text, text.size()); }

qsizetype Utf16IndexOfChar(QStringView text, qint64 pos) {
  qsizetype i = 0;
  for (qint64 c = 0; c < pos && i < text.size(); ++c) i += PairAt(text, i) ? 2 : 1;
  return i;
}

qint64 CharIndexOfUtf16(QStringView text, qsizetype index) {
  qint64 c = 0;
  for (qsizetype i = 0; i < index && i < text.size(); ++c) i += PairAt(text, i) ? 2 : 1;
  return c;
}

}  // namespace zel
