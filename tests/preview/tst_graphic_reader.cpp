#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "editor/graphic_skeleton.h"
#include "editor/text_codec.h"
#include "generators/chuck/chuck_block.h"
#include "generators/common/number_forms.h"
#include "generators/tool/tool_block.h"
#include "preview/graphic_reader.h"

Q_DECLARE_METATYPE(zel::ChuckBlockInput)
Q_DECLARE_METATYPE(zel::ToolBlockInput)
Q_DECLARE_METATYPE(zel::ReadProblem)
Q_DECLARE_METATYPE(std::optional<double>)

namespace zel {

namespace {

// The skeleton with `block` inserted at the caret it leaves, as the dialogs' transfer does;
// `before` stands in front of the skeleton (a main program).
QString Subprogram(const QString& block, const QString& before = {}) {
  QString text = before + kGraphicSkeleton;
  text.insert(before.size() + kSkeletonCaretOffset, block);
  return text;
}

QString Lines(const QStringList& lines) {
  QString block;
  for (const QString& line : lines) block += line + "\r\n";
  return block;
}

// The line of the subprogram's block area: the skeleton's empty line is line 2.
constexpr int kFirstBlockLine = 2;

std::optional<double> Value(const QString& text) { return LeadingNumberValue(text); }

ChuckBlockInput Chuck(QStringList values, ChuckClamping clamping, WorkHolding holding,
                      bool switching, bool barrier) {
  ChuckBlockInput input;
  input.d1 = values.value(0);
  input.l1 = values.value(1);
  input.cx = values.value(2);
  input.cz = values.value(3);
  input.d2 = values.value(4);
  input.d3 = values.value(5);
  input.l2 = values.value(6);
  input.wr = holding == WorkHolding::kChuckWork ? kChuckWorkEndFace : values.value(7);
  input.clamping = clamping;
  input.holding = holding;
  input.switching_variables = switching;
  input.barrier = barrier;
  return input;
}

QString RandomNumber(QRandomGenerator& random) {
  const int whole = random.bounded(-500, 500);
  switch (random.bounded(3)) {
    case 0:
      return QString::number(whole);
    case 1:
      return QString::number(whole) + "." + QString::number(random.bounded(1, 99));
    default:
      return " " + QString::number(std::abs(whole));  // typed with a leading blank
  }
}

}  // namespace

class TestGraphicReader : public QObject {
  Q_OBJECT

 private slots:
  void FindsTheSubprogramLine_data();
  void FindsTheSubprogramLine();
  void ChuckBlockReadsBack_data();
  void ChuckBlockReadsBack();
  void ToolBlockReadsBack_data();
  void ToolBlockReadsBack();
  void EveryCataloguePairReadsBack();
  void ContourStatementReads_data();
  void ContourStatementReads();
  void FrontViewBlockReads();
  void SpindleBlocksAndSection();
  void LaterBlockReplacesEarlier_data();
  void LaterBlockReplacesEarlier();
  void SubprogramExtent_data();
  void SubprogramExtent();
  void ProblemListIsCapped();
  void RejectedLines_data();
  void RejectedLines();
  void SampleProgramReadsWhole();
  void Utf8ReadingMatchesText();
};

void TestGraphicReader::FindsTheSubprogramLine_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<qsizetype>("expected");  // -1: none
  QTest::addColumn<int>("line");
  // clang-format off
  QTest::newRow("no subprogram")                 << "N001 G00 X0\r\nN002 M02\r\n" << qsizetype(-1) << 0;
  QTest::newRow("CALL OZEL is no subprogram")    << "N002 CALL OZEL\r\n" << qsizetype(-1) << 0;
  QTest::newRow("OZEL at the start")             << "OZEL\r\nN000 DRAW\r\n" << qsizetype(0) << 0;
  QTest::newRow("OZEL after the main program")   << "N1 CALL OZEL\r\nOZEL\r\n" << qsizetype(14) << 1;
  QTest::newRow("OZEL as last line without end") << "M02\r\nOZEL" << qsizetype(5) << 1;
  QTest::newRow("OZELX is another name")         << "OZELX\r\n" << qsizetype(-1) << 0;
  QTest::newRow("the last of two counts")        << "OZEL\r\nOZEL\r\n" << qsizetype(6) << 1;
  QTest::newRow("LF line ends")                  << "M02\nOZEL\nNRTS RTS\n" << qsizetype(4) << 1;
  QTest::newRow("lone CR line ends")             << "A\rB\rM02\rOZEL\rNRTS RTS\r" << qsizetype(8) << 3;
  QTest::newRow("CR, then CR LF")                << "M02\r\r\nOZEL\r\n" << qsizetype(6) << 2;
  QTest::newRow("OZEL with a trailing blank")    << "M02\r\nOZEL \r\n" << qsizetype(5) << 1;
  QTest::newRow("OZEL with a comment")           << "M02\r\nOZEL (図形データ)\r\n" << qsizetype(5) << 1;
  QTest::newRow("OZEL and more is no name")      << "M02\r\nOZEL X\r\n" << qsizetype(-1) << 0;
  // clang-format on
}

