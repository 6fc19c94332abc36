#include <QPainter>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <limits>
#include <numbers>

#include "generators/common/dialog_style.h"
#include "generators/common/preview_box.h"
#include "generators/common/preview_canvas.h"
#include "tests/support/preview_pixels.h"

namespace zel {

namespace {

constexpr double kPi = std::numbers::pi;

// The size of the material dialogs' preview inside its border.
const QSize kBoxSize(477, 309);

}  // namespace

class TestPreviewCanvas : public QObject {
  Q_OBJECT

 private slots:
  void CentreOrigin_data();
  void CentreOrigin();
  void ColoursAsTheRoutinesGiveThem_data();
  void ColoursAsTheRoutinesGiveThem();
  void Lines_data();
  void Lines();
  void LinesFarOutsideAreCut();
  void CircleOutline_data();
  void CircleOutline();
  void ArcKeepsToItsAngles();
  void FilledCircle_data();
  void FilledCircle();
  void FilledCircleNeverLeaks_data();
  void FilledCircleNeverLeaks();
  void PolygonFill_data();
  void PolygonFill();
  void ArcSectionOfTwoHalvesIsTheDisc();
  void ArcSectionOfAConvexArc_data();
  void ArcSectionOfAConvexArc();
  void ArcSectionOfHugeArcs();
  void InitPreviewLabelsAndAxes();
  void AxesCrossAFilledArea();
  void BoxTakesThePixelsInsideItsBorder();
  void BoxRepaintsFromTheCanvas();
  void BoxSharpOnADenseScreen();
};

void TestPreviewCanvas::CentreOrigin_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<double>("left");
  QTest::addColumn<double>("top");
  QTest::addColumn<QPoint>("origin_pixel");
  // clang-format off
  QTest::newRow("odd box: origin in the middle of the centre pixel") << kBoxSize << -238.5 << -154.5 << QPoint(238, 154);
  QTest::newRow("even box: origin on a pixel corner")                << QSize(8, 6) << -4.0 << -3.0 << QPoint(4, 3);
  // clang-format on
}

void TestPreviewCanvas::CentreOrigin() {
  QFETCH(QSize, size);
  QFETCH(double, left);
  QFETCH(double, top);
  QFETCH(QPoint, origin_pixel);
  PreviewCanvas canvas(size);
  QCOMPARE(canvas.Size(), size);
  QCOMPARE(canvas.Left(), left);
  QCOMPARE(canvas.Top(), top);
  QCOMPARE(canvas.DevicePixel(QPointF(0, 0)), origin_pixel);
  QCOMPARE(canvas.DevicePixel(QPointF(left, top)), QPoint(0, 0));
  QCOMPARE(canvas.DevicePixel(QPointF(-left - 0.001, -top - 0.001)),
           QPoint(size.width() - 1, size.height() - 1));
  // A new canvas is black all over.
  QCOMPARE(test::CountPixels(canvas, kPreviewBlack), size.width() * size.height());
}

void TestPreviewCanvas::ColoursAsTheRoutinesGiveThem_data() {
  QTest::addColumn<uint>("color");
  QTest::addColumn<QColor>("rgb");
  // clang-format off
  QTest::newRow("yellow &H00FFFF is red and green") << uint(kPreviewYellow) << QColor(255, 255, 0);
  QTest::newRow("white")                            << uint(kPreviewWhite)  << QColor(255, 255, 255);
  QTest::newRow("black")                            << uint(kPreviewBlack)  << QColor(0, 0, 0);
  QTest::newRow("red in the low byte")              << 0x0000FFu            << QColor(255, 0, 0);
  QTest::newRow("blue in the high byte")            << 0xFF0000u            << QColor(0, 0, 255);
  // clang-format on
}

void TestPreviewCanvas::ColoursAsTheRoutinesGiveThem() {
  QFETCH(uint, color);
  QFETCH(QColor, rgb);
  QCOMPARE(QColor::fromRgb(PreviewColorToRgb(color)), rgb);
  QCOMPARE(RgbToPreviewColor(PreviewColorToRgb(color)), PreviewColor(color));
  PreviewCanvas canvas(QSize(5, 5));
  canvas.SetPixel(QPointF(1, -2), color);
  QCOMPARE(canvas.Image().pixelColor(3, 0), rgb);
  QCOMPARE(canvas.PixelAt(QPointF(1, -2)), PreviewColor(color));
}

