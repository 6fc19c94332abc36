// Names made of the dialogs' paths, and reading and writing whole program files.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <QMimeData>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#include <QDir>
#endif

#include "editor/editor_box.h"
#include "editor/file_names.h"
#include "editor/program_file.h"

using namespace zel;

namespace {

// A file's identity and its number of names, as the file system keeps them.
struct FileIdentity {
  quint64 id = 0;
  quint32 links = 0;
};

FileIdentity IdentityOf(const QString& path) {
#ifdef Q_OS_WIN
  const HANDLE handle = ::CreateFileW(
      reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), 0,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  if (handle == INVALID_HANDLE_VALUE) return {};
  const bool ok = ::GetFileInformationByHandle(handle, &info);
  ::CloseHandle(handle);
  if (!ok) return {};
  return {(quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow, quint32(info.nNumberOfLinks)};
#else
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {};
  return {quint64(status.st_ino), quint32(status.st_nlink)};
#endif
}

bool MakeHardLink(const QString& existing, const QString& link) {
#ifdef Q_OS_WIN
  return ::CreateHardLinkW(
      reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(link).utf16()),
      reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(existing).utf16()), nullptr);
#else
  return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

}  // namespace

class ProgramFileTest : public QObject {
  Q_OBJECT

 private slots:
  void SaveDialogNames_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("case_insensitive");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("prog, Windows")                 << "D:\\MD1\\prog"          << true  << false << "D:\\MD1\\PROG.MIN";
    QTest::newRow("Prog.Min, Windows")             << "D:\\MD1\\Prog.Min"      << true  << false << "D:\\MD1\\PROG.MIN";
    QTest::newRow("test.txt, Windows")             << "D:\\MD1\\test.txt"      << true  << false << "D:\\MD1\\TEST.TXT.MIN";
    QTest::newRow("existing a.min, Windows")       << "D:\\MD1\\a.min"         << true  << true  << "D:\\MD1\\A.MIN";
    QTest::newRow("prog, Linux")                   << "/data/md1/prog"         << false << false << "/data/md1/PROG.MIN";
    QTest::newRow("Prog.Min, Linux")               << "/data/md1/Prog.Min"     << false << false << "/data/md1/PROG.MIN";
    QTest::newRow("test.txt, Linux")               << "/data/md1/test.txt"     << false << false << "/data/md1/TEST.TXT.MIN";
    QTest::newRow("folders keep their case")       << "/home/Ope/Work/a1.min"  << false << false << "/home/Ope/Work/A1.MIN";
    QTest::newRow("existing a.min beside A.MIN")   << "/data/md1/a.min"        << false << true  << "/data/md1/a.min";
    QTest::newRow("existing name without .MIN")    << "/data/md1/notes"        << false << true  << "/data/md1/notes";
    QTest::newRow("cancelled")                     << ""                       << false << false << "";
    // clang-format on
  }
  void SaveDialogNames() {
    QFETCH(QString, chosen);
    QFETCH(bool, case_insensitive);
    QFETCH(bool, exists);
    QFETCH(QString, name);
    QCOMPARE(NameFromSaveDialog(chosen, case_insensitive, exists), name);
  }

  void NativePaths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("backslashes");
    QTest::addColumn<QString>("native");
    // clang-format off
    QTest::newRow("Qt's path on Windows")      << "D:/MD1/PROG.MIN"          << true  << "D:\\MD1\\PROG.MIN";
    QTest::newRow("already native on Windows") << "D:\\MD1\\PROG.MIN"        << true  << "D:\\MD1\\PROG.MIN";
    QTest::newRow("network share on Windows")  << "//server/md1/A.MIN"       << true  << "\\\\server\\md1\\A.MIN";
    QTest::newRow("Linux path stays")          << "/data/md1/PROG.MIN"       << false << "/data/md1/PROG.MIN";
    QTest::newRow("backslash in a Linux name") << "/data/a\\b.MIN"           << false << "/data/a\\b.MIN";
    QTest::newRow("cancelled")                 << ""                         << true  << "";
    // clang-format on
  }
  void NativePaths() {
    QFETCH(QString, path);
    QFETCH(bool, backslashes);
    QFETCH(QString, native);
    QCOMPARE(NativePath(path, backslashes), native);
  }

  void OpenDialogNames() {
    QCOMPARE(NameFromOpenDialog(QStringLiteral("d:\\md1\\a.min"), true),
             QStringLiteral("D:\\MD1\\A.MIN"));
    QCOMPARE(NameFromOpenDialog(QStringLiteral("/data/md1/a.min"), false),
             QStringLiteral("/data/md1/a.min"));
  }

  void ReadFailures() {
    QTemporaryDir dir;
    QByteArray bytes("left over");
    QVERIFY(!ReadProgramBytes(dir.path(), &bytes));  // a folder
    QVERIFY(bytes.isEmpty());
    QVERIFY(!ReadProgramBytes(dir.filePath(QStringLiteral("missing.MIN")), &bytes));
    const QString empty = dir.filePath(QStringLiteral("EMPTY.MIN"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(ReadProgramBytes(empty, &bytes));
    QVERIFY(bytes.isEmpty());
  }

  void BrokenLinkIsNotRead() {
#ifdef Q_OS_WIN
    QSKIP("QFile::link makes a shortcut file on Windows, which is an ordinary file");
#endif
    QTemporaryDir dir;
    QByteArray bytes("left over");
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")),
                        dir.filePath(QStringLiteral("broken.MIN"))));
    QVERIFY(!ReadProgramBytes(dir.filePath(QStringLiteral("broken.MIN")), &bytes));
    QVERIFY(bytes.isEmpty());
  }

  void WriteReplacesWholeContent() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    QVERIFY(WriteProgramBytes(path, QByteArray("a much longer old content\r\n")));
    QVERIFY(WriteProgramBytes(path, QByteArray("G00\r\nM02")));
    QByteArray bytes;
    QVERIFY(ReadProgramBytes(path, &bytes));
    QCOMPARE(bytes, QByteArray("G00\r\nM02"));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
  }

  void WriteRefusedLeavesOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RO.MIN"));
    QVERIFY(WriteProgramBytes(path, QByteArray("old\r\n")));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(!WriteProgramBytes(path, QByteArray("new\r\n")));
    QByteArray bytes;
    QVERIFY(ReadProgramBytes(path, &bytes));
    QCOMPARE(bytes, QByteArray("old\r\n"));
    QVERIFY(!WriteProgramBytes(dir.path(), QByteArray("x")));  // a folder
    QVERIFY(
        !WriteProgramBytes(dir.filePath(QStringLiteral("no/such/folder/A.MIN")), QByteArray("x")));
  }

  void OnlyRegularFilesAreRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO would wait for a writer") << "fifo";
    QTest::newRow("/dev/zero would never end") << "zero";
    QTest::newRow("/dev/null is a device") << "null";
    QTest::newRow("a socket") << "socket";
    QTest::newRow("a file over 1 GiB") << "large";
    QTest::newRow("a link to a FIFO") << "link to fifo";
  }
  void OnlyRegularFilesAreRead() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("SPECIAL.MIN"));
