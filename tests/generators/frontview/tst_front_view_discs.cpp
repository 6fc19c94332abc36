#include <QTest>

#include <cmath>

#include "generators/common/preview_canvas.h"
#include "generators/frontview/front_view_discs.h"
#include "tests/support/preview_pixels.h"

namespace zel {

namespace {

// The front view's preview inside its border.
const QSize kBoxSize(477, 309);
constexpr int kAllPixels = 477 * 309;
// The axes: one row and one column across the box.
constexpr int kAxisPixels = 477 + 309 - 1;

}  // namespace

class TestFrontViewDiscs : public QObject {
  Q_OBJECT

 private slots:
  void OpeningPreview();
  void RingOfAnOuterDiscWithABore_data();
  void RingOfAnOuterDiscWithABore();
  void SmallDiscsStayTheirSize_data();
  void SmallDiscsStayTheirSize();
  void LargeDiscs_data();
  void LargeDiscs();
  void DiscsAccumulateInTheOrderWritten();
};

void TestFrontViewDiscs::OpeningPreview() {
  PreviewCanvas canvas(kBoxSize);
  canvas.Clear(kPreviewYellow);
  InitFrontPreview(canvas);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), 0);
  QCOMPARE(canvas.PixelAt(QPointF(100, 0)), kPreviewWhite);
  QCOMPARE(canvas.PixelAt(QPointF(0, 100)), kPreviewWhite);
  // "Y" right of the vertical axis at the top, "X" above the horizontal one at the right.
  QVERIFY(test::CountPixels(canvas.Image().copy(239, 0, 30, 30), kPreviewWhite) > 5);
  QVERIFY(test::CountPixels(canvas.Image().copy(455, 125, 22, 29), kPreviewWhite) > 5);
  QCOMPARE(test::CountPixels(canvas, kPreviewWhite) + test::CountPixels(canvas, kPreviewBlack),
           kAllPixels);
}

void TestFrontViewDiscs::RingOfAnOuterDiscWithABore_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<uint>("color");
  // Outer D 100 (radius 50), inner D 60 (radius 30).
  // clang-format off
  QTest::newRow("ring, lower right")           << QPoint(40, 5)    << uint(kPreviewYellow);
  QTest::newRow("ring, upper left")            << QPoint(-30, -30) << uint(kPreviewYellow);
  QTest::newRow("ring's outer pixel")          << QPoint(50, 3)    << uint(kPreviewYellow);
  QTest::newRow("bore's edge is black")        << QPoint(30, 1)    << uint(kPreviewBlack);
  QTest::newRow("first ring pixel past bore")  << QPoint(31, 1)    << uint(kPreviewYellow);
  QTest::newRow("centre of the bore")          << QPoint(10, 5)    << uint(kPreviewBlack);
  QTest::newRow("background past the ring")    << QPoint(51, 3)    << uint(kPreviewBlack);
  QTest::newRow("background far off")          << QPoint(150, 100) << uint(kPreviewBlack);
  QTest::newRow("axis across the ring")        << QPoint(40, 0)    << uint(kPreviewWhite);
  QTest::newRow("axis across the bore")        << QPoint(10, 0)    << uint(kPreviewWhite);
  QTest::newRow("vertical axis, ring")         << QPoint(0, -40)   << uint(kPreviewWhite);
  QTest::newRow("vertical axis, bore")         << QPoint(0, 20)    << uint(kPreviewWhite);
  QTest::newRow("origin")                      << QPoint(0, 0)     << uint(kPreviewWhite);
  // clang-format on
}

