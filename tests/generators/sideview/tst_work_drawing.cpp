#include <QTest>

#include <cmath>
#include <functional>

#include "generators/sideview/work_drawing.h"
#include "tests/support/shape_texts.h"

Q_DECLARE_METATYPE(zel::StartFace)
Q_DECLARE_METATYPE(zel::ShapeTexts)

namespace zel {

// One shape of a preview test: kind, face and texts.
struct DrawnShape {
  int sn;
  StartFace face;
  ShapeTexts texts;
};

}  // namespace zel

Q_DECLARE_METATYPE(zel::DrawnShape)

namespace zel {

namespace {

// The preview box of the dialog: 7215 × 4695 twips less its border.
const QSize kBox(477, 309);

using test::Arc;
using test::Cone;
using test::Cyl;
using test::LC;
using test::RC;

// Whether a point (Z, signed radius) lies in a shape, its outline included, worked out from
// the shape's own figures: between its faces and within the diameter line or arc that bounds
// it there.
using Inside = std::function<bool(double z, double r)>;

Inside TrapezoidArea(double z0, double z1, double a, double b) {
  return [=](double z, double r) {
    const double t = (z - z0) / (z1 - z0);
    if (!(t >= 0 && t <= 1)) return false;
    return std::fabs(r) <= (a + (b - a) * t) / 2;
  };
}

// An arc of radius rad from (z0, a/2) to (z1, b/2): the centre on the axis side of the chord
// for a convex arc, on the far side for a concave one. The convex arcs' face lines start one
// pixel beyond the arc.
Inside ArcArea(bool convex, double z0, double z1, double a, double b, double rad) {
  const double r0 = a / 2, r1 = b / 2;
  const double dz = z1 - z0, dr = r1 - r0;
  const double chord = std::hypot(dz, dr);
  const double h = std::sqrt(rad * rad - chord * chord / 4);
  double nz = -dr / chord, nr = dz / chord;
  if (nr > 0) nz = -nz, nr = -nr;
  const double sign = convex ? 1 : -1;
  const double cz = (z0 + z1) / 2 + sign * h * nz;
  const double cr = (r0 + r1) / 2 + sign * h * nr;
  return [=](double z, double r) {
    if (convex && ((std::fabs(z - z0) <= 0.25 && std::fabs(r) <= r0 + 1.01) ||
                   (std::fabs(z - z1) <= 0.25 && std::fabs(r) <= r1 + 1.01))) {
      return true;
    }
    if (!(z >= std::min(z0, z1) && z <= std::max(z0, z1))) return false;
    const double s = std::sqrt(std::max(0.0, rad * rad - (z - cz) * (z - cz)));
    const double edge = convex ? cr + s : cr - s;
    return std::fabs(r) <= edge;
  };
}

Inside AreaOf(const DrawnShape& shape) {
  const double z = shape.texts.z.toDouble();
  const double a = shape.texts.d1.toDouble();
  const double l = shape.texts.l.toDouble();
  const double end = shape.face == LC ? z + l : z - l;
  const int profile = (shape.sn - 1) % 4;
  if (profile == 0) return TrapezoidArea(z, end, a, a);
  const double b = shape.texts.d2.toDouble();
  if (profile == 1) return TrapezoidArea(z, end, a, b);
  return ArcArea(profile == 2, z, end, a, b, shape.texts.r.toDouble());
}

enum class Expect { kBlack, kYellow, kUnknown };

// What a pixel should show after the shapes, one after the other: the shape's colour where
// the whole neighbourhood of the pixel's middle (a pixel and a half each way) lies in the
// shape, unchanged where none of it does, unknown where the outline passes through it.
Expect Expected(const QList<DrawnShape>& shapes, double z, double r) {
  Expect colour = Expect::kBlack;
  for (const DrawnShape& shape : shapes) {
    const Inside inside = AreaOf(shape);
    int hits = 0, samples = 0;
    for (double oz = -1.5; oz <= 1.5; oz += 0.5) {
      for (double orr = -1.5; orr <= 1.5; orr += 0.5, ++samples) {
        hits += inside(z + oz, r + orr) ? 1 : 0;
      }
    }
    const Expect shape_colour = shape.sn <= 4 ? Expect::kYellow : Expect::kBlack;
    if (hits == samples) {
      colour = shape_colour;
    } else if (hits > 0 && colour != shape_colour) {
      colour = Expect::kUnknown;
    }
  }
  return colour;
}

PreviewCanvas Draw(const QList<DrawnShape>& shapes) {
  PreviewCanvas canvas(kBox);
  WorkChain chain;
  for (const DrawnShape& shape : shapes) {
    const std::optional<PlannedWrite> plan =
        PlanShapeWrite(chain, shape.sn, shape.face, shape.texts);
    if (!plan) return canvas;
    DrawShape(canvas, plan->drawing);
    chain = plan->chain;
  }
  return canvas;
}

}  // namespace

class TestWorkDrawing : public QObject {
  Q_OBJECT

