#pragma once

#include <QString>
#include <QStringView>

namespace zel {

// Positions and lengths in the program text count characters, as the editor box does: a
// character outside the Basic Multilingual Plane is one character, although a QString holds
// it as two UTF-16 units (a surrogate pair). These conversions are the bridge.

// The number of characters of `text`.
qint64 CharLength(QStringView text);

// The UTF-16 index at which character `pos` of `text` begins; a position beyond the end gives
// the end, a negative one 0.
qsizetype Utf16IndexOfChar(QStringView text, qint64 pos);

// The number of characters before UTF-16 index `index` of `text`; an index inside a surrogate
// pair counts the pair's character as before it.
qint64 CharIndexOfUtf16(QStringView text, qsizetype index);

}  // namespace zel
