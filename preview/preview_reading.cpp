#include "preview/preview_reading.h"

#include <QSize>

#include <algorithm>
#include <cmath>

#include "generators/common/preview_canvas.h"
#include "generators/frontview/front_view_block.h"
#include "generators/frontview/front_view_discs.h"
#include "preview/side_section.h"

namespace zel {

namespace {

// Room around the largest circle for the axis labels.
constexpr double kFrontLabelRoom = 20;
constexpr int kFrontSmallestSide = 121;

}  // namespace

QImage DrawFrontSection(const FrontBlock& block) {
  double largest = 0;
  QList<double> radii;
  for (const FrontCircle& circle : block.circles) {
    // A circle that the dialog refuses to write (a negative diameter, or one whose radius has
    // more digits than its text keeps) may still stand in a program typed by hand: it is drawn
    // from its value, which draws nothing for a negative radius.
    const std::optional<FrontDiameter> read = ReadFrontDiameter(circle.d.text);
    radii << (read ? read->radius : std::floor(circle.d.value / 2));
    if (std::isfinite(radii.back())) largest = std::max(largest, std::abs(radii.back()));
  }
  // The box around the largest circle, with room for the axis labels; one pixel a unit as in
  // the dialog while that fits, else smaller: the picture is shown reduced to the window
  // anyway, and a disc costs what its pixels cost.
  const double wanted = 2 * (largest + kFrontLabelRoom);
  const double scale = wanted > kFrontSectionMaxSide ? kFrontSectionMaxSide / wanted : 1.0;
  int side = static_cast<int>(
      std::clamp(wanted * scale, double(kFrontSmallestSide), double(kFrontSectionMaxSide)));
  if (side % 2 == 0) --side;  // odd, so that the origin is a pixel's middle
  PreviewCanvas canvas(QSize(side, side));
  InitFrontPreview(canvas);
  for (qsizetype i = 0; i < block.circles.size(); ++i) {
    const double radius = radii[i] * scale;
    if (block.circles[i].inner)
      FillInnerDisc(canvas, radius);
    else
      FillOuterDisc(canvas, radius);
  }
  return canvas.Image();
}

PreviewReading ReadPreview(QByteArrayView utf8) {
  PreviewReading reading;
  GraphicProgram& program = reading.program;
  program = ReadGraphicProgramUtf8(utf8);
  for (const SideBlock& block : program.side_blocks) {
    if (block.replaced) continue;
    const SidePlan plan = PlanSideSection(block);
    // A shape the side view cannot work out is a problem of its line like any other.
    for (const ContourShape& shape : block.shapes) {
      if (plan.failed_lines.contains(shape.line))
        AddProblem(program, {shape.line, shape.text, ReadProblem::kShapeNotComputable});
    }
    const int spindle = block.second_spindle ? 1 : 0;
    const ChuckValues* chuck = spindle == 0 ? &program.chuck : nullptr;
    reading.sections[kSectionWork + spindle] = DrawSideSection(plan, chuck);
    if (spindle == 0) reading.work_scale = SideSectionScale(plan, chuck);
  }
  for (const FrontBlock& block : program.front_blocks) {
    if (!block.replaced)
      reading.sections[kSectionFront + (block.second_spindle ? 1 : 0)] = DrawFrontSection(block);
  }
  return reading;
}

}  // namespace zel
