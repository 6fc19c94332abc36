// Times typing with the graphic preview open, through the real main window: for each of four
// programs that are costly to preview, the file is opened, the preview shown (F5), and then
// four keystrokes are typed at the end of the program, each followed by a pause of 0.6 s in
// which the preview reads the text again. The row's figure is the time beyond the pauses
// (what the user waits for); its target is 1 s. The time until the preview shows the last
// keystroke's text is printed beside it.
//   preview_typing_bench [row number 1-4 …]   (default: all four)
// The exit code stays 0: figures, not tests.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <functional>

#include "app/main_window.h"
#include "bench/bench_doubles.h"
#include "editor/editor_box.h"
#include "editor/program_document.h"
#include "platform/file_dialogs.h"
#include "platform/machine.h"
#include "platform/prompts.h"
#include "preview/preview_window.h"

namespace {

using zel::bench::NoDialogs;
using zel::bench::SilentPrompts;

constexpr int kKeystrokes = 4;
constexpr int kPauseMs = 600;
constexpr double kTargetMs = 1000;

// A short main program ahead of the subprogram, as the sample has it.
const QByteArray kMainProgram =
    "N001 G50 S2500\r\nN002 CALL OZEL\r\nN100 G00 X250 Z200 T0101\r\nN101 G96 S180 M03\r\n"
    "N102 G01 X14 F0.2\r\nN610 M02\r\n";
const QByteArray kChuck = "NOEX VCHKD=50 VCHKL=20 VCHKX=100 VCHKZ=-50\r\nNOEX VWKR=9999\r\n";

QByteArray Subprogram(const QByteArray& body) {
  return "OZEL\r\n" + kChuck + body + "N000 CLEAR\r\nN000 DRAW\r\nNRTS RTS\r\n";
}

// Ten front-view circles of about 3 900 (a typo for 390).
QByteArray FrontCircles() {
  QByteArray block = "N000 DEF WORKF\r\n";
  for (int i = 0; i < 10; ++i)
    block += "N000 PF 0,[0,0]," + QByteArray::number(3900 - 10 * i) + ",D\r\n";
  return kMainProgram + Subprogram(block + "N000 END\r\n");
}

// Fifty side-view arcs about 1 000 wide.
QByteArray SideArcs() {
  QByteArray block = "N000 DEF WORK\r\n";
  for (int i = 0; i < 50; ++i) block += "N000 PT SS,RC,[0,0],[1000,1100],[1500,900]\r\n";
  return kMainProgram + Subprogram(block + "N000 END\r\n");
}

// A NOEX line of 5 MB, listed as a problem (a variable the blocks do not use).
QByteArray LongNoex() {
  QByteArray line = "NOEX VCHKY=1";
  while (line.size() < 5 * 1000 * 1000) line += " VCHKD=50 VCHKL=20";
  return kMainProgram + Subprogram(line + "\r\n");
}

// A 20 MB program whose subprogram at the top has no return.
QByteArray NoReturnAtTop() {
  QByteArray out =
      "OZEL\r\n" + kChuck + "N000 DEF WORK\r\nN000 PS RC,[0,0],[50,80]\r\nN000 END\r\n";
  out.reserve(20 * 1000 * 1000 + 100);
  for (int n = 0; out.size() < 20 * 1000 * 1000; ++n) {
    out += "N" + QByteArray::number(n % 10000) + " G01 X" + QByteArray::number(100 + n % 50) +
           ".5 Z-" + QByteArray::number(n % 300) + " F0.2\r\n";
  }
  return out + "N9999 M30\r\n";
}

double Ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

// Waits until the preview shows the text as it is now (at once where it reads on the main
// thread).
template <typename Window>
void WaitUntilCurrent(Window& preview) {
  if constexpr (requires { preview.Reading(); }) {
    while (preview.Reading()) QTest::qWait(5);
  }
  QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QList<int> rows;
  for (int i = 1; i < argc; ++i) rows << QByteArray(argv[i]).toInt();
  if (rows.isEmpty()) rows = {1, 2, 3, 4};

  SilentPrompts prompts;
  NoDialogs dialogs;
  zel::RealPlatform platform;
  zel::MainWindow window(zel::MainWindowContext{prompts, dialogs, platform, zel::Cp932()});
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::printf("window not exposed\n");
  zel::EditorBox& box = window.Editor();

  struct Program {
    const char* what;
    std::function<QByteArray()> make;
  };
  const QList<Program> programs = {
      {"ten front-view circles of about 3 900", FrontCircles},
      {"fifty side-view arcs about 1 000 wide", SideArcs},
      {"a NOEX line of 5 MB", LongNoex},
      {"20 MB, subprogram at the top without return", NoReturnAtTop},
  };
  QTemporaryDir dir;
  std::printf("%-46s %12s %12s %10s  %s\n", "program", "open+F5 ms", "extra ms", "target",
              "current after the last key");
  for (int row : rows) {
    if (row < 1 || row > programs.size()) continue;
    const Program& program = programs[row - 1];
    const QString path = dir.filePath(QStringLiteral("P%1.MIN").arg(row));
    {
      QFile file(path);
      file.open(QIODevice::WriteOnly);
      file.write(program.make());
    }
    window.Document().New();
    QElapsedTimer open;
    open.start();
    window.Document().OpenNamedFile(path, false);
    window.mnuViewPreview_Click();  // F5
    auto* preview = window.findChild<zel::PreviewWindow*>();
    if (!preview) {
      std::printf("%-46s no preview window\n", program.what);
      continue;
    }
    WaitUntilCurrent(*preview);
    const double open_ms = Ms(open);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();

    QElapsedTimer typing;
    typing.start();
    for (int k = 0; k < kKeystrokes; ++k) {
      QTest::keyClick(&box, Qt::Key_1);
      QTest::qWait(kPauseMs);
    }
    const double extra_ms = Ms(typing) - kKeystrokes * kPauseMs;
    QElapsedTimer current;
    current.start();
    WaitUntilCurrent(*preview);
    const double current_ms = Ms(current);
    const QString status = preview->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    std::printf("%-46s %12.0f %12.0f %10s  +%.0f ms  %s\n", program.what, open_ms, extra_ms,
                qPrintable(QStringLiteral("<= %1").arg(kTargetMs)), current_ms,
                extra_ms <= kTargetMs ? "ok" : "MISS");
    std::printf("    status: %s\n", qPrintable(status));
    std::fflush(stdout);
    preview->hide();
  }
  return 0;
}
