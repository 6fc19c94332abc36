#include <QTest>

#include "generators/tool/tool_block.h"
#include "tests/support/test_support.h"

Q_DECLARE_METATYPE(zel::ToolBlockInput)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace zel {

namespace {

using test::Lines;

// An input with tool number, kind, shape and row texts; nose position 3, both checks off.
ToolBlockInput Tool(const QString& number, int kind, int shape, const QStringList& rows = {}) {
  ToolBlockInput input;
  input.tool_number = number;
  input.kind = kind;
  input.shape = shape;
  for (int i = 0; i < rows.size(); ++i) input.rows[i] = rows[i];
  return input;
}

ToolBlockInput WithNose(ToolBlockInput input, int position) {
  input.nose_output = true;
  input.nose_position = position;
  return input;
}

ToolBlockInput WithLife(ToolBlockInput input) {
  input.tool_life = true;
  return input;
}

}  // namespace

class TestToolBlock : public QObject {
  Q_OBJECT

 private slots:
  void Block_data();
  void Block();
  void UnlistedPairWritesNothing_data();
  void UnlistedPairWritesNothing();
  void PN_data();
  void PN();
  void NextToolNumber_data();
  void NextToolNumber();
  void StatementFormsFollowFieldSets();
  void WrittenTwice();
};

void TestToolBlock::Block_data() {
  QTest::addColumn<ToolBlockInput>("input");
  QTest::addColumn<QString>("block");

  // clang-format off
  QTest::newRow("worked example: kind 14 shape 1, LD with nose line")
      << WithNose(Tool("5", 14, 1, {"30", "12", "0.4"}), 6)
      << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                "NOEX VNSRX[5]=0 VNSRZ[5]=0.4 VNRPN[5]=6"});
  QTest::newRow("worked example: kind 1 shape 6, A1A2LDNR under life management")
      << WithLife(Tool("3", 1, 6, {"55", "5", "40", "20", "0.8"}))
      << Lines({"NOEX VGRIN[3]=1 VGRFN[3]=6 VGRA1[3]=55 VGRA2[3]=5",
                "NOEX VGRL[3]=40 VGRD[3]=20 VGRNR[3]=0.8"});
  QTest::newRow("None: one line, no nose line even with NR output on")
      << WithNose(Tool("2", 24, 1, {"x", "y"}), 9)
      << Lines({"NOEX VTLIN[2]=24 VTLFN[2]=1"});
  QTest::newRow("nose line with the NR row empty: radius empty, position 0")
      << WithNose(Tool("5", 14, 1, {"30", "12", ""}), 6)
      << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                "NOEX VNSRX[5]=0 VNSRZ[5]= VNRPN[5]=0"});
  QTest::newRow("NR row 0 gives position 0")
      << WithNose(Tool("5", 14, 1, {"30", "12", "0"}), 6)
      << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                "NOEX VNSRX[5]=0 VNSRZ[5]=0 VNRPN[5]=0"});
  QTest::newRow("NR row 0.0 counts as a radius")
      << WithNose(Tool("5", 14, 1, {"30", "12", "0.0"}), 6)
      << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                "NOEX VNSRX[5]=0 VNSRZ[5]=0.0 VNRPN[5]=6"});
  QTest::newRow("NR row ' 0' counts as a radius")
      << WithNose(Tool("5", 14, 1, {"30", "12", " 0"}), 6)
      << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                "NOEX VNSRX[5]=0 VNSRZ[5]= 0 VNRPN[5]=6"});
  QTest::newRow("empty dimension row: nothing after ]=")
      << Tool("5", 14, 1, {"30", ""})
      << Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]="});
  QTest::newRow("empty row inside a line")
      << Tool("5", 2, 1, {"", "5", "", "20"})
      << Lines({"NOEX VTLIN[5]=2 VTLFN[5]=1 VTLA1[5]=",
                "NOEX VTLA2[5]=5 VTLL[5]= VTLD[5]=20"});
  QTest::newRow("tool life off: VTL")
      << Tool("1", 29, 1, {"100", "20"})
      << Lines({"NOEX VTLIN[1]=29 VTLFN[1]=1 VTLL[1]=100 VTLD[1]=20"});
  QTest::newRow("tool life on: VGR")
      << WithLife(Tool("1", 29, 1, {"100", "20"}))
      << Lines({"NOEX VGRIN[1]=29 VGRFN[1]=1 VGRL[1]=100 VGRD[1]=20"});
  QTest::newRow("tool number 05 stands as typed in every item")
      << WithNose(Tool("05", 19, 4, {"30", "4", "0.2"}), 3)
      << Lines({"NOEX VTLIN[05]=19 VTLFN[05]=4 VTLL[05]=30",
                "NOEX VTLD[05]=4 VTLNR[05]=0.2",
                "NOEX VNSRX[05]=0 VNSRZ[05]=0.2 VNRPN[05]=3"});
  QTest::newRow("empty and lettered tool numbers go in as typed")
      << Tool("", 14, 1, {"a", "b"})
      << Lines({"NOEX VTLIN[]=14 VTLFN[]=1 VTLL[]=a VTLD[]=b"});
  QTest::newRow("LW")
      << Tool("7", 21, 1, {"30", "3"})
      << Lines({"NOEX VTLIN[7]=21 VTLFN[7]=1 VTLL[7]=30 VTLW[7]=3"});
  QTest::newRow("A1L")
      << Tool("7", 13, 1, {"60", "30"})
      << Lines({"NOEX VTLIN[7]=13 VTLFN[7]=1 VTLA1[7]=60 VTLL[7]=30"});
  QTest::newRow("LDW with nose line from row 4")
      << WithNose(Tool("7", 20, 1, {"30", "16", "3", "0.2"}), 2)
      << Lines({"NOEX VTLIN[7]=20 VTLFN[7]=1 VTLL[7]=30",
                "NOEX VTLD[7]=16 VTLW[7]=3",
                "NOEX VNSRX[7]=0 VNSRZ[7]=0.2 VNRPN[7]=2"});
  QTest::newRow("A1LW")
      << Tool("7", 19, 1, {"90", "30", "3"})
      << Lines({"NOEX VTLIN[7]=19 VTLFN[7]=1 VTLA1[7]=90", "NOEX VTLL[7]=30 VTLW[7]=3"});
  QTest::newRow("A1LD")
      << Tool("7", 23, 1, {"118", "80", "20"})
      << Lines({"NOEX VTLIN[7]=23 VTLFN[7]=1 VTLA1[7]=118", "NOEX VTLL[7]=80 VTLD[7]=20"});
  QTest::newRow("A1A2L with nose line from row 4")
      << WithNose(Tool("7", 1, 2, {"55", "5", "40", "0.8"}), 8)
      << Lines({"NOEX VTLIN[7]=1 VTLFN[7]=2 VTLA1[7]=55",
                "NOEX VTLA2[7]=5 VTLL[7]=40",
                "NOEX VNSRX[7]=0 VNSRZ[7]=0.8 VNRPN[7]=8"});
  QTest::newRow("A1A2LD with nose line from row 5")
      << WithNose(Tool("7", 2, 1, {"55", "5", "40", "16", "0.4"}), 2)
      << Lines({"NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=55",
                "NOEX VTLA2[7]=5 VTLL[7]=40 VTLD[7]=16",
                "NOEX VNSRX[7]=0 VNSRZ[7]=0.4 VNRPN[7]=2"});
  QTest::newRow("LDNR: radius twice with nose output")
      << WithNose(Tool("7", 1, 4, {"40", "12", "0.4"}), 3)
      << Lines({"NOEX VTLIN[7]=1 VTLFN[7]=4 VTLL[7]=40",
                "NOEX VTLD[7]=12 VTLNR[7]=0.4",
                "NOEX VNSRX[7]=0 VNSRZ[7]=0.4 VNRPN[7]=3"});
  QTest::newRow("A1A2LDNR: radius twice with nose output")
      << WithNose(Tool("7", 1, 6, {"55", "5", "40", "20", "0.8"}), 3)
      << Lines({"NOEX VTLIN[7]=1 VTLFN[7]=6 VTLA1[7]=55 VTLA2[7]=5",
                "NOEX VTLL[7]=40 VTLD[7]=20 VTLNR[7]=0.8",
                "NOEX VNSRX[7]=0 VNSRZ[7]=0.8 VNRPN[7]=3"});
  QTest::newRow("rows the set does not name are not read")
      << WithNose(Tool("7", 14, 1, {"30", "12", "0.4", "left", "over"}), 6)
      << Lines({"NOEX VTLIN[7]=14 VTLFN[7]=1 VTLL[7]=30 VTLD[7]=12",
                "NOEX VNSRX[7]=0 VNSRZ[7]=0.4 VNRPN[7]=6"});
  QTest::newRow("two-digit kind and shape as plain digits")
      << Tool("12", 38, 1, {"50", "10"})
      << Lines({"NOEX VTLIN[12]=38 VTLFN[12]=1 VTLL[12]=50 VTLD[12]=10"});
  // clang-format on
}

