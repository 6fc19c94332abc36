#include "editor/program_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zel {

bool ReadProgramBytes(const QString& path, QByteArray* bytes) {
  bytes->clear();
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return false;
  QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  *bytes = std::move(data);
  return true;
}

bool WriteProgramBytes(const QString& path, const QByteArray& bytes) {
  const QFileInfo info(path);
  if (info.isDir()) return false;
  // Replacing a read-only file by rename would succeed; the user protected it, so refuse
  // (also when the superuser could write it anyway).
  constexpr QFile::Permissions kAnyWrite =
      QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (info.exists() && (!info.isWritable() || !(info.permissions() & kAnyWrite))) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QString NameFromOpenDialog(const QString& chosen, bool case_insensitive_fs) {
  return case_insensitive_fs ? chosen.toUpper() : chosen;
}

QString NameFromSaveDialog(const QString& chosen, bool case_insensitive_fs, bool chosen_exists) {
  if (chosen.isEmpty()) return QString();
  if (chosen_exists && !case_insensitive_fs) return chosen;
  QString name;
  if (case_insensitive_fs) {
    name = chosen.toUpper();
  } else {
    const qsizetype cut =
        std::max(chosen.lastIndexOf(QLatin1Char('/')), chosen.lastIndexOf(QLatin1Char('\\'))) + 1;
    name = chosen.left(cut) + chosen.mid(cut).toUpper();
  }
  if (!name.right(4).toUpper().endsWith(QStringLiteral(".MIN"))) name += QStringLiteral(".MIN");
  return name;
}

}  // namespace zel
