#include <QTest>

#include <cmath>
#include <numbers>

#include "generators/sideview/arc_section.h"

Q_DECLARE_METATYPE(zel::ArcBulge)
Q_DECLARE_METATYPE(zel::StartFace)

namespace zel {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kTolerance = 1e-3;

double Normalised(double angle) {
  angle = std::fmod(angle, 2 * std::numbers::pi);
  return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

// The centre of the circle of radius r through (z1, r1) and (z2, r2), in the (Z, radius) plane,
// worked out from the chord: on the axis side of the chord for a convex arc, on the far side
// for a concave one.
QPointF CentreByGeometry(ArcBulge bulge, double z1, double r1, double z2, double r2, double r) {
  const QPointF mid((z1 + z2) / 2, (r1 + r2) / 2);
  const double dz = z2 - z1;
  const double dr = r2 - r1;
  const double chord = std::hypot(dz, dr);
  const double h = std::sqrt(r * r - chord * chord / 4);
  // The unit normal pointing towards the axis (smaller radius).
  QPointF normal(-dr / chord, dz / chord);
  if (normal.y() > 0) normal = -normal;
  return bulge == ArcBulge::kConvex ? mid + h * normal : mid - h * normal;
}

bool Near(double a, double b) { return std::fabs(a - b) < kTolerance; }

}  // namespace

class TestArcSection : public QObject {
  Q_OBJECT

