#include <QCoreApplication>
#include <QProcess>
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
    const int help_all = int(CommandLine::Action::kHelpAll);
    const int error = int(CommandLine::Action::kError);
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
    QTest::newRow("--help-all")                        << QStringList{"zel", "--help-all"} << help_all << "";
    QTest::newRow("-- then a file named -x.MIN")       << QStringList{"zel", "--", "-x.MIN"} << run << "-x.MIN";
    QTest::newRow("unknown option is refused")         << QStringList{"zel", "-x.MIN"} << error << "";
    QTest::newRow("unknown after a known one")         << QStringList{"zel", "--version", "--bogus"} << error << "";
    QTest::newRow("window system option passes")       << QStringList{"zel", "-platform", "offscreen", "A.MIN"} << run << "A.MIN";
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
    QVERIFY(!help.contains(QStringLiteral("--platform")));
    QVERIFY(ParseCommandLine({"zel", "--help-all"}).text.contains(QStringLiteral("--platform")));
    QCOMPARE(ParseCommandLine({"zel", "--bogus"}).text, QStringLiteral("Unknown option 'bogus'."));
  }

  // The program itself, without a display: every option the help names answers, an unknown
  // one is refused on one line of the error output with status 2.
  void AnswersWithoutADisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");  // the start of what is printed
    // clang-format off
    QTest::newRow("--help")            << QStringList{"--help"}              << 0 << "Usage:";
    QTest::newRow("--help-all")        << QStringList{"--help-all"}          << 0 << "Usage:";
    QTest::newRow("-v")                << QStringList{"-v"}                  << 0 << "ZEL_Editor ";
    QTest::newRow("--version --bogus") << QStringList{"--version", "--bogus"} << 2 << "ZEL_Editor: Unknown option 'bogus'.\n";
    // clang-format on
  }
  void AnswersWithoutADisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZEL_EDITOR_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QString printed = QString::fromLocal8Bit(status == 0 ? program.readAllStandardOutput()
                                                         : program.readAllStandardError());
    // A Windows console writes its line ends as CR LF.
    printed.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QVERIFY2(printed.startsWith(output), qPrintable(printed));
    if (status != 0) QCOMPARE(printed, output);
  }
};

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestCommandLine)
#include "tst_command_line.moc"
