#include <QCoreApplication>
#include <QTest>

#include "app/command_line.h"

namespace zel {

class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("ZEL_Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
  }

  void Parses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    const int run = int(CommandLine::Action::kRun);
    const int version = int(CommandLine::Action::kVersion);
    const int help = int(CommandLine::Action::kHelp);
    // clang-format off
    QTest::newRow("no argument starts empty")          << QStringList{"zel"} << run << "";
    QTest::newRow("a file opens")                      << QStringList{"zel", "PROG.MIN"} << run << "PROG.MIN";
    QTest::newRow("Japanese name with blanks")         << QStringList{"zel", "加工 1.MIN"} << run << "加工 1.MIN";
    QTest::newRow("--version")                         << QStringList{"zel", "--version"} << version << "";
    QTest::newRow("-v")                                << QStringList{"zel", "-v"} << version << "";
    QTest::newRow("--help")                            << QStringList{"zel", "--help"} << help << "";
    QTest::newRow("-h")                                << QStringList{"zel", "-h"} << help << "";
    QTest::newRow("-- then a file named --help")       << QStringList{"zel", "--", "--help"} << run << "--help";
    QTest::newRow("-- then a file named -v")           << QStringList{"zel", "--", "-v"} << run << "-v";
    QTest::newRow("unknown option is a file name")     << QStringList{"zel", "-x.MIN"} << run << "-x.MIN";
    QTest::newRow("first of two files opens")          << QStringList{"zel", "A.MIN", "B.MIN"} << run << "A.MIN";
    // clang-format on
  }
  void Parses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, file);
    const CommandLine parsed = ParseCommandLine(arguments);
    QCOMPARE(int(parsed.action), action);
    QCOMPARE(parsed.file, file);
  }

  void VersionAndHelpTexts() {
    QCOMPARE(ParseCommandLine({"zel", "--version"}).text, QStringLiteral("ZEL_Editor 1.2.0\n"));
    const QString help = ParseCommandLine({"zel", "--help"}).text;
    QVERIFY2(help.contains(QStringLiteral("--version")) && help.contains(QStringLiteral("[file]")),
             qPrintable(help));
  }
};

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestCommandLine)
#include "tst_command_line.moc"
