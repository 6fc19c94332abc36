#pragma once

#include <QString>

namespace zel {

// The empty frame of the user graphic subprogram: header comment, the subprogram's O-number
// line "OZEL", an empty line for the generated blocks, the clearing and drawing statements
// and the return. 87 characters with their line ends.
inline const QString kGraphicSkeleton = QStringLiteral(
    "----------< USER GRAPHIC COMMAND >----------\r\n"
    "OZEL\r\n"
    "\r\n"
    "N000 CLEAR\r\n"
    "N000 DRAW\r\n"
    "NRTS RTS\r\n");

// Where the caret goes after the frame is inserted: the start of its empty third line
// (44 + 2 + 4 + 2 characters from the start of the frame).
inline constexpr qint64 kSkeletonCaretOffset = 52;

}  // namespace zel
