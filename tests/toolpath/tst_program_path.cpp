#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <numbers>

#include "editor/text_codec.h"
#include "toolpath/path_drawing.h"
#include "toolpath/program_path.h"

namespace zel {

namespace {

constexpr double kPi = std::numbers::pi;

QString Number(double value) { return QString::number(std::round(value * 1000) / 1000 + 0.0); }

// A move in one short line: "G02 80,-26>84,-28 c84,-26 L3.142 @1" (X as diameters; centre
// and length for arcs only; the line 0-based).
QString Describe(const PathMove& move) {
  static const char* const kKinds[] = {"G00", "G01", "G02", "G03", "G33"};
  QString text = QStringLiteral("%1 %2,%3>%4,%5")
                     .arg(kKinds[int(move.kind)], Number(move.x0), Number(move.z0), Number(move.x1),
                          Number(move.z1));
  if (move.IsArc())
    text +=
        QStringLiteral(" c%1,%2 L%3").arg(Number(move.xc), Number(move.zc), Number(move.length));
  return text + QStringLiteral(" @") + QString::number(move.line);
}

// A note as "1 call": its line and a short name of the issue.
QString Describe(const PathNote& note) {
  static const char* const kNames[] = {"call",       "jump",        "condition",  "variable",
                                       "subprogram", "g50",         "g",          "word",
                                       "statement",  "t",           "off-circle", "short-r",
                                       "no-centre",  "same-points", "no-feed",    "no-spindle"};
  return QString::number(note.line) + u' ' + QString::fromLatin1(kNames[int(note.issue)]);
}

PathOptions Options(bool block_skip = false) {
  PathOptions options;
  options.block_skip = block_skip;
  options.rates = {20, 24, 4000, 2};
  return options;
}

ProgramPath Run(const QString& program, const PathOptions& options = Options()) {
  return InterpretProgram(program.toUtf8(), options);
}

// Seconds of a G96 cut along points r(t), z(t), t in [0, 1], summed finely: the check of the
// exact integral by brute force.
template <typename Point>
double FineSum(Point at, double vc, double limit, double feed) {
  constexpr int kSteps = 200000;
  double seconds = 0;
  for (int i = 0; i < kSteps; ++i) {
    const auto [r0, z0] = at(double(i) / kSteps);
    const auto [r1, z1] = at(double(i + 1) / kSteps);
    const auto [rm, zm] = at((i + 0.5) / kSteps);
    const double rpm = std::min(1000 * vc / (kPi * 2 * std::abs(rm)), limit);
    seconds += 60 * std::hypot(r1 - r0, z1 - z0) / (feed * rpm);
  }
  return seconds;
}

}  // namespace

class TestProgramPath : public QObject {
  Q_OBJECT