void TestToolBlock::Block() {
  QFETCH(ToolBlockInput, input);
  QFETCH(QString, block);
  QCOMPARE(ToolBlockFor(input), std::optional<QString>(block));
}

void TestToolBlock::UnlistedPairWritesNothing_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<int>("shape");
  // clang-format off
  QTest::newRow("no kind")              << 0  << 1;
  QTest::newRow("no kind, no shape")    << 0  << 0;
  QTest::newRow("kind 1, shape 0")      << 1  << 0;
  QTest::newRow("kind 1, shape 8")      << 1  << 8;
  QTest::newRow("kind 24, shape 2")     << 24 << 2;
  QTest::newRow("kind 38, shape -1")    << 38 << -1;
  QTest::newRow("shape beyond 16 bits") << 1  << 32768;
  // clang-format on
}

void TestToolBlock::UnlistedPairWritesNothing() {
  QFETCH(int, kind);
  QFETCH(int, shape);
  QVERIFY(!ToolBlockFor(WithNose(Tool("5", kind, shape, {"1", "2", "3"}), 3)));
}

void TestToolBlock::PN_data() {
  QTest::addColumn<int>("position");
  QTest::addColumn<QString>("radius");
  QTest::addColumn<QString>("text");
  // clang-format off
  QTest::newRow("radius 0.4, position 6")     << 6 << "0.4" << "6";
  QTest::newRow("radius 0.4, position 1")     << 1 << "0.4" << "1";
  QTest::newRow("radius 0.4, position 9")     << 9 << "0.4" << "9";
  QTest::newRow("radius exactly 0")           << 6 << "0"   << "0";
  QTest::newRow("radius empty")               << 6 << ""    << "0";
  QTest::newRow("radius 0.0 is a radius")     << 6 << "0.0" << "6";
  QTest::newRow("radius ' 0' is a radius")    << 6 << " 0"  << "6";
  QTest::newRow("radius '0 ' is a radius")    << 6 << "0 "  << "6";
  QTest::newRow("radius 00 is a radius")      << 6 << "00"  << "6";
  // clang-format on
}

