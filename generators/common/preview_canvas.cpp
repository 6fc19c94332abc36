#include "generators/common/preview_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zel {

namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;

// Arcs are cut into chords that stray at most this far (in pixels) from the true arc; the
// ring drawn over the outline covers half a pixel on either side, so the inside never shows
// a notch.
constexpr double kChordError = 0.1;
constexpr int kMinChords = 8;
// However large an arc is, it is cut into no more chords than this.
constexpr int kMaxChords = 200000;
// Lines are cut to the box with this margin (in pixels) before they are stepped through.
constexpr double kClipMargin = 2;

bool IsFinite(QPointF point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

// An angle brought into [0, 2π).
double NormalAngle(double angle) {
  double result = std::fmod(angle, kFullTurn);
  if (result < 0) result += kFullTurn;
  if (result >= kFullTurn) result = 0;
  return result;
}

// How far the arc turns, in (0, 2π]: equal angles are the whole circle.
double Sweep(const PreviewArc& arc) {
  const double sweep = NormalAngle(arc.end_angle - arc.start_angle);
  return sweep > 0 ? sweep : kFullTurn;
}

QPointF PointAt(QPointF centre, double radius, double angle) {
  return {centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle)};
}

bool IsDrawable(const PreviewArc& arc) {
  return IsFinite(arc.centre) && std::isfinite(arc.radius) && arc.radius >= 0 &&
         std::isfinite(arc.start_angle) && std::isfinite(arc.end_angle);
}

// A coordinate that may be far outside the box as a pixel index that still fits an int.
int ClampedIndex(double value, int size) {
  return static_cast<int>(std::clamp(std::floor(value), -1.0, static_cast<double>(size)));
}

// Cuts the line a-b to the rectangle [x0, x1] × [y0, y1] (Liang-Barsky); false when nothing
// of it lies inside. An end that is moved lands exactly on the edge that cut it, so that a
// line whose ends lie beyond any pixel count keeps its place in the box.
bool ClipLine(QPointF& a, QPointF& b, double x0, double y0, double x1, double y1) {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  double t0 = 0;
  double t1 = 1;
  int edge0 = -1;
  int edge1 = -1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - x0, x1 - a.x(), a.y() - y0, y1 - a.y()};
  const double edges[4] = {x0, x1, y0, y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t0) {
        t0 = t;
        edge0 = i;
      }
    } else if (t < t1) {
      t1 = t;
      edge1 = i;
    }
    if (t0 > t1) return false;
  }
  const auto cut = [&](double t, int edge) {
    QPointF point(a.x() + t * dx, a.y() + t * dy);
    if (edge < 2) {
      point.setX(edges[edge]);
    } else {
      point.setY(edges[edge]);
    }
    return point;
  };
  const QPointF start = edge0 >= 0 ? cut(t0, edge0) : a;
  const QPointF end = edge1 >= 0 ? cut(t1, edge1) : b;
  // Ends far apart (1E+300 and more) overflow dx and dy, and the cut points come out
  // infinite, NaN or far off the box; such a line is no line the box can show.
  if (!std::isfinite(start.x()) || !std::isfinite(start.y()) || !std::isfinite(end.x()) ||
      !std::isfinite(end.y())) {
    return false;
  }
  const auto in_box = [&](QPointF point) {
    return QPointF(std::clamp(point.x(), x0, x1), std::clamp(point.y(), y0, y1));
  };
  a = in_box(start);
  b = in_box(end);
  return true;
}

// The points of an arc from its start to its end, close enough for the fill.
void AppendArcPoints(const PreviewArc& arc, QList<QPointF>& points) {
  const double sweep = Sweep(arc);
  const double chords_wanted =
      std::ceil(sweep * std::sqrt(std::max(arc.radius, 1.0) / (2 * kChordError)));
  const int chords = static_cast<int>(
      std::clamp(chords_wanted, static_cast<double>(kMinChords), static_cast<double>(kMaxChords)));
  for (int i = 0; i <= chords; ++i) {
    points.append(PointAt(arc.centre, arc.radius, arc.start_angle + sweep * i / chords));
  }
}

}  // namespace