void TestPreviewCanvas::Lines_data() {
  QTest::addColumn<QPointF>("from");
  QTest::addColumn<QPointF>("to");
  QTest::addColumn<QList<QPoint>>("lit");
  // clang-format off
  QTest::newRow("horizontal, both ends")   << QPointF(-2, 0) << QPointF(2, 0)
                                           << QList<QPoint>{{-2, 0}, {-1, 0}, {0, 0}, {1, 0}, {2, 0}};
  QTest::newRow("vertical, upwards")       << QPointF(1, 2) << QPointF(1, -1)
                                           << QList<QPoint>{{1, -1}, {1, 0}, {1, 1}, {1, 2}};
  QTest::newRow("diagonal")                << QPointF(-2, -2) << QPointF(2, 2)
                                           << QList<QPoint>{{-2, -2}, {-1, -1}, {0, 0}, {1, 1}, {2, 2}};
  QTest::newRow("steep, one pixel a row")  << QPointF(0, 0) << QPointF(1, 3)
                                           << QList<QPoint>{{0, 0}, {0, 1}, {1, 2}, {1, 3}};
  QTest::newRow("a point")                 << QPointF(3, 3) << QPointF(3, 3)
                                           << QList<QPoint>{{3, 3}};
  QTest::newRow("fractions fall in their pixel") << QPointF(-0.4, 0.4) << QPointF(1.4, -0.4)
                                           << QList<QPoint>{{0, 0}, {1, 0}};
  // clang-format on
}

void TestPreviewCanvas::Lines() {
  QFETCH(QPointF, from);
  QFETCH(QPointF, to);
  QFETCH(QList<QPoint>, lit);
  PreviewCanvas canvas(QSize(11, 11));
  canvas.Line(from, to, kPreviewYellow);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), lit.size());
  for (const QPoint& point : lit) {
    QVERIFY2(canvas.PixelAt(point) == kPreviewYellow,
             qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
  }
}

void TestPreviewCanvas::LinesFarOutsideAreCut() {
  PreviewCanvas canvas(kBoxSize);
  // Wholly outside: nothing.
  canvas.Line(QPointF(300, -10), QPointF(400, 10), kPreviewYellow);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), 0);
  // Ends beyond any pixel count: the one row across the box, at once.
  constexpr double kHuge = 1e300;
  canvas.Line(QPointF(-kHuge, 0), QPointF(kHuge, 0), kPreviewYellow);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), kBoxSize.width());
  // Not a number: nothing.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  canvas.Line(QPointF(nan, 0), QPointF(0, 5), kPreviewWhite);
  QCOMPARE(test::CountPixels(canvas, kPreviewWhite), 0);
  // Ends so far apart that their distance overflows (found by the fuzzer): no pixel outside
  // the image and no conversion out of range, whatever is drawn.
  const double max = std::numeric_limits<double>::max();
  canvas.Line(QPointF(-max, -max / 3), QPointF(max, max / 2), kPreviewWhite);
  canvas.Line(QPointF(-max, 1), QPointF(max, 1), kPreviewWhite);
  QCOMPARE(test::CountPixels(canvas, kPreviewWhite), kBoxSize.width());
}

void TestPreviewCanvas::CircleOutline_data() {
  QTest::addColumn<double>("radius");
  QTest::addColumn<int>("count");
  QTest::addColumn<QList<QPoint>>("lit");
  QTest::addColumn<QList<QPoint>>("dark");
  // clang-format off
  QTest::newRow("radius 0: the centre pixel") << 0.0 << 1 << QList<QPoint>{{0, 0}} << QList<QPoint>{{1, 0}};
  QTest::newRow("radius 1: the eight around") << 1.0 << 8 << QList<QPoint>{{1, 0}, {1, 1}, {0, -1}, {-1, 1}}
                                              << QList<QPoint>{{0, 0}, {2, 0}};
  QTest::newRow("radius 10")                  << 10.0 << -1 << QList<QPoint>{{10, 0}, {-10, 0}, {0, 10}, {0, -10}, {7, 7}}
                                              << QList<QPoint>{{0, 0}, {9, 0}, {11, 0}, {8, 8}};
  QTest::newRow("negative: nothing")          << -5.0 << 0 << QList<QPoint>{} << QList<QPoint>{{5, 0}};
  // clang-format on
}

