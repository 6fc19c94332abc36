// The interpreter of the main program: any program text (as the editor box holds it, in
// UTF-8) runs without a crash, with or without block skip; its lines are counted as the box
// counts them (CR, LF, CR LF), moves and notes stand on those lines in order, every time is a
// number of zero or more, and every move can be found again under a click on it.
#include <QByteArrayView>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "toolpath/path_drawing.h"
#include "toolpath/program_path.h"

namespace {

int LineCount(QByteArrayView text) {
  int count = 1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n')))
      ++count;
  }
  return count;
}

bool Time(double seconds) { return std::isfinite(seconds) && seconds >= 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QByteArrayView text(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
  zel::PathOptions options;
  options.block_skip = data[0] & 1;
  const zel::ProgramPath path = zel::InterpretProgram(text, options);
  if (path.line_count != LineCount(text)) std::abort();
  if (path.end_line >= path.line_count) std::abort();
  int last = 0;
  for (const zel::PathMove& move : path.moves) {
    if (move.line < last || move.line >= path.line_count || !Time(move.seconds)) std::abort();
    last = move.line;
  }
  last = 0;
  for (const zel::PathNote& note : path.notes) {
    if (note.line < last || note.line >= path.line_count) std::abort();
    last = note.line;
  }
  const zel::CycleTimes& t = path.times;
  if (!Time(t.cutting) || !Time(t.rapid) || !Time(t.dwell) || !Time(t.tool_change)) std::abort();
  // A click on the end of a move of ordinary size finds a move there.
  if (!path.moves.empty()) {
    const zel::PathMove& move = path.moves[path.moves.size() / 2];
    if (std::abs(move.x1) < 1e6 && std::abs(move.z1) < 1e6) {
      const QTransform to_view = QTransform::fromScale(2, 2);
      const QPointF at = to_view.map(zel::SectionPoint(move.x1, move.z1));
      if (!zel::MoveAt(path, to_view, at, 1, path.moves.size())) std::abort();
    }
  }
  (void)zel::PathExtent(path);
  return 0;
}