 private slots:
  void OpeningPreview();
  void Pixels_data();
  void Pixels();
  void WorkedRectangle();
  void HugeValuesDrawNothingVisible_data();
  void HugeValuesDrawNothingVisible();
};

void TestWorkDrawing::OpeningPreview() {
  PreviewCanvas canvas(kBox);
  InitWorkPreview(canvas);
  const QImage& image = canvas.Image();
  const int centre_column = canvas.DevicePixel({0, 0}).x();
  const int centre_row = canvas.DevicePixel({0, 0}).y();
  // Two white axes across the whole box.
  for (int column = 0; column < image.width(); ++column) {
    QCOMPARE(RgbToPreviewColor(image.pixel(column, centre_row)), kPreviewWhite);
  }
  for (int row = 0; row < image.height(); ++row) {
    QCOMPARE(RgbToPreviewColor(image.pixel(centre_column, row)), kPreviewWhite);
  }
  // "X" at the top just right of the vertical axis, "Z" at the right just above the
  // horizontal one; black elsewhere.
  int x_label = 0, z_label = 0, elsewhere = 0;
  for (int row = 0; row < image.height(); ++row) {
    for (int column = 0; column < image.width(); ++column) {
      if (row == centre_row || column == centre_column) continue;
      if (RgbToPreviewColor(image.pixel(column, row)) == kPreviewBlack) continue;
      const int dx = column - centre_column;
      const int dy = row - centre_row;
      if (dx >= 5 && dx < 25 && row < 25) {
        ++x_label;
      } else if (dx >= image.width() / 2 - 11 && dy < 0 && dy >= -14) {
        ++z_label;
      } else {
        ++elsewhere;
      }
    }
  }
  QVERIFY(x_label > 5);
  QVERIFY(z_label > 5);
  QCOMPARE(elsewhere, 0);
}

void TestWorkDrawing::Pixels_data() {
  QTest::addColumn<QList<DrawnShape>>("shapes");

  const DrawnShape rectangle{1, RC, Cyl("0", "80", "50")};
  // clang-format off
  QTest::newRow("outer cylinder from the right")       << QList<DrawnShape>{rectangle};
  QTest::newRow("bore inside it")                      << QList<DrawnShape>{rectangle, {5, RC, Cyl("0", "30", "40")}};
  QTest::newRow("cone from the left")                  << QList<DrawnShape>{{2, LC, Cone("-100", "40", "160", "90")}};
  QTest::newRow("inner cone over a cylinder")          << QList<DrawnShape>{{1, LC, Cyl("-200", "200", "300")}, {6, RC, Cone("100", "120", "20", "150")}};
  QTest::newRow("convex arc from the left bulges")     << QList<DrawnShape>{{3, LC, Arc("0", "40", "40", "20", "15")}};
  QTest::newRow("convex arc from the right")           << QList<DrawnShape>{{3, RC, Arc("60", "100", "160", "120", "100")}};
  QTest::newRow("concave arc from the left hollows")   << QList<DrawnShape>{{4, LC, Arc("0", "40", "40", "20", "15")}};
  QTest::newRow("concave arc from the right")          << QList<DrawnShape>{{4, RC, Arc("200", "200", "120", "150", "120")}};
  QTest::newRow("inner convex arc in a cylinder")      << QList<DrawnShape>{{1, LC, Cyl("-150", "250", "300")}, {7, LC, Arc("-100", "60", "60", "150", "100")}};
  QTest::newRow("inner concave arc in a cylinder")     << QList<DrawnShape>{{1, LC, Cyl("-150", "250", "300")}, {8, RC, Arc("120", "150", "150", "200", "150")}};
  QTest::newRow("cylinder larger than the box")        << QList<DrawnShape>{{1, RC, Cyl("300", "1000", "600")}};
  QTest::newRow("one pixel thin cylinder")             << QList<DrawnShape>{{1, LC, Cyl("-100", "1", "200")}};
  QTest::newRow("cylinder of length 1")                << QList<DrawnShape>{{1, LC, Cyl("50", "80", "1")}};
  QTest::newRow("bore of length 1 in a cylinder")      << QList<DrawnShape>{{1, RC, Cyl("100", "200", "200")}, {5, RC, Cyl("0", "100", "1")}};
  QTest::newRow("short thin convex arc")               << QList<DrawnShape>{{3, LC, Arc("30", "2", "2", "1", "1")}};
  QTest::newRow("arc beyond the box edge")             << QList<DrawnShape>{{3, LC, Arc("200", "100", "100", "100", "60")}};
  QTest::newRow("cylinder beyond half the box")        << QList<DrawnShape>{{1, LC, Cyl("300", "80", "50")}};
  // clang-format on
}

void TestWorkDrawing::Pixels() {
  QFETCH(QList<DrawnShape>, shapes);
  const PreviewCanvas canvas = Draw(shapes);
  const QImage& image = canvas.Image();
  const QPoint centre = canvas.DevicePixel({0, 0});
  int checked = 0;
  for (int row = 0; row < image.height(); ++row) {
    for (int column = 0; column < image.width(); ++column) {
      const PreviewColor colour = RgbToPreviewColor(image.pixel(column, row));
      const double z = column + 0.5 + canvas.Left();
      const double r = -(row + 0.5 + canvas.Top());
      if (row == centre.y() || column == centre.x()) {
        QVERIFY2(colour == kPreviewWhite, qPrintable(QString("axis at %1,%2").arg(z).arg(r)));
        continue;
      }
      const Expect expect = Expected(shapes, z, r);
      if (expect == Expect::kUnknown) continue;
      const PreviewColor wanted = expect == Expect::kYellow ? kPreviewYellow : kPreviewBlack;
      QVERIFY2(
          colour == wanted,
          qPrintable(
              QString("Z %1, radius %2 shows %3").arg(z).arg(r).arg(colour, 6, 16, QChar('0'))));
      ++checked;
    }
  }
  QVERIFY(checked > image.width() * image.height() / 2);
}

void TestWorkDrawing::WorkedRectangle() {
  // Z 0, D 80, L 50 from the right: yellow from Z −50 to 0 between radius −40 and 40.
  PreviewCanvas canvas = Draw({{1, RC, Cyl("0", "80", "50")}});
  QCOMPARE(canvas.PixelAt({-25, -20}), kPreviewYellow);
  QCOMPARE(canvas.PixelAt({-49, 39}), kPreviewYellow);
  QCOMPARE(canvas.PixelAt({-1, -39}), kPreviewYellow);
  QCOMPARE(canvas.PixelAt({-52, 20}), kPreviewBlack);
  QCOMPARE(canvas.PixelAt({-25, -42}), kPreviewBlack);
  QCOMPARE(canvas.PixelAt({2, 20}), kPreviewBlack);
  QCOMPARE(canvas.PixelAt({-25, 0}), kPreviewWhite);
  QCOMPARE(canvas.PixelAt({0, -20}), kPreviewWhite);
}

void TestWorkDrawing::HugeValuesDrawNothingVisible_data() {
  QTest::addColumn<DrawnShape>("shape");
  QTest::addColumn<bool>("written");

  // clang-format off
  QTest::newRow("Z 1E300")                        << DrawnShape{1, RC, Cyl("1E300", "80", "50")} << true;
  QTest::newRow("Z of twenty nines")              << DrawnShape{2, LC, Cone("99999999999999999999", "80", "60", "50")} << true;
  QTest::newRow("huge diameter far to the right") << DrawnShape{1, LC, Cyl("1000", "1E300", "50")} << true;
  QTest::newRow("huge length from far right")     << DrawnShape{1, LC, Cyl("1000", "80", "1E300")} << true;
  QTest::newRow("large radius far to the right")  << DrawnShape{3, LC, Arc("1000", "80", "80", "20", "1E6")} << true;
  // Beside a Z of 1E20 the length 20 is lost: Z and Z - L are one number, and the arc has no result.
  QTest::newRow("arc at Z 1E20 reports the error") << DrawnShape{4, RC, Arc("1E20", "80", "80", "20", "15")} << false;
  // clang-format on
}

void TestWorkDrawing::HugeValuesDrawNothingVisible() {
  QFETCH(DrawnShape, shape);
  QFETCH(bool, written);
  const std::optional<PlannedWrite> plan =
      PlanShapeWrite(WorkChain{}, shape.sn, shape.face, shape.texts);
  QCOMPARE(plan.has_value(), written);
  if (!written) return;
  PreviewCanvas canvas(kBox);
  DrawShape(canvas, plan->drawing);
  PreviewCanvas axes_only(kBox);
  DrawAxes(axes_only);
  QCOMPARE(canvas.Image(), axes_only.Image());
}

}  // namespace zel

QTEST_MAIN(zel::TestWorkDrawing)
#include "tst_work_drawing.moc"
