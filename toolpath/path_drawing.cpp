#include "toolpath/path_drawing.h"

#include <QLine>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace zel {

namespace {

constexpr double kPi = std::numbers::pi;

enum Style { kRapidStyle, kFeedStyle, kThreadStyle, kStyleCount };

Style StyleOf(MoveKind kind) {
  switch (kind) {
    case MoveKind::kRapid:
      return kRapidStyle;
    case MoveKind::kThread:
      return kThreadStyle;
    default:
      return kFeedStyle;
  }
}

// The part of a line inside a rectangle (Liang-Barsky), or nothing.
std::optional<QLineF> Clipped(const QLineF& line, const QRectF& box) {
  const double dx = line.dx(), dy = line.dy();
  double t0 = 0, t1 = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                      box.bottom() - line.y1()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return std::nullopt;
  }
  return QLineF(line.pointAt(t0), line.pointAt(t1));
}

double ScaleOf(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

// A set of pixel segments, so that each is drawn once however many moves fall on it: open
// addressing over 64-bit keys, 0 meaning empty.
class SegmentSet {
 public:
  SegmentSet() : slots_(1 << 12, 0) {}
  // True when the key was not there yet.
  bool Insert(std::uint64_t key) {
    if (2 * (size_ + 1) > slots_.size()) Grow();
    return Place(slots_, key);
  }

 private:
  bool Place(std::vector<std::uint64_t>& table, std::uint64_t key) {
    const size_t mask = table.size() - 1;
    for (size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
      if (table[i] == key) return false;
      if (table[i] == 0) {
        table[i] = key;
        ++size_;
        return true;
      }
    }
  }
  static size_t Hash(std::uint64_t key) {
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdULL;
    key ^= key >> 33;
    return size_t(key);
  }
  void Grow() {
    std::vector<std::uint64_t> bigger(slots_.size() * 2, 0);
    size_ = 0;
    for (std::uint64_t key : slots_)
      if (key) Place(bigger, key);
    slots_.swap(bigger);
  }

  std::vector<std::uint64_t> slots_;
  size_t size_ = 0;
};

// Gathers the pixel segments of each style.
class SegmentCollector {
 public:
  SegmentCollector(const QTransform& to_view, const QRectF& clip)
      : to_view_(to_view),
        clip_(clip.adjusted(-2, -2, 2, 2)),
        scale_(ScaleOf(to_view)),
        plain_(to_view.type() <= QTransform::TxScale) {}

  void Add(const PathMove& move) {
    const Style style = StyleOf(move.kind);
    // A move starts where the one before ended: its end mapped once serves both.
    QPointF from;
    if (move.x0 == last_x_ && move.z0 == last_z_)
      from = last_end_;
    else
      from = Map(move.x0, move.z0);
    const QPointF to = Map(move.x1, move.z1);
    last_x_ = move.x1;
    last_z_ = move.z1;
    last_end_ = to;
    if (!move.IsArc()) {
      Segment(style, from, to);
      return;
    }
    const double radius = move.Radius();
    const auto [start, sweep] = move.ArcAngles();
    const double pixels = radius * std::abs(sweep) * scale_;
    // An arc within a pixel or two is its chord; otherwise a point every few pixels.
    if (pixels < 3 && (from - to).manhattanLength() > 0) {
      Segment(style, from, to);
      return;
    }
    const int steps = std::clamp(int(std::ceil(pixels / 4)), 4, 512);
    QPointF previous = from;
    for (int i = 1; i <= steps; ++i) {
      const double a = start + sweep * i / steps;
      const QPointF next =
          i == steps && std::abs(sweep) < 2 * kPi - 1e-9
              ? to
              : Map(move.xc + 2 * radius * std::sin(a), move.zc + radius * std::cos(a));
      Segment(style, previous, next);
      previous = next;
    }
  }

  const std::vector<QLine>& Lines(Style style) const { return lines_[style]; }

 private:
  void Segment(Style style, QPointF a, QPointF b) {
    // Wholly on one side of the view: nothing to draw.
    if ((a.x() < clip_.left() && b.x() < clip_.left()) ||
        (a.x() > clip_.right() && b.x() > clip_.right()) ||
        (a.y() < clip_.top() && b.y() < clip_.top()) ||
        (a.y() > clip_.bottom() && b.y() > clip_.bottom()))
      return;
    constexpr double kPackable = 16000;
    const bool packable = std::abs(a.x()) < kPackable && std::abs(a.y()) < kPackable &&
                          std::abs(b.x()) < kPackable && std::abs(b.y()) < kPackable;
    if (!packable) {
      // Far beyond the view yet crossing it (only when zoomed far in): cut to the view, where
      // pixel numbers fit, and drawn without merging.
      if (const std::optional<QLineF> inside = Clipped(QLineF(a, b), clip_))
        lines_[style].push_back(inside->toLine());
      return;
    }
    QPoint p = a.toPoint();
    QPoint q = b.toPoint();
    if (q.x() < p.x() || (q.x() == p.x() && q.y() < p.y())) std::swap(p, q);
    auto field = [](int v) { return std::uint64_t(v + 16384) & 0x7FFF; };
    const std::uint64_t key = (std::uint64_t(1) << 63) | (std::uint64_t(style) << 60) |
                              field(p.x()) << 45 | field(p.y()) << 30 | field(q.x()) << 15 |
                              field(q.y());
    // Runs of moves within the same pixels, the common case of short moves, skip the set.
    if (key == last_key_[style]) return;
    last_key_[style] = key;
    if (seen_.Insert(key)) lines_[style].push_back(QLine(p, q));
  }

  // A path point (X, Z) in view pixels; the view's transform is a scale and a shift, mapped
  // without QTransform's general case.
  QPointF Map(double x, double z) const {
    if (!plain_) return to_view_.map(SectionPoint(x, z));
    return QPointF(to_view_.m11() * z + to_view_.dx(), -to_view_.m22() * x / 2 + to_view_.dy());
  }

  QTransform to_view_;
  QRectF clip_;
  double scale_;
  bool plain_;
  double last_x_ = std::nan(""), last_z_ = std::nan("");
  QPointF last_end_;
  std::array<std::uint64_t, kStyleCount> last_key_{};
  SegmentSet seen_;
  std::array<std::vector<QLine>, kStyleCount> lines_;
};

QPen StylePen(Style style) {
  switch (style) {
    case kRapidStyle:
      return QPen(kRapidColour, 0, Qt::DashLine);
    case kThreadStyle:
      return QPen(kThreadColour, 0);
    default:
      return QPen(kFeedColour, 0);
  }
}

// The distance in section units from p to the move.
double Distance(const PathMove& move, QPointF p) {
  const QPointF a = SectionPoint(move.x0, move.z0);
  const QPointF b = SectionPoint(move.x1, move.z1);
  auto to_segment = [p](QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
  };
  if (!move.IsArc()) return to_segment(a, b);
  const double radius = move.Radius();
  const auto [start, sweep] = move.ArcAngles();
  // The angle of p about the centre, in the arc's own sense, from its start.
  const double rz = p.x() - move.zc;
  const double rr = -p.y() - move.xc / 2;
  const double angle = std::atan2(rr, rz);
  double from_start = sweep >= 0 ? angle - start : start - angle;
  from_start = std::fmod(from_start + 8 * kPi, 2 * kPi);
  if (from_start <= std::abs(sweep)) return std::abs(std::hypot(rz, rr) - radius);
  return std::min(std::hypot(p.x() - a.x(), p.y() - a.y()),
                  std::hypot(p.x() - b.x(), p.y() - b.y()));
}

}  // namespace

