#include <QRandomGenerator>
#include <QTest>

#include <memory>

#include "generators/chuck/chuck_block.h"
#include "generators/frontview/front_view_block.h"
#include "generators/sideview/work_shape.h"
#include "generators/tool/tool_block.h"
#include "reopen/written_block.h"

namespace zel {

namespace {

// The lines of a text as the editor numbers them, each with its own line end.
ProgramLines LinesOf(const QString& text) {
  auto lines = std::make_shared<QStringList>();
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    *lines << text.mid(start, i + 1 - start);
    start = i + 1;
  }
  *lines << text.mid(start);
  return {static_cast<int>(lines->size()), [lines](int i) { return lines->at(i); }};
}

QString Lines(const QStringList& lines) { return lines.join("\r\n") + "\r\n"; }

// What was found, in one line: "chuck 1-4", "problem 19: <reason>", "none".
QString Describe(const FoundBlock& found) {
  if (found.problem)
    return QString("problem %1: %2").arg(found.problem->line).arg(found.problem->reason);
  if (!found.block) return "none";
  const char* kinds[] = {"tool", "chuck", "work", "face"};
  return QString("%1 %2-%3")
      .arg(kinds[int(found.block->kind)])
      .arg(found.block->first_line)
      .arg(found.block->last_line);
}

// clang-format off
const QString kProgram = Lines({
    "G00 X100",                                            // 0
    "NOEX VCHKD=50 VCHKL=20",                              // 1
    "NOEX VCHKX=100 VCHKZ=-150",
    "NOEX VWKR=9999",
    "N000 M25 (CHUCK BARRIER ON)",                         // 4
    "NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",   // 5
    "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6",
    "NOEX VTLIN[6]=24 VTLFN[6]=1",                         // 7
    "N000 DEF WORK",                                       // 8
    "N000 PS RC,[0,0],[50,80]",
    "N000 END",                                            // 10
    "NOEX VSCTA=2 (X-Y SECTION)",
    "",                                                    // 12
    "N000 DEF WORKF[S]",
    "N000 PF 0,[0,0],60,D,0",
    "N000 PO [0, 30]",
    "N000 CI [0,0],[0,- 30],R,0",                          // 16
    "N000 END",
    "N000 DEF WORK[S]",                                    // 18
    "N000 PT SS,RC,[0,0],[40,40],[20,5]",
    "N000 END",                                            // 20
    "NOEX VTLFN[7]=1",
    "N000 DEF WORK",                                       // 22
    "N000 PS RC,[0,0],[50,80]",
});
// clang-format on

QString RandomNumber(QRandomGenerator& random) {
  const int whole = random.bounded(-500, 500);
  return random.bounded(2) ? QString::number(whole)
                           : QString("%1.%2").arg(whole).arg(random.bounded(1, 99));
}

}  // namespace

class TestWrittenBlock : public QObject {
  Q_OBJECT

 private slots:
  void FindsTheBlockAtTheLine_data();
  void FindsTheBlockAtTheLine();
  void WrittenBlocksComeBackExactly();
  void SideBlockReopensWithItsChain();
  void OtherFormsAreRewritten_data();
  void OtherFormsAreRewritten();
};

void TestWrittenBlock::FindsTheBlockAtTheLine_data() {
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("found");
  // clang-format off
  QTest::newRow("a line of the main program")        << 0  << "none";
  QTest::newRow("chuck from its first line")         << 1  << "chuck 1-4";
  QTest::newRow("chuck from its barrier line")       << 4  << "chuck 1-4";
  QTest::newRow("tool 5 from its nose line")         << 6  << "tool 5-6";
  QTest::newRow("tool 6 right after tool 5")         << 7  << "tool 7-7";
  QTest::newRow("side view from DEF, with VSCTA")    << 8  << "work 8-11";
  QTest::newRow("side view from END")                << 10 << "work 8-11";
  QTest::newRow("side view from its VSCTA line")     << 11 << "work 8-11";
  QTest::newRow("an empty line between blocks")      << 12 << "none";
  QTest::newRow("front view from its CI line")       << 16 << "face 13-17";
  QTest::newRow("an arc the side view cannot draw")  << 18 << "problem 19: 計算エラー: この図形は描けません";
  QTest::newRow("tool data without its kind")        << 21 << "problem 21: 工具種類 IN のない工具データです";
  QTest::newRow("a DEF without its END")             << 23 << "problem 22: N000 END で閉じられていないブロックです";
  // clang-format on
}

void TestWrittenBlock::FindsTheBlockAtTheLine() {
  QFETCH(int, line);
  QFETCH(QString, found);
  QCOMPARE(Describe(FindWrittenBlock(LinesOf(kProgram), line)), found);
}