#ifdef Q_OS_WIN
    if (kind != QStringLiteral("large")) QSKIP("FIFOs, sockets and /dev are POSIX's");
#else
    int socket_fd = -1;
    if (kind == QStringLiteral("fifo") || kind == QStringLiteral("link to fifo")) {
      QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
      if (kind == QStringLiteral("link to fifo")) {
        const QString link = dir.filePath(QStringLiteral("LINK.MIN"));
        QVERIFY(QFile::link(path, link));
        path = link;
      }
    } else if (kind == QStringLiteral("zero") || kind == QStringLiteral("null")) {
      path = QStringLiteral("/dev/") + kind;
    } else if (kind == QStringLiteral("socket")) {
      socket_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      const QByteArray name = QFile::encodeName(path);
      QVERIFY(name.size() < qsizetype(sizeof address.sun_path));
      std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
      QCOMPARE(::bind(socket_fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    } else
#endif
    {
      QFile large(path);
      QVERIFY(large.open(QIODevice::WriteOnly));
      QVERIFY(large.resize(kMaxProgramFileBytes + 1));  // sparse: takes no room
    }
    QByteArray bytes("left over");
    QVERIFY(!ReadProgramBytes(path, &bytes));
    QVERIFY(bytes.isEmpty());
#ifndef Q_OS_WIN
    if (socket_fd >= 0) ::close(socket_fd);
#endif
  }

  void WriteKeepsPermissions() {
#ifdef Q_OS_WIN
    QSKIP("Windows keeps no owner, group and other permissions, only a read-only flag");
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    QVERIFY(WriteProgramBytes(path, QByteArray("old")));
    const QFile::Permissions shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::WriteGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path, shared));
    QVERIFY(WriteProgramBytes(path, QByteArray("new")));
    QCOMPARE(QFile::permissions(path) & ~QFile::Permissions(0x0F00), shared);
  }

  // Every byte of a name survives the trip into the program's names and back.
  void NamesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("foreign");
    // clang-format off
    QTest::newRow("Shift-JIS テスト.MIN")       << QByteArray("\x83\x65\x83\x58\x83\x67.MIN") << true;
    QTest::newRow("UTF-8 テスト.MIN")           << QStringLiteral("テスト.MIN").toUtf8() << false;
    QTest::newRow("lone FF")                    << QByteArray("A\xff") << true;
    QTest::newRow("overlong slash")             << QByteArray("\xc0\xaf") << true;
    QTest::newRow("UTF-8 of a surrogate")       << QByteArray("\xed\xa0\x80") << true;
    QTest::newRow("U+10080, low half DC80")     << QByteArray("\xf0\x90\x82\x80") << false;
    QTest::newRow("sequence cut at the end")    << QByteArray("A\xe3\x81") << true;
    // clang-format on
  }
  void NamesKeepTheirBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, foreign);
    const QString name = FileNameFromBytes(bytes);
    QCOMPARE(FileNameBytes(name), bytes);
    QCOMPARE(HasForeignBytes(name), foreign);
    if (!foreign) QCOMPARE(name, QString::fromUtf8(bytes));
  }

  // A file whose name is Shift-JIS opens, dropped or named, and saves back under that name;
  // no file of another name appears beside it.
  void ForeignNameOpensAndSaves() {
#ifdef Q_OS_WIN
    QSKIP("Windows names files in UTF-16: no name holds bytes that are no characters");
#else
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + "/\x83\x65\x83\x58\x83\x67.MIN";
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0640);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, "old text", 8), ssize_t(8));
    ::close(fd);
    QMimeData dropped;
    dropped.setUrls(
        {QUrl(QStringLiteral("file://") + QString::fromLatin1(path.toPercentEncoding("/")))});
    const QString name = LocalFileOf(&dropped);
    QCOMPARE(FileNameBytes(name), path);
    QByteArray bytes;
    QVERIFY(ReadProgramBytes(name, &bytes));
    QCOMPARE(bytes, QByteArray("old text"));
    QVERIFY(WriteProgramBytes(name, QByteArray("G00\r\n")));
    QVERIFY(ReadProgramBytes(name, &bytes));
    QCOMPARE(bytes, QByteArray("G00\r\n"));
    struct stat status {};
    QCOMPARE(::stat(path.constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0640));
    // Counted by the folder's own entries: Qt's listing leaves such names out.
    DIR* folder = ::opendir(QFile::encodeName(dir.path()).constData());
    QVERIFY(folder);
    int files = 0;
    while (const dirent* entry = ::readdir(folder)) files += entry->d_name[0] != '.';
    ::closedir(folder);
    QCOMPARE(files, 1);
