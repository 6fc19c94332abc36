#include <QRandomGenerator>
#include <QTest>

#include "generators/chuck/chuck_block.h"
#include "generators/sideview/work_shape.h"
#include "generators/tool/tool_block.h"
#include "reopen/written_block.h"

namespace zel {

namespace {

ProgramLines LinesOf(const QString& text) {
  const QStringList lines = LinesWithEnds(text);
  return {static_cast<int>(lines.size()), [lines](int i) { return lines.at(i); }};
}

QString Lines(const QStringList& lines) { return lines.join("\r\n") + "\r\n"; }

// What was found, in one line: "chuck 1-4", "problem 19: <reason>", "none".
QString Describe(const FoundBlock& found) {
  const char* kinds[] = {"tool", "chuck", "work", "face"};
  if (found.problem)
    return QString("problem %1: %2").arg(found.problem->line).arg(found.problem->reason);
  if (!found.block) return "none";
  const WrittenBlock& block = *found.block;
  return QString("%1 %2-%3").arg(kinds[int(block.kind)]).arg(block.first_line).arg(block.last_line);
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

}  // namespace

class TestWrittenBlock : public QObject {
  Q_OBJECT

 private slots:
  void FindsTheBlockAtTheLine_data();
  void FindsTheBlockAtTheLine();
  void WrittenBlocksComeBackExactly();
  void OtherFormsAreRewritten_data();
  void OtherFormsAreRewritten();
};

void TestWrittenBlock::FindsTheBlockAtTheLine_data() {
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("found");
  // clang-format off
  QTest::newRow("a line of the main program")        << 0  << "none";
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
  const auto number = [&random] { return QString::number(random.bounded(-2000, 2000) / 8.0); };
  const auto yes = [&random] { return random.bounded(2) == 1; };
  // clang-format off
  QStringList blocks = {  // the worked examples of the four dialogs first
      Lines({"NOEX VCHIO=0 (OD CLAMP)", "NOEX VCHSW=1 (CENTER WORK)", "NOEX VCHKD=50 VCHKL=20",
             "NOEX VCHKX=100 VCHKZ=-150", "NOEX VTSDA=10 VTSDB=30", "NOEX VTSL=40 VWKR=200",
             "N000 M25 (CHUCK BARRIER ON)", "N000 M21 (TAILSTOCK BARRIER ON)"}),
      Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12", "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6"}),
      Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 PT LF,RC,[-50,0],[80,60],[20,0]",
             "N000 PS RC,[0,0],[40,30],0", "N000 END"}),
      Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 PF 0,[0,0],60,D,0", "N000 PO [0, 30]",
             "N000 CI [0,0],[0,- 30],R,0", "N000 END"}),
      // clang-format on
      MakeWorkTransfer(MakeWorkFrame(true).insert(18, "N000 PT SD,LC,[5,0],[40,40],[20,11],0\r\n"),
                       true)};
  for (int i = 0; i < 40; ++i) {
    const bool centre = yes();
    blocks << MakeChuckBlock({number(), number(), number(), number(), centre ? number() : "",
                              centre ? number() : "", centre ? number() : "",
                              centre ? number() : kChuckWorkEndFace, ChuckClamping(yes()),
                              WorkHolding(centre), yes(), yes()});
    const KindEntry& kind = kToolCatalogue[random.bounded(int(kToolCatalogue.size()))];
    const int shape = kind.shapes[random.bounded(kind.shapes.size())].shape;
    blocks << *ToolBlockFor({QString::number(i),
                             kind.kinds[0],
                             shape,
                             yes(),
                             yes(),
                             random.bounded(1, 10),
                             {number(), number(), number(), number(), "0"}});
  }
  for (const QString& block : blocks) {
    const ProgramLines lines = LinesOf(block);
    for (int line = 0; line < lines.count; ++line) {
      const FoundBlock found = FindWrittenBlock(lines, line);
      QVERIFY2(found.block && found.block->text == block && found.block->Exact(),
               qPrintable(block));
    }
  }
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
  QTest::newRow("an end face in chuck work") << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=1 VCHKZ=2", "NOEX VWKR=500"})
                                << "2: NOEX VWKR=500 -> NOEX VWKR=9999";
  QTest::newRow("a VSCTA line of another form is no part") << Lines({"N000 DEF WORK", "N000 END", "NOEX VSCTA=2"})
                                << "exact";
  // clang-format on
}

void TestWrittenBlock::OtherFormsAreRewritten() {
  QFETCH(QString, block);
  QFETCH(QString, rewritten);
  const FoundBlock found = FindWrittenBlock(LinesOf(block), 0);
  QVERIFY(found.block);
  const RewrittenLine first = FirstRewrittenLine(*found.block);
  QCOMPARE(found.block->Exact() ? QString("exact")
           : first.line_end_only
               ? QString("%1: line end").arg(first.line)
               : QString("%1: %2 -> %3").arg(first.line).arg(first.before, first.after),
           rewritten);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestWrittenBlock)
#include "tst_written_block.moc"
