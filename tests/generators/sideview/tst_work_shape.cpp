#include <QTest>

#include "generators/sideview/work_shape.h"
#include "tests/support/shape_texts.h"

Q_DECLARE_METATYPE(zel::StartFace)
Q_DECLARE_METATYPE(zel::ShapeTexts)

namespace zel {

// One write of a sequence: kind, face and texts.
struct Write {
  int sn;
  StartFace face;
  ShapeTexts texts;
};

}  // namespace zel

Q_DECLARE_METATYPE(zel::WorkChain)
Q_DECLARE_METATYPE(zel::Write)

namespace zel {

namespace {

using test::Arc;
using test::Cone;
using test::Cyl;
using test::LC;
using test::RC;

// Runs the writes one after the other as the dialog does, each on the chain the last one
// left; the statements are collected and the final chain returned. A failed write fails the
// test.
WorkChain RunWrites(const QList<Write>& writes, QStringList* statements) {
  WorkChain chain;
  for (const Write& write : writes) {
    const std::optional<PlannedWrite> plan =
        PlanShapeWrite(chain, write.sn, write.face, write.texts);
    if (!plan) {
      QTest::qFail("a write of the sequence failed", __FILE__, __LINE__);
      return chain;
    }
    statements->append(plan->statement);
    chain = plan->chain;
  }
  return chain;
}

WorkChain Chain(std::optional<double> zb, const QString& xb, const QString& zc, const QString& xc,
                int sn) {
  return WorkChain{zb, xb, zc, xc, sn};
}

}  // namespace

class TestWorkShape : public QObject {
  Q_OBJECT