#endif
  }

  void WriteThroughAHardLink() {
    // Both names show the saved text, and the file stays the one file both names have; a file
    // with one name is still replaced whole by the rename save.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    const QString other = dir.filePath(QStringLiteral("B.MIN"));
    QVERIFY(WriteProgramBytes(path, QByteArray("a longer old text\r\n")));
    QVERIFY(MakeHardLink(path, other));
    const FileIdentity before = IdentityOf(path);
    QCOMPARE(before.links, quint32(2));
    QVERIFY(WriteProgramBytes(other, QByteArray("G00\r\n")));
    for (const QString& name : {path, other}) {
      QByteArray bytes;
      QVERIFY(ReadProgramBytes(name, &bytes));
      QCOMPARE(bytes, QByteArray("G00\r\n"));
    }
    const FileIdentity after = IdentityOf(path);
    QCOMPARE(after.id, before.id);
    QCOMPARE(after.links, quint32(2));
    QVERIFY(QFile::remove(other));
    QVERIFY(WriteProgramBytes(path, QByteArray("M02\r\n")));
    QVERIFY(IdentityOf(path).id != before.id);
  }

  void WriteLongestNames() {
    // No temporary file with a longer name fits beside a name of 249 to 255 bytes: the file
    // is written in place, new or old, and keeps its permissions.
    QTemporaryDir dir;
    for (int length : {249, 255}) {
      const QString path =
          dir.filePath(QString(length - 4, QLatin1Char('P')) + QStringLiteral(".MIN"));
      QVERIFY(WriteProgramBytes(path, QByteArray("a much longer old content\r\n")));
      QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
      QVERIFY(WriteProgramBytes(path, QByteArray("G00\r\nM02")));
      QByteArray bytes;
      QVERIFY(ReadProgramBytes(path, &bytes));
      QCOMPARE(bytes, QByteArray("G00\r\nM02"));
#ifndef Q_OS_WIN  // Windows keeps a read-only flag only
      QCOMPARE(QFile::permissions(path) & ~QFile::Permissions(0x0F00),
               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
#endif
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
  }

  void WriteIntoReadOnlyFolder() {
#ifdef Q_OS_WIN
    QSKIP("a Windows folder has no write permission: a read-only folder still takes new files");
#else
    // A writable file in a folder the user may not write into is written in place. The
    // superuser may write into any folder, so as superuser an ordinary user (nobody) does
    // the write in a child process.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    QVERIFY(WriteProgramBytes(path, QByteArray("a longer old text")));
    const bool superuser = geteuid() == 0;
    const QFile::Permissions read_only_folder = QFile::ReadOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup |
                                                QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(dir.path(), read_only_folder));
    const QString new_path = dir.filePath(QStringLiteral("NEW.MIN"));
    auto write_both = [&] {
      // The old file is written; a new file cannot be made there.
      return WriteProgramBytes(path, QByteArray("new")) && !WriteProgramBytes(new_path, "x");
    };
    bool written = false;
    if (superuser) {
      constexpr uid_t kNobody = 65534;
      QCOMPARE(::chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
      const pid_t child = ::fork();
      if (child == 0)
        ::_exit(::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && write_both() ? 0 : 1);
      int status = 0;
      QCOMPARE(::waitpid(child, &status, 0), child);
      written = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    } else {
      written = write_both();
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(written);
    QByteArray bytes;
    QVERIFY(ReadProgramBytes(path, &bytes));
    QCOMPARE(bytes, QByteArray("new"));
    QCOMPARE(QFile::permissions(path) & ~QFile::Permissions(0x0F00),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    QVERIFY(!QFile::exists(new_path));
#endif
  }
};

QTEST_GUILESS_MAIN(ProgramFileTest)
#include "tst_program_file.moc"