void TestToolBlock::PN() {
  QFETCH(int, position);
  QFETCH(QString, radius);
  QFETCH(QString, text);
  QCOMPARE(zel::PN(position, radius), text);
}

void TestToolBlock::NextToolNumber_data() {
  QTest::addColumn<QString>("number");
  QTest::addColumn<std::optional<QString>>("next");
  const std::optional<QString> none;
  // clang-format off
  QTest::newRow("5 gives 6")                    << "5"      << std::optional<QString>("6");
  QTest::newRow("5.5 gives 6.5")                << "5.5"    << std::optional<QString>("6.5");
  QTest::newRow("007 gives 8")                  << "007"    << std::optional<QString>("8");
  QTest::newRow("05 gives 6")                   << "05"     << std::optional<QString>("6");
  QTest::newRow("blanks around count: ' 7 '")   << " 7 "    << std::optional<QString>("8");
  QTest::newRow("tab before")                   << "\t9"    << std::optional<QString>("10");
  QTest::newRow("sign: +3")                     << "+3"     << std::optional<QString>("4");
  QTest::newRow("-1 gives 0")                   << "-1"     << std::optional<QString>("0");
  QTest::newRow("-5 gives -4")                  << "-5"     << std::optional<QString>("-4");
  QTest::newRow(".5 gives 1.5")                 << ".5"     << std::optional<QString>("1.5");
  QTest::newRow("1E2 gives 101")                << "1E2"    << std::optional<QString>("101");
  QTest::newRow("1E+20 stays in exponent form") << "1E+20"  << std::optional<QString>("1E+20");
  QTest::newRow("twenty nines")                 << "99999999999999999999" << std::optional<QString>("1E+20");
  QTest::newRow("empty is no number")           << ""       << none;
  QTest::newRow("blanks only")                  << "  "     << none;
  QTest::newRow("letters")                      << "abc"    << none;
  QTest::newRow("5a")                           << "5a"     << none;
  QTest::newRow("blank inside: 1 2")            << "1 2"    << none;
  QTest::newRow("two points")                   << "1.2.3"  << none;
  QTest::newRow("sign alone")                   << "-"      << none;
  QTest::newRow("beyond a double")              << "1E400"  << none;
  // clang-format on
}

void TestToolBlock::NextToolNumber() {
  QFETCH(QString, number);
  QFETCH(std::optional<QString>, next);
  QCOMPARE(zel::NextToolNumber(number), next);
}

void TestToolBlock::StatementFormsFollowFieldSets() {
  // The two lines together name the set's rows in their order, and a set with an NR row
  // always reads its radius from that row.
  for (int i = 0; i < kFieldSetCount; ++i) {
    const StatementForm& form = kStatementForms[i];
    const FieldSetRows& rows = kFieldSets[i];
    QCOMPARE(form.set, rows.set);
    QList<Dimension> items(form.first_line.begin(), form.first_line.end());
    items.append(QList<Dimension>(form.second_line.begin(), form.second_line.end()));
    QCOMPARE(items, QList<Dimension>(rows.rows.begin(), rows.rows.end()));
  }
}

void TestToolBlock::WrittenTwice() {
  // The write button's two steps, twice without changes: the same block, the second time
  // under the advanced tool number.
  ToolBlockInput input = Tool("5", 14, 1, {"30", "12"});
  QString pane;
  for (int press = 0; press < 2; ++press) {
    pane += ToolBlockFor(input).value_or(QString());
    input.tool_number = zel::NextToolNumber(input.tool_number).value_or(input.tool_number);
  }
  QCOMPARE(pane, Lines({"NOEX VTLIN[5]=14 VTLFN[5]=1 VTLL[5]=30 VTLD[5]=12",
                        "NOEX VTLIN[6]=14 VTLFN[6]=1 VTLL[6]=30 VTLD[6]=12"}));
  QCOMPARE(input.tool_number, QString("7"));
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestToolBlock)
#include "tst_tool_block.moc"