QRgb PreviewColorToRgb(PreviewColor color) {
  return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

PreviewColor RgbToPreviewColor(QRgb rgb) {
  return static_cast<PreviewColor>(qRed(rgb)) | static_cast<PreviewColor>(qGreen(rgb)) << 8 |
         static_cast<PreviewColor>(qBlue(rgb)) << 16;
}

QPointF PreviewArc::StartPoint() const { return PointAt(centre, radius, start_angle); }

QPointF PreviewArc::EndPoint() const { return PointAt(centre, radius, end_angle); }

PreviewCanvas::PreviewCanvas(QSize size) : image_(size, QImage::Format_RGB32) { Clear(); }

QPoint PreviewCanvas::DevicePixel(QPointF point) const {
  // Far-off points are kept far off, but within what a pixel index can hold.
  static constexpr double kFar = 1e9;
  const auto index = [](double value) {
    return static_cast<int>(std::isnan(value) ? kFar : std::clamp(std::floor(value), -kFar, kFar));
  };
  return QPoint(index(point.x() - Left()), index(point.y() - Top()));
}

PreviewColor PreviewCanvas::PixelAt(QPointF point) const {
  if (!IsFinite(point)) return kPreviewBlack;
  const int column = ClampedIndex(point.x() - Left(), Width());
  const int row = ClampedIndex(point.y() - Top(), Height());
  if (!image_.valid(column, row)) return kPreviewBlack;
  return RgbToPreviewColor(image_.pixel(column, row));
}

void PreviewCanvas::Clear(PreviewColor color) { image_.fill(PreviewColorToRgb(color)); }

void PreviewCanvas::Print(QPointF top_left, const QString& text, PreviewColor color) {
  if (image_.isNull() || !IsFinite(top_left)) return;
  QFont font = font_;
  // Labels in whole pixels of their colour, like everything else in the box.
  font.setStyleStrategy(QFont::NoAntialias);
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(PreviewColorToRgb(color)));
  const QPoint corner = DevicePixel(top_left);
  painter.drawText(QRect(corner, QSize(Width() + Height(), Width() + Height())),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void PreviewCanvas::Plot(int column, int row, QRgb rgb) {
  if (image_.valid(column, row)) image_.setPixel(column, row, rgb);
}

void PreviewCanvas::PlotRun(int row, int first, int last, QRgb rgb) {
  if (row < 0 || row >= Height()) return;
  first = std::max(first, 0);
  last = std::min(last, Width() - 1);
  if (first > last) return;
  auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
  std::fill(line + first, line + last + 1, rgb);
}

void PreviewCanvas::SetPixel(QPointF point, PreviewColor color) {
  if (!IsFinite(point)) return;
  Plot(ClampedIndex(point.x() - Left(), Width()), ClampedIndex(point.y() - Top(), Height()),
       PreviewColorToRgb(color));
}

void PreviewCanvas::Line(QPointF from, QPointF to, PreviewColor color) {
  if (image_.isNull() || !IsFinite(from) || !IsFinite(to)) return;
  // In device units, cut to the box so that a line of any length takes as many steps as
  // the box has pixels.
  QPointF a(from.x() - Left(), from.y() - Top());
  QPointF b(to.x() - Left(), to.y() - Top());
  if (!ClipLine(a, b, -kClipMargin, -kClipMargin, Width() + kClipMargin, Height() + kClipMargin)) {
    return;
  }
  int x0 = static_cast<int>(std::floor(a.x()));
  int y0 = static_cast<int>(std::floor(a.y()));
  const int x1 = static_cast<int>(std::floor(b.x()));
  const int y1 = static_cast<int>(std::floor(b.y()));
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int step_x = x0 < x1 ? 1 : -1;
  const int step_y = y0 < y1 ? 1 : -1;
  const QRgb rgb = PreviewColorToRgb(color);
  int error = dx + dy;
  while (true) {
    Plot(x0, y0, rgb);
    if (x0 == x1 && y0 == y1) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += step_x;
    }
    if (twice <= dx) {
      error += dx;
      y0 += step_y;
    }
  }
}

PreviewCanvas::PixelSpan PreviewCanvas::SpanAround(QPointF centre, double radius) const {
  return {std::max(0, ClampedIndex(centre.x() - radius - 1 - Left(), Width())),
          std::min(Width() - 1, ClampedIndex(centre.x() + radius + 1 - Left(), Width())),
          std::max(0, ClampedIndex(centre.y() - radius - 1 - Top(), Height())),
          std::min(Height() - 1, ClampedIndex(centre.y() + radius + 1 - Top(), Height()))};
}

// How far from the centre, across a row `dy` away from it, a circle of `radius` reaches:
// sqrt(radius² − dy²), worked out so that a large radius keeps its precision near the top
// and bottom of the circle; 0 where the row misses it, infinite for an infinite radius.
double HalfChord(double radius, double dy) {
  const double distance = std::abs(dy);
  if (!(radius > distance)) return 0;
  if (std::isinf(radius)) return radius;
  return std::sqrt((radius - distance) * (radius + distance));
}

PreviewCanvas::ColumnRange PreviewCanvas::ColumnsBetween(double centre_x, double from_dx,
                                                         double to_dx,
                                                         const PixelSpan& span) const {
  // A pixel more on either side than the chord says: each candidate is tested exactly after.
  const auto column = [&](double dx) {
    const double at = std::clamp(centre_x + dx - 0.5 - Left(), -1e9, 1e9);
    return static_cast<int>(std::floor(at));
  };
  return {std::max(span.first_column, column(from_dx) - 1),
          std::min(span.last_column, column(to_dx) + 2)};
}

void PreviewCanvas::Ring(QPointF centre, double radius, const PreviewArc* arc, QRgb rgb) {
  if (image_.isNull() || !IsFinite(centre) || !std::isfinite(radius) || radius < 0) return;
  const double sweep = arc ? Sweep(*arc) : kFullTurn;
  // Half a pixel of arc length either side of the ends, so that the end pixels join up.
  const double slack = radius > 0 ? 0.5 / radius : kFullTurn;
  const PixelSpan span = SpanAround(centre, radius);
  const auto test = [&](int row, double dy, ColumnRange columns) {
    for (int column = columns.first; column <= columns.last; ++column) {
      const double dx = PixelMiddleX(column) - centre.x();
      if (std::abs(std::hypot(dx, dy) - radius) > 0.5) continue;
      if (arc && sweep < kFullTurn) {
        const double along = NormalAngle(std::atan2(-dy, dx) - arc->start_angle);
        if (along > sweep + slack && along < kFullTurn - slack) continue;
      }
      Plot(column, row, rgb);
    }
  };
  // Only the pixels near the ring are tested, on each row the two stretches between the
  // ring's inner and outer edge, so that a ring costs its length and not its area.
  for (int row = span.first_row; row <= span.last_row; ++row) {
    const double dy = PixelMiddleY(row) - centre.y();
    const double outer = HalfChord(radius + 0.5, dy);
    const double inner = HalfChord(radius - 0.5, dy);
    const ColumnRange left = ColumnsBetween(centre.x(), -outer, -inner, span);
    const ColumnRange right = ColumnsBetween(centre.x(), inner, outer, span);
    if (left.last >= right.first) {
      test(row, dy, {left.first, right.last});
    } else {
      test(row, dy, left);
      test(row, dy, right);
    }
  }
}

void PreviewCanvas::Circle(QPointF centre, double radius, PreviewColor color) {
  Ring(centre, radius, nullptr, PreviewColorToRgb(color));
}

void PreviewCanvas::Arc(const PreviewArc& arc, PreviewColor color) {
  if (!IsDrawable(arc)) return;
  Ring(arc.centre, arc.radius, &arc, PreviewColorToRgb(color));
  if (Sweep(arc) == kFullTurn) return;
  SetPixel(arc.StartPoint(), color);
  SetPixel(arc.EndPoint(), color);
}

void PreviewCanvas::FillCircle(QPointF centre, double radius, PreviewColor color) {
  // An infinite radius is a disc that covers everything.
  if (image_.isNull() || !IsFinite(centre) || std::isnan(radius) || radius < 0) return;
  const QRgb rgb = PreviewColorToRgb(color);
  const PixelSpan span = SpanAround(centre, radius);
  // The ring's outer edge, so that the disc is exactly its outline and what lies within.
  const double reach = radius + 0.5;
  for (int row = span.first_row; row <= span.last_row; ++row) {
    const double dy = PixelMiddleY(row) - centre.y();
    const double half = HalfChord(reach, dy);
    const ColumnRange row_columns = ColumnsBetween(centre.x(), -half, half, span);
    // Pixels well inside the edge are inside whatever the rounding; only those near it are
    // tested one by one.
    const double sure = HalfChord(half, std::hypot(reach * 1e-6, 1.0));
    ColumnRange inside{1, 0};
    if (sure > 0) {
      inside = ColumnsBetween(centre.x(), -sure, sure, span);
      inside.first += 2;
      inside.last -= 3;
    }
    for (int column = row_columns.first; column <= row_columns.last; ++column) {
      if (column >= inside.first && column <= inside.last) {
        PlotRun(row, column, inside.last, rgb);
        column = inside.last;
      } else if (std::hypot(PixelMiddleX(column) - centre.x(), dy) <= reach) {
        Plot(column, row, rgb);
      }
    }
  }
}

void PreviewCanvas::FillInside(const QList<QPointF>& corners, QRgb rgb) {
  if (image_.isNull() || corners.size() < 3) return;
  for (const QPointF& corner : corners) {
    if (!IsFinite(corner)) return;
  }
  // The edges in device units that reach into the box's rows; the others cross no row.
  struct Edge {
    QPointF a;
    QPointF b;
  };
  QList<Edge> edges;
  for (qsizetype i = 0; i < corners.size(); ++i) {
    const QPointF& p = corners[i];
    const QPointF& q = corners[(i + 1) % corners.size()];
    const Edge edge{QPointF(p.x() - Left(), p.y() - Top()), QPointF(q.x() - Left(), q.y() - Top())};
    if (edge.a.y() == edge.b.y()) continue;
    if (std::max(edge.a.y(), edge.b.y()) < 0 || std::min(edge.a.y(), edge.b.y()) > Height()) {
      continue;
    }
    edges.append(edge);
  }
  if (edges.isEmpty()) return;
  // Only the rows the edges reach.
  double top = Height();
  double bottom = 0;
  for (const Edge& edge : edges) {
    top = std::min({top, edge.a.y(), edge.b.y()});
    bottom = std::max({bottom, edge.a.y(), edge.b.y()});
  }
  const int first_row = static_cast<int>(std::max(0.0, std::floor(top) - 1));
  const int last_row = static_cast<int>(std::min(Height() - 1.0, std::ceil(bottom) + 1));
  QList<double> crossings;
  for (int row = first_row; row <= last_row; ++row) {
    const double y = row + 0.5;
    crossings.clear();
    for (const Edge& edge : edges) {
      const bool down = edge.a.y() <= y && y < edge.b.y();
      const bool up = edge.b.y() <= y && y < edge.a.y();
      if (!down && !up) continue;
      const double t = (y - edge.a.y()) / (edge.b.y() - edge.a.y());
      crossings.append(edge.a.x() * (1 - t) + edge.b.x() * t);
    }
    std::sort(crossings.begin(), crossings.end());
    // Even-odd: the pixels whose middle lies between a pair of crossings.
    for (qsizetype i = 0; i + 1 < crossings.size(); i += 2) {
      const double from = std::clamp(std::ceil(crossings[i] - 0.5), 0.0, double(Width()));
      const double to = std::clamp(std::floor(crossings[i + 1] - 0.5), -1.0, Width() - 1.0);
      PlotRun(row, int(from), int(to), rgb);
    }
  }
}

void PreviewCanvas::FillPolygon(const QList<QPointF>& corners, PreviewColor color) {
  if (corners.isEmpty()) return;
  FillInside(corners, PreviewColorToRgb(color));
  for (qsizetype i = 0; i < corners.size(); ++i) {
    Line(corners[i], corners[(i + 1) % corners.size()], color);
  }
}

void PreviewCanvas::FillArcSection(const PreviewArc& first, const PreviewArc& second,
                                   PreviewColor color) {
  if (!IsDrawable(first) || !IsDrawable(second)) return;
  QList<QPointF> outline;
  AppendArcPoints(first, outline);
  AppendArcPoints(second, outline);
  FillInside(outline, PreviewColorToRgb(color));
  Arc(first, color);
  Arc(second, color);
  Line(first.EndPoint(), second.StartPoint(), color);
  Line(second.EndPoint(), first.StartPoint(), color);
}

void InitPreview(PreviewCanvas& canvas, const QString& top_label, const QString& right_label) {
  canvas.Clear(kPreviewBlack);
  canvas.Print(QPointF(5, canvas.Top() + 1), top_label, kPreviewWhite);
  canvas.Print(QPointF(canvas.Width() / 2.0 - 10, -12), right_label, kPreviewWhite);
  DrawAxes(canvas);
}

void DrawAxes(PreviewCanvas& canvas) {
  const double half_width = canvas.Width() / 2.0;
  const double half_height = canvas.Height() / 2.0;
  canvas.Line(QPointF(-half_width, 0), QPointF(half_width, 0), kPreviewWhite);
  canvas.Line(QPointF(0, -half_height), QPointF(0, half_height), kPreviewWhite);
}

}  // namespace zel
