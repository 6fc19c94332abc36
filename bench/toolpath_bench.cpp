// Times the tool path: the interpretation of a main program of N megabytes (default 20), made
// of the sample program's machining part repeated, as the background job runs it (a copy of
// the editor's UTF-8 text, then the interpreter).
//   toolpath_bench [megabytes]
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "editor/text_codec.h"
#include "toolpath/program_path.h"

namespace {

// The sample's lines from the first machining line up to its M02, repeated to `bytes`, then
// its M02 and its graphic subprogram.
QByteArray MakeProgram(const QByteArray& sample, qint64 bytes) {
  const qsizetype start = sample.indexOf("N100 ");
  const qsizetype end = sample.indexOf("N610 M02");
  const QByteArray body = sample.mid(start, end - start);
  QByteArray out = sample.left(start);
  out.reserve(bytes + sample.size());
  while (out.size() < bytes) out += body;
  return out + sample.mid(end);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const double megabytes = argc > 1 ? QByteArray(argv[1]).toDouble() : 20;
  QFile file(ZEL_SAMPLE_PROGRAM);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", ZEL_SAMPLE_PROGRAM);
    return 1;
  }
  const QByteArray sample = zel::Cp932().Decode(file.readAll()).utf8;
  const QByteArray program = MakeProgram(sample, qint64(megabytes * 1024 * 1024));

  std::vector<double> times;
  zel::ProgramPath path;
  for (int run = 0; run < 5; ++run) {
    QElapsedTimer timer;
    timer.start();
    const QByteArray copy(program.constData(), program.size());
    path = zel::InterpretProgram(copy, zel::PathOptions{});
    times.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::sort(times.begin(), times.end());
  std::printf("program: %.1f MB, %d lines, %zu moves, %zu notes, cycle %s\n",
              program.size() / 1048576.0, path.line_count, path.moves.size(), path.notes.size(),
              qPrintable(zel::CycleTimeText(path.times.Total())));
  std::printf("interpret (copy + run), median of 5: %.0f ms (target <= 500 ms)\n", times[2]);
  return 0;
}