 private slots:
  void ArcCosLimits_data();
  void ArcCosLimits();
  void Sweep_data();
  void Sweep();
  void WorkedExample_data();
  void WorkedExample();
  void Geometry_data();
  void Geometry();
  void NoResult_data();
  void NoResult();
};

void TestArcSection::ArcCosLimits_data() {
  QTest::addColumn<double>("u");
  QTest::addColumn<bool>("defined");
  QTest::addColumn<double>("angle");

  // clang-format off
  QTest::newRow("1 gives 0, not a division by zero") << 1.0 << true << 0.0;
  QTest::newRow("-1 gives pi")                       << -1.0 << true << std::numbers::pi;
  QTest::newRow("0 gives a right angle")             << 0.0 << true << std::numbers::pi / 2;
  QTest::newRow("2/3 gives 48.19 degrees")           << 2.0 / 3 << true << std::acos(2.0 / 3);
  QTest::newRow("-0.5 gives 120 degrees")            << -0.5 << true << 120 * kDegree;
  QTest::newRow("just over 1: none")                 << 1.0000005 << false << 0.0;
  QTest::newRow("below -1: none")                    << -1.5 << false << 0.0;
  QTest::newRow("infinity: none")                    << HUGE_VAL << false << 0.0;
  QTest::newRow("NaN: none")                         << std::nan("") << false << 0.0;
  // clang-format on
}

void TestArcSection::ArcCosLimits() {
  QFETCH(double, u);
  QFETCH(bool, defined);
  QFETCH(double, angle);
  const std::optional<double> result = ArcCos(u);
  QCOMPARE(result.has_value(), defined);
  if (defined) QVERIFY2(std::fabs(*result - angle) < 1e-12, qPrintable(QString::number(*result)));
}

void TestArcSection::Sweep_data() {
  QTest::addColumn<double>("from");
  QTest::addColumn<double>("to");
  QTest::addColumn<double>("sweep");

  // clang-format off
  QTest::newRow("48 to 132 degrees")    << 48 * kDegree << 132 * kDegree << 84 * kDegree;
  QTest::newRow("132 round to 48")      << 132 * kDegree << 48 * kDegree << 276 * kDegree;
  QTest::newRow("300 over 0 to 20")     << 300 * kDegree << 20 * kDegree << 80 * kDegree;
  QTest::newRow("equal angles: none")   << 1.0 << 1.0 << 0.0;
  // clang-format on
}

void TestArcSection::Sweep() {
  QFETCH(double, from);
  QFETCH(double, to);
  QFETCH(double, sweep);
  QVERIFY(std::fabs(CounterClockwiseSweep(from, to) - sweep) < 1e-9);
}

void TestArcSection::WorkedExample_data() {
  QTest::addColumn<ArcBulge>("bulge");
  QTest::addColumn<StartFace>("face");
  QTest::addColumn<double>("zs");
  QTest::addColumn<double>("ze");
  QTest::addColumn<double>("xc");
  QTest::addColumn<double>("theta_start");  // θ1, the start face on the upper arc, degrees
  QTest::addColumn<double>("theta_end");    // θ2, the end face
  QTest::addColumn<double>("extreme");      // radius of the arc's top (convex) or bottom

  // Zs 0 (or 20 from the right), L 20, D1 = D2 = 40, R 15: β = ArcCos(10/15) ≈ 48.19°, the
  // centre at Z ≈ 10, at radius 20 ∓ √(15² − 10²).
  // clang-format off
  QTest::newRow("convex from the left bulges to 23.82")   << ArcBulge::kConvex << StartFace::kLeft << 0.0 << 20.0 << 17.64 << 131.81 << 48.19 << 23.82;
  QTest::newRow("convex from the right bulges to 23.82")  << ArcBulge::kConvex << StartFace::kRight << 20.0 << 0.0 << 17.64 << 48.19 << 131.81 << 23.82;
  QTest::newRow("concave from the left dips to 16.18")    << ArcBulge::kConcave << StartFace::kLeft << 0.0 << 20.0 << 62.36 << 228.19 << 311.81 << 16.18;
  QTest::newRow("concave from the right dips to 16.18")   << ArcBulge::kConcave << StartFace::kRight << 20.0 << 0.0 << 62.36 << 311.81 << 228.19 << 16.18;
  // clang-format on
}

void TestArcSection::WorkedExample() {
  QFETCH(ArcBulge, bulge);
  QFETCH(StartFace, face);
  QFETCH(double, zs);
  QFETCH(double, ze);
  QFETCH(double, xc);
  QFETCH(double, theta_start);
  QFETCH(double, theta_end);
  QFETCH(double, extreme);

  const std::optional<ArcSection> s = ComputeArcSection(bulge, face, zs, ze, 40, 40, 15);
  QVERIFY(s);
  QVERIFY(std::fabs(s->Zc - 10) < 0.01);
  QVERIFY2(std::fabs(s->Xc - xc) < 0.01, qPrintable(QString::number(s->Xc)));
  QVERIFY2(std::fabs(s->theta1 / kDegree - theta_start) < 0.01,
           qPrintable(QString::number(s->theta1 / kDegree)));
  QVERIFY2(std::fabs(s->theta2 / kDegree - theta_end) < 0.01,
           qPrintable(QString::number(s->theta2 / kDegree)));

  // The drawn upper arc runs between the two faces through its top (convex) or its bottom
  // (concave), which lies at the extreme radius; the lower arc mirrors it.
  const double sweep = CounterClockwiseSweep(s->upper_from, s->upper_to);
  QVERIFY(sweep < std::numbers::pi);
  const double middle = s->upper_from + sweep / 2;
  const QPointF top = CirclePoint(s->upper_centre, s->R, middle);
  QVERIFY2(std::fabs(-top.y() - extreme) < 0.01, qPrintable(QString::number(-top.y())));
  const double lower_sweep = CounterClockwiseSweep(s->lower_from, s->lower_to);
  QVERIFY(std::fabs(lower_sweep - sweep) < 1e-6);
  const QPointF bottom = CirclePoint(s->lower_centre, s->R, s->lower_from + lower_sweep / 2);
  QVERIFY(std::fabs(bottom.y() - extreme) < 0.01);
}

void TestArcSection::Geometry_data() {
  QTest::addColumn<ArcBulge>("bulge");
  QTest::addColumn<StartFace>("face");
  QTest::addColumn<double>("zs");
  QTest::addColumn<double>("l");
  QTest::addColumn<double>("a");
  QTest::addColumn<double>("b");
  QTest::addColumn<float>("r");

  // clang-format off
  QTest::newRow("convex left, rising 40 to 60")     << ArcBulge::kConvex << StartFace::kLeft << 0.0 << 20.0 << 40.0 << 60.0 << 30.0f;
  QTest::newRow("convex right, rising 40 to 60")    << ArcBulge::kConvex << StartFace::kRight << 50.0 << 20.0 << 40.0 << 60.0 << 30.0f;
  QTest::newRow("concave left, falling 100 to 60")  << ArcBulge::kConcave << StartFace::kLeft << -80.0 << 60.0 << 100.0 << 60.0 << 50.0f;
  QTest::newRow("concave right, falling 100 to 60") << ArcBulge::kConcave << StartFace::kRight << -80.0 << 60.0 << 100.0 << 60.0 << 50.0f;
  QTest::newRow("convex left, half circle")         << ArcBulge::kConvex << StartFace::kLeft << 0.0 << 30.0 << 50.0 << 50.0 << 15.001f;
  QTest::newRow("convex right, bore of 20")         << ArcBulge::kConvex << StartFace::kRight << 0.0 << 10.0 << 20.0 << 20.0 << 8.0f;
  QTest::newRow("concave left, large radius")       << ArcBulge::kConcave << StartFace::kLeft << 10.0 << 100.0 << 80.0 << 80.0 << 400.0f;
  // clang-format on
}

void TestArcSection::Geometry() {
  QFETCH(ArcBulge, bulge);
  QFETCH(StartFace, face);
  QFETCH(double, zs);
  QFETCH(double, l);
  QFETCH(double, a);
  QFETCH(double, b);
  QFETCH(float, r);
  const double ze = face == StartFace::kLeft ? zs + l : zs - l;

  const std::optional<ArcSection> s = ComputeArcSection(bulge, face, zs, ze, a, b, r);
  QVERIFY(s);
  const QPointF centre = CentreByGeometry(bulge, zs, a / 2, ze, b / 2, r);
  QVERIFY2(std::fabs(s->Zc - centre.x()) < 0.01, qPrintable(QString::number(s->Zc)));
  QVERIFY2(std::fabs(s->Xc / 2 - centre.y()) < 0.01, qPrintable(QString::number(s->Xc)));

  // Angles about the centre, counter-clockwise on the screen, upper and mirrored lower.
  const auto upper = [&](double z, double radius) {
    return Normalised(std::atan2(radius - centre.y(), z - centre.x()));
  };
  const auto lower = [&](double z, double radius) {
    return Normalised(std::atan2(centre.y() - radius, z - centre.x()));
  };
  const auto same_angle = [](double x, double y) {
    return std::fabs(Normalised(x - y + 0.5) - 0.5) < kTolerance;
  };
  QVERIFY(same_angle(s->theta1, upper(zs, a / 2)));
  QVERIFY(same_angle(s->theta2, upper(ze, b / 2)));
  QVERIFY(same_angle(s->theta1_lower, lower(zs, a / 2)));
  QVERIFY(same_angle(s->theta2_lower, lower(ze, b / 2)));

  // The end points sit on the faces: X2,Y2 and X3,Y3 at the start, X1,Y1 and X4,Y4 at the end.
  QVERIFY(Near(s->P2.x(), zs) && Near(s->P2.y(), -a / 2));
  QVERIFY(Near(s->P3.x(), zs) && Near(s->P3.y(), a / 2));
  QVERIFY(Near(s->P1.x(), ze) && Near(s->P1.y(), -b / 2));
  QVERIFY(Near(s->P4.x(), ze) && Near(s->P4.y(), b / 2));
  QCOMPARE(s->P4.y(), double(float(s->P4.y())));

  // The drawn arc bulges away from the axis when convex and towards it when concave.
  const double sweep = CounterClockwiseSweep(s->upper_from, s->upper_to);
  const QPointF middle = CirclePoint(s->upper_centre, s->R, s->upper_from + sweep / 2);
  const double chord_middle = (a + b) / 4;
  if (bulge == ArcBulge::kConvex) {
    QVERIFY(-middle.y() > chord_middle);
  } else {
    QVERIFY(-middle.y() < chord_middle);
  }
}

void TestArcSection::NoResult_data() {
  QTest::addColumn<StartFace>("face");
  QTest::addColumn<double>("zs");
  QTest::addColumn<double>("ze");
  QTest::addColumn<float>("r");
  QTest::addColumn<bool>("defined");

  // clang-format off
  QTest::newRow("R 9 under half a chord of 20")             << StartFace::kLeft << 0.0 << 20.0 << 9.0f << false;
  QTest::newRow("R 10 left: chord just over 20")            << StartFace::kLeft << 0.0 << 20.0 << 10.0f << false;
  QTest::newRow("R 10 right: chord just under 20")          << StartFace::kRight << 0.0 << -20.0 << 10.0f << true;
  QTest::newRow("R 11 left")                                << StartFace::kLeft << 0.0 << 20.0 << 11.0f << true;
  QTest::newRow("R 0")                                      << StartFace::kLeft << 0.0 << 20.0 << 0.0f << false;
  QTest::newRow("negative R")                               << StartFace::kLeft << 0.0 << 20.0 << -11.0f << false;
  QTest::newRow("infinite R")                               << StartFace::kLeft << 0.0 << 20.0 << HUGE_VALF << false;
  QTest::newRow("infinite end")                             << StartFace::kLeft << 0.0 << HUGE_VAL << 11.0f << false;
  QTest::newRow("chord beyond range")                       << StartFace::kLeft << -1e308 << 1e308 << 11.0f << false;
  QTest::newRow("flat chord of 5000, u exactly 1")          << StartFace::kLeft << 0.0 << 5000.0 << 9000.0f << true;
  QTest::newRow("zero length, both faces at one Z")         << StartFace::kLeft << 0.0 << 0.0 << 5.0f << true;
  // clang-format on
}

void TestArcSection::NoResult() {
  QFETCH(StartFace, face);
  QFETCH(double, zs);
  QFETCH(double, ze);
  QFETCH(float, r);
  QFETCH(bool, defined);
  for (ArcBulge bulge : {ArcBulge::kConvex, ArcBulge::kConcave}) {
    const std::optional<ArcSection> s = ComputeArcSection(bulge, face, zs, ze, 40, 40, r);
    QCOMPARE(s.has_value(), defined);
  }
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestArcSection)
#include "tst_arc_section.moc"
