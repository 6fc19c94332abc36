#pragma once

#include <QPointF>

#include <optional>

namespace zel {

// The face a shape starts from: "左端面" (LC, the shape runs towards larger Z) or "右端面"
// (RC, towards smaller Z).
enum class StartFace { kLeft, kRight };

// The two arc profiles of the side view.
enum class ArcBulge { kConvex, kConcave };

// The section of an arc shape: the arc from the start point (Zs, A) to the end point (Ze, B)
// with radius R, mirrored about the spindle axis and closed by the two end faces. Screen
// coordinates are the preview's: x is Z, y is minus the radius above the axis and plus the
// radius below it; angles are counter-clockwise as seen on the screen, from the +Z direction.
struct ArcSection {
  double Zs = 0;
  double Ze = 0;
  float R = 0;
  double Zc = 0;            // centre's Z
  double Xc = 0;            // centre as a diameter: the centre lies at radius Xc / 2
  double theta1 = 0;        // start point on the upper arc
  double theta2 = 0;        // end point on the upper arc
  double theta1_lower = 0;  // start point on the lower arc (θ1′)
  double theta2_lower = 0;  // end point on the lower arc (θ2′)
  // Each arc is drawn counter-clockwise from its first angle to its second.
  double upper_from = 0;
  double upper_to = 0;
  double lower_from = 0;
  double lower_to = 0;
  // Centres of the two circles on the screen; they use Xc in single precision.
  QPointF upper_centre;
  QPointF lower_centre;
  // X1,Y1: upper arc at θ2 (end face); X2,Y2: upper at θ1 (start face); X3,Y3: lower at θ1′;
  // X4,Y4: lower at θ2′ (Y4 in single precision).
  QPointF P1;
  QPointF P2;
  QPointF P3;
  QPointF P4;
};

// ArcCos(u) as the control's tools compute it, Atn(−u / √(1 − u²)) + 2·Atn(1), taken to its
// limits 0 and π at u = 1 and −1. No result outside [−1, 1].
std::optional<double> ArcCos(double u);

// The point of a circle at angle `theta` (counter-clockwise on the screen, y downwards).
QPointF CirclePoint(QPointF centre, double radius, double theta);

// The counter-clockwise sweep from angle `from` to angle `to`, in [0, 2π).
double CounterClockwiseSweep(double from, double to);

// Works out the section of a convex or concave arc started from `face`: the chord, its angle,
// the centre, the four end-point angles and the end points. Zs and A are the start face's Z
// and diameter, Ze and B the end face's. No result when R is zero, negative or smaller than
// half the chord, when a value is not a finite number, or when the values are so large that
// the end points worked out from the centre miss their faces by more than a pixel.
std::optional<ArcSection> ComputeArcSection(ArcBulge bulge, StartFace face, double Zs, double Ze,
                                            double A, double B, float R);

}  // namespace zel