 private slots:
  void Statement_data();
  void Statement();
  void RowsByKind_data();
  void RowsByKind();
  void Sequence_data();
  void Sequence();
  void OfferedDefaults_data();
  void OfferedDefaults();
  void NoResult_data();
  void NoResult();
  void DrawingValues();
  void FrameAndTransfer_data();
  void FrameAndTransfer();
};

void TestWorkShape::Statement_data() {
  QTest::addColumn<int>("sn");
  QTest::addColumn<StartFace>("face");
  QTest::addColumn<ShapeTexts>("texts");
  QTest::addColumn<QString>("statement");

  // clang-format off
  QTest::newRow("1 outer cylinder RC, length before diameter") << 1 << RC << Cyl("0", "80", "50") << "N000 PS RC,[0,0],[50,80]";
  QTest::newRow("1 outer cylinder LC")                       << 1 << LC << Cyl("0", "80", "50") << "N000 PS LC,[0,0],[50,80]";
  QTest::newRow("2 outer cone RC")                           << 2 << RC << Cone("-50", "80", "60", "20") << "N000 PT LF,RC,[-50,0],[80,60],[20,0]";
  QTest::newRow("2 outer cone LC")                           << 2 << LC << Cone("50", "80", "60", "20") << "N000 PT LF,LC,[50,0],[80,60],[20,0]";
  QTest::newRow("3 outer convex arc LC")                     << 3 << LC << Arc("0", "40", "40", "20", "15") << "N000 PT SS,LC,[0,0],[40,40],[20,15]";
  QTest::newRow("3 outer convex arc RC")                     << 3 << RC << Arc("0", "40", "40", "20", "15") << "N000 PT SS,RC,[0,0],[40,40],[20,15]";
  QTest::newRow("4 outer concave arc LC")                    << 4 << LC << Arc("0", "40", "40", "20", "15") << "N000 PT SD,LC,[0,0],[40,40],[20,15]";
  QTest::newRow("4 outer concave arc RC")                    << 4 << RC << Arc("0", "40", "40", "20", "15") << "N000 PT SD,RC,[0,0],[40,40],[20,15]";
  QTest::newRow("5 inner cylinder RC ends in ,0")            << 5 << RC << Cyl("0", "30", "40") << "N000 PS RC,[0,0],[40,30],0";
  QTest::newRow("5 inner cylinder LC")                       << 5 << LC << Cyl("0", "30", "40") << "N000 PS LC,[0,0],[40,30],0";
  QTest::newRow("6 inner cone RC")                           << 6 << RC << Cone("0", "30", "20", "10") << "N000 PT LF,RC,[0,0],[30,20],[10,0],0";
  QTest::newRow("6 inner cone LC")                           << 6 << LC << Cone("0", "30", "20", "10") << "N000 PT LF,LC,[0,0],[30,20],[10,0],0";
  QTest::newRow("7 inner convex arc LC")                     << 7 << LC << Arc("0", "20", "20", "10", "8") << "N000 PT SS,LC,[0,0],[20,20],[10,8],0";
  QTest::newRow("7 inner convex arc RC")                     << 7 << RC << Arc("0", "20", "20", "10", "8") << "N000 PT SS,RC,[0,0],[20,20],[10,8],0";
  QTest::newRow("8 inner concave arc LC")                    << 8 << LC << Arc("0", "20", "20", "10", "8") << "N000 PT SD,LC,[0,0],[20,20],[10,8],0";
  QTest::newRow("8 inner concave arc RC")                    << 8 << RC << Arc("0", "20", "20", "10", "8") << "N000 PT SD,RC,[0,0],[20,20],[10,8],0";
  QTest::newRow("empty cylinder leaves empty places")        << 1 << RC << Cyl("", "", "") << "N000 PS RC,[,0],[,]";
  QTest::newRow("leading zero, blanks and letters verbatim") << 1 << RC << Cyl("0100", " 8 0", "5x") << "N000 PS RC,[0100,0],[5x, 8 0]";
  QTest::newRow("cylinder ignores D2 and R")                 << 1 << RC << Arc("0", "80", "99", "50", "7") << "N000 PS RC,[0,0],[50,80]";
  QTest::newRow("cone ignores R")                            << 2 << RC << Arc("0", "80", "60", "20", "7") << "N000 PT LF,RC,[0,0],[80,60],[20,0]";
  // clang-format on
}

void TestWorkShape::Statement() {
  QFETCH(int, sn);
  QFETCH(StartFace, face);
  QFETCH(ShapeTexts, texts);
  QFETCH(QString, statement);
  QCOMPARE(MakeShapeStatement(sn, face, texts), statement);
}

void TestWorkShape::RowsByKind_data() {
  QTest::addColumn<int>("sn");
  QTest::addColumn<QString>("statement");

  // The rows hold "z", "a", "b", "c", "r"; each kind reads only the rows it shows.
  // clang-format off
  QTest::newRow("cylinder: Z, D, L")       << 1 << "N000 PS RC,[z,0],[b,a]";
  QTest::newRow("cone: Z, D1, D2, L")      << 2 << "N000 PT LF,RC,[z,0],[a,b],[c,0]";
  QTest::newRow("arc: Z, D1, D2, L, R")    << 3 << "N000 PT SS,RC,[z,0],[a,b],[c,r]";
  QTest::newRow("inner cylinder")          << 5 << "N000 PS RC,[z,0],[b,a],0";
  QTest::newRow("inner concave arc")       << 8 << "N000 PT SD,RC,[z,0],[a,b],[c,r],0";
  // clang-format on
}

void TestWorkShape::RowsByKind() {
  QFETCH(int, sn);
  QFETCH(QString, statement);
  const ShapeTexts texts = ShapeTextsFromRows(sn, {"z", "a", "b", "c", "r"});
  QCOMPARE(MakeShapeStatement(sn, RC, texts), statement);
}

void TestWorkShape::Sequence_data() {
  QTest::addColumn<QList<Write>>("writes");
  QTest::addColumn<QStringList>("statements");
  QTest::addColumn<WorkChain>("chain");

  const QList<Write> worked = {{1, RC, Cyl("0", "80", "50")},
                               {2, RC, Cone("-50", "80", "60", "20")},
                               {5, RC, Cyl("0", "30", "40")}};
  QTest::newRow("worked example: cylinder, cone, bore from the right")
      << worked
      << QStringList{"N000 PS RC,[0,0],[50,80]", "N000 PT LF,RC,[-50,0],[80,60],[20,0]",
                     "N000 PS RC,[0,0],[40,30],0"}
      << Chain(-70, "60", "-40", "30", 5);

  const QList<Write> left = {{1, LC, Cyl("0", "80", "50")},
                             {2, LC, Cone("50", "80", "60", "20")},
                             {5, LC, Cyl("0", "30", "40")}};
  QTest::newRow("worked example from the left")
      << left
      << QStringList{"N000 PS LC,[0,0],[50,80]", "N000 PT LF,LC,[50,0],[80,60],[20,0]",
                     "N000 PS LC,[0,0],[40,30],0"}
      << Chain(70, "60", "40", "30", 5);

  QTest::newRow("first outer write sets ZC to its Z, the second leaves it")
      << QList<Write>{{1, RC, Cyl("100", "80", "30")}, {1, RC, Cyl("70", "60", "30")}}
      << QStringList{"N000 PS RC,[100,0],[30,80]", "N000 PS RC,[70,0],[30,60]"}
      << Chain(40, "60", "100", "", 1);

  QTest::newRow("Z 0100 written as typed, chained as 100")
      << QList<Write>{{1, RC, Cyl("0100", "80", "30")}}
      << QStringList{"N000 PS RC,[0100,0],[30,80]"} << Chain(70, "80", "100", "", 1);

  QTest::newRow("inner write before any outer one leaves ZB empty")
      << QList<Write>{{5, RC, Cyl("10", "30", "15")}} << QStringList{"N000 PS RC,[10,0],[15,30],0"}
      << Chain(std::nullopt, "", "-5", "30", 5);

  QTest::newRow("empty cylinder: values 0, texts empty")
      << QList<Write>{{1, RC, Cyl("", "", "")}} << QStringList{"N000 PS RC,[,0],[,]"}
      << Chain(0, "", "0", "", 1);

  QTest::newRow("start face changed between writes keeps the chain")
      << QList<Write>{{1, RC, Cyl("0", "80", "50")}, {1, LC, Cyl("-50", "70", "20")}}
      << QStringList{"N000 PS RC,[0,0],[50,80]", "N000 PS LC,[-50,0],[20,70]"}
      << Chain(-30, "70", "0", "", 1);

  QTest::newRow("cone and arc chain D2 as typed")
      << QList<Write>{{2, RC, Cone("0", "80", "060", "20")},
                      {3, RC, Arc("-20", "060", "060", "20", "11")}}
      << QStringList{"N000 PT LF,RC,[0,0],[80,060],[20,0]",
                     "N000 PT SS,RC,[-20,0],[060,060],[20,11]"}
      << Chain(-40, "060", "0", "", 3);

  QTest::newRow("inner arc chains ZC as number text")
      << QList<Write>{{8, LC, Arc("0.5", "20", "20", "10", "8")}}
      << QStringList{"N000 PT SD,LC,[0.5,0],[20,20],[10,8],0"}
      << Chain(std::nullopt, "", "10.5", "20", 8);

  QTest::newRow("a huge Z is written and chained")
      << QList<Write>{{1, RC, Cyl("1E300", "80", "50")}}
      << QStringList{"N000 PS RC,[1E300,0],[50,80]"} << Chain(1e300, "80", "1E+300", "", 1);

  QTest::newRow("twenty nines read as a number")
      << QList<Write>{{5, LC, Cyl("99999999999999999999", "30", "1")}}
      << QStringList{"N000 PS LC,[99999999999999999999,0],[1,30],0"}
      << Chain(std::nullopt, "", "1E+20", "30", 5);
}

void TestWorkShape::Sequence() {
  QFETCH(QList<Write>, writes);
  QFETCH(QStringList, statements);
  QFETCH(WorkChain, chain);
  QStringList written;
  const WorkChain after = RunWrites(writes, &written);
  QCOMPARE(written, statements);
  QCOMPARE(after.ZB, chain.ZB);
  QCOMPARE(after.XB, chain.XB);
  QCOMPARE(after.ZC, chain.ZC);
  QCOMPARE(after.XC, chain.XC);
  QCOMPARE(after.SN, chain.SN);
}

void TestWorkShape::OfferedDefaults_data() {
  QTest::addColumn<QList<Write>>("writes");
  QTest::addColumn<int>("next");
  QTest::addColumn<QString>("z");
  QTest::addColumn<QString>("d1");

  const QList<Write> cylinder = {{1, RC, Cyl("100", "80", "30")}};
  const QList<Write> bore = {{1, RC, Cyl("100", "80", "30")},
                             {6, RC, Cone("100", "40", "30", "10")}};
  // clang-format off
  QTest::newRow("fresh: outer cylinder offers nothing")        << QList<Write>{} << 1 << "" << "";
  QTest::newRow("fresh: inner cone offers nothing")            << QList<Write>{} << 6 << "" << "";
  QTest::newRow("after cylinder: cylinder again at Z 70")      << cylinder << 1 << "70" << "";
  QTest::newRow("after cylinder: cone at Z 70 from D 80")      << cylinder << 2 << "70" << "80";
  QTest::newRow("after cylinder: convex arc from D 80")        << cylinder << 3 << "70" << "80";
  QTest::newRow("after cylinder: concave arc from D 80")       << cylinder << 4 << "70" << "80";
  QTest::newRow("after cylinder: bore at the first Z 100")     << cylinder << 5 << "100" << "";
  QTest::newRow("after cylinder: inner cone without D1")       << cylinder << 6 << "100" << "";
  QTest::newRow("after inner cone: inner arc at Z 90 from 30") << bore << 7 << "90" << "30";
  QTest::newRow("after inner cone: inner cylinder at Z 90")    << bore << 5 << "90" << "";
  QTest::newRow("after inner cone: outer chain untouched")     << bore << 2 << "70" << "80";
  QTest::newRow("negative ZB as number text")                  << QList<Write>{{1, RC, Cyl("0", "80", "50")}} << 1 << "-50" << "";
  QTest::newRow("fractional ZB without trailing zeros")        << QList<Write>{{1, LC, Cyl("0.25", "80", "0.5")}} << 2 << "0.75" << "80";
  // clang-format on
}

void TestWorkShape::OfferedDefaults() {
  QFETCH(QList<Write>, writes);
  QFETCH(int, next);
  QFETCH(QString, z);
  QFETCH(QString, d1);
  QStringList written;
  const WorkChain chain = RunWrites(writes, &written);
  QCOMPARE(OfferedZ(chain, next), z);
  QCOMPARE(OfferedStartDiameter(chain, next), d1);
}

void TestWorkShape::NoResult_data() {
  QTest::addColumn<int>("sn");
  QTest::addColumn<StartFace>("face");
  QTest::addColumn<ShapeTexts>("texts");
  QTest::addColumn<bool>("written");

  // An arc of L 20 with D1 = D2 has a chord of 20 plus a small offset: just over 20 from the
  // left, just under 20 from the right.
  // clang-format off
  QTest::newRow("arc L 20, R 9 from the left: no result")   << 3 << LC << Arc("0", "40", "40", "20", "9") << false;
  QTest::newRow("arc L 20, R 9 from the right: no result")  << 3 << RC << Arc("0", "40", "40", "20", "9") << false;
  QTest::newRow("arc L 20, R 10 from the left: no result")  << 3 << LC << Arc("0", "40", "40", "20", "10") << false;
  QTest::newRow("arc L 20, R 10 from the right: written")   << 3 << RC << Arc("0", "40", "40", "20", "10") << true;
  QTest::newRow("concave R 10 from the left: no result")    << 4 << LC << Arc("0", "40", "40", "20", "10") << false;
  QTest::newRow("concave R 10 from the right: written")     << 4 << RC << Arc("0", "40", "40", "20", "10") << true;
  QTest::newRow("arc L 20, R 11 from the left: written")    << 3 << LC << Arc("0", "40", "40", "20", "11") << true;
  QTest::newRow("inner arc R 11 from the right: written")   << 7 << RC << Arc("0", "40", "40", "20", "11") << true;
  QTest::newRow("arc with R 0")                             << 3 << RC << Arc("0", "40", "40", "20", "0") << false;
  QTest::newRow("arc with empty R")                         << 8 << RC << Arc("0", "40", "40", "20", "") << false;
  QTest::newRow("arc with negative R")                      << 3 << RC << Arc("0", "40", "40", "20", "-15") << false;
  QTest::newRow("R beyond single precision")                << 3 << RC << Arc("0", "40", "40", "20", "1E39") << false;
  QTest::newRow("radius beyond the drawing's precision")   << 3 << LC << Arc("0", "40", "40", "20", "1E20") << false;
  QTest::newRow("radius of a million is drawn")             << 4 << RC << Arc("0", "40", "40", "20", "1E6") << true;
  QTest::newRow("long flat arc, chord along Z")             << 3 << LC << Arc("0", "40", "40", "5000", "9000") << true;
  QTest::newRow("Z too large for a number")                 << 1 << RC << Cyl("1E400", "80", "50") << false;
  QTest::newRow("D too large for a number")                 << 5 << RC << Cyl("0", "1E400", "50") << false;
  QTest::newRow("D2 too large for a number")                << 2 << RC << Cone("0", "80", "1E999", "50") << false;
  QTest::newRow("L too large for a number")                 << 2 << RC << Cone("0", "80", "60", "1E400") << false;
  QTest::newRow("Z plus L overflows")                       << 1 << LC << Cyl("1E308", "80", "1E308") << false;
  QTest::newRow("Z minus L overflows")                      << 5 << RC << Cyl("-1E308", "80", "1E308") << false;
  QTest::newRow("huge diameter is written")                 << 1 << RC << Cyl("0", "1E300", "50") << true;
  QTest::newRow("letters read as 0 are written")            << 1 << RC << Cyl("abc", "x", "--5") << true;
  // clang-format on
}

void TestWorkShape::NoResult() {
  QFETCH(int, sn);
  QFETCH(StartFace, face);
  QFETCH(ShapeTexts, texts);
  QFETCH(bool, written);
  const WorkChain before = Chain(-10, "70", "0", "20", 2);
  const std::optional<PlannedWrite> plan = PlanShapeWrite(before, sn, face, texts);
  QCOMPARE(plan.has_value(), written);
  if (written) {
    QCOMPARE(plan->statement, MakeShapeStatement(sn, face, texts));
    QCOMPARE(plan->chain.SN, sn);
  }
}

void TestWorkShape::DrawingValues() {
  // An inner arc's end comes from the chain text; B is D2, H the L field, R single precision.
  const WorkChain before = Chain(-50, "80", "0", "", 1);
  const std::optional<PlannedWrite> plan =
      PlanShapeWrite(before, 7, RC, Arc("0", "30", "20", "10", "8.1"));
  QVERIFY(plan);
  const ShapeValues& v = plan->drawing.values;
  QCOMPARE(v.Z, 0.0);
  QCOMPARE(v.A, 30.0);
  QCOMPARE(v.B, 20.0);
  QCOMPARE(v.H, 10.0);
  QCOMPARE(v.Ze, -10.0);
  QCOMPARE(v.R, 8.1f);
  QVERIFY(double(v.R) != 8.1);
  QVERIFY(plan->drawing.arc);
  QCOMPARE(plan->drawing.arc->Ze, -10.0);

  // A cylinder draws D twice.
  const std::optional<PlannedWrite> cylinder =
      PlanShapeWrite(WorkChain{}, 1, LC, Cyl("5", "80", "50"));
  QVERIFY(cylinder);
  QCOMPARE(cylinder->drawing.values.B, 80.0);
  QCOMPARE(cylinder->drawing.values.Ze, 55.0);
  QVERIFY(!cylinder->drawing.arc);
}

void TestWorkShape::FrameAndTransfer_data() {
  QTest::addColumn<bool>("second");
  QTest::addColumn<QString>("frame");
  QTest::addColumn<qsizetype>("caret");

  QTest::newRow("first spindle") << false << "N000 DEF WORK\r\nN000 END\r\n" << qsizetype(15);
  QTest::newRow("second spindle") << true << "N000 DEF WORK[S]\r\nN000 END\r\n" << qsizetype(18);
}

void TestWorkShape::FrameAndTransfer() {
  QFETCH(bool, second);
  QFETCH(QString, frame);
  QFETCH(qsizetype, caret);
  QCOMPARE(MakeWorkFrame(second), frame);
  QCOMPARE(WorkFrameCaret(frame), caret);
  QCOMPARE(frame.mid(caret), "N000 END\r\n");
  QCOMPARE(MakeWorkTransfer(frame, false), frame);
  QCOMPARE(MakeWorkTransfer(frame, true), frame + "NOEX VSCTA=2 (X-Y SECTION)\r\n");
  QCOMPARE(MakeWorkTransfer("N000 END", true), "N000 ENDNOEX VSCTA=2 (X-Y SECTION)\r\n");
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestWorkShape)
#include "tst_work_shape.moc"
