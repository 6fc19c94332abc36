#include "preview/side_section.h"

#include <QSize>

#include <algorithm>
#include <cmath>

#include "generators/sideview/arc_section.h"
#include "generators/sideview/work_drawing.h"

namespace zel {

namespace {

// Beyond this no chuck or centre value is a position on a lathe; such a value is a typo.
constexpr double kLargestPosition = 1e6;
// tan 30°: the flank of a 60° centre point rises this much per unit of Z.
const double kCentreFlank = std::tan(M_PI / 6);
// Room around the extent for the axis labels and a margin.
constexpr int kLabelRoom = 24;
constexpr int kSmallestSide = 121;

bool Sensible(const std::optional<double>& value) {
  return value && std::isfinite(*value) && std::abs(*value) <= kLargestPosition;
}

ShapeTexts TextsOf(const ContourShape& shape) {
  ShapeTexts texts;
  texts.z = shape.z.text;
  texts.d1 = shape.d1.text;
  texts.d2 = shape.d2.text;
  texts.l = shape.l.text;
  texts.r = shape.r.text;
  return texts;
}

// The bounding box of the points given so far.
struct Bounds {
  bool empty = true;
  double left = 0;
  double right = 0;
  double top = 0;
  double bottom = 0;
};

void Include(Bounds& box, QPointF point) {
  if (!std::isfinite(point.x()) || !std::isfinite(point.y())) return;
  if (box.empty) {
    box = {false, point.x(), point.x(), point.y(), point.y()};
    return;
  }
  box.left = std::min(box.left, point.x());
  box.right = std::max(box.right, point.x());
  box.top = std::min(box.top, point.y());
  box.bottom = std::max(box.bottom, point.y());
}

// Points along an arc of the section, enough to bound its bulge.
void IncludeArc(Bounds& box, QPointF centre, double radius, double from, double to) {
  constexpr int kSteps = 64;
  const double sweep = CounterClockwiseSweep(from, to);
  for (int i = 0; i <= kSteps; ++i)
    Include(box, CirclePoint(centre, radius, from + sweep * i / kSteps));
}

void IncludeDrawing(Bounds& box, const ShapeDrawing& drawing) {
  const ShapeValues& v = drawing.values;
  if (drawing.arc) {
    const ArcSection& s = *drawing.arc;
    for (QPointF p : {s.P1, s.P2, s.P3, s.P4}) Include(box, p);
    IncludeArc(box, s.upper_centre, s.R, s.upper_from, s.upper_to);
    IncludeArc(box, s.lower_centre, s.R, s.lower_from, s.lower_to);
    return;
  }
  const double radius = std::max(std::abs(v.A), std::abs(v.B)) / 2;
  Include(box, {v.Z, -radius});
  Include(box, {v.Ze, radius});
}

// An odd pixel count that holds -extent … +extent around the middle pixel, with label room.
int Side(double extent, int largest) {
  const double wanted = 2 * std::ceil(std::min(extent, double(largest))) + 2 * kLabelRoom + 1;
  const int side = static_cast<int>(std::clamp(wanted, double(kSmallestSide), double(largest)));
  return side % 2 == 1 ? side : side - 1;
}

// The scale at which -extent … +extent fits into `largest` pixels with label room: 1 where it
// fits at one pixel a unit.
double FittingScale(double extent, int largest) {
  const double room = (largest - 1) / 2 - kLabelRoom;
  return extent > room ? room / extent : 1.0;
}

QList<QPointF> Scaled(const QList<QPointF>& outline, double scale) {
  QList<QPointF> scaled;
  scaled.reserve(outline.size());
  for (const QPointF& p : outline) scaled << p * scale;
  return scaled;
}

void DrawOutline(PreviewCanvas& canvas, const QList<QPointF>& outline, PreviewColor color) {
  for (qsizetype i = 0; i < outline.size(); ++i)
    canvas.Line(outline[i], outline[(i + 1) % outline.size()], color);
}

}  // namespace

SidePlan PlanSideSection(const SideBlock& block) {
  SidePlan plan;
  WorkChain chain;
  for (const ContourShape& shape : block.shapes) {
    const StartFace face = shape.face == ContourFace::kLeft ? StartFace::kLeft : StartFace::kRight;
    const std::optional<PlannedWrite> write = PlanShapeWrite(chain, shape.sn, face, TextsOf(shape));
    // A failed write leaves the dialog's chain as it was, and so does it here.
    if (!write) {
      plan.failed_lines << shape.line;
      continue;
    }
    chain = write->chain;
    plan.drawings << write->drawing;
  }
  plan.chain = chain;
  return plan;
}

std::optional<QList<QPointF>> JawOutline(const ChuckValues& c) {
  if (!Sensible(c.VCHKD) || !Sensible(c.VCHKL) || !Sensible(c.VCHKX) || !Sensible(c.VCHKZ))
    return std::nullopt;
  const double d1 = *c.VCHKD;
  const double l1 = *c.VCHKL;
  const double cx = *c.VCHKX;
  const double cz = *c.VCHKZ;
  if (l1 <= 0 || d1 < 0 || cx < 0) return std::nullopt;
  const double r = cx / 2;
  const double h = d1 / 2;
  // The material lies towards the axis of the gripping face in outside clamping, away from
  // it in inside clamping; the step reaches into the material's side, the body the other way.
  const double towards = c.VCHIO && *c.VCHIO == 1 ? +1 : -1;
  const double step = r + towards * h;
  const double body = r - towards * h;
  // Radius up is y down: every point is (Z, -radius).
  return QList<QPointF>{{cz + l1, -r},   {cz, -r},        {cz, -step},
                        {cz - h, -step}, {cz - h, -body}, {cz + l1, -body}};
}

std::optional<QList<QPointF>> CentreOutline(const ChuckValues& c) {
  if (c.VCHSW && *c.VCHSW == 0) return std::nullopt;
  if (c.VWKR && *c.VWKR == kNoCentreEndFace) return std::nullopt;
  if (!Sensible(c.VTSDA) || !Sensible(c.VTSDB) || !Sensible(c.VTSL) || !Sensible(c.VWKR))
    return std::nullopt;
  const double d2 = *c.VTSDA;
  const double d3 = *c.VTSDB;
  const double l2 = *c.VTSL;
  const double wr = *c.VWKR;
  if (d2 < 0 || d3 <= 0 || l2 <= 0) return std::nullopt;
  const double tip = wr - d2 / 2 / kCentreFlank;
  const double end = wr + l2;
  // The point widens until it reaches the shaft, or the end of the centre if that comes first.
  const double shoulder = std::min(tip + d3 / 2 / kCentreFlank, end);
  const double shaft = (shoulder - tip) * kCentreFlank;
  return QList<QPointF>{
      {tip, 0}, {shoulder, -shaft}, {end, -shaft}, {end, shaft}, {shoulder, shaft}};
}

QList<QPointF> MirroredOutline(const QList<QPointF>& outline) {
  QList<QPointF> mirrored;
  mirrored.reserve(outline.size());
  for (const QPointF& p : outline) mirrored << QPointF(p.x(), -p.y());
  return mirrored;
}

QRectF SectionExtent(const SidePlan& plan, const QList<QList<QPointF>>& outlines) {
  Bounds box;
  for (const ShapeDrawing& drawing : plan.drawings) IncludeDrawing(box, drawing);
  // The material sets the picture; an outline counts only as far as it stays near it.
  const Bounds material = box.empty ? Bounds{false, 0, 0, 0, 0} : box;
  const double margin =
      std::max(kSmallestOutlineMargin,
               std::max(material.right - material.left, material.bottom - material.top) / 2);
  for (const QList<QPointF>& outline : outlines) {
    for (const QPointF& p : outline) {
      if (p.x() >= material.left - margin && p.x() <= material.right + margin &&
          p.y() >= material.top - margin && p.y() <= material.bottom + margin)
        Include(box, p);
    }
  }
  if (box.empty) return {};
  return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom));
}