void TestGraphicReader::FindsTheSubprogramLine() {
  QFETCH(QString, text);
  QFETCH(qsizetype, expected);
  QFETCH(int, line);
  QCOMPARE(FindGraphicSubprogram(text).value_or(-1), expected);
  const GraphicProgram read = ReadGraphicProgramUtf8(text.toUtf8());
  QCOMPARE(read.found, expected >= 0);
  if (expected >= 0) QCOMPARE(read.first_line, line);
}

// Where the subprogram ends, with lines counted as the editor box counts them, and what is
// read from it.
void TestGraphicReader::SubprogramExtent_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("first");
  QTest::addColumn<int>("last");
  QTest::addColumn<QList<int>>("problem_lines");
  QTest::addColumn<std::optional<double>>("vchkd");
  const std::optional<double> v50 = 50;
  // clang-format off
  QTest::newRow("CR only")                        << "N1 M02\rOZEL\rNOEX VCHKD=50\rNRTS RTS\r"                  << 1 << 3 << QList<int>{} << v50;
  QTest::newRow("four CR lines, CR LF below")     << "A\rB\rC\rM02\rOZEL\r\nNOEX VCHKD=50\r\nNRTS RTS\r\n"      << 4 << 6 << QList<int>{} << v50;
  QTest::newRow("lone CR inside a line")          << "OZEL\r\nNOEX VCHKD=50\rNOEX\r\nNRTS RTS\r\n"             << 0 << 3 << QList<int>{2} << v50;
  QTest::newRow("LF, CR LF and CR mixed")         << "M02\nOZEL\r\nNOEX VCHKD=1\rN000 WRONG\nNRTS RTS\n"      << 1 << 4 << QList<int>{3} << std::optional<double>(1);
  QTest::newRow("return with a trailing blank")   << "OZEL\r\nNOEX VCHKD=50\r\nNRTS RTS  \r\nN1 G00\r\n"       << 0 << 2 << QList<int>{} << v50;
  QTest::newRow("return with a comment")          << "OZEL\r\nNOEX VCHKD=50\r\nNRTS RTS (戻り)\r\nN1 G00\r\n"  << 0 << 2 << QList<int>{} << v50;
  QTest::newRow("no return, next program")        << "OZEL\r\nNOEX VCHKD=50\r\nO1234\r\nN1 G00\r\n"           << 0 << 1 << QList<int>{0} << v50;
  QTest::newRow("no return, M30")                 << "OZEL\r\nNOEX VCHKD=50\r\nN100 M30\r\nN1 G00\r\n"        << 0 << 1 << QList<int>{0} << v50;
  QTest::newRow("no return, M02 and a comment")   << "OZEL\r\nNOEX VCHKD=50\r\nN9 G00 M02 (終)\r\nX\r\n"      << 0 << 1 << QList<int>{0} << v50;
  QTest::newRow("M30 in a comment ends nothing")  << "OZEL\r\n(M30)\r\nN000 CLEAR (M02)\r\nNOEX VCHKD=50"       << 0 << 3 << QList<int>{0} << v50;
  QTest::newRow("no return up to the end")        << "OZEL\r\nNOEX VCHKD=50\r\nN1 G00\r\n"                      << 0 << 3 << QList<int>{0, 2} << v50;
  // clang-format on
}

void TestGraphicReader::SubprogramExtent() {
  QFETCH(QString, text);
  QFETCH(int, first);
  QFETCH(int, last);
  QFETCH(QList<int>, problem_lines);
  QFETCH(std::optional<double>, vchkd);
  for (const GraphicProgram& read :
       {ReadGraphicProgram(text), ReadGraphicProgramUtf8(text.toUtf8())}) {
    QVERIFY(read.found);
    QCOMPARE(read.first_line, first);
    QCOMPARE(read.last_line, last);
    QList<int> lines;
    for (const UnreadLine& problem : read.problems) lines << problem.line;
    QCOMPARE(lines, problem_lines);
    QCOMPARE(read.chuck.VCHKD, vchkd);
  }
}

