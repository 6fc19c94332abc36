#include <QFile>
#include <QTest>

#include <cmath>

#include "editor/graphic_skeleton.h"
#include "editor/text_codec.h"
#include "preview/graphic_reader.h"
#include "preview/side_section.h"
#include "tests/support/preview_pixels.h"
#include "tests/support/test_support.h"

Q_DECLARE_METATYPE(zel::ChuckValues)

namespace zel {

namespace {

using test::ColorAt;
using test::Lines;

// The side-view block of the statements, read back as the preview reads it.
SideBlock ReadSideBlock(const QStringList& statements) {
  QString text = kGraphicSkeleton;
  text.insert(kSkeletonCaretOffset,
              Lines(QStringList{"N000 DEF WORK"} + statements + QStringList{"N000 END"}));
  const GraphicProgram program = ReadGraphicProgram(text);
  if (program.side_blocks.size() != 1 || !program.problems.isEmpty())
    qFatal("the block does not read as one side-view block without problems");
  return program.side_blocks[0];
}

// The side view's worked example: an outer cylinder, a cone continuing it, a bore.
const QStringList kWorkedExample = {"N000 PS RC,[0,0],[50,80]",
                                    "N000 PT LF,RC,[-50,0],[80,60],[20,0]",
                                    "N000 PS RC,[0,0],[40,30],0"};

// The chuck dialog's worked example in centre work: D1 50, L1 20, CX 100, CZ -150, D2 10,
// D3 30, L2 40, WR 200.
ChuckValues WorkedChuck() {
  ChuckValues c;
  c.VCHIO = 0;
  c.VCHSW = 1;
  c.VCHKD = 50;
  c.VCHKL = 20;
  c.VCHKX = 100;
  c.VCHKZ = -150;
  c.VTSDA = 10;
  c.VTSDB = 30;
  c.VTSL = 40;
  c.VWKR = 200;
  return c;
}

ChuckValues With(ChuckValues c, std::optional<double> ChuckValues::*field,
                 std::optional<double> value) {
  c.*field = value;
  return c;
}

void CompareOutline(const std::optional<QList<QPointF>>& actual, const QList<QPointF>& expected) {
  QCOMPARE(actual.has_value(), !expected.isEmpty());
  if (!actual) return;
  QCOMPARE(actual->size(), expected.size());
  for (qsizetype i = 0; i < expected.size(); ++i) {
    if (std::abs((*actual)[i].x() - expected[i].x()) > 0.01 ||
        std::abs((*actual)[i].y() - expected[i].y()) > 0.01)
      QFAIL(qPrintable(QStringLiteral("corner %1 is (%2, %3), expected (%4, %5)")
                           .arg(i)
                           .arg((*actual)[i].x())
                           .arg((*actual)[i].y())
                           .arg(expected[i].x())
                           .arg(expected[i].y())));
  }
}

// tan 30°, the flank of the 60° centre point.
const double kFlank = std::tan(M_PI / 6);

}  // namespace

class TestSideSection : public QObject {
  Q_OBJECT

