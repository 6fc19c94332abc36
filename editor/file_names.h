#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace zel {

// File names as the file system has them: bytes, on Linux mostly UTF-8, but archives unpacked
// from Windows PCs bring Shift-JIS names that are not UTF-8 at all. Such a name must still
// open and save as itself, so it travels through the program as a QString that keeps every
// byte: valid UTF-8 as its characters, every other byte b as the lone surrogate U+DC00 + b
// (which no valid UTF-8 decodes to). Shown, those bytes appear as replacement marks; used as
// a file name, they are the bytes they came from.

// The name of the bytes, every byte kept.
QString FileNameFromBytes(QByteArrayView bytes);

// The bytes of a name: its characters in UTF-8, the kept bytes as themselves.
QByteArray FileNameBytes(QStringView name);

// Whether a name holds bytes that are not UTF-8 (so that only FileNameBytes names its file).
bool HasForeignBytes(QStringView name);

}  // namespace zel