// A program that is all problems lists the first ones and counts the rest; a long line is
// listed cut short.
void TestGraphicReader::ProblemListIsCapped() {
  const QString long_line = "N000 " + QString(5000, u'X');
  QString text = "OZEL\r\n" + long_line + "\r\n";
  for (int i = 0; i < kMaxListedProblems + 9; ++i) text += "N1 G00 X0\r\n";
  const GraphicProgram read = ReadGraphicProgramUtf8(text.toUtf8());
  QCOMPARE(read.problems.size(), kMaxListedProblems);
  // The missing return is listed on the OZEL line, ahead of all others.
  QCOMPARE(read.problems[0].problem, ReadProblem::kNoReturn);
  QCOMPARE(read.problems[1].line, 1);
  QCOMPARE(read.problems[1].text, long_line.left(kMaxShownLineLength) + u'…');
  QCOMPARE(read.ProblemCount(), kMaxListedProblems + 11);
  QCOMPARE(read.problems.back().line, int(kMaxListedProblems) - 1);
}

void TestGraphicReader::ChuckBlockReadsBack_data() {
  QTest::addColumn<ChuckBlockInput>("input");
  using C = ChuckClamping;
  using W = WorkHolding;
  const QStringList example = {"50", "20", "100", "-150", "10", "30", "40", "200"};
  // clang-format off
  QTest::newRow("worked example, OD, centre work, both checks") << Chuck(example, C::kOutside, W::kCentreWork, true, true);
  QTest::newRow("chuck work, no checks: three lines")           << Chuck(example, C::kOutside, W::kChuckWork, false, false);
  QTest::newRow("ID clamping, chuck work, barrier")              << Chuck(example, C::kInside, W::kChuckWork, true, true);
  QTest::newRow("values typed with blanks and decimals")         << Chuck({" 50", "20.5", "1 00", "-150.25", ".5", "30.", "4", "2e2"}, C::kInside, W::kCentreWork, true, false);
  QTest::newRow("empty fields read 0")                           << Chuck({"", "", "", "", "", "", "", ""}, C::kOutside, W::kCentreWork, false, false);
  QTest::newRow("letters after the number")                      << Chuck({"50mm", "20", "100", "-150", "10", "30", "40", "200"}, C::kOutside, W::kCentreWork, false, false);
  // clang-format on
  QRandomGenerator random(16);
  for (int i = 0; i < 20; ++i) {
    QStringList values;
    for (int v = 0; v < 8; ++v) values << RandomNumber(random);
    QTest::addRow("random values %d", i)
        << Chuck(values, random.bounded(2) ? C::kInside : C::kOutside,
                 random.bounded(2) ? W::kCentreWork : W::kChuckWork, random.bounded(2) == 1,
                 random.bounded(2) == 1);
  }
}

void TestGraphicReader::ChuckBlockReadsBack() {
  QFETCH(ChuckBlockInput, input);
  const GraphicProgram read = ReadGraphicProgram(Subprogram(MakeChuckBlock(input)));
  QVERIFY(read.found);
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  const bool centre = input.holding == WorkHolding::kCentreWork;
  ChuckValues expected;
  if (input.switching_variables) {
    expected.VCHIO = input.clamping == ChuckClamping::kOutside ? 0 : 1;
    expected.VCHSW = centre ? 1 : 0;
  }
  expected.VCHKD = Value(input.d1);
  expected.VCHKL = Value(input.l1);
  expected.VCHKX = Value(input.cx);
  expected.VCHKZ = Value(input.cz);
  if (centre) {
    expected.VTSDA = Value(input.d2);
    expected.VTSDB = Value(input.d3);
    expected.VTSL = Value(input.l2);
  }
  expected.VWKR = Value(input.wr);
  expected.chuck_barrier = input.barrier;
  expected.tailstock_barrier = input.barrier && centre;
  QCOMPARE(read.chuck, expected);
  QVERIFY(read.clear);
  QVERIFY(read.draw);
}