ShapeDrawing ScaledDrawing(const ShapeDrawing& drawing, double scale) {
  ShapeDrawing scaled = drawing;
  ShapeValues& v = scaled.values;
  v.Z *= scale;
  v.A *= scale;
  v.B *= scale;
  v.H *= scale;
  v.R = static_cast<float>(v.R * scale);
  v.Ze *= scale;
  if (scaled.arc) {
    ArcSection& s = *scaled.arc;
    s.Zs *= scale;
    s.Ze *= scale;
    s.R = static_cast<float>(s.R * scale);
    s.Zc *= scale;
    s.Xc *= scale;
    s.upper_centre *= scale;
    s.lower_centre *= scale;
    s.P1 *= scale;
    s.P2 *= scale;
    s.P3 *= scale;
    s.P4 *= scale;
  }
  return scaled;
}

namespace {

// What DrawSideSection draws and at which scale.
struct SideLayout {
  QList<QList<QPointF>> jaw;
  std::optional<QList<QPointF>> centre;
  double z = 0;  // the farthest Z on either side of the origin
  double x = 0;  // the farthest radius above or below the axis
  double scale = 1;
};

SideLayout LayOut(const SidePlan& plan, const ChuckValues* chuck) {
  SideLayout layout;
  if (chuck) {
    if (const std::optional<QList<QPointF>> upper = JawOutline(*chuck))
      layout.jaw = {*upper, MirroredOutline(*upper)};
    layout.centre = CentreOutline(*chuck);
  }
  QList<QList<QPointF>> outlines = layout.jaw;
  if (layout.centre) outlines << *layout.centre;
  const QRectF extent = SectionExtent(plan, outlines);
  // The origin stays in the middle, as in the dialog: the picture reaches as far to each side
  // as the farthest point does.
  layout.z = std::max(std::abs(extent.left()), std::abs(extent.right()));
  layout.x = std::max(std::abs(extent.top()), std::abs(extent.bottom()));
  layout.scale = std::min(FittingScale(layout.z, kSideSectionMaxWidth),
                          FittingScale(layout.x, kSideSectionMaxHeight));
  return layout;
}

}  // namespace

double SideSectionScale(const SidePlan& plan, const ChuckValues* chuck) {
  return LayOut(plan, chuck).scale;
}

QImage DrawSideSection(const SidePlan& plan, const ChuckValues* chuck) {
  const SideLayout layout = LayOut(plan, chuck);
  const double scale = layout.scale;
  PreviewCanvas canvas(QSize(Side(layout.z * scale, kSideSectionMaxWidth),
                             Side(layout.x * scale, kSideSectionMaxHeight)));
  InitWorkPreview(canvas);
  for (const ShapeDrawing& drawing : plan.drawings)
    DrawShape(canvas, scale == 1 ? drawing : ScaledDrawing(drawing, scale));
  for (const QList<QPointF>& outline : layout.jaw)
    DrawOutline(canvas, Scaled(outline, scale), kJawColor);
  if (layout.centre) DrawOutline(canvas, Scaled(*layout.centre, scale), kCentreColor);
  return canvas.Image();
}

}  // namespace zel
