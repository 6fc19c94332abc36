#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace zel {

// Lines as the editor box counts them: "\r\n", a lone "\r" and a lone "\n" each end a line,
// so that a line number found here is the line the box shows and puts the caret on. Files
// keep their line ends as they are, so a program may hold all three.

// Where a line ends and the next begins.
struct LineBounds {
  qsizetype end = 0;    // the position of the line's end (its "\r" or "\n"), or the text's size
  qsizetype next = -1;  // where the next line starts; -1 when the line is the text's last
};

// The line that starts at `start`.
LineBounds LineFrom(QByteArrayView text, qsizetype start);
LineBounds LineFrom(QStringView text, qsizetype start);

// Whether a line starts at `at` (0 … size): at the text's start or after a line end. The
// place between the "\r" and the "\n" of a pair is not a line start.
bool IsLineStart(QByteArrayView text, qsizetype at);
bool IsLineStart(QStringView text, qsizetype at);

// The number of line ends in the text: the 0-based line number of the position just after
// it when that is a line start. A "\r" at the very end counts as one.
qsizetype LineEndCount(QByteArrayView text);
qsizetype LineEndCount(QStringView text);

}  // namespace zel
