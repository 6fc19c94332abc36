// The preview canvas: lines, circles, arcs and every fill with any coordinates (huge, NaN,
// infinite included) draw without a crash or hang, only inside the image.
#include <QList>
#include <QPointF>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "fuzz/fuzz_input.h"
#include "generators/common/preview_canvas.h"

namespace {

double Coordinate(zel::fuzz::FuzzInput& in) {
  switch (in.Below(8)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return std::numeric_limits<double>::infinity() * (in.Flag() ? 1 : -1);
    case 2:
      return (in.Flag() ? 1 : -1) * std::ldexp(1.0 + in.Byte(), in.Below(1100));
    default:
      return (static_cast<std::int8_t>(in.Byte()) * 4 + in.Byte() / 64.0);
  }
}

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
