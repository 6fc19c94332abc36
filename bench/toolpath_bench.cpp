// Times the tool path: the interpretation of a main program of N megabytes (default 20), made
// of the sample program's machining part repeated, as the background job runs it (a copy of
// the editor's UTF-8 text, then the interpreter), and the drawing of its path at the size of
// the preview's view, fitted and zoomed in on the part, and through the view itself.
//   toolpath_bench [megabytes]
#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "editor/text_codec.h"
#include "preview/toolpath_view.h"
#include "toolpath/path_drawing.h"
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

// Interprets and draws one program, printing the figures.
void Measure(const char* name, const QByteArray& program) {
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
  std::printf("\n%s: %.1f MB, %d lines, %zu moves, %zu notes, cycle %s\n", name,
              program.size() / 1048576.0, path.line_count, path.moves.size(), path.notes.size(),
              qPrintable(zel::CycleTimeText(path.times.Total())));
  std::printf("interpret (copy + run), median of 5: %.0f ms (target <= 500 ms)\n", times[2]);

  // The view's size in the preview window; the path fitted into it, then 8 times larger
  // around the part.
  QImage view(700, 380, QImage::Format_RGB32);
  const QRectF extent = zel::PathExtent(path);
  for (double zoom : {1.0, 8.0}) {
    const double scale =
        zoom * std::min(view.width() / extent.width(), view.height() / extent.height());
    QTransform to_view;
    to_view.translate(view.width() / 2.0, view.height() / 2.0).scale(scale, scale);
    to_view.translate(-(zoom > 1 ? -20 : extent.center().x()),
                      -(zoom > 1 ? -40 : extent.center().y()));
    std::vector<double> draws;
    for (int run = 0; run < 5; ++run) {
      view.fill(Qt::black);
      QElapsedTimer timer;
      timer.start();
      QPainter painter(&view);
      zel::DrawPath(painter, path, to_view, view.rect(), path.moves.size());
      zel::DrawPathHighlight(painter, path, to_view, view.rect(), 100, path.moves.size());
      zel::DrawToolTip(painter, path, to_view, path.moves.size());
      painter.end();
      draws.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(draws.begin(), draws.end());
    std::printf("draw %dx%d, zoom %.0f, median of 5: %.1f ms (target <= 100 ms)\n", view.width(),
                view.height(), zoom, draws[2]);
  }

  // Through the window's own view: a new path shown (its extent found, material and path drawn
  // into the kept layer, highlight and tip over it), then a caret that moves to another line
  // (the layer kept, the highlight drawn again).
  auto shared = std::make_shared<const zel::ProgramPath>(std::move(path));
  zel::ToolpathView widget;
  widget.resize(700, 380);
  QImage shown(widget.size(), QImage::Format_RGB32);
  std::vector<double> shows, moves;
  for (int run = 0; run < 5; ++run) {
    QElapsedTimer timer;
    timer.start();
    widget.SetPath(shared);
    widget.render(&shown);
    shows.push_back(timer.nsecsElapsed() / 1e6);
    timer.restart();
    widget.SetHighlightLine(200 + run);
    widget.render(&shown);
    moves.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::sort(shows.begin(), shows.end());
  std::sort(moves.begin(), moves.end());
  std::printf("view: path shown %.1f ms, caret to another line %.1f ms (medians of 5)\n", shows[2],
              moves[2]);
}

// A contour as a CAM system writes it: short feed moves of 0.01 to 0.1 mm along a wavy
// profile, pass after pass.
QByteArray MakeContour(qint64 bytes) {
  QByteArray out = "G50 S3000\r\nG00 X120 Z5 T0101\r\nG96 S200 M03\r\nG01 F0.1\r\n";
  out.reserve(bytes + 100);
  double z = 0;
  for (int n = 0; out.size() < bytes; ++n) {
    z -= 0.01 + 0.09 * ((n * 7919) % 100) / 100.0;
    if (z < -150) z = 0;
    const double x = 100 + 10 * std::sin(z / 7) - (n / 20000) % 10;
    out += "X" + QByteArray::number(x, 'f', 3) + " Z" + QByteArray::number(z, 'f', 3) + "\r\n";
  }
  return out + "M02\r\n";
}

// Moves that jump across the part from line to line, no two alike: the most lines a view
// can be asked to draw.
QByteArray MakeCrissCross(qint64 bytes) {
  QByteArray out = "G00 X100 Z0 T0101\r\nG97 S1000 M03\r\nG01 F0.2\r\n";
  out.reserve(bytes + 100);
  for (int n = 0; out.size() < bytes; ++n) {
    out += "X" + QByteArray::number(20 + (n * 37) % 160) + "." + QByteArray::number(n % 10) +
           " Z-" + QByteArray::number((n * 101) % 300) + "\r\n";
  }
  return out + "M02\r\n";
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const double megabytes = argc > 1 ? QByteArray(argv[1]).toDouble() : 20;
  QFile file(ZEL_SAMPLE_PROGRAM);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", ZEL_SAMPLE_PROGRAM);
    return 1;
  }
  const QByteArray sample = zel::Cp932().Decode(file.readAll()).utf8;

  Measure("sample repeated", MakeProgram(sample, qint64(megabytes * 1024 * 1024)));
  Measure("contour of short steps", MakeContour(qint64(megabytes * 1024 * 1024)));
  Measure("long moves criss-cross", MakeCrissCross(qint64(megabytes * 1024 * 1024)));
  return 0;
}