void TestGraphicReader::ToolBlockReadsBack_data() {
  QTest::addColumn<ToolBlockInput>("input");
  auto tool = [](QString number, int kind, int shape, QStringList rows, bool nose, int position,
                 bool life) {
    ToolBlockInput input;
    input.tool_number = number;
    input.kind = kind;
    input.shape = shape;
    for (int i = 0; i < rows.size(); ++i) input.rows[i] = rows[i];
    input.nose_output = nose;
    input.nose_position = position;
    input.tool_life = life;
    return input;
  };
  // clang-format off
  QTest::newRow("worked example: T5 kind 14 LD with nose line") << tool("5", 14, 1, {"30", "12", "0.4"}, true, 6, false);
  QTest::newRow("kind 1 shape 6 A1A2LDNR under life management") << tool("3", 1, 6, {"55", "5", "40", "20", "0.8"}, false, 3, true);
  QTest::newRow("kind 24 None: one line")                        << tool("2", 24, 1, {}, true, 9, false);
  QTest::newRow("nose radius 0 gives position 0")                << tool("5", 14, 1, {"30", "12", "0"}, true, 6, false);
  QTest::newRow("empty nose radius")                             << tool("5", 14, 1, {"30", "12", ""}, true, 6, false);
  QTest::newRow("tool number 05 stays as typed")                 << tool("05", 7, 1, {"55", "5", "40"}, false, 3, false);
  QTest::newRow("LDNR with nose line: NR twice")                 << tool("12", 2, 4, {"60", "16", "0.4"}, true, 2, false);
  QTest::newRow("empty dimension reads 0")                       << tool("8", 19, 1, {"90", "", "3"}, false, 3, false);
  // clang-format on
}

void TestGraphicReader::ToolBlockReadsBack() {
  QFETCH(ToolBlockInput, input);
  const std::optional<QString> block = ToolBlockFor(input);
  QVERIFY(block);
  const GraphicProgram read = ReadGraphicProgram(Subprogram(*block));
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  QCOMPARE(read.tools.size(), 1);
  const ToolData& tool = read.tools.front();
  QCOMPARE(tool.number, input.tool_number);
  QCOMPARE(tool.tool_life, input.tool_life);
  QCOMPARE(tool.kind, std::optional<int>(input.kind));
  QCOMPARE(tool.shape, std::optional<int>(input.shape));
  QCOMPARE(tool.line, kFirstBlockLine);
  const FieldSet set = FindShape(input.kind, input.shape)->field_set;
  const FieldSetRows& rows = FieldSetOf(set);
  for (int d = 0; d < 6; ++d) {
    const Dimension dimension = static_cast<Dimension>(d);
    const int row = static_cast<int>(std::find(rows.rows.begin(), rows.rows.end(), dimension) -
                                     rows.rows.begin());
    const std::optional<double> expected =
        row < rows.rows.size() ? Value(input.rows[row]) : std::nullopt;
    QCOMPARE(tool.DimensionValue(dimension), expected);
  }
  const bool nose = input.nose_output && set != FieldSet::kNone;
  if (nose) {
    const QString radius = input.rows[NoseRadiusRow(set) - 1];
    QCOMPARE(tool.nose_x, std::optional<double>(0));
    QCOMPARE(tool.nose_radius, Value(radius));
    QCOMPARE(tool.nose_position, Value(PN(input.nose_position, radius)));
  } else {
    QCOMPARE(tool.nose_radius, std::nullopt);
  }
}

// Every (kind, shape) pair of the catalogue, with random dimensions, several tools in one
// block as the dialog collects them.
void TestGraphicReader::EveryCataloguePairReadsBack() {
  QRandomGenerator random(42);
  QString block;
  QList<ToolBlockInput> inputs;
  int number = 1;
  for (const KindEntry& entry : kToolCatalogue) {
    for (int kind : entry.kinds) {
      for (const ShapeEntry& shape : entry.shapes) {
        ToolBlockInput input;
        input.tool_number = QString::number(number++);
        input.kind = kind;
        input.shape = shape.shape;
        input.tool_life = random.bounded(2) == 1;
        input.nose_output = random.bounded(2) == 1;
        input.nose_position = random.bounded(1, 10);
        for (QString& row : input.rows) row = RandomNumber(random);
        block += *ToolBlockFor(input);
        inputs << input;
      }
    }
  }
  const GraphicProgram read = ReadGraphicProgram(Subprogram(block));
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  QCOMPARE(read.tools.size(), inputs.size());
  for (qsizetype i = 0; i < inputs.size(); ++i) {
    const ToolBlockInput& input = inputs[i];
    const ToolData& tool = read.tools[i];
    QCOMPARE(tool.kind, std::optional<int>(input.kind));
    QCOMPARE(tool.shape, std::optional<int>(input.shape));
    const FieldSetRows& rows = FieldSetOf(FindShape(input.kind, input.shape)->field_set);
    for (int r = 0; r < rows.rows.size(); ++r)
      QCOMPARE(tool.DimensionValue(rows.rows[r]), Value(input.rows[r]));
  }
}