void TestPreviewCanvas::CircleOutline() {
  QFETCH(double, radius);
  QFETCH(int, count);
  QFETCH(QList<QPoint>, lit);
  QFETCH(QList<QPoint>, dark);
  PreviewCanvas canvas(QSize(31, 31));
  canvas.Circle(QPointF(0, 0), radius, kPreviewWhite);
  if (count >= 0) QCOMPARE(test::CountPixels(canvas, kPreviewWhite), count);
  for (const QPoint& point : lit) QCOMPARE(canvas.PixelAt(point), kPreviewWhite);
  for (const QPoint& point : dark) QCOMPARE(canvas.PixelAt(point), kPreviewBlack);
  // The ring is closed: filling the same circle adds only what lies inside it.
  if (radius == 10) {
    const int ring = test::CountPixels(canvas, kPreviewWhite);
    canvas.FillCircle(QPointF(0, 0), radius, kPreviewWhite);
    QVERIFY(test::CountPixels(canvas, kPreviewWhite) > ring);
    QCOMPARE(canvas.PixelAt(QPointF(11, 0)), kPreviewBlack);
  }
}

void TestPreviewCanvas::ArcKeepsToItsAngles() {
  PreviewCanvas canvas(QSize(41, 41));
  // Counter-clockwise on the screen from the right over the top to the left.
  canvas.Arc(PreviewArc{QPointF(0, 0), 10, 0, kPi}, kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(10, 0)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(0, -10)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(-10, 0)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(0, 10)), kPreviewBlack);
  QCOMPARE(canvas.PixelAt(QPointF(7, 7)), kPreviewBlack);
  // Start after end runs through angle 0: the right-hand half.
  PreviewCanvas wrapped(QSize(41, 41));
  wrapped.Arc(PreviewArc{QPointF(0, 0), 10, 1.5 * kPi, 0.5 * kPi}, kPreviewYellow);
  QCOMPARE(wrapped.PixelAt(QPointF(10, 0)), kPreviewYellow);
  QCOMPARE(wrapped.PixelAt(QPointF(0, 10)), kPreviewYellow);
  QCOMPARE(wrapped.PixelAt(QPointF(0, -10)), kPreviewYellow);
  QCOMPARE(wrapped.PixelAt(QPointF(-10, 0)), kPreviewBlack);
  // Equal angles: the whole circle.
  PreviewCanvas whole(QSize(41, 41));
  whole.Arc(PreviewArc{QPointF(0, 0), 10, 1, 1}, kPreviewYellow);
  PreviewCanvas circle(QSize(41, 41));
  circle.Circle(QPointF(0, 0), 10, kPreviewYellow);
  QCOMPARE(whole.Image(), circle.Image());
}

void TestPreviewCanvas::FilledCircle_data() {
  QTest::addColumn<double>("radius");
  QTest::addColumn<int>("count");
  // clang-format off
  QTest::newRow("radius 0: one pixel")             << 0.0  << 1;
  QTest::newRow("radius 1: three by three")        << 1.0  << 9;
  QTest::newRow("radius 2: the ring and inside")   << 2.0  << 21;
  QTest::newRow("radius 10")                       << 10.0 << 349;
  QTest::newRow("negative radius: nothing")        << -3.0 << 0;
  QTest::newRow("not a number: nothing")           << std::numeric_limits<double>::quiet_NaN() << 0;
  // clang-format on
}

void TestPreviewCanvas::FilledCircle() {
  QFETCH(double, radius);
  QFETCH(int, count);
  PreviewCanvas canvas(QSize(41, 41));
  canvas.FillCircle(QPointF(0, 0), radius, kPreviewYellow);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), count);
  // Symmetric about both axes, and nothing beyond the ring's outer edge.
  for (int y = -20; y <= 20; ++y) {
    for (int x = -20; x <= 20; ++x) {
      const bool inside = radius >= 0 && std::hypot(x, y) <= radius + 0.5;
      QCOMPARE(canvas.PixelAt(QPointF(x, y)) == kPreviewYellow, inside);
    }
  }
}

void TestPreviewCanvas::FilledCircleNeverLeaks_data() {
  QTest::addColumn<QPointF>("centre");
  QTest::addColumn<double>("radius");
  QTest::addColumn<int>("count");
  const int all = kBoxSize.width() * kBoxSize.height();
  // clang-format off
  QTest::newRow("larger than the diagonal: all") << QPointF(0, 0)     << 400.0  << all;
  QTest::newRow("beyond any number of pixels")   << QPointF(0, 0)     << 1e300  << all;
  QTest::newRow("far outside the box: nothing")  << QPointF(1e6, 0)   << 50.0   << 0;
  QTest::newRow("cut by the right edge")         << QPointF(238, 0)   << 2.0    << 13;
  QTest::newRow("centre just off the box")       << QPointF(239.5, 0) << 1.0    << 1;
  // clang-format on
}

