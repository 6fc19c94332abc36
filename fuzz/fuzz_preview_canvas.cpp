// The preview canvas: lines, circles, arcs and every fill with any coordinates (huge, NaN,
// infinite included) draw without a crash or hang, only inside the image.
#include <QList>
#include <QPointF>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_input.h"
#include "generators/common/preview_canvas.h"

namespace {

double Coordinate(zel::fuzz::FuzzInput& in) { return in.Number(4, 0); }

QPointF Point(zel::fuzz::FuzzInput& in) { return {Coordinate(in), Coordinate(in)}; }

zel::PreviewArc Arc(zel::fuzz::FuzzInput& in) {
  return {Point(in), Coordinate(in), Coordinate(in) / 40, Coordinate(in) / 40};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zel::fuzz::FuzzInput in(data, size);
  zel::PreviewCanvas canvas(QSize(1 + in.Below(64), 1 + in.Below(48)));
  for (int step = 0; step < 16 && !in.Empty(); ++step) {
    const zel::PreviewColor colour = in.Flag() ? zel::kPreviewYellow : zel::kPreviewWhite;
    switch (in.Below(7)) {
      case 0:
        canvas.Line(Point(in), Point(in), colour);
        break;
      case 1:
        canvas.Circle(Point(in), Coordinate(in), colour);
        break;
      case 2:
        canvas.Arc(Arc(in), colour);
        break;
      case 3:
        canvas.FillCircle(Point(in), Coordinate(in), colour);
        break;
      case 4: {
        QList<QPointF> corners;
        for (int i = 0, n = in.Below(6); i < n; ++i) corners.append(Point(in));
        canvas.FillPolygon(corners, colour);
        break;
      }
      case 5:
        canvas.FillArcSection(Arc(in), Arc(in), colour);
        break;
      default:
        zel::DrawAxes(canvas);
        break;
    }
  }
  return 0;
}
