#pragma once

#include <QString>

namespace zel {

// What a single-line entry field keeps of a text pasted or dropped into it: everything before
// the first line end ("\r" or "\n"), as the platform's own single-line boxes do. A statement
// line takes the field's text as it stands, so a line end let through would split it in two.
QString SingleLineOf(const QString& pasted);

}  // namespace zel
