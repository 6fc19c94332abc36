#pragma once

#include <QByteArray>
#include <QString>

namespace zel {

// The largest program file that is read (1 GiB).
inline constexpr qint64 kMaxProgramFileBytes = qint64(1) << 30;

// Reads a whole program file as bytes. Only a regular file of at most kMaxProgramFileBytes
// is read. False when the file cannot be opened or read (no permission, a folder, a broken
// link, a FIFO, a device, a socket, a larger file); bytes is then empty.
bool ReadProgramBytes(const QString& path, QByteArray* bytes);

// Writes bytes as the whole content of the file, atomically where it can: the bytes go into
// a temporary file in the same folder, which then replaces the file with the old file's
// permissions; on failure the old file is left as it was. Where no temporary file can be
// made (a folder the user may not write into, a name of nearly the longest length), and
// where the file has more than one name (hard links, which must all keep showing the same
// file), the file itself is overwritten. A file the user may not write (read-only) is
// refused. A name that is not UTF-8 (see file_names.h) names its file by its own bytes, for
// reading as for writing.
bool WriteProgramBytes(const QString& path, const QByteArray& bytes);

// A path as the machine writes it: with backslashes on Windows (Qt hands paths out with "/"
// everywhere), unchanged elsewhere. Every path that enters the document (file dialog,
// command line, drop) goes through here, so the name box and the messages show it natively.
QString NativePath(const QString& path, bool backslashes);

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