 private slots:
  void ShapesRunThroughTheDialogsChain_data();
  void ShapesRunThroughTheDialogsChain();
  void JawOutline_data();
  void JawOutline();
  void CentreOutline_data();
  void CentreOutline();
  void WorkedChuckExamplePixels_data();
  void WorkedChuckExamplePixels();
  void FarOrLargeValuesStayInsideThePicture_data();
  void FarOrLargeValuesStayInsideThePicture();
  void ExamplesShowPartChuckAndCentre_data();
  void ExamplesShowPartChuckAndCentre();
};

// Each shape is worked out as the dialog's write works it out: the start and end Z of every
// drawing, and the shapes the dialog would answer with "計算エラー".
void TestSideSection::ShapesRunThroughTheDialogsChain_data() {
  QTest::addColumn<QStringList>("statements");
  QTest::addColumn<QList<double>>("starts");
  QTest::addColumn<QList<double>>("ends");
  QTest::addColumn<QList<int>>("failed");  // indexes of the statements
  // clang-format off
  QTest::newRow("worked example")           << kWorkedExample << QList<double>{0, -50, 0} << QList<double>{-50, -70, -40} << QList<int>{};
  QTest::newRow("left face runs up")        << QStringList{"N000 PS LC,[0,0],[50,80]"} << QList<double>{0} << QList<double>{50} << QList<int>{};
  QTest::newRow("arc R 11 drawn")           << QStringList{"N000 PT SS,LC,[0,0],[40,40],[20,11]"} << QList<double>{0} << QList<double>{20} << QList<int>{};
  QTest::newRow("arc R 10 calc error")      << QStringList{"N000 PT SS,LC,[0,0],[40,40],[20,10]"} << QList<double>{} << QList<double>{} << QList<int>{0};
  QTest::newRow("arc R 0 calc error")       << QStringList{"N000 PS RC,[0,0],[50,80]", "N000 PT SD,RC,[-50,0],[80,60],[20,0]"} << QList<double>{0} << QList<double>{-50} << QList<int>{1};
  QTest::newRow("failed keeps the chain")   << QStringList{"N000 PT SS,LC,[0,0],[40,40],[20,10]", "N000 PS LC,[5,0],[10,40]"} << QList<double>{5} << QList<double>{15} << QList<int>{0};
  QTest::newRow("inner arc ends at chain")  << QStringList{"N000 PS RC,[0,0],[50,80]", "N000 PT SS,RC,[0,0],[20,30],[30,40],0"} << QList<double>{0, 0} << QList<double>{-50, -30} << QList<int>{};
  QTest::newRow("empty fields read 0")      << QStringList{"N000 PS RC,[,0],[,]"} << QList<double>{0} << QList<double>{0} << QList<int>{};
  // clang-format on
}

void TestSideSection::ShapesRunThroughTheDialogsChain() {
  QFETCH(QStringList, statements);
  QFETCH(QList<double>, starts);
  QFETCH(QList<double>, ends);
  QFETCH(QList<int>, failed);
  const SideBlock block = ReadSideBlock(statements);
  const SidePlan plan = PlanSideSection(block);
  QCOMPARE(plan.drawings.size(), starts.size());
  for (qsizetype i = 0; i < starts.size(); ++i) {
    QCOMPARE(plan.drawings[i].values.Z, starts[i]);
    QCOMPARE(plan.drawings[i].values.Ze, ends[i]);
  }
  QList<int> failed_lines;
  for (int index : failed) failed_lines << block.shapes[index].line;
  QCOMPARE(plan.failed_lines, failed_lines);
}

// The jaw above the axis: gripping face, step face, step, body; y is minus the radius.
void TestSideSection::JawOutline_data() {
  QTest::addColumn<ChuckValues>("chuck");
  QTest::addColumn<QList<QPointF>>("outline");  // empty: no outline
  const ChuckValues c = WorkedChuck();
  const QList<QPointF> od = {{-130, -50}, {-150, -50}, {-150, -25},
                             {-175, -25}, {-175, -75}, {-130, -75}};
  const QList<QPointF> id = {{-130, -50}, {-150, -50}, {-150, -75},
                             {-175, -75}, {-175, -25}, {-130, -25}};
  // clang-format off
  QTest::newRow("outside clamping")     << c                                        << od;
  QTest::newRow("no VCHIO is outside")  << With(c, &ChuckValues::VCHIO, {})         << od;
  QTest::newRow("inside clamping")      << With(c, &ChuckValues::VCHIO, 1)          << id;
  QTest::newRow("D1 0: flat jaw")       << With(c, &ChuckValues::VCHKD, 0)          << QList<QPointF>{{-130, -50}, {-150, -50}, {-150, -50}, {-150, -50}, {-150, -50}, {-130, -50}};
  QTest::newRow("no D1")                << With(c, &ChuckValues::VCHKD, {})         << QList<QPointF>{};
  QTest::newRow("no L1")                << With(c, &ChuckValues::VCHKL, {})         << QList<QPointF>{};
  QTest::newRow("no CX")                << With(c, &ChuckValues::VCHKX, {})         << QList<QPointF>{};
  QTest::newRow("no CZ")                << With(c, &ChuckValues::VCHKZ, {})         << QList<QPointF>{};
  QTest::newRow("L1 0")                 << With(c, &ChuckValues::VCHKL, 0)          << QList<QPointF>{};
  QTest::newRow("D1 negative")          << With(c, &ChuckValues::VCHKD, -50)        << QList<QPointF>{};
  QTest::newRow("CX negative")          << With(c, &ChuckValues::VCHKX, -100)       << QList<QPointF>{};
  QTest::newRow("CZ beyond a machine")  << With(c, &ChuckValues::VCHKZ, -1e300)     << QList<QPointF>{};
  QTest::newRow("CZ infinite")          << With(c, &ChuckValues::VCHKZ, -INFINITY)  << QList<QPointF>{};
  // clang-format on
}

void TestSideSection::JawOutline() {
  QFETCH(ChuckValues, chuck);
  QFETCH(QList<QPointF>, outline);
  CompareOutline(zel::JawOutline(chuck), outline);
}

// The centre: the point enters the end face WR at D2, widens at 60° to D3, the shaft ends at
// WR + L2.
void TestSideSection::CentreOutline_data() {
  QTest::addColumn<ChuckValues>("chuck");
  QTest::addColumn<QList<QPointF>>("outline");  // empty: no outline
  const ChuckValues c = WorkedChuck();
  const double tip = 200 - 5 / kFlank;
  const double shoulder = tip + 15 / kFlank;
  const double narrow_tip = 200 - 15 / kFlank;
  const double short_shaft = (205 - tip) * kFlank;
  // clang-format off
  QTest::newRow("centre work")          << c << QList<QPointF>{{tip, 0}, {shoulder, -15}, {240, -15}, {240, 15}, {shoulder, 15}};
  QTest::newRow("no VCHSW")             << With(c, &ChuckValues::VCHSW, {}) << QList<QPointF>{{tip, 0}, {shoulder, -15}, {240, -15}, {240, 15}, {shoulder, 15}};
  QTest::newRow("shaft under the hole") << With(With(c, &ChuckValues::VTSDA, 30), &ChuckValues::VTSDB, 10) << QList<QPointF>{{narrow_tip, 0}, {narrow_tip + 5 / kFlank, -5}, {240, -5}, {240, 5}, {narrow_tip + 5 / kFlank, 5}};
  QTest::newRow("L2 ends on the point") << With(c, &ChuckValues::VTSL, 5) << QList<QPointF>{{tip, 0}, {205, -short_shaft}, {205, -short_shaft}, {205, short_shaft}, {205, short_shaft}};
  QTest::newRow("chuck work")           << With(c, &ChuckValues::VCHSW, 0) << QList<QPointF>{};
  QTest::newRow("no D2")                << With(c, &ChuckValues::VTSDA, {}) << QList<QPointF>{};
  QTest::newRow("no D3")                << With(c, &ChuckValues::VTSDB, {}) << QList<QPointF>{};
  QTest::newRow("no L2")                << With(c, &ChuckValues::VTSL, {})  << QList<QPointF>{};
  QTest::newRow("no WR")                << With(c, &ChuckValues::VWKR, {})  << QList<QPointF>{};
  QTest::newRow("D3 0")                 << With(c, &ChuckValues::VTSDB, 0)  << QList<QPointF>{};
  QTest::newRow("L2 negative")          << With(c, &ChuckValues::VTSL, -40) << QList<QPointF>{};
  QTest::newRow("D2 negative")          << With(c, &ChuckValues::VTSDA, -1) << QList<QPointF>{};
  QTest::newRow("WR beyond a machine")  << With(c, &ChuckValues::VWKR, 1e9) << QList<QPointF>{};
  QTest::newRow("WR 9999 of chuck work, values left over") << With(With(c, &ChuckValues::VCHSW, {}), &ChuckValues::VWKR, 9999) << QList<QPointF>{};
  QTest::newRow("WR 9999 in centre work")                  << With(c, &ChuckValues::VWKR, 9999) << QList<QPointF>{};
  QTest::newRow("WR 9998 is an end face")                  << With(c, &ChuckValues::VWKR, 9998) << QList<QPointF>{{9998 - 5 / kFlank, 0}, {9998 + 10 / kFlank, -15}, {10038, -15}, {10038, 15}, {9998 + 10 / kFlank, 15}};
  // clang-format on
}

void TestSideSection::CentreOutline() {
  QFETCH(ChuckValues, chuck);
  QFETCH(QList<QPointF>, outline);
  CompareOutline(zel::CentreOutline(chuck), outline);
}

// The chuck dialog's worked example over the bar it holds: D 100 (the jaw's CX) from the jaw's
// step face at Z -150 to the end face WR 200 where the centre enters.
const QStringList kHeldBar = {"N000 PS RC,[200,0],[350,100]"};

void TestSideSection::WorkedChuckExamplePixels_data() {
  QTest::addColumn<QPointF>("point");
  QTest::addColumn<PreviewColor>("color");
  // clang-format off
  QTest::newRow("material")             << QPointF(-25, -30)  << kPreviewYellow;
  QTest::newRow("material's end")       << QPointF(199, 30)   << kPreviewYellow;
  QTest::newRow("beyond its end")       << QPointF(205, 30)   << kPreviewBlack;
  QTest::newRow("axis")                 << QPointF(-200, 0)   << kPreviewWhite;
  QTest::newRow("jaw grip face above")  << QPointF(-140, -50) << kJawColor;
  QTest::newRow("jaw grip face below")  << QPointF(-140, 50)  << kJawColor;
  QTest::newRow("jaw step face")        << QPointF(-150, -35) << kJawColor;
  QTest::newRow("jaw step")             << QPointF(-165, -25) << kJawColor;
  QTest::newRow("jaw back")             << QPointF(-175, -60) << kJawColor;
  QTest::newRow("jaw body")             << QPointF(-140, -75) << kJawColor;
  QTest::newRow("jaw end")              << QPointF(-130, -60) << kJawColor;
  QTest::newRow("inside the jaw empty") << QPointF(-160, -60) << kPreviewBlack;
  QTest::newRow("centre tip")           << QPointF(191.4, 0)  << kCentreColor;
  QTest::newRow("centre shaft above")   << QPointF(230, -15)  << kCentreColor;
  QTest::newRow("centre shaft below")   << QPointF(230, 15)   << kCentreColor;
  QTest::newRow("centre end")           << QPointF(240, 8)    << kCentreColor;
  QTest::newRow("inside centre empty")  << QPointF(230, -8)   << kPreviewBlack;
  QTest::newRow("axis through centre")  << QPointF(230, 0)    << kPreviewWhite;
  // clang-format on
}

void TestSideSection::WorkedChuckExamplePixels() {
  QFETCH(QPointF, point);
  QFETCH(PreviewColor, color);
  const ChuckValues chuck = WorkedChuck();
  const QImage image = DrawSideSection(PlanSideSection(ReadSideBlock(kHeldBar)), &chuck);
  // The picture reaches from the jaw's back (-175) and the centre's end (240) around the
  // origin: 2 × 240 wide and 2 × 75 high, with the label room; both lie within the margin
  // around the bar.
  QCOMPARE(image.size(), QSize(529, 199));
  QCOMPARE(ColorAt(image, point), color);
}

// Values that are far off or too large never draw outside the picture nor make it larger than
// its limits; absurd ones draw no outline at all. The material sets the size: a jaw or centre
// far from it does not shrink the part to a few pixels.
void TestSideSection::FarOrLargeValuesStayInsideThePicture_data() {
  QTest::addColumn<QStringList>("statements");
  QTest::addColumn<ChuckValues>("chuck");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("jaw");
  const ChuckValues c = WorkedChuck();
  // The largest odd sizes within the limits, so that the origin stays a pixel's middle.
  const QSize largest(kSideSectionMaxWidth - 1, kSideSectionMaxHeight - 1);
  // clang-format off
  QTest::newRow("jaw far beyond the bar")  << kHeldBar << With(c, &ChuckValues::VCHKZ, -9e5) << QSize(529, 149) << false;
  QTest::newRow("typo CZ -90000")          << kWorkedExample << With(c, &ChuckValues::VCHKZ, -90000) << QSize(189, 129) << false;
  QTest::newRow("centre far, jaw near")    << kHeldBar << With(c, &ChuckValues::VWKR, 90000) << QSize(449, 199) << true;
  QTest::newRow("jaw far, no material")    << QStringList{} << With(c, &ChuckValues::VCHKZ, -9e5) << QSize(121, 121) << false;
  QTest::newRow("jaw absurdly far")        << kHeldBar << With(c, &ChuckValues::VCHKZ, -1e300) << QSize(529, 149) << false;
  QTest::newRow("huge cylinder, smaller")  << QStringList{"N000 PS RC,[0,0],[99999999,99999999]"} << ChuckValues{} << QSize(largest.width(), 825) << false;
  QTest::newRow("nothing at all")          << QStringList{} << ChuckValues{} << QSize(121, 121) << false;
  // clang-format on
}

void TestSideSection::FarOrLargeValuesStayInsideThePicture() {
  QFETCH(QStringList, statements);
  QFETCH(ChuckValues, chuck);
  QFETCH(QSize, size);
  QFETCH(bool, jaw);
  const QImage image = DrawSideSection(PlanSideSection(ReadSideBlock(statements)), &chuck);
  QCOMPARE(image.size(), size);
  QCOMPARE(test::CountPixels(image, kJawColor) > 0, jaw);
}

// The example programs read without a problem and draw their material with the chuck jaw
// and, in centre work, the tailstock centre on the first spindle's section.
void TestSideSection::ExamplesShowPartChuckAndCentre_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("side_blocks");
  QTest::addColumn<bool>("centre");
  // clang-format off
  QTest::newRow("chuck work, one spindle")      << "SAMPLE.MIN" << 1 << false;
  QTest::newRow("centre work, both spindles")   << "SHAFT.MIN"  << 2 << true;
  // clang-format on
}

void TestSideSection::ExamplesShowPartChuckAndCentre() {
  QFETCH(QString, file);
  QFETCH(int, side_blocks);
  QFETCH(bool, centre);
  QFile program(qEnvironmentVariable("ZEL_SOURCE_DIR") + "/examples/" + file);
  QVERIFY(program.open(QIODevice::ReadOnly));
  const GraphicProgram read = ReadGraphicProgramUtf8(Cp932().Decode(program.readAll()).utf8);
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  QCOMPARE(read.side_blocks.size(), side_blocks);
  for (const SideBlock& block : read.side_blocks) {
    const SidePlan plan = PlanSideSection(block);
    QCOMPARE(plan.drawings.size(), block.shapes.size());
    const ChuckValues* chuck = block.second_spindle ? nullptr : &read.chuck;
    const QImage image = DrawSideSection(plan, chuck);
    QVERIFY(test::CountPixels(image, kPreviewYellow) > 1000);
    QCOMPARE(test::CountPixels(image, kJawColor) > 0, chuck != nullptr);
    QCOMPARE(test::CountPixels(image, kCentreColor) > 0, chuck && centre);
  }
}

}  // namespace zel

QTEST_MAIN(zel::TestSideSection)
#include "tst_side_section.moc"
