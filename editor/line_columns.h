#pragma once

#include <QByteArrayView>

namespace zel {

// How wide a line of program text can be in a fixed-pitch font, found from its UTF-8 bytes
// alone, without laying it out. The count is in columns of the widest half-width character
// and never below the real width: a printable ASCII character is one column, a character
// of two bytes three, one of three or four bytes as many columns as bytes (a full-width
// character takes two), a tab eight (the furthest a tab stop can be) and a control
// character, which the box shows as a small named box, five.
//
// The editor box uses it to tell the lines that need wrapping from the many that do not.

// Columns of `text` (no line end inside) at most, counting no further than `limit`: a text
// wider than limit gives limit + 1.
int ColumnBound(QByteArrayView text, int limit);

// The lines of a text that may be wider than a number of columns. Lines end at "\r\n",
// "\r" or "\n", as in the box.
struct LineCensus {
  qint64 wide = 0;

  LineCensus& operator+=(const LineCensus& o) {
    wide += o.wide;
    return *this;
  }
  LineCensus& operator-=(const LineCensus& o) {
    wide -= o.wide;
    return *this;
  }
  bool operator==(const LineCensus&) const = default;
};

// The census of one line (no line end inside).
LineCensus CensusOfLine(QByteArrayView line, int columns);

// The census of every line of text.
LineCensus CensusOfText(QByteArrayView text, int columns);

}  // namespace zel