void TestGraphicReader::ContourStatementReads_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<int>("sn");
  QTest::addColumn<bool>("left");
  QTest::addColumn<QStringList>("fields");  // Z, D1, D2, L, R as the statement has them
  // clang-format off
  QTest::newRow("outer cylinder, worked example")   << "N000 PS RC,[0,0],[50,80]"                << 1 << false << QStringList{"0", "80", "", "50", ""};
  QTest::newRow("outer cone, worked example")       << "N000 PT LF,RC,[-50,0],[80,60],[20,0]"    << 2 << false << QStringList{"-50", "80", "60", "20", ""};
  QTest::newRow("inner cylinder, worked example")   << "N000 PS RC,[0,0],[40,30],0"              << 5 << false << QStringList{"0", "30", "", "40", ""};
  QTest::newRow("left face cylinder")               << "N000 PS LC,[0,0],[50,80]"                << 1 << true  << QStringList{"0", "80", "", "50", ""};
  QTest::newRow("convex arc")                       << "N000 PT SS,LC,[10,0],[80,80],[20,11]"    << 3 << true  << QStringList{"10", "80", "80", "20", "11"};
  QTest::newRow("concave arc")                      << "N000 PT SD,RC,[10,0],[80,70],[20,15]"    << 4 << false << QStringList{"10", "80", "70", "20", "15"};
  QTest::newRow("inner cone")                       << "N000 PT LF,LC,[0,0],[30,40],[10,0],0"    << 6 << true  << QStringList{"0", "30", "40", "10", ""};
  QTest::newRow("inner convex arc")                 << "N000 PT SS,RC,[0,0],[30,30],[20,12],0"   << 7 << false << QStringList{"0", "30", "30", "20", "12"};
  QTest::newRow("inner concave arc")                << "N000 PT SD,LC,[0,0],[30,30],[20,12],0"   << 8 << true  << QStringList{"0", "30", "30", "20", "12"};
  QTest::newRow("empty fields as the dialog writes") << "N000 PS RC,[,0],[,]"                     << 1 << false << QStringList{"", "", "", "", ""};
  QTest::newRow("leading zero kept, value 100")     << "N000 PS RC,[0100,0],[50,80]"             << 1 << false << QStringList{"0100", "80", "", "50", ""};
  QTest::newRow("hand-written: other label")        << "N120 PS RC,[0,0],[50,80]"                << 1 << false << QStringList{"0", "80", "", "50", ""};
  QTest::newRow("hand-written: comment and blanks") << "N000 PS RC,[0,0],[50,80] (FLANGE)  "     << 1 << false << QStringList{"0", "80", "", "50", ""};
  QTest::newRow("hand-written: decimals")           << "N000 PT LF,RC,[-2.5,0],[82,100],[4.2,0]" << 2 << false << QStringList{"-2.5", "82", "100", "4.2", ""};
  // clang-format on
}

void TestGraphicReader::ContourStatementReads() {
  QFETCH(QString, line);
  QFETCH(int, sn);
  QFETCH(bool, left);
  QFETCH(QStringList, fields);
  const GraphicProgram read =
      ReadGraphicProgram(Subprogram(Lines({"N000 DEF WORK", line, "N000 END"})));
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  QCOMPARE(read.side_blocks.size(), 1);
  QCOMPARE(read.side_blocks.front().shapes.size(), 1);
  const ContourShape& shape = read.side_blocks.front().shapes.front();
  QCOMPARE(shape.sn, sn);
  QCOMPARE(shape.face == ContourFace::kLeft, left);
  QCOMPARE(shape.line, kFirstBlockLine + 1);
  const QList<const FieldValue*> got = {&shape.z, &shape.d1, &shape.d2, &shape.l, &shape.r};
  for (int i = 0; i < 5; ++i) {
    QCOMPARE(got[i]->text, fields[i]);
    QCOMPARE(got[i]->value, Value(fields[i]).value());
  }
}

