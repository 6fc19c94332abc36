// Times the search of "ブロック編集" for the block at the caret in a large program: a main
// program of N megabytes (default 20) with the graphic subprogram at its end, searched from a
// line of the side-view block, from a tool line and from the main program's last line, where
// there is no block and the search for a DEF runs up to the first line.
//   block_edit_bench [megabytes]
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

#include "editor/editor_box.h"
#include "reopen/written_block.h"

namespace {

const char kSubprogram[] =
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
    "N000 END\r\n"
    "NRTS RTS\r\n";

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20;
  QByteArray program;
  for (int n = 0; program.size() < megabytes * 1024 * 1024; ++n) {
    program += "N" + QByteArray::number(n % 10000) + " G01 X" + QByteArray::number(100 + n % 50) +
               ".5 Z-" + QByteArray::number(n % 300) + " F0.2 (外径荒加工)\r\n";
  }
  program += kSubprogram;
  zel::EditorBox box;
  box.SetDocument(zel::DecodedText{program, {}});
  const zel::ProgramLines lines{box.lines(), [&box](int i) { return box.text(i); }};
  const int ozel = lines.count - 13;
  const struct {
    const char* what;
    int line;
  } kCases[] = {{"side-view block (PT line)", ozel + 9},
                {"tool data (nose line)", ozel + 6},
                {"main program's last line (no block)", ozel - 1}};
  std::printf("%lld MB, %d lines\n", megabytes, lines.count);
  for (const auto& c : kCases) {
    QElapsedTimer timer;
    timer.start();
    const zel::FoundBlock found = zel::FindWrittenBlock(lines, c.line);
    std::printf("  %-38s %8.1f ms  %s\n", c.what, timer.nsecsElapsed() / 1e6,
                found.block ? "block" : found.problem ? "problem" : "none");
  }
  return 0;
}