void TestWrittenBlock::WrittenBlocksComeBackExactly() {
  // Blocks as the dialogs' builders write them, with random values, found from every line.
  QRandomGenerator random(26);
  QStringList blocks = {
      MakeWorkFrame(false),
      MakeWorkTransfer(MakeWorkFrame(true).insert(18, "N000 PT SD,LC,[5,0],[40,40],[20,11],0\r\n"),
                       true),
      FrontViewFrame(FrontSpindle::kFirst)
          .insert(16, FrontShapeLines(FrontShape::kInnerCircle, *ReadFrontDiameter("75")))};
  for (int i = 0; i < 40; ++i) {
    ChuckBlockInput chuck{RandomNumber(random), RandomNumber(random), RandomNumber(random),
                          RandomNumber(random), RandomNumber(random), RandomNumber(random),
                          RandomNumber(random), RandomNumber(random)};
    chuck.clamping = random.bounded(2) ? ChuckClamping::kInside : ChuckClamping::kOutside;
    chuck.holding = random.bounded(2) ? WorkHolding::kCentreWork : WorkHolding::kChuckWork;
    if (chuck.holding == WorkHolding::kChuckWork) {
      chuck.d2 = chuck.d3 = chuck.l2 = {};
      chuck.wr = kChuckWorkEndFace;
    }
    chuck.switching_variables = random.bounded(2);
    chuck.barrier = random.bounded(2);
    blocks << MakeChuckBlock(chuck);

    const KindEntry& kind = kToolCatalogue[random.bounded(int(kToolCatalogue.size()))];
    ToolBlockInput tool{QString::number(random.bounded(1, 99)),
                        kind.kinds[0],
                        kind.shapes[random.bounded(kind.shapes.size())].shape,
                        bool(random.bounded(2)),
                        bool(random.bounded(2)),
                        random.bounded(1, 10),
                        {}};
    for (QString& row : tool.rows) row = RandomNumber(random);
    blocks << *ToolBlockFor(tool);
  }
  for (const QString& block : blocks) {
    const ProgramLines lines = LinesOf(block);
    for (int line = 0; line + 1 < lines.count; ++line) {
      const FoundBlock found = FindWrittenBlock(lines, line);
      QVERIFY2(found.block && found.block->text == block && found.block->Exact(),
               qPrintable(block));
    }
  }
}

void TestWrittenBlock::SideBlockReopensWithItsChain() {
  // The worked example of the side view, read back: the chain where the dialog leaves it.
  const QString block =
      Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 PT LF,RC,[-50,0],[80,60],[20,0]",
             "N000 PS LC,[0,0],[40,30],0", "N000 END"});
  const FoundBlock found = FindWrittenBlock(LinesOf(block), 2);
  QVERIFY(found.block);
  const WorkReopening& work = found.block->work;
  QCOMPARE(work.chain, (WorkChain{-70, "60", "40", "30", 5}));
  QCOMPARE(work.face, StartFace::kLeft);
  QCOMPARE(work.drawings.size(), 3);
  QCOMPARE(work.block, block);
  QVERIFY(!work.section_display && !work.second_spindle);
}

void TestWrittenBlock::OtherFormsAreRewritten_data() {
  QTest::addColumn<QString>("block");
  QTest::addColumn<QString>("rewritten");
  // clang-format off
  QTest::newRow("LF line ends") << "NOEX VCHKD=50 VCHKL=20\nNOEX VCHKX=1 VCHKZ=2\nNOEX VWKR=9999\n"
                                << "0: line end";
  QTest::newRow("a side block ending without a line end") << "N000 DEF WORK\r\nN000 END"
                                << "exact";
  QTest::newRow("tool items in another order") << Lines({"NOEX VTLFN[5]=1 VTLIN[5]=14 VTLL[5]=30 VTLD[5]=12"})
                                << "0: NOEX VTLFN[5]=1 VTLIN[5]=14 VTLL[5]=30 VTLD[5]=12 -> NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12";
  QTest::newRow("a tool written twice") << Lines({"NOEX VTLIN[2]=24 VTLFN[2]=1", "NOEX VTLIN[2]=24 VTLFN[2]=1"})
                                << "1: NOEX VTLIN[2]=24 VTLFN[2]=1 -> ";
  QTest::newRow("an end face in chuck work") << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=1 VCHKZ=2", "NOEX VWKR=500"})
                                << "2: NOEX VWKR=500 -> NOEX VWKR=9999";
  QTest::newRow("nose position 0 with a radius") << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12", "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=0"})
                                << "1: NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=0 -> NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6";
  QTest::newRow("a VSCTA line of another form is no part") << Lines({"N000 DEF WORK", "N000 END", "NOEX VSCTA=2"})
                                << "exact";
  // clang-format on
}

void TestWrittenBlock::OtherFormsAreRewritten() {
  QFETCH(QString, block);
  QFETCH(QString, rewritten);
  const FoundBlock found = FindWrittenBlock(LinesOf(block), 0);
  QVERIFY(found.block);
  if (found.block->Exact()) {
    QCOMPARE(QString("exact"), rewritten);
    return;
  }
  const RewrittenLine first = FirstRewrittenLine(*found.block);
  QCOMPARE(first.line_end_only
               ? QString("%1: line end").arg(first.line)
               : QString("%1: %2 -> %3").arg(first.line).arg(first.before, first.after),
           rewritten);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestWrittenBlock)
#include "tst_written_block.moc"
