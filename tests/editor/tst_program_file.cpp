// Names made of the dialogs' paths, and reading and writing whole program files.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "editor/program_file.h"

using namespace zel;

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
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")),
                        dir.filePath(QStringLiteral("broken.MIN"))));
    QVERIFY(!ReadProgramBytes(dir.filePath(QStringLiteral("broken.MIN")), &bytes));
    const QString empty = dir.filePath(QStringLiteral("EMPTY.MIN"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(ReadProgramBytes(empty, &bytes));
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

  void WriteIntoReadOnlyFolder() {
    if (geteuid() == 0) QSKIP("the superuser may write into any folder");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.MIN"));
    QVERIFY(WriteProgramBytes(path, QByteArray("old")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QVERIFY(!WriteProgramBytes(path, QByteArray("new")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QByteArray bytes;
    QVERIFY(ReadProgramBytes(path, &bytes));
    QCOMPARE(bytes, QByteArray("old"));
  }
};

QTEST_GUILESS_MAIN(ProgramFileTest)
#include "tst_program_file.moc"