 private slots:
  void Moves_data();
  void Moves();
  void Notes_data();
  void Notes();
  void CycleTimes_data();
  void CycleTimes();
  void ToolWords_data();
  void ToolWords();
  void TimeText_data();
  void TimeText();
  void SampleProgram();
  void FilletTurnsTheRightWay();
};

void TestProgramPath::Moves_data() {
  QTest::addColumn<QString>("program");
  QTest::addColumn<bool>("block_skip");
  QTest::addColumn<QStringList>("moves");
  // clang-format off
  QTest::newRow("X Z absolute; the first move only sets the start") << "G00 X100 Z10\nG01 X80 F0.2\nZ-20" << false << QStringList{"G01 100,10>80,10 @1", "G01 80,10>80,-20 @2"};
  QTest::newRow("U W add to the position, U on the diameter") << "G00 X100 Z10\nG01 U-20 W-5 F0.2" << false << QStringList{"G01 100,10>80,5 @1"};
  QTest::newRow("G91 makes X Z incremental until G90") << "G00 X100 Z10\nG91 G01 X-10 Z-5 F0.2\nX-10\nG90 X50" << false << QStringList{"G01 100,10>90,5 @1", "G01 90,5>80,5 @2", "G01 80,5>50,5 @3"};
  QTest::newRow("rapid") << "G00 X100 Z10\nX50 Z2" << false << QStringList{"G00 100,10>50,2 @1"};
  QTest::newRow("thread") << "G00 X79.4 Z5\nG33 Z-17 F1.5" << false << QStringList{"G33 79.4,5>79.4,-17 @1"};
  QTest::newRow("G02 by R: the outer centre, clockwise") << "G00 X80 Z-26\nG02 X84 Z-28 R2 F0.1" << false << QStringList{"G02 80,-26>84,-28 c84,-26 L3.142 @1"};
  QTest::newRow("G03 by R: the inner centre") << "G00 X80 Z-26\nG03 X84 Z-28 R2 F0.1" << false << QStringList{"G03 80,-26>84,-28 c80,-28 L3.142 @1"};
  QTest::newRow("G02 by negative R: the longer arc") << "G00 X80 Z-26\nG02 X84 Z-28 R-2 F0.1" << false << QStringList{"G02 80,-26>84,-28 c80,-28 L9.425 @1"};
  QTest::newRow("G03 by negative R: the longer arc") << "G00 X80 Z-26\nG03 X84 Z-28 R-2 F0.1" << false << QStringList{"G03 80,-26>84,-28 c84,-26 L9.425 @1"};
  QTest::newRow("G02 by I K, I on the radius") << "G00 X80 Z-26\nG02 X84 Z-28 I2 K0 F0.1" << false << QStringList{"G02 80,-26>84,-28 c84,-26 L3.142 @1"};
  QTest::newRow("G03 by I K") << "G00 X80 Z-26\nG03 X84 Z-28 K-2 F0.1" << false << QStringList{"G03 80,-26>84,-28 c80,-28 L3.142 @1"};
  QTest::newRow("I K ending at the start: a whole circle") << "G00 X40 Z0\nG03 X40 Z0 I-5 F0.1" << false << QStringList{"G03 40,0>40,0 c30,0 L31.416 @1"};
  QTest::newRow("R of half the chord: a half circle") << "G00 X20 Z0\nG03 X20 Z-10 R5 F0.1" << false << QStringList{"G03 20,0>20,-10 c20,-5 L15.708 @1"};
  QTest::newRow("I K end 0.009 off its circle is drawn") << "G00 X20 Z0\nG02 X0 Z10.009 I-10 F0.1" << false << QStringList{"G02 20,0>0,10.009 c0,0 L15.708 @1"};
  QTest::newRow("a refused arc: the next move starts at its end") << "G00 X80 Z-26\nG02 X84 Z-28 R1\nG01 X90 F0.1" << false << QStringList{"G01 84,-28>90,-28 @2"};
  QTest::newRow("slash block runs with the switch off") << "G00 X100 Z10\n/G01 X80 F0.2" << false << QStringList{"G01 100,10>80,10 @1"};
  QTest::newRow("slash block skipped with the switch on") << "G00 X100 Z10\n / N2 G01 X80 F0.2" << true << QStringList{};
  QTest::newRow("comments are ignored") << "G00 X100 Z10 (X0 Z0)\n(G01 X1)\nG01 X80 F0.2 (Z-5" << false << QStringList{"G01 100,10>80,10 @2"};
  QTest::newRow("CR, LF and CR LF each end a line") << "G00 X100 Z10\rG01 X80 F0.2\nZ-5\r\nZ-10" << false << QStringList{"G01 100,10>80,10 @1", "G01 80,10>80,-5 @2", "G01 80,-5>80,-10 @3"};
  QTest::newRow("labels with and without a blank") << "N10G00X100Z10\nN20 G01 X80 F.2" << false << QStringList{"G01 100,10>80,10 @1"};
  QTest::newRow("M30 ends the program after its move") << "G00 X100 Z10\nG01 X80 F0.2 M30\nZ-5" << false << QStringList{"G01 100,10>80,10 @1"};
  QTest::newRow("the graphic subprogram is not run") << "CALL OZEL\nG00 X100 Z10\nOZEL\nG01 X10 F0.1\nNRTS RTS\nG01 X80 F0.2" << false << QStringList{"G01 100,10>80,10 @5"};
  QTest::newRow("after a line not run: from the last known position") << "G00 X100 Z10\nG50 X200 Z300\nVC1=5\nG01 X80 F0.2" << false << QStringList{"G01 100,10>80,10 @3"};
  QTest::newRow("G04 X is a dwell, not a move") << "G00 X100 Z10\nG04 X2\nG01 Z5 F0.1" << false << QStringList{"G01 100,10>100,5 @2"};
  // clang-format on
}

void TestProgramPath::Moves() {
  QFETCH(QString, program);
  QFETCH(bool, block_skip);
  QFETCH(QStringList, moves);
  const ProgramPath path = Run(program, Options(block_skip));
  QStringList described;
  for (const PathMove& move : path.moves) described << Describe(move);
  QCOMPARE(described, moves);
}

void TestProgramPath::Notes_data() {
  QTest::addColumn<QString>("program");
  QTest::addColumn<QStringList>("notes");
  // Each program follows a first line that puts the tool at X80 Z-26 with the spindle on.
  // clang-format off
  QTest::newRow("CALL of another subprogram") << "CALL OSUB1" << QStringList{"1 call"};
  QTest::newRow("CALL OZEL is not listed") << "CALL OZEL (GRAPHIC)" << QStringList{};
  QTest::newRow("GOTO") << "GOTO NEND" << QStringList{"1 jump"};
  QTest::newRow("IF") << "N5 IF [VC1 EQ 1] NEND" << QStringList{"1 condition"};
  QTest::newRow("assignment") << "VC1=10" << QStringList{"1 variable"};
  QTest::newRow("NOEX") << "NOEX VC1=10" << QStringList{"1 variable"};
  QTest::newRow("address with a variable") << "G01 X=VC1" << QStringList{"1 variable"};
  QTest::newRow("address with an expression") << "G01 X[VC1+2]" << QStringList{"1 variable"};
  QTest::newRow("G50 with X and Z") << "G50 X200 Z300" << QStringList{"1 g50"};
  QTest::newRow("G50 S alone is not listed") << "G50 S2000" << QStringList{};
  QTest::newRow("other G code") << "G71 U2 R0.5" << QStringList{"1 g"};
  QTest::newRow("G code with a point") << "G01.5 X70" << QStringList{"1 g"};
  QTest::newRow("unknown word") << "G01 X70 C90" << QStringList{"1 word"};
  QTest::newRow("P outside a dwell") << "G01 X70 P5" << QStringList{"1 word"};
  QTest::newRow("value beyond 1e9") << "G01 X1000000001" << QStringList{"1 word"};
  QTest::newRow("feed below 1e-6") << "G01 X70 F0.0000001" << QStringList{"1 word"};
  QTest::newRow("other subprogram, skipped to its RTS") << "O1234\nG01 X10\nRTS\nG01 X70" << QStringList{"1 subprogram"};
  QTest::newRow("statement of several letters") << "DRAW" << QStringList{"1 statement"};
  QTest::newRow("T word of three digits") << "T101" << QStringList{"1 t"};
  QTest::newRow("T word of five digits") << "T01010" << QStringList{"1 t"};
  QTest::newRow("R shorter than half the chord") << "G02 X84 Z-28 R1.4" << QStringList{"1 short-r"};
  QTest::newRow("I K end 0.011 off its circle") << "G02 X60 Z-15.989 I-10" << QStringList{"1 off-circle"};
  QTest::newRow("I K end 0.009 off its circle") << "G02 X60 Z-15.991 I-10" << QStringList{};
  QTest::newRow("arc without R or I K") << "G02 X84 Z-28" << QStringList{"1 no-centre"};
  QTest::newRow("I K of zero") << "G02 X84 Z-28 I0 K0" << QStringList{"1 no-centre"};
  QTest::newRow("R arc ending where it starts") << "G03 X80 Z-26 R5" << QStringList{"1 same-points"};
  QTest::newRow("feed move with F 0") << "F0\nG01 X70" << QStringList{"2 no-feed"};
  QTest::newRow("per revolution, spindle stopped") << "M05\nG01 X70" << QStringList{"2 no-spindle"};
  QTest::newRow("G96 with S 0") << "G96 S0\nG01 X70" << QStringList{"2 no-spindle"};
  QTest::newRow("per minute needs no spindle") << "M05\nG94 G01 X70 F100" << QStringList{};
  // clang-format on
}

void TestProgramPath::Notes() {
  QFETCH(QString, program);
  QFETCH(QStringList, notes);
  const ProgramPath path = Run("G00 X80 Z-26 S1000 M03 F0.1\n" + program);
  QStringList described;
  for (const PathNote& note : path.notes) described << Describe(note);
  QCOMPARE(described, notes);
}

void TestProgramPath::CycleTimes_data() {
  QTest::addColumn<QString>("program");
  QTest::addColumn<double>("spindle_max");
  QTest::addColumn<double>("cutting");
  QTest::addColumn<double>("rapid");
  QTest::addColumn<double>("dwell");
  QTest::addColumn<double>("tool_change");
  // Facing from X100 to the centre at F0.1 under G96 S200: above the radius rl where the
  // limit n sets in, dt = 2π r dr / (1000 Vc F); below it, dt = dr / (F n).
  auto facing = [](double limit) {
    const double rl = 1000 * 200 / (kPi * limit) / 2;
    return 60 * (kPi * (50 * 50 - rl * rl) / (1000 * 200 * 0.1) + rl / (0.1 * limit));
  };
  // A whole circle of radius 2 about the axis under G96 S10, limit 2000: the speed follows
  // the radius on both sides of the axis and is held at the limit across it.
  const double circle = FineSum(
      [](double t) {
        return std::pair{2 * std::sin(2 * kPi * t), 2 * std::cos(2 * kPi * t)};
      },
      10, 2000, 0.1);
  // clang-format off
  QTest::newRow("turning pass under G97") << "G00 X50 Z2\nG97 S1000 M03\nG01 Z-98 F0.2" << 4000.0 << 60 * 100 / (0.2 * 1000) << 0.0 << 0.0 << 0.0;
  QTest::newRow("per minute under G94") << "G00 X50 Z2\nG94 G01 Z-98 F100" << 4000.0 << 60.0 << 0.0 << 0.0 << 0.0;
  QTest::newRow("facing under G96 into the G50 limit") << "G50 S2000\nG00 X100 Z0\nG96 S200 M03\nG01 X0 F0.1" << 4000.0 << facing(2000) << 0.0 << 0.0 << 0.0;
  QTest::newRow("facing under G96, SpindleMax without G50") << "G00 X100 Z0\nG96 S200 M03\nG01 X0 F0.1" << 1500.0 << facing(1500) << 0.0 << 0.0 << 0.0;
  QTest::newRow("facing outwards: the same time") << "G50 S2000\nG00 X0 Z0\nG96 S200 M03\nG01 X100 F0.1" << 4000.0 << facing(2000) << 0.0 << 0.0 << 0.0;
  QTest::newRow("G96 circle across the axis") << "G50 S2000\nG00 X4 Z0\nG96 S10 M03\nG03 X4 Z0 I-2 F0.1" << 4000.0 << circle << 0.0 << 0.0 << 0.0;
  QTest::newRow("quarter arc under G97") << "G00 X80 Z-26\nG97 S1000 M03\nG02 X84 Z-28 R2 F0.1" << 4000.0 << 60 * kPi / (0.1 * 1000) << 0.0 << 0.0 << 0.0;
  QTest::newRow("thread: length / (lead × n)") << "G00 X79.4 Z5\nG97 S600 M03\nG33 Z-17 F1.5" << 4000.0 << 60 * 22 / (1.5 * 600) << 0.0 << 0.0 << 0.0;
  QTest::newRow("dwell: X U F in seconds, P in ms") << "G04 X1.5\nG04 U1\nG04 F2\nG04 P500" << 4000.0 << 0.0 << 0.0 << 5.0 << 0.0;
  QTest::newRow("rapid: Z the slower axis") << "G00 X250 Z200\nX104 Z0.2" << 4000.0 << 0.0 << 199.8 / 400 << 0.0 << 0.0;
  QTest::newRow("rapid: X on the radius the slower") << "G00 X250 Z200\nX50 Z190" << 4000.0 << 0.0 << 100 / (20000 / 60.0) << 0.0 << 0.0;
  QTest::newRow("tool change per T word that changes it") << "T0101\nT0102\nT0202\nT0303\nT0303" << 4000.0 << 0.0 << 0.0 << 0.0 << 6.0;
  QTest::newRow("six-digit T: the middle two") << "T010101\nT020102" << 4000.0 << 0.0 << 0.0 << 0.0 << 2.0;
  // clang-format on
}

void TestProgramPath::CycleTimes() {
  QFETCH(QString, program);
  QFETCH(double, spindle_max);
  QFETCH(double, cutting);
  QFETCH(double, rapid);
  QFETCH(double, dwell);
  QFETCH(double, tool_change);
  PathOptions options = Options();
  options.rates.spindle_max = spindle_max;
  const ProgramPath path = Run(program, options);
  QStringList notes;
  for (const PathNote& note : path.notes) notes << Describe(note);
  QCOMPARE(notes, QStringList());
  // Exact to the last digits, the fine sum to 0.01 %.
  const double tolerance = 1e-4;
  QVERIFY2(std::abs(path.times.cutting - cutting) <= tolerance * std::max(cutting, 1.0),
           qPrintable(QString::number(path.times.cutting, 'g', 12)));
  QCOMPARE_LE(std::abs(path.times.rapid - rapid), 1e-9);
  QCOMPARE_LE(std::abs(path.times.dwell - dwell), 1e-9);
  QCOMPARE_LE(std::abs(path.times.tool_change - tool_change), 1e-9);
}

void TestProgramPath::ToolWords_data() {
  QTest::addColumn<QString>("digits");
  QTest::addColumn<int>("tool");
  // clang-format off
  QTest::newRow("four digits: the first two") << "1203" << 12;
  QTest::newRow("six digits: the middle two") << "010203" << 2;
  QTest::newRow("two digits") << "12" << -1;
  QTest::newRow("five digits") << "12345" << -1;
  QTest::newRow("none") << "" << -1;
  // clang-format on
}

void TestProgramPath::ToolWords() {
  QFETCH(QString, digits);
  QFETCH(int, tool);
  QCOMPARE(ToolOfTWord(digits.toLatin1()), tool);
}

void TestProgramPath::TimeText_data() {
  QTest::addColumn<double>("seconds");
  QTest::addColumn<QString>("text");
  QTest::newRow("zero") << 0.0 << "0:00:00.0";
  QTest::newRow("hours, minutes, tenths") << 3725.44 << "1:02:05.4";
  QTest::newRow("rounding carries into the minute") << 59.96 << "0:01:00.0";
}

void TestProgramPath::TimeText() {
  QFETCH(double, seconds);
  QFETCH(QString, text);
  QCOMPARE(CycleTimeText(seconds), text);
}

void TestProgramPath::SampleProgram() {
  QFile file(qEnvironmentVariable("ZEL_SOURCE_DIR") + "/examples/SAMPLE.MIN");
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray utf8 = Cp932().Decode(file.readAll()).utf8;
  const ProgramPath path = InterpretProgram(utf8, Options());
  const QList<QByteArray> lines = utf8.split('\n');
  QVERIFY(path.notes.empty());
  QVERIFY(path.end_line > 0 && lines.at(path.end_line).startsWith("N610 M02"));
  // N207: the corner fillet, clockwise about its centre outside the material.
  const auto fillet = std::find_if(path.moves.begin(), path.moves.end(), [&](const PathMove& m) {
    return lines.at(m.line).startsWith("N207");
  });
  QVERIFY(fillet != path.moves.end());
  QCOMPARE(Describe(*fillet).section(u'@', 0, 0),
           QStringLiteral("G02 80,-26>84,-28 c84,-26 L3.142 "));
  QList<int> tools;
  for (const ToolShare& share : path.tools) tools << share.tool;
  QCOMPARE(tools, (QList<int>{1, 2, 3, 4, 5, 6}));
  QCOMPARE(path.tools[3].t_word, QStringLiteral("T0404"));
  QCOMPARE(path.tools[3].cutting_length, 3 * 22.0);  // three thread passes
  QCOMPARE(path.times.tool_change, 6 * 2.0);
  QCOMPARE(path.nose_compensation_line, -1);
}

void TestProgramPath::FilletTurnsTheRightWay() {
  QFile file(qEnvironmentVariable("ZEL_SOURCE_DIR") + "/examples/SAMPLE.MIN");
  QVERIFY(file.open(QIODevice::ReadOnly));
  const ProgramPath path = InterpretProgram(Cp932().Decode(file.readAll()).utf8, Options());
  // N207 G02 X84 Z-28 R2 from X80 Z-26, drawn at 40 pixels a millimetre around its chord's
  // middle (Z-27, X/2 41): the arc bulges towards the corner at Z-28, X/2 40, so the point
  // of the arc's middle is drawn and its mirror image across the chord is not.
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::black);
  QTransform to_view;
  to_view.translate(100, 100).scale(40, 40).translate(27, 41);
  QPainter painter(&image);
  DrawPath(painter, path, to_view, image.rect(), path.moves.size());
  painter.end();
  auto drawn_near = [&](double x, double z) {
    const QPoint at = to_view.map(SectionPoint(x, z)).toPoint();
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (image.pixel(at + QPoint(dx, dy)) == kFeedColour.rgb()) return true;
    return false;
  };
  const double bulge = 2 - std::sqrt(2.0);  // of the arc's middle from the centre X84 Z-26
  QVERIFY(drawn_near(2 * (42 - 2 + bulge), -26 - 2 + bulge));
  QVERIFY(!drawn_near(2 * (42 - bulge), -26 - bulge));
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestProgramPath)
#include "tst_program_path.moc"