void TestGraphicReader::FrontViewBlockReads() {
  // The front view's worked example, and an odd bore diameter whose radius is rounded down.
  const GraphicProgram read = ReadGraphicProgram(
      Subprogram(Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 PF 0,[0,0],60,D,0",
                        "N000 PO [0, 30]", "N000 CI [0,0],[0,- 30],R,0", "N000 PF 0,[0,0],75,D,0",
                        "N000 PO [0, 37]", "N000 CI [0,0],[0,- 37],R,0", "N000 END"})));
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  QCOMPARE(read.front_blocks.size(), 1);
  const FrontBlock& block = read.front_blocks.front();
  QVERIFY(!block.second_spindle);
  QCOMPARE(block.circles.size(), 3);
  QVERIFY(!block.circles[0].inner);
  QCOMPARE(block.circles[0].d.value, 100.0);
  QVERIFY(block.circles[1].inner);
  QCOMPARE(block.circles[1].d.text, QStringLiteral("60"));
  QCOMPARE(block.circles[2].d.value, 75.0);
  QCOMPARE(block.circles[2].line, kFirstBlockLine + 5);
}

void TestGraphicReader::SpindleBlocksAndSection() {
  const GraphicProgram read = ReadGraphicProgram(
      Subprogram(Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]", "N000 END", "N000 DEF WORK[S]",
                        "N000 PS LC,[0,0],[30,60]", "N000 END", "NOEX VSCTA=2 (X-Y SECTION)",
                        "N000 DEF WORKF[S]", "N000 PF 0,[0,0],60,D", "N000 END"})));
  QVERIFY(read.problems.isEmpty());
  QCOMPARE(read.side_blocks.size(), 2);
  QVERIFY(!read.side_blocks[0].second_spindle);
  QVERIFY(read.side_blocks[1].second_spindle);
  QCOMPARE(read.side_blocks[1].shapes.front().d1.value, 60.0);
  QCOMPARE(read.VSCTA, std::optional<double>(2));
  QCOMPARE(read.front_blocks.size(), 1);
  QVERIFY(read.front_blocks[0].second_spindle);
}

// Of several blocks of one kind and spindle the last is drawn; each earlier one is a problem of
// its DEF line.
void TestGraphicReader::LaterBlockReplacesEarlier_data() {
  QTest::addColumn<QStringList>("defs");     // each a block of its own: DEF line, END
  QTest::addColumn<QList<int>>("replaced");  // the blocks (by index in `defs`) replaced
  // clang-format off
  QTest::newRow("one of each")                  << QStringList{"DEF WORK", "DEF WORK[S]", "DEF WORKF", "DEF WORKF[S]"} << QList<int>{};
  QTest::newRow("side block twice")             << QStringList{"DEF WORK", "DEF WORK"}                                 << QList<int>{0};
  QTest::newRow("spindle 2 thrice among 1")     << QStringList{"DEF WORK[S]", "DEF WORK", "DEF WORK[S]", "DEF WORK[S]"} << QList<int>{0, 2};
  QTest::newRow("front twice around a side")    << QStringList{"DEF WORKF", "DEF WORK", "DEF WORKF"}                    << QList<int>{0};
  QTest::newRow("both kinds twice, both spindles") << QStringList{"DEF WORKF[S]", "DEF WORK", "DEF WORKF[S]", "DEF WORK", "DEF WORKF", "DEF WORK[S]"} << QList<int>{0, 1};
  // clang-format on
}

void TestGraphicReader::LaterBlockReplacesEarlier() {
  QFETCH(QStringList, defs);
  QFETCH(QList<int>, replaced);
  QStringList lines;
  for (const QString& def : defs) lines << "N000 " + def << "N000 END";
  const GraphicProgram read = ReadGraphicProgram(Subprogram(Lines(lines)));
  QList<int> problem_blocks;
  for (const UnreadLine& problem : read.problems) {
    QCOMPARE(problem.problem, ReadProblem::kBlockReplaced);
    QCOMPARE(problem.text, lines[problem.line - kFirstBlockLine]);
    problem_blocks << (problem.line - kFirstBlockLine) / 2;
  }
  QCOMPARE(problem_blocks, replaced);
  QList<int> flagged;
  for (const SideBlock& block : read.side_blocks) {
    if (block.replaced) flagged << (block.line - kFirstBlockLine) / 2;
  }
  for (const FrontBlock& block : read.front_blocks) {
    if (block.replaced) flagged << (block.line - kFirstBlockLine) / 2;
  }
  std::sort(flagged.begin(), flagged.end());
  QCOMPARE(flagged, replaced);
}

