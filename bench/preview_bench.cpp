// Times the preview: how soon the preview window of the sample program appears after it is
// opened (made, shown, every section drawn and painted), and the re-read of a large program
// with the graphic subprogram at the end of N megabytes (default 20), read from the editor's
// UTF-8 text and from a QString.
//   preview_bench [megabytes] [program file]
// Without a display the window is drawn offscreen.
#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>

#include "editor/editor_box.h"
#include "editor/text_codec.h"
#include "preview/graphic_reader.h"
#include "preview/preview_window.h"

using zel::EditorBox;
using zel::PreviewWindow;
using zel::ReadGraphicProgram;
using zel::ReadGraphicProgramUtf8;

namespace {

QByteArray MakeProgram(qint64 bytes, const QByteArray& subprogram) {
  const QByteArray comment = QStringLiteral(" (外径荒加工 工具摩耗補正 確認)").toUtf8();
  QByteArray out;
  out.reserve(bytes + subprogram.size() + 100);
  for (int n = 0; out.size() < bytes; ++n) {
    out += "N" + QByteArray::number(n % 10000) + " G01 X" + QByteArray::number(100 + n % 50) +
           ".5 Z-" + QByteArray::number(n % 300) + " F0.2";
    if (n % 3 == 0) out += comment;
    out += "\r\n";
  }
  return out + subprogram;
}

const char kSubprogram[] =
    "----------< USER GRAPHIC COMMAND >----------\r\n"
    "OZEL\r\n"
    "NOEX VCHKD=50 VCHKL=20\r\n"
    "NOEX VCHKX=100 VCHKZ=-50\r\n"
    "NOEX VWKR=9999\r\n"
    "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80\r\n"
    "NOEX VTLA2[1]=5 VTLL[1]=40\r\n"
    "NOEX VNSRX[1]=0 VNSRZ[1]=0.8 VNRPN[1]=3\r\n"
    "N000 DEF WORK\r\n"
    "N000 PS RC,[2,0],[30,82]\r\n"
    "N000 PT LF,RC,[-28,0],[82,100],[4,0]\r\n"
    "N000 PS RC,[-32,0],[40,100]\r\n"
    "N000 PS RC,[2,0],[74,18],0\r\n"
    "N000 END\r\n"
    "N000 DEF WORKF\r\n"
    "N000 PF 0,[0,0],100,D\r\n"
    "N000 END\r\n"
    "N000 CLEAR\r\n"
    "N000 DRAW\r\n"
    "NRTS RTS\r\n";

// Waits until the window shows the reading it started (it reads away from the main thread).
void WaitForReading(const PreviewWindow& window) {
  while (window.Reading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
}

// The best and the median of `runs` timings of `work`, in milliseconds.
template <typename Work>
void Time(const char* what, int runs, Work work) {
  QList<double> ms;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    work();
    ms << timer.nsecsElapsed() / 1e6;
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-52s best %7.2f ms  median %7.2f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20;
  const QString sample_path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : ZEL_SAMPLE_PROGRAM;

  QFile sample_file(sample_path);
  if (!sample_file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(sample_path));
    return 2;
  }
  EditorBox editor;
  editor.SetDocument(zel::Cp932().Decode(sample_file.readAll()));
  int sections = 0;
  // From the command to the window with its sections drawn and painted once.
  Time("sample program: preview appears after opening", 15, [&] {
    PreviewWindow window(editor);
    window.show();
    WaitForReading(window);
    sections += window.grab().isNull() ? 0 : 1;
  });
  PreviewWindow open_window(editor);
  open_window.show();
  WaitForReading(open_window);
  Time("sample program: re-read, lists filled, sections drawn", 15, [&] {
    open_window.Reread();
    WaitForReading(open_window);
  });
  std::printf("sample: %s, %d windows painted, %lld problems (expected 0)\n",
              qPrintable(sample_path), sections,
              static_cast<long long>(open_window.Program().problems.size()));
  const QByteArray with = MakeProgram(megabytes * 1000 * 1000, kSubprogram);
  const QByteArray without = MakeProgram(megabytes * 1000 * 1000, "");
  const QString with_text = QString::fromUtf8(with);
  std::printf("program: %.1f MB of UTF-8, %lld lines\n", with.size() / 1e6,
              static_cast<long long>(with.count('\n')));
  int problems = open_window.Program().problems.size();
  Time("re-read, subprogram at the end (UTF-8)", 15,
       [&] { problems += ReadGraphicProgramUtf8(with).problems.size(); });
  Time("re-read, subprogram at the end (QString)", 15,
       [&] { problems += ReadGraphicProgram(with_text).problems.size(); });
  Time("re-read, no subprogram at all (UTF-8)", 15,
       [&] { problems += ReadGraphicProgramUtf8(without).found ? 1 : 0; });
  std::printf("problems found (expected 0): %d\n", problems);
  return problems == 0 ? 0 : 1;
}
