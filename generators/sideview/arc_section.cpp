#include "generators/sideview/arc_section.h"

#include <cmath>

namespace zel {

namespace {

// The control's tools take π to 14 decimals; the angles are compared with their figures.
constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;
// Keeps a chord or an offset from being exactly zero.
constexpr double kNudge = 0.00001;
// How far, in pixels, a computed end point may lie from its face.
constexpr double kEndPointTolerance = 1.0;

bool Finite(double value) { return std::isfinite(value); }
bool Finite(QPointF point) { return Finite(point.x()) && Finite(point.y()); }

// The angle of the end point (Zp, Dp) about the centre (Zc, Xc), counter-clockwise on the
// screen; `side` is +1 for the upper arc and −1 for the mirrored lower one.
double EndPointAngle(double zp, double dp, double zc, double xc, int side) {
  const double a = std::atan((std::fabs(dp - xc) / 2) / std::fabs(zp - zc + kNudge));
  const double dz = zp - zc;
  const double dr = side * (dp - xc);
  if (dz > 0 && dr < 0) return kTwoPi - a;
  if (dz < 0 && dr >= 0) return kPi - a;
  if (dz < 0 && dr < 0) return kPi + a;
  return a;
}

}  // namespace

std::optional<double> ArcCos(double u) {
  if (!Finite(u) || u > 1 || u < -1) return std::nullopt;
  // At ±1 the formula divides by zero; its limits are the arc cosine's own values.
  if (u == 1) return 0.0;
  if (u == -1) return kPi;
  return std::atan(-u / std::sqrt(1 - u * u)) + 2 * std::atan(1.0);
}

QPointF CirclePoint(QPointF centre, double radius, double theta) {
  return {centre.x() + radius * std::cos(theta), centre.y() - radius * std::sin(theta)};
}

double CounterClockwiseSweep(double from, double to) {
  double sweep = std::fmod(to - from, kTwoPi);
  if (sweep < 0) sweep += kTwoPi;
  return sweep;
}

std::optional<ArcSection> ComputeArcSection(ArcBulge bulge, StartFace face, double Zs, double Ze,
                                            double A, double B, float R) {
  if (!Finite(Zs) || !Finite(Ze) || !Finite(A) || !Finite(B) || !std::isfinite(R)) {
    return std::nullopt;
  }
  // A radius of zero or below makes no arc (its circle could not be drawn either).
  if (!(R > 0)) return std::nullopt;
  const double r = R;

  const double dR = (B - A) / 2 + kNudge;
  const double dZ = (Ze - Zs) + kNudge;
  const double c = std::sqrt(dZ * dZ + dR * dR);
  if (!Finite(c) || c == 0) return std::nullopt;

  std::optional<double> alpha = ArcCos(dZ / c);
  if (!alpha) return std::nullopt;
  if (dR < 0) alpha = -*alpha;
  // The angle between the chord and the radius at the start point; none when the radius is
  // shorter than half the chord.
  const std::optional<double> beta = ArcCos((c / 2) / r);
  if (!beta) return std::nullopt;

  // Convex from the left and concave from the right turn the centre one way, the other two
  // the other way.
  const bool minus = (bulge == ArcBulge::kConvex) == (face == StartFace::kLeft);
  const double gamma = minus ? *alpha - *beta : *alpha + *beta;

  ArcSection s;
  s.Zs = Zs;
  s.Ze = Ze;
  s.R = R;
  s.Zc = Zs + r * std::cos(gamma);
  s.Xc = A + 2 * r * std::sin(gamma);
  s.theta1 = EndPointAngle(Zs, A, s.Zc, s.Xc, +1);
  s.theta2 = EndPointAngle(Ze, B, s.Zc, s.Xc, +1);
  s.theta1_lower = EndPointAngle(Zs, A, s.Zc, s.Xc, -1);
  s.theta2_lower = EndPointAngle(Ze, B, s.Zc, s.Xc, -1);
  if (minus) {
    s.upper_from = s.theta2;
    s.upper_to = s.theta1;
    s.lower_from = s.theta1_lower;
    s.lower_to = s.theta2_lower;
  } else {
    s.upper_from = s.theta1;
    s.upper_to = s.theta2;
    s.lower_from = s.theta2_lower;
    s.lower_to = s.theta1_lower;
  }

  // The circles are drawn with the centre's diameter in single precision.
  const double xc_single = static_cast<float>(s.Xc);
  s.upper_centre = QPointF(s.Zc, -xc_single / 2);
  s.lower_centre = QPointF(s.Zc, xc_single / 2);
  s.P1 = CirclePoint(s.upper_centre, r, s.theta2);
  s.P2 = CirclePoint(s.upper_centre, r, s.theta1);
  s.P3 = CirclePoint(s.lower_centre, r, s.theta1_lower);
  s.P4 = CirclePoint(s.lower_centre, r, s.theta2_lower);
  s.P4.setY(static_cast<float>(s.P4.y()));

  for (double value : {s.Zc, s.Xc, xc_single, s.theta1, s.theta2, s.theta1_lower, s.theta2_lower}) {
    if (!Finite(value)) return std::nullopt;
  }
  // The end points, worked out from the centre, must land on the faces they belong to. With
  // a radius or a position so large that the arithmetic (or the single-precision centre) has
  // lost the shape, they miss by more than a pixel: such an arc cannot be drawn.
  const QPointF faces[] = {{Ze, -B / 2}, {Zs, -A / 2}, {Zs, A / 2}, {Ze, B / 2}};
  const QPointF ends[] = {s.P1, s.P2, s.P3, s.P4};
  for (int i = 0; i < 4; ++i) {
    if (!Finite(ends[i])) return std::nullopt;
    const QPointF miss = ends[i] - faces[i];
    if (!(std::hypot(miss.x(), miss.y()) <= kEndPointTolerance)) return std::nullopt;
  }
  return s;
}

}  // namespace zel