void TestPreviewCanvas::FilledCircleNeverLeaks() {
  QFETCH(QPointF, centre);
  QFETCH(double, radius);
  QFETCH(int, count);
  PreviewCanvas canvas(kBoxSize);
  canvas.FillCircle(centre, radius, kPreviewYellow);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), count);
}

void TestPreviewCanvas::PolygonFill_data() {
  QTest::addColumn<QList<QPointF>>("corners");
  QTest::addColumn<int>("count");
  QTest::addColumn<QList<QPoint>>("lit");
  QTest::addColumn<QList<QPoint>>("dark");
  // clang-format off
  QTest::newRow("cylinder Z 0 D 80 L 50 to the left") << QList<QPointF>{{0, -40}, {0, 40}, {-50, 40}, {-50, -40}} << 51 * 81
      << QList<QPoint>{{0, 0}, {-50, -40}, {-25, 0}, {0, 40}} << QList<QPoint>{{1, 0}, {-51, 0}, {-25, 41}};
  QTest::newRow("cone D1 40 to D2 20 over 30")        << QList<QPointF>{{0, -20}, {0, 20}, {30, 10}, {30, -10}} << -1
      << QList<QPoint>{{0, 20}, {15, 15}, {30, 10}, {30, -10}} << QList<QPoint>{{30, 12}, {31, 0}, {15, 17}};
  QTest::newRow("no height: the outline only")        << QList<QPointF>{{0, 0}, {0, 0}, {-20, 0}, {-20, 0}} << 21
      << QList<QPoint>{{0, 0}, {-20, 0}} << QList<QPoint>{{0, 1}, {0, -1}, {1, 0}};
  QTest::newRow("one unit long: two columns")         << QList<QPointF>{{0, -5}, {0, 5}, {1, 5}, {1, -5}} << 22
      << QList<QPoint>{{0, 0}, {1, 0}} << QList<QPoint>{{2, 0}, {-1, 0}};
  QTest::newRow("beyond the box: cut at its edges")   << QList<QPointF>{{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}}
      << kBoxSize.width() * kBoxSize.height() << QList<QPoint>{{0, 0}} << QList<QPoint>{};
  QTest::newRow("wholly right of the box")            << QList<QPointF>{{300, -40}, {300, 40}, {350, 40}, {350, -40}} << 0
      << QList<QPoint>{} << QList<QPoint>{{0, 0}};
  // clang-format on
}

void TestPreviewCanvas::PolygonFill() {
  QFETCH(QList<QPointF>, corners);
  QFETCH(int, count);
  QFETCH(QList<QPoint>, lit);
  QFETCH(QList<QPoint>, dark);
  PreviewCanvas canvas(kBoxSize);
  canvas.FillPolygon(corners, kPreviewYellow);
  if (count >= 0) QCOMPARE(test::CountPixels(canvas, kPreviewYellow), count);
  for (const QPoint& point : lit) QCOMPARE(canvas.PixelAt(point), kPreviewYellow);
  for (const QPoint& point : dark) QCOMPARE(canvas.PixelAt(point), kPreviewBlack);
}

void TestPreviewCanvas::ArcSectionOfTwoHalvesIsTheDisc() {
  // The upper half from the right over the top, the lower half from the left under the
  // bottom: their section is the disc, pixel for pixel.
  PreviewCanvas section(QSize(61, 61));
  section.FillArcSection(PreviewArc{QPointF(0, 0), 20, 0, kPi},
                         PreviewArc{QPointF(0, 0), 20, kPi, 2 * kPi}, kPreviewYellow);
  PreviewCanvas disc(QSize(61, 61));
  disc.FillCircle(QPointF(0, 0), 20, kPreviewYellow);
  QCOMPARE(section.Image(), disc.Image());
}