void TestFrontViewDiscs::RingOfAnOuterDiscWithABore() {
  QFETCH(QPoint, point);
  QFETCH(uint, color);
  PreviewCanvas canvas(kBoxSize);
  InitFrontPreview(canvas);
  FillOuterDisc(canvas, 50);
  FillInnerDisc(canvas, 30);
  QCOMPARE(canvas.PixelAt(point), PreviewColor(color));
  // The ring is the pixels between the two circles' outer edges, less the axes.
  int ring = 0;
  for (int y = -60; y <= 60; ++y) {
    for (int x = -60; x <= 60; ++x) {
      const double d = std::hypot(x, y);
      if (x != 0 && y != 0 && d > 30.5 && d <= 50.5) ++ring;
    }
  }
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), ring);
}

void TestFrontViewDiscs::SmallDiscsStayTheirSize_data() {
  QTest::addColumn<double>("radius");
  QTest::addColumn<int>("yellow");
  // A diameter under 4 covers a few pixels around the centre, most of them under the axes.
  // clang-format off
  QTest::newRow("D 0 or 1, radius 0: the centre, under the axes") << 0.0  << 0;
  QTest::newRow("D 2 or 3, radius 1: the four corners")           << 1.0  << 4;
  QTest::newRow("D 4, radius 2")                                   << 2.0  << 12;
  QTest::newRow("negative diameter: nothing")                      << -38.0 << 0;
  // clang-format on
}

void TestFrontViewDiscs::SmallDiscsStayTheirSize() {
  QFETCH(double, radius);
  QFETCH(int, yellow);
  PreviewCanvas canvas(kBoxSize);
  InitFrontPreview(canvas);
  const int white = test::CountPixels(canvas, kPreviewWhite);
  FillOuterDisc(canvas, radius);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), yellow);
  // The background stays black everywhere else: nothing runs out of the disc.
  QCOMPARE(test::CountPixels(canvas, kPreviewWhite), white);
  QCOMPARE(test::CountPixels(canvas, kPreviewBlack), kAllPixels - white - yellow);
  QCOMPARE(canvas.PixelAt(QPointF(3, 3)), kPreviewBlack);
}

void TestFrontViewDiscs::LargeDiscs_data() {
  QTest::addColumn<double>("radius");
  QTest::addColumn<bool>("covers");
  // clang-format off
  QTest::newRow("wider than the box, corners free")   << 200.0 << false;
  QTest::newRow("larger than the diagonal: all")      << 300.0 << true;
  QTest::newRow("beyond any pixel count: all")        << 1.5e20 << true;
  QTest::newRow("beyond any number: all")             << std::numeric_limits<double>::infinity() << true;
  // clang-format on
}

void TestFrontViewDiscs::LargeDiscs() {
  QFETCH(double, radius);
  QFETCH(bool, covers);
  PreviewCanvas canvas(kBoxSize);
  InitFrontPreview(canvas);
  FillOuterDisc(canvas, radius);
  if (covers) {
    // The whole box, labels included; only the axes drawn again over it.
    QCOMPARE(test::CountPixels(canvas, kPreviewYellow), kAllPixels - kAxisPixels);
  } else {
    QCOMPARE(canvas.PixelAt(QPointF(-238, -154)), kPreviewBlack);
    QCOMPARE(canvas.PixelAt(QPointF(199, 1)), kPreviewYellow);
  }
  // A bore of any size cuts it away again.
  FillInnerDisc(canvas, radius);
  QCOMPARE(test::CountPixels(canvas, kPreviewYellow), 0);
}

void TestFrontViewDiscs::DiscsAccumulateInTheOrderWritten() {
  PreviewCanvas canvas(kBoxSize);
  InitFrontPreview(canvas);
  FillOuterDisc(canvas, 50);
  FillInnerDisc(canvas, 30);
  // An outer disc written after the bore fills it again.
  FillOuterDisc(canvas, 40);
  QCOMPARE(canvas.PixelAt(QPointF(10, 5)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(45, 5)), kPreviewYellow);
  QCOMPARE(canvas.PixelAt(QPointF(10, 0)), kPreviewWhite);
}

}  // namespace zel

QTEST_MAIN(zel::TestFrontViewDiscs)
#include "tst_front_view_discs.moc"
