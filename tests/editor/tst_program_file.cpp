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
    QTest::addColumn<QString>("name");
    QTest::newRow("prog, Windows") << "D:\\MD1\\prog" << true << "D:\\MD1\\PROG.MIN";
    QTest::newRow("Prog.Min, Windows") << "D:\\MD1\\Prog.Min" << true << "D:\\MD1\\PROG.MIN";
    QTest::newRow("test.txt, Windows") << "D:\\MD1\\test.txt" << true << "D:\\MD1\\TEST.TXT.MIN";
    QTest::newRow("prog, Linux") << "/data/md1/prog" << false << "/data/md1/PROG.MIN";
    QTest::newRow("Prog.Min, Linux") << "/data/md1/Prog.Min" << false << "/data/md1/PROG.MIN";
    QTest::newRow("test.txt, Linux") << "/data/md1/test.txt" << false << "/data/md1/TEST.TXT.MIN";
    QTest::newRow("folders keep their case") << "/home/Ope/Work/a1.min" << false
                                             << "/home/Ope/Work/A1.MIN";
    QTest::newRow("cancelled") << "" << false << "";
  }
  void SaveDialogNames() {
    QFETCH(QString, chosen);
    QFETCH(bool, case_insensitive);
    QFETCH(QString, name);
    QCOMPARE(NameFromSaveDialog(chosen, case_insensitive), name);
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
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath(QStringLiteral("broken.MIN"))));
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
    QVERIFY(!WriteProgramBytes(dir.filePath(QStringLiteral("no/such/folder/A.MIN")), QByteArray("x")));
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