void TestPreviewCanvas::ArcSectionOfAConvexArc_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<bool>("lit");
  // clang-format off
  QTest::newRow("on the axis")                 << QPoint(10, 0)   << true;
  QTest::newRow("start corner above")          << QPoint(0, -20)  << true;
  QTest::newRow("end corner below")            << QPoint(20, 20)  << true;
  QTest::newRow("bulge above, radius 23")      << QPoint(10, -23) << true;
  QTest::newRow("bulge below, radius 23")      << QPoint(10, 23)  << true;
  QTest::newRow("beyond the peak above")       << QPoint(10, -25) << false;
  QTest::newRow("before the start face")       << QPoint(-2, 0)   << false;
  QTest::newRow("after the end face")          << QPoint(22, 0)   << false;
  QTest::newRow("outside the start corner")    << QPoint(-1, -21) << false;
  // clang-format on
}

void TestPreviewCanvas::ArcSectionOfAConvexArc() {
  QFETCH(QPoint, point);
  QFETCH(bool, lit);
  // The side view's convex arc from Z 0 to Z 20, D1 = D2 = 40, R 15: centres at Z 10 and
  // radius ±8.82, the upper arc from 48.19° to 131.81°, the lower from 228.19° to 311.81°.
  const double beta = std::acos(10.0 / 15.0);
  const double centre_radius = 20 - 15 * std::sin(beta);
  PreviewCanvas canvas(kBoxSize);
  canvas.FillArcSection(PreviewArc{QPointF(10, -centre_radius), 15, beta, kPi - beta},
                        PreviewArc{QPointF(10, centre_radius), 15, kPi + beta, 2 * kPi - beta},
                        kPreviewYellow);
  QCOMPARE(canvas.PixelAt(point) == kPreviewYellow, lit);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow) + test::CountPixels(canvas, kPreviewBlack),
           kBoxSize.width() * kBoxSize.height());
}

void TestPreviewCanvas::ArcSectionOfHugeArcs() {
  // A band between two arcs of a million pixels' radius, reaching far beyond the box: the
  // box shows the band between y 0 and y 10 and nothing else, and the drawing ends at once.
  constexpr double kRadius = 1e6;
  PreviewCanvas canvas(kBoxSize);
  canvas.FillArcSection(
      PreviewArc{QPointF(0, kRadius), kRadius, kPi / 2 - 0.001, kPi / 2 + 0.001},
      PreviewArc{QPointF(0, 10 - kRadius), kRadius, 1.5 * kPi - 0.001, 1.5 * kPi + 0.001},
      kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(0, 5)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(230, 5)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(0, -3)), kPreviewBlack);
  QCOMPARE(canvas.PixelAt(QPointF(0, 13)), kPreviewBlack);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), kBoxSize.width() * 11);
  // Radii beyond any pixel count draw what falls in the box and return.
  PreviewCanvas huge(kBoxSize);
  huge.FillArcSection(PreviewArc{QPointF(0, 0), 1e300, 0, kPi},
                      PreviewArc{QPointF(0, 0), 1e300, kPi, 2 * kPi}, kPreviewYellow);
  QCOMPARE(test::CountPixels(huge, kPreviewYellow), kBoxSize.width() * kBoxSize.height());
}

void TestPreviewCanvas::InitPreviewLabelsAndAxes() {
  PreviewCanvas canvas(kBoxSize);
  canvas.FillCircle(QPointF(0, 0), 50, kPreviewYellow);
  InitPreview(canvas, QStringLiteral("Y"), QStringLiteral("X"));
  // Cleared: no yellow left; the axes across the whole box.
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), 0);
  for (int x = 0; x < kBoxSize.width(); ++x)
    QCOMPARE(canvas.Image().pixel(x, 154), qRgb(255, 255, 255));
  for (int y = 0; y < kBoxSize.height(); ++y)
    QCOMPARE(canvas.Image().pixel(238, y), qRgb(255, 255, 255));
  // The labels: white right of the vertical axis at the top edge, and above the horizontal
  // axis at the right edge; in whole pixels, no shades of grey, and nothing else white.
  const QRect top_label(QPoint(239, 0), QPoint(270, 30));
  const QRect right_label(QPoint(455, 125), QPoint(476, 153));
  int top_white = 0;
  int right_white = 0;
  for (int y = 0; y < kBoxSize.height(); ++y) {
    for (int x = 0; x < kBoxSize.width(); ++x) {
      const QRgb pixel = canvas.Image().pixel(x, y) & 0xFFFFFF;
      QVERIFY(pixel == 0xFFFFFF || pixel == 0);
      if (pixel == 0 || x == 238 || y == 154) continue;
      if (top_label.contains(x, y)) {
        ++top_white;
      } else if (right_label.contains(x, y)) {
        ++right_white;
      } else {
        QFAIL(qPrintable(QStringLiteral("stray white pixel at %1,%2").arg(x).arg(y)));
      }
    }
  }
  QVERIFY(top_white > 5);
  QVERIFY(right_white > 5);
  // The label's first character starts at its corner: x 5, one pixel below the top edge.
  QCOMPARE(canvas.PixelAt(QPointF(4, canvas.Top() + 6)), kPreviewBlack);
}

