#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace zel {

// What a single-line entry field keeps of a text pasted or dropped into it: everything before
// the first line end ("\r" or "\n"), as the platform's own single-line boxes do. A statement
// line takes the field's text as it stands, so a line end let through would split it in two.
QString SingleLineOf(const QString& pasted);

// The first character of `text` that would break the form of the statement the text goes
// into verbatim: "," separates the values of a statement, "[" and "]" enclose them. A null
// QChar when there is none. Letters, blanks and everything else are written as typed.
QChar StatementBreakingChar(QStringView text);

// The message that a field's text holds such a character, naming the field by its caption
// (its runs of blanks made single): "「挿入位置 Z」に「,」は入力できません。".
QString StatementBreakingCharText(const QString& caption, QChar character);

}  // namespace zel
