#include <QTest>

#include <cmath>

#include "generators/frontview/front_view_block.h"
#include "tests/support/test_support.h"

namespace zel {

using test::Lines;

class TestFrontViewBlock : public QObject {
  Q_OBJECT

 private slots:
  void Frame_data();
  void Frame();
  void Radius_data();
  void Radius();
  void ShapeLines_data();
  void ShapeLines();
  void WorkedExampleBetweenTheFrameLines();
};

void TestFrontViewBlock::Frame_data() {
  QTest::addColumn<FrontSpindle>("spindle");
  QTest::addColumn<QString>("frame");
  QTest::newRow("first spindle") << FrontSpindle::kFirst << "N000 DEF WORKF\r\nN000 END\r\n";
  QTest::newRow("second spindle") << FrontSpindle::kSecond << "N000 DEF WORKF[S]\r\nN000 END\r\n";
}

void TestFrontViewBlock::Frame() {
  QFETCH(FrontSpindle, spindle);
  QFETCH(QString, frame);
  QCOMPARE(FrontViewFrame(spindle), frame);
  // The caret left kFrontFrameEndLength before the end stands at the start of "N000 END".
  QCOMPARE(frame.mid(frame.size() - kFrontFrameEndLength), QStringLiteral("N000 END\r\n"));
}

void TestFrontViewBlock::Radius_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("r_text");  // "no circle": nothing may be written
  QTest::addColumn<double>("radius");
  // clang-format off
  QTest::newRow("60 halves to 30")                 << "60"      << " 30"       << 30.0;
  QTest::newRow("75 rounds down to 37")            << "75"      << " 37"       << 37.0;
  QTest::newRow("empty gives 0")                   << ""        << " 0"        << 0.0;
  QTest::newRow("letters give 0")                  << "abc"     << " 0"        << 0.0;
  QTest::newRow("1 gives 0")                       << "1"       << " 0"        << 0.0;
  QTest::newRow("3 gives 1")                       << "3"       << " 1"        << 1.0;
  QTest::newRow("-0 gives a blank and 0")          << "-0"      << " 0"        << 0.0;
  QTest::newRow("decimals read, then rounded")     << "12.5"    << " 6"        << 6.0;
  QTest::newRow("blanks dropped inside")           << " 1 0 0"  << " 50"       << 50.0;
  QTest::newRow("unit after the number")           << "100mm"   << " 50"       << 50.0;
  QTest::newRow("exponent")                        << "1E3"     << " 500"      << 500.0;
  QTest::newRow("15 digits of radius")             << "1999999999999999" << " 999999999999999" << 999999999999999.0;
  QTest::newRow("16 digits of radius: no circle")  << "2000000000000000" << "no circle" << 0.0;
  QTest::newRow("-60: no circle")                  << "-60"     << "no circle" << 0.0;
  QTest::newRow("-1 rounds below 0: no circle")    << "-1"      << "no circle" << 0.0;
  QTest::newRow("beyond any number: no circle")    << "1E400"   << "no circle" << 0.0;
  // clang-format on
}

void TestFrontViewBlock::Radius() {
  QFETCH(QString, typed);
  QFETCH(QString, r_text);
  QFETCH(double, radius);
  const std::optional<FrontDiameter> diameter = ReadFrontDiameter(typed);
  QCOMPARE(diameter.has_value(), r_text != "no circle");
  if (!diameter) return;
  QCOMPARE(diameter->D, typed);
  QCOMPARE(diameter->R, r_text);
  QCOMPARE(diameter->radius, radius);
}

void TestFrontViewBlock::ShapeLines_data() {
  QTest::addColumn<FrontShape>("shape");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("lines");
  // clang-format off
  QTest::newRow("outer 100")              << FrontShape::kOuterCircle << "100" << Lines({"N000 PF 0,[0,0],100,D"});
  QTest::newRow("outer empty")            << FrontShape::kOuterCircle << ""    << Lines({"N000 PF 0,[0,0],,D"});
  QTest::newRow("outer as typed, 0100 ")  << FrontShape::kOuterCircle << "0100 " << Lines({"N000 PF 0,[0,0],0100 ,D"});
  QTest::newRow("inner 60")               << FrontShape::kInnerCircle << "60"  << Lines({"N000 PF 0,[0,0],60,D,0", "N000 PO [0, 30]", "N000 CI [0,0],[0,- 30],R,0"});
  QTest::newRow("inner 75: PF 75, R 37")  << FrontShape::kInnerCircle << "75"  << Lines({"N000 PF 0,[0,0],75,D,0", "N000 PO [0, 37]", "N000 CI [0,0],[0,- 37],R,0"});
  QTest::newRow("inner empty: R 0")       << FrontShape::kInnerCircle << ""    << Lines({"N000 PF 0,[0,0],,D,0", "N000 PO [0, 0]", "N000 CI [0,0],[0,- 0],R,0"});
  // clang-format on
}

void TestFrontViewBlock::ShapeLines() {
  QFETCH(FrontShape, shape);
  QFETCH(QString, typed);
  QFETCH(QString, lines);
  QCOMPARE(FrontShapeLines(shape, *ReadFrontDiameter(typed)), lines);
}

void TestFrontViewBlock::WorkedExampleBetweenTheFrameLines() {
  // "第一主軸", "1 外径円" D 100, "2 内径円" D 60: each write at the caret, which starts
  // before "N000 END" and stays after what was written.
  QString pane = FrontViewFrame(FrontSpindle::kFirst);
  qsizetype caret = pane.size() - kFrontFrameEndLength;
  for (const auto& [shape, typed] : {std::pair{FrontShape::kOuterCircle, QStringLiteral("100")},
                                     std::pair{FrontShape::kInnerCircle, QStringLiteral("60")}}) {
    const QString lines = FrontShapeLines(shape, *ReadFrontDiameter(typed));
    pane.insert(caret, lines);
    caret += lines.size();
  }
  QCOMPARE(pane, Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 PF 0,[0,0],60,D,0",
                        "N000 PO [0, 30]", "N000 CI [0,0],[0,- 30],R,0", "N000 END"}));
}

}  // namespace zel

QTEST_MAIN(zel::TestFrontViewBlock)
#include "tst_front_view_block.moc"