void TestGraphicReader::RejectedLines_data() {
  QTest::addColumn<QStringList>("lines");  // the block area of the skeleton
  QTest::addColumn<int>("at");             // the line, counted in `lines`
  QTest::addColumn<ReadProblem>("problem");
  using P = ReadProblem;
  // clang-format off
  QTest::newRow("typo in the keyword")              << QStringList{"NOEX VCHKD=50", "N000 DEF WROK"}                      << 1 << P::kUnknownStatement;
  QTest::newRow("no label")                         << QStringList{"PS RC,[0,0],[50,80]"}                                 << 0 << P::kUnknownStatement;
  QTest::newRow("NOEX without an assignment")       << QStringList{"NOEX"}                                                << 0 << P::kBadNoex;
  QTest::newRow("NOEX with text before the first")  << QStringList{"NOEXVCHKD=50"}                                        << 0 << P::kBadNoex;
  QTest::newRow("misspelt chuck variable")          << QStringList{"NOEX VCHDK=50 VCHKL=20"}                              << 0 << P::kUnknownVariable;
  QTest::newRow("tool variable without number")     << QStringList{"NOEX VTLIN=1 VTLFN=1"}                                << 0 << P::kMissingToolNumber;
  QTest::newRow("chuck variable with index")        << QStringList{"NOEX VCHKD[1]=50"}                                    << 0 << P::kUnexpectedIndex;
  QTest::newRow("value too large")                  << QStringList{"NOEX VCHKD=1E400"}                                    << 0 << P::kValueTooLarge;
  QTest::newRow("tool kind 39")                     << QStringList{"NOEX VTLIN[1]=39 VTLFN[1]=1"}                         << 0 << P::kUnknownToolKind;
  QTest::newRow("shape 9 of kind 14")               << QStringList{"NOEX VTLIN[1]=14 VTLFN[1]=9"}                         << 0 << P::kUnknownToolShape;
  QTest::newRow("W for an LD shape")                << QStringList{"NOEX VTLIN[1]=14 VTLFN[1]=1", "NOEX VTLW[1]=3"}       << 1 << P::kDimensionNotInShape;
  QTest::newRow("tool data without IN")             << QStringList{"NOEX VTLL[4]=30 VTLD[4]=12"}                          << 0 << P::kToolWithoutKind;
  QTest::newRow("PS with a missing bracket")        << QStringList{"N000 DEF WORK", "N000 PS RC,[0,0],[50,80", "N000 END"} << 1 << P::kBadPs;
  QTest::newRow("PS with a second coordinate 5")    << QStringList{"N000 DEF WORK", "N000 PS RC,[0,5],[50,80]", "N000 END"} << 1 << P::kBadPs;
  QTest::newRow("PS with face XC")                  << QStringList{"N000 DEF WORK", "N000 PS XC,[0,0],[50,80]", "N000 END"} << 1 << P::kBadPs;
  QTest::newRow("PT with an unknown profile")       << QStringList{"N000 DEF WORK", "N000 PT LX,RC,[0,0],[8,6],[2,0]", "N000 END"} << 1 << P::kBadPt;
  QTest::newRow("PT arc without its radius")        << QStringList{"N000 DEF WORK", "N000 PT SS,RC,[0,0],[8,6],[2]", "N000 END"} << 1 << P::kBadPt;
  QTest::newRow("cone with a radius")               << QStringList{"N000 DEF WORK", "N000 PT LF,RC,[0,0],[8,6],[2,5]", "N000 END"} << 1 << P::kConeRadius;
  QTest::newRow("PF without D")                     << QStringList{"N000 DEF WORKF", "N000 PF 0,[0,0],100", "N000 END"}     << 1 << P::kBadPf;
  QTest::newRow("PO without brackets")              << QStringList{"N000 DEF WORKF", "N000 PF 0,[0,0],60,D,0", "N000 PO 0, 30", "N000 END"} << 2 << P::kBadPo;
  QTest::newRow("CI with R missing")                << QStringList{"N000 DEF WORKF", "N000 PF 0,[0,0],60,D,0", "N000 PO [0, 30]", "N000 CI [0,0],[0,- 30],0", "N000 END"} << 3 << P::kBadCi;
  QTest::newRow("PO after an outer circle")         << QStringList{"N000 DEF WORKF", "N000 PF 0,[0,0],60,D", "N000 PO [0, 30]", "N000 END"} << 2 << P::kBoreWithoutCircle;
  QTest::newRow("CI before PO")                     << QStringList{"N000 DEF WORKF", "N000 PF 0,[0,0],60,D,0", "N000 CI [0,0],[0,- 30],R,0", "N000 END"} << 2 << P::kBoreWithoutCircle;
  QTest::newRow("PO radius not half the diameter")  << QStringList{"N000 DEF WORKF", "N000 PF 0,[0,0],60,D,0", "N000 PO [0, 35]", "N000 CI [0,0],[0,- 30],R,0", "N000 END"} << 2 << P::kBoreRadiusMismatch;
  QTest::newRow("PS outside a block")               << QStringList{"N000 PS RC,[0,0],[50,80]"}                             << 0 << P::kContourOutsideBlock;
  QTest::newRow("PF outside a block")               << QStringList{"N000 PF 0,[0,0],100,D"}                                << 0 << P::kCircleOutsideBlock;
  QTest::newRow("PS in the front view")             << QStringList{"N000 DEF WORKF", "N000 PS RC,[0,0],[50,80]", "N000 END"} << 1 << P::kContourInFrontBlock;
  QTest::newRow("PF in the side view")              << QStringList{"N000 DEF WORK", "N000 PF 0,[0,0],100,D", "N000 END"}    << 1 << P::kCircleInSideBlock;
  QTest::newRow("DEF inside an open block")         << QStringList{"N000 DEF WORK", "N000 DEF WORKF", "N000 END"}           << 1 << P::kNestedBlock;
  QTest::newRow("END without DEF")                  << QStringList{"N000 END"}                                             << 0 << P::kEndWithoutBlock;
  QTest::newRow("block never closed")               << QStringList{"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]"}             << 0 << P::kBlockNotClosed;
  QTest::newRow("side block written twice")         << QStringList{"N000 DEF WORK (OLD)", "N000 END", "N000 DEF WORK", "N000 END"} << 0 << P::kBlockReplaced;
  // clang-format on
}

