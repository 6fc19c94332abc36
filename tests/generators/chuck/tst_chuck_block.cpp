#include <QTest>

#include "generators/chuck/chuck_block.h"
#include "tests/support/test_support.h"

Q_DECLARE_METATYPE(zel::ChuckBlockInput)

namespace zel {

namespace {

ChuckBlockInput WorkedExampleValues() {
  ChuckBlockInput input;
  input.d1 = "50";
  input.l1 = "20";
  input.cx = "100";
  input.cz = "-150";
  input.d2 = "10";
  input.d3 = "30";
  input.l2 = "40";
  input.wr = "200";
  return input;
}

// The eight fields in the dialog's order.
const std::pair<const char*, QString ChuckBlockInput::*> kFields[] = {
    {"D1", &ChuckBlockInput::d1}, {"L1", &ChuckBlockInput::l1}, {"CX", &ChuckBlockInput::cx},
    {"CZ", &ChuckBlockInput::cz}, {"D2", &ChuckBlockInput::d2}, {"D3", &ChuckBlockInput::d3},
    {"L2", &ChuckBlockInput::l2}, {"WR", &ChuckBlockInput::wr}};

using zel::test::Lines;

}  // namespace

class TestChuckBlock : public QObject {
  Q_OBJECT

 private slots:
  void Block_data();
  void Block();
  void Complete_data();
  void Complete();
};

void TestChuckBlock::Block_data() {
  QTest::addColumn<ChuckBlockInput>("input");
  QTest::addColumn<QString>("block");

  ChuckBlockInput eight = WorkedExampleValues();
  eight.clamping = ChuckClamping::kOutside;
  eight.holding = WorkHolding::kCentreWork;
  eight.switching_variables = true;
  eight.barrier = true;
  QTest::newRow("worked example, eight lines")
      << eight
      << Lines({"NOEX VCHIO=0 (OD CLAMP)", "NOEX VCHSW=1 (CENTER WORK)", "NOEX VCHKD=50 VCHKL=20",
                "NOEX VCHKX=100 VCHKZ=-150", "NOEX VTSDA=10 VTSDB=30", "NOEX VTSL=40 VWKR=200",
                "N000 M25 (CHUCK BARRIER ON)", "N000 M21 (TAILSTOCK BARRIER ON)"});

  ChuckBlockInput three = WorkedExampleValues();
  three.wr = "9999";
  QTest::newRow("worked example, three lines")
      << three << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999"});

  ChuckBlockInput empty;
  empty.wr = "9999";
  QTest::newRow("opening state")
      << empty << Lines({"NOEX VCHKD= VCHKL=", "NOEX VCHKX= VCHKZ=", "NOEX VWKR=9999"});

  ChuckBlockInput id_chuck = three;
  id_chuck.clamping = ChuckClamping::kInside;
  id_chuck.switching_variables = true;
  QTest::newRow("switching lines, ID clamping in chuck work")
      << id_chuck
      << Lines({"NOEX VCHIO=1 (ID CLAMP)", "NOEX VCHSW=0 (CHUCK WORK)", "NOEX VCHKD=50 VCHKL=20",
                "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999"});

  ChuckBlockInput chuck_barrier = three;
  chuck_barrier.barrier = true;
  QTest::newRow("barrier in chuck work: chuck line only")
      << chuck_barrier
      << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999",
                "N000 M25 (CHUCK BARRIER ON)"});

  ChuckBlockInput centre_plain = WorkedExampleValues();
  centre_plain.holding = WorkHolding::kCentreWork;
  QTest::newRow("centre work without the options")
      << centre_plain
      << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VTSDA=10 VTSDB=30",
                "NOEX VTSL=40 VWKR=200"});

  ChuckBlockInput chuck_ignores_centre = WorkedExampleValues();
  QTest::newRow("chuck work leaves the centre values out")
      << chuck_ignores_centre
      << Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=200"});

  ChuckBlockInput verbatim = three;
  verbatim.d1 = " 50";
  verbatim.l1 = "2.0.0";
  verbatim.cx = "ａｂ";
  verbatim.cz = "-150 ";
  QTest::newRow("values verbatim")
      << verbatim
      << Lines({"NOEX VCHKD= 50 VCHKL=2.0.0", "NOEX VCHKX=ａｂ VCHKZ=-150 ", "NOEX VWKR=9999"});
}

void TestChuckBlock::Block() {
  QFETCH(ChuckBlockInput, input);
  QFETCH(QString, block);
  QCOMPARE(MakeChuckBlock(input), block);
}

void TestChuckBlock::Complete_data() {
  QTest::addColumn<ChuckBlockInput>("input");
  QTest::addColumn<bool>("complete");

  ChuckBlockInput chuck = WorkedExampleValues();
  chuck.d2.clear();
  chuck.d3.clear();
  chuck.l2.clear();
  chuck.wr = "9999";
  QTest::newRow("chuck work, centre values empty") << chuck << true;
  for (const auto& [name, field] : kFields) {
    if (field == &ChuckBlockInput::d2) break;  // the jaw values come first
    ChuckBlockInput missing = chuck;
    (missing.*field).clear();
    QTest::addRow("chuck work, %s empty", name) << missing << false;
    ChuckBlockInput blank = chuck;
    blank.*field = " ";
    QTest::addRow("chuck work, %s blank", name) << blank << true;
  }

  ChuckBlockInput centre = WorkedExampleValues();
  centre.holding = WorkHolding::kCentreWork;
  QTest::newRow("centre work, all filled") << centre << true;
  for (const auto& [name, field] : kFields) {
    ChuckBlockInput missing = centre;
    (missing.*field).clear();
    QTest::addRow("centre work, %s empty", name) << missing << false;
    ChuckBlockInput blank = centre;
    blank.*field = "  ";
    QTest::addRow("centre work, %s blank", name) << blank << true;
  }
}

void TestChuckBlock::Complete() {
  QFETCH(ChuckBlockInput, input);
  QFETCH(bool, complete);
  QCOMPARE(ChuckValuesComplete(input), complete);
}

}  // namespace zel

QTEST_APPLESS_MAIN(zel::TestChuckBlock)
#include "tst_chuck_block.moc"