QRectF PathExtent(const ProgramPath& path) {
  if (path.moves.empty()) return {};
  double left = HUGE_VAL, right = -HUGE_VAL, top = HUGE_VAL, bottom = -HUGE_VAL;
  auto include = [&](QPointF p) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
  };
  for (const PathMove& move : path.moves) {
    include(SectionPoint(move.x0, move.z0));
    include(SectionPoint(move.x1, move.z1));
    if (move.IsArc()) {
      const double r = move.Radius();
      include(SectionPoint(move.xc - 2 * r, move.zc - r));
      include(SectionPoint(move.xc + 2 * r, move.zc + r));
    }
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void DrawPath(QPainter& painter, const ProgramPath& path, const QTransform& to_view,
              const QRectF& clip, size_t count) {
  count = std::min(count, path.moves.size());
  SegmentCollector collector(to_view, clip);
  for (size_t i = 0; i < count; ++i) collector.Add(path.moves[i]);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (Style style : {kRapidStyle, kFeedStyle, kThreadStyle}) {
    const std::vector<QLine>& lines = collector.Lines(style);
    if (lines.empty()) continue;
    painter.setPen(StylePen(style));
    painter.drawLines(lines.data(), int(lines.size()));
  }
  painter.restore();
}

void DrawPathHighlight(QPainter& painter, const ProgramPath& path, const QTransform& to_view,
                       const QRectF& clip, int line, size_t count) {
  auto [first, last] = path.MovesOfLine(line);
  last = std::min(last, std::min(count, path.moves.size()));
  if (first >= last) return;
  SegmentCollector strong(to_view, clip);
  for (size_t i = first; i < last; ++i) strong.Add(path.moves[i]);
  painter.save();
  painter.setPen(QPen(kHighlightColour, 3, Qt::SolidLine, Qt::RoundCap));
  for (Style style : {kRapidStyle, kFeedStyle, kThreadStyle}) {
    const std::vector<QLine>& lines = strong.Lines(style);
    if (!lines.empty()) painter.drawLines(lines.data(), int(lines.size()));
  }
  painter.restore();
}

void DrawToolTip(QPainter& painter, const ProgramPath& path, const QTransform& to_view,
                 size_t count) {
  count = std::min(count, path.moves.size());
  if (count == 0) return;
  const PathMove& move = path.moves[count - 1];
  const QPointF tip = to_view.map(SectionPoint(move.x1, move.z1));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kTipColour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(tip, 5, 5);
  painter.drawLine(tip - QPointF(8, 0), tip + QPointF(8, 0));
  painter.drawLine(tip - QPointF(0, 8), tip + QPointF(0, 8));
  painter.restore();
}

std::optional<size_t> MoveAt(const ProgramPath& path, const QTransform& to_view, QPointF at,
                             double tolerance, size_t count) {
  bool invertible = false;
  const QTransform to_section = to_view.inverted(&invertible);
  if (!invertible) return std::nullopt;
  const QPointF p = to_section.map(at);
  const double limit = tolerance / ScaleOf(to_view);
  std::optional<size_t> best;
  double best_distance = limit;
  count = std::min(count, path.moves.size());
  for (size_t i = 0; i < count; ++i) {
    const double d = Distance(path.moves[i], p);
    if (d <= best_distance) {
      best_distance = d;
      best = i;
    }
  }
  return best;
}

}  // namespace zel
