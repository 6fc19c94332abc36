// The reader of the graphic subprogram: any program text reads without a crash; every line
// it cannot read is reported with a line number inside the subprogram and that line's own
// text; the text as the editor box holds it (UTF-8) reads exactly as the same text does.
#include <QByteArray>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "preview/graphic_reader.h"

namespace {

// Line `number` (0-based) of the text without its line end, as the reader cuts lines.
QStringView LineOf(QStringView text, int number) {
  qsizetype start = 0;
  for (int i = 0; i < number; ++i) {
    start = text.indexOf(u'\n', start);
    if (start < 0) std::abort();  // a line number past the end of the text
    ++start;
  }
  const qsizetype end = text.indexOf(u'\n', start);
  QStringView line = text.mid(start, (end < 0 ? text.size() : end) - start);
  if (line.endsWith(u'\r')) line.chop(1);
  return line;
}

bool SameProgram(const zel::GraphicProgram& a, const zel::GraphicProgram& b) {
  if (a.found != b.found || a.first_line != b.first_line || a.last_line != b.last_line ||
      !(a.chuck == b.chuck) || a.tools.size() != b.tools.size() ||
      a.side_blocks.size() != b.side_blocks.size() ||
      a.front_blocks.size() != b.front_blocks.size() || a.VSCTA != b.VSCTA || a.clear != b.clear ||
      a.draw != b.draw || a.problems.size() != b.problems.size())
    return false;
  for (qsizetype i = 0; i < a.problems.size(); ++i) {
    const zel::UnreadLine& p = a.problems[i];
    const zel::UnreadLine& q = b.problems[i];
    if (p.line != q.line || p.text != q.text || p.problem != q.problem) return false;
  }
  for (qsizetype i = 0; i < a.side_blocks.size(); ++i)
    if (a.side_blocks[i].shapes.size() != b.side_blocks[i].shapes.size()) return false;
  for (qsizetype i = 0; i < a.front_blocks.size(); ++i)
    if (a.front_blocks[i].circles.size() != b.front_blocks[i].circles.size()) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const zel::GraphicProgram program = zel::ReadGraphicProgram(text);
  const int last_line = static_cast<int>(std::count(text.begin(), text.end(), u'\n'));
  if (!program.found) {
    if (!program.problems.isEmpty()) std::abort();
  } else {
    if (program.first_line < 0 || program.first_line > program.last_line ||
        program.last_line > last_line)
      std::abort();
    if (LineOf(text, program.first_line) != QStringLiteral("OZEL")) std::abort();
    int previous = -1;
    for (const zel::UnreadLine& problem : program.problems) {
      // Inside the subprogram, in line order, with the line's own text.
      if (problem.line < program.first_line || problem.line > program.last_line) std::abort();
      if (problem.line < previous) std::abort();
      previous = problem.line;
      if (problem.text != LineOf(text, problem.line)) std::abort();
      if (zel::ReadProblemText(problem.problem).isEmpty()) std::abort();
    }
    for (const zel::ToolData& tool : program.tools)
      if (tool.line < program.first_line || tool.line > program.last_line) std::abort();
    for (const zel::SideBlock& block : program.side_blocks)
      for (const zel::ContourShape& shape : block.shapes)
        if (shape.sn < 1 || shape.sn > 8) std::abort();
  }
  // The same text as the editor box holds it.
  if (!SameProgram(program, zel::ReadGraphicProgramUtf8(text.toUtf8()))) std::abort();
  return 0;
}
