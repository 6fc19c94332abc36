#pragma once

#include <QByteArray>
#include <QString>

namespace zel {

// Reads a whole program file as bytes. False when the file cannot be opened or read (no
// permission, a folder, a broken link); bytes is then empty.
bool ReadProgramBytes(const QString& path, QByteArray* bytes);

// Writes bytes as the whole content of the file, atomically: the bytes go into a temporary
// file in the same folder, which then replaces the file. On failure the old file is left as
// it was. A file the user may not write (read-only) is refused.
bool WriteProgramBytes(const QString& path, const QByteArray& bytes);

// The document name made of the path chosen in the open dialog. Where the file system
// ignores case the path is upper-cased, as the control's own tools name their programs;
// elsewhere it is kept as chosen, since another case would be another file.
QString NameFromOpenDialog(const QString& chosen, bool case_insensitive_fs);

// The document name made of the path chosen in the save dialog: upper-cased (on a
// case-sensitive file system only the file name, the folders stay as chosen), and ".MIN"
// appended unless the name already ends in it, whatever its case. On a case-sensitive file
// system a name that exists (chosen_exists) is another file than its upper-case twin, so it
// is kept exactly as chosen.
QString NameFromSaveDialog(const QString& chosen, bool case_insensitive_fs, bool chosen_exists);

}  // namespace zel
