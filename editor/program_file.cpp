#include "editor/program_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "editor/file_names.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <QDir>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace zel {
namespace {

constexpr qint64 kReadChunk = qint64(1) << 20;

// Opens path for reading when it is a regular file of at most kMaxProgramFileBytes; size
// gets its length. A FIFO would wait for a writer and a device may never end, so neither is
// opened for reading at all.
bool OpenRegularFile(const QString& path, QFile* file, qint64* size) {
#ifdef Q_OS_UNIX
  // Without O_NONBLOCK the open itself would hang on a FIFO.
  const int fd = ::open(FileNameBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_size > kMaxProgramFileBytes) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  *size = status.st_size;
  return file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kMaxProgramFileBytes) return false;
  *size = info.size();
  file->setFileName(path);
  return file->open(QIODevice::ReadOnly);
#endif
}

// Writes bytes over the file itself, for where no temporary file can be made beside it.
// The old bytes are overwritten from the start and the file is cut to length afterwards,
// so that a full disk cannot stop the write while it covers old bytes.
bool WriteInPlace(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size() || !file.flush() || !file.resize(bytes.size()))
    return false;
  file.close();
  return file.error() == QFileDevice::NoError;
}

// Whether the temporary file beside path can have its name: the file's name and seven
// characters more ("." and six random ones), within the 255 a folder entry may have.
bool TemporaryNameFits(const QString& path) {
  constexpr qsizetype kTemporarySuffix = 7;
  constexpr qsizetype kMaxNameLength = 255;
  const QString name = QFileInfo(path).fileName();
#ifdef Q_OS_WIN
  const qsizetype length = name.size();  // UTF-16 units
#else
  const qsizetype length = FileNameBytes(name).size();  // bytes
#endif
  return length + kTemporarySuffix <= kMaxNameLength;
}

// Whether the file has other names besides this one (hard links): the rename save would give
// this name a new file and leave the others with the old text.
bool HasOtherLinks(const QString& path) {
#ifdef Q_OS_UNIX
  struct stat status {};
  return ::stat(FileNameBytes(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
         status.st_nlink > 1;
#elif defined(Q_OS_WIN)
  // NTFS has hard links as well; the handle is opened only to ask, with no access to the data.
  const HANDLE handle =
      ::CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), 0,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool linked = ::GetFileInformationByHandle(handle, &info) &&
                      !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                      info.nNumberOfLinks > 1;
  ::CloseHandle(handle);
  return linked;
#else
  Q_UNUSED(path);
  return false;
#endif
}

#ifdef Q_OS_UNIX
// Writes all of bytes to the open file.
bool WriteAll(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += written;
  }
  return true;
}

// The save of a file whose name is not UTF-8, which Qt's file classes cannot name: the same
// steps as for every other file, by the name's own bytes. The folder part of the name may be
// foreign too, so every call takes the bytes.
bool WriteByNameBytes(const QString& path, const QByteArray& bytes) {
  const QByteArray name = FileNameBytes(path);
  struct stat status {};
  const bool exists = ::stat(name.constData(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) return false;
  if (exists && (::access(name.constData(), W_OK) != 0 || !(status.st_mode & 0222))) return false;
  const auto in_place = [&] {
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // Over the old bytes from the start, then cut to length, as WriteInPlace does.
    const bool ok = WriteAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
  };
  if (!TemporaryNameFits(path) || (exists && S_ISREG(status.st_mode) && status.st_nlink > 1))
    return in_place();
  QByteArray temporary = name + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return in_place();
  // The new file gets the old one's permissions, or those a new file gets.
  mode_t mode = status.st_mode & 07777;
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  const bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok || ::rename(temporary.constData(), name.constData()) != 0) {
    ::unlink(temporary.constData());
    return false;
  }
  return true;
}
#endif

}  // namespace

bool ReadProgramBytes(const QString& path, QByteArray* bytes) {
  bytes->clear();
  QFile file;
  qint64 size = 0;
  if (!OpenRegularFile(path, &file, &size)) return false;
  QByteArray data;
  data.reserve(size);
  // In chunks and with a ceiling: a file may grow while it is read, or report no size.
  for (;;) {
    const QByteArray chunk = file.read(kReadChunk);
    if (chunk.isEmpty()) break;
    data += chunk;
    if (data.size() > kMaxProgramFileBytes) return false;
  }
  if (file.error() != QFileDevice::NoError) return false;
  *bytes = std::move(data);
  return true;
}

bool WriteProgramBytes(const QString& path, const QByteArray& bytes) {
#ifdef Q_OS_UNIX
  if (HasForeignBytes(path)) return WriteByNameBytes(path, bytes);
#endif
  const QFileInfo info(path);
  if (info.isDir()) return false;
  // Replacing a read-only file by rename would succeed; the user protected it, so refuse
  // (also when the superuser could write it anyway).
  constexpr QFile::Permissions kAnyWrite =
      QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (info.exists() && (!info.isWritable() || !(info.permissions() & kAnyWrite))) return false;
  if (!TemporaryNameFits(path) || HasOtherLinks(path)) return WriteInPlace(path, bytes);
  // The temporary file takes over the permissions of the file it replaces.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    // No temporary file beside it: a folder the user may not write into, or a name too long
    // for the temporary file's longer one. The file itself may still be writable.
    return WriteInPlace(path, bytes);
  }
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QString NativePath(const QString& path, bool backslashes) {
  if (!backslashes) return path;
  QString native = path;
  return native.replace(QLatin1Char('/'), QLatin1Char('\\'));
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