void TestPreviewCanvas::AxesCrossAFilledArea() {
  PreviewCanvas canvas(kBoxSize);
  canvas.FillCircle(QPointF(0, 0), 50, kPreviewYellow);
  DrawAxes(canvas);
  QCOMPARE(canvas.PixelAt(QPointF(20, 0)), kPreviewWhite);
  QCOMPARE(canvas.PixelAt(QPointF(0, -20)), kPreviewWhite);
  QCOMPARE(canvas.PixelAt(QPointF(20, 1)), kPreviewYellow);
}

void TestPreviewCanvas::BoxTakesThePixelsInsideItsBorder() {
  QWidget dialog;
  PreviewBox box(QStringLiteral("Picture1"), &dialog);
  QCOMPARE(box.objectName(), QStringLiteral("Picture1"));
  PlaceTwips(&box, 120, 120, 7215, 4695);
  QCOMPARE(box.geometry(), QRect(8, 8, 481, 313));
  // Before the box is ever shown, the first drawing finds the canvas sized and black.
  int black = 0;
  box.Draw([&](PreviewCanvas& canvas) { black = test::CountPixels(canvas, kPreviewBlack); });
  QCOMPARE(box.canvas().Size(), kBoxSize);
  QCOMPARE(black, kBoxSize.width() * kBoxSize.height());
  QCOMPARE(box.focusPolicy(), Qt::StrongFocus);
}

void TestPreviewCanvas::BoxRepaintsFromTheCanvas() {
  QWidget dialog;
  PreviewBox box(QStringLiteral("Picture1"), &dialog);
  PlaceTwips(&box, 0, 0, 7215, 4695);
  dialog.resize(520, 360);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  box.Draw([](PreviewCanvas& canvas) {
    InitPreview(canvas, QStringLiteral("Y"), QStringLiteral("X"));
    canvas.FillCircle(QPointF(0, 0), 30, kPreviewYellow);
  });
  const QPoint centre = box.contentsRect().topLeft() + QPoint(238, 154);
  const auto shown = [&](QPoint at) { return box.grab().toImage().pixelColor(at); };
  QCOMPARE(shown(centre + QPoint(10, 10)), QColor(255, 255, 0));
  QCOMPARE(shown(centre + QPoint(40, 40)), QColor(0, 0, 0));
  // Hidden and shown again (covered, minimised): the drawing comes back.
  dialog.hide();
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QCOMPARE(shown(centre + QPoint(10, 10)), QColor(255, 255, 0));
  QCOMPARE(shown(centre + QPoint(100, 0)), QColor(255, 255, 255));
}

void TestPreviewCanvas::BoxSharpOnADenseScreen() {
  QWidget dialog;
  PreviewBox box(QStringLiteral("Picture1"), &dialog);
  PlaceTwips(&box, 0, 0, 7215, 4695);
  box.Draw([](PreviewCanvas& canvas) { canvas.SetPixel(QPointF(0, 0), kPreviewYellow); });
  // Rendered at twice the density: the one canvas pixel is a clean two-by-two block.
  QImage dense(box.size() * 2, QImage::Format_RGB32);
  dense.setDevicePixelRatio(2);
  box.render(&dense);
  const QPoint block = (box.contentsRect().topLeft() + QPoint(238, 154)) * 2;
  for (const QPoint& offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
    QCOMPARE(dense.pixelColor(block + offset), QColor(255, 255, 0));
  }
  for (const QPoint& offset : {QPoint(-1, 0), QPoint(2, 0), QPoint(0, -1), QPoint(0, 2)}) {
    QCOMPARE(dense.pixelColor(block + offset), QColor(0, 0, 0));
  }
}

}  // namespace zel

QTEST_MAIN(zel::TestPreviewCanvas)
#include "tst_preview_canvas.moc"