void TestGraphicReader::RejectedLines() {
  QFETCH(QStringList, lines);
  QFETCH(int, at);
  QFETCH(ReadProblem, problem);
  const GraphicProgram read = ReadGraphicProgram(Subprogram(Lines(lines), "N001 M02\r\n"));
  QCOMPARE(read.problems.size(), 1);
  const UnreadLine& unread = read.problems.front();
  QCOMPARE(unread.problem, problem);
  QCOMPARE(unread.line, 1 + kFirstBlockLine + at);  // one line of main program before
  QCOMPARE(unread.text, lines[at]);
  QVERIFY(!ReadProblemText(problem).isEmpty());
}

void TestGraphicReader::SampleProgramReadsWhole() {
  QFile file(qEnvironmentVariable("ZEL_SOURCE_DIR") + "/examples/SAMPLE.MIN");
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray utf8 = Cp932().Decode(file.readAll()).utf8;
  const GraphicProgram read = ReadGraphicProgramUtf8(utf8);
  QVERIFY(read.found);
  QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).text));
  QCOMPARE(read.chuck.VCHKD, std::optional<double>(50));
  QCOMPARE(read.chuck.VCHKZ, std::optional<double>(-72));
  QCOMPARE(read.chuck.VWKR, std::optional<double>(9999));
  QCOMPARE(read.tools.size(), 6);
  QCOMPARE(read.tools[5].kind, std::optional<int>(8));
  QCOMPARE(read.tools[5].DimensionValue(Dimension::kNR), std::optional<double>(0.4));
  QCOMPARE(read.side_blocks.size(), 1);
  QCOMPARE(read.side_blocks[0].shapes.size(), 4);
  QCOMPARE(read.side_blocks[0].shapes[3].sn, 5);
  QCOMPARE(read.front_blocks.size(), 1);
  QCOMPARE(read.front_blocks[0].circles.size(), 2);
  QCOMPARE(read.VSCTA, std::optional<double>(2));
}

void TestGraphicReader::Utf8ReadingMatchesText() {
  const QString text = Subprogram(
      Lines({"(工具)", "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80", "N000 PS RC,[0,0],[50,80]"}),
      "(サンプル)\r\nN002 CALL OZEL\r\n");
  const GraphicProgram from_text = ReadGraphicProgram(text);
  const GraphicProgram from_utf8 = ReadGraphicProgramUtf8(text.toUtf8());
  QCOMPARE(from_utf8.first_line, from_text.first_line);
  QCOMPARE(from_utf8.last_line, from_text.last_line);
  QCOMPARE(from_utf8.tools.size(), 1);
  QCOMPARE(from_utf8.problems.size(), 1);
  QCOMPARE(from_utf8.problems[0].line, from_text.problems[0].line);
  QCOMPARE(from_utf8.problems[0].problem, ReadProblem::kContourOutsideBlock);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestGraphicReader)
#include "tst_graphic_reader.moc"
