#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QXmlStreamReader>

#include "generators/chuck/chuck_dialog.h"
#include "generators/common/illustration.h"
#include "tests/support/dialog_harness.h"

namespace zel {

namespace {

using test::Lines;

const QString kOpeningBlock = Lines({"NOEX VCHKD= VCHKL=", "NOEX VCHKX= VCHKZ=", "NOEX VWKR=9999"});

}  // namespace

class TestChuckDialog : public QObject, test::DialogHarness<ChuckDialog> {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(Open()); }
  void cleanup() { Close(); }

  void OpeningState();
  void Captions_data();
  void Captions();
  void TabOrder();
  void WorkedExampleEightLines();
  void WorkedExampleThreeLines();
  void TransferRefusedForMissingValue_data();
  void TransferRefusedForMissingValue();
  void BlankValuesCountAsFilled();
  void CentreWorkSwitching();
  void BarrierLines_data();
  void BarrierLines();
  void SwitchingLinesOnAndOff();
  void ValuesVerbatim();
  void EnterMovesFocus_data();
  void EnterMovesFocus();
  void EnterOnTransferButtonTransfers();
  void EscapeClosesOnlyAnUntouchedPane();
  void EnterOnControlsThatAreNotFields_data();
  void EnterOnControlsThatAreNotFields();
  void NoButtonIsTheDefault();
  void PastedLineEndDoesNotSplitAStatement();
  void PaneFollowsEachCharacter_data();
  void PaneFollowsEachCharacter();
  void ValueTypedWithoutEnterIsTransferred();
  void HandEditsLastUntilTheNextChange();
  void OptionsAndChecksReturnToD1();
  void IllustrationFollowsClamping();
  void IllustrationsNameEveryDimension_data();
  void IllustrationsNameEveryDimension();
  void ResizingKeepsTheChoices();
  void CancelTransfersNothing();

 private:
  QLineEdit* Field(const QString& name) const { return Find<QLineEdit>(name); }
  // Types a text into a field and confirms it with Enter, as the user does.
  void Enter(const QString& name, const QString& text) {
    QTest::keyClicks(Field(name), text);
    QTest::keyClick(Field(name), Qt::Key_Return);
  }
  // Fills D1 to CZ with the worked example's jaw values.
  void EnterJawValues() {
    Enter("Text2", "50");
    Enter("Text3", "20");
    Enter("Text4", "100");
    Enter("Text5", "-150");
  }
  // Fills D2 to WR with the worked example's centre values.
  void EnterCentreValues() {
    Enter("Text6", "10");
    Enter("Text7", "30");
    Enter("Text8", "40");
    Enter("Text9", "200");
  }
};

void TestChuckDialog::OpeningState() {
  QCOMPARE(dialog_->objectName(), QStringLiteral("frmChuck"));
  QCOMPARE(Pane(), kOpeningBlock);
  QCOMPARE(Focus(), Field("Text2"));
  for (const char* name : {"Text2", "Text3", "Text4", "Text5"}) {
    QVERIFY2(Field(name)->isEnabled(), name);
    QCOMPARE(Field(name)->text(), QString());
  }
  const QColor menu = QApplication::palette("QMenu").color(QPalette::Active, QPalette::Window);
  for (const char* name : {"Text6", "Text7", "Text8", "Text9"}) {
    QVERIFY2(!Field(name)->isEnabled(), name);
    QCOMPARE(Field(name)->palette().color(QPalette::Disabled, QPalette::Base), menu);
  }
  QCOMPARE(Field("Text9")->text(), QStringLiteral("9999"));
  QVERIFY(Find<QRadioButton>("Option1")->isChecked());
  QVERIFY(Find<QRadioButton>("Option3")->isChecked());
  QVERIFY(!Find<QCheckBox>("Check1")->isChecked());
  QVERIFY(!Find<QCheckBox>("Check2")->isChecked());
  QVERIFY(Find<Illustration>("Picture1(0)")->isVisible());
  QVERIFY(!Find<Illustration>("Picture1(1)")->isVisible());
  QCOMPARE(Find<Illustration>("Picture1(0)")->geometry(), QRect(8, 13, 440, 233));
}

void TestChuckDialog::Captions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  // clang-format off
  QTest::newRow("window")   << "frmChuck" << "チャック/心押し";
  QTest::newRow("D1")       << "Text2"    << "チャック爪寸法 D1";
  QTest::newRow("L1")       << "Text3"    << "チャック爪寸法 L1";
  QTest::newRow("CX")       << "Text4"    << "チャック爪位置 CX";
  QTest::newRow("CZ")       << "Text5"    << "チャック爪位置 CZ";
  QTest::newRow("D2")       << "Text6"    << "センター穴径 D2";
  QTest::newRow("D3")       << "Text7"    << "センター軸径 D3";
  QTest::newRow("L2")       << "Text8"    << "センター長さ L2";
  QTest::newRow("WR")       << "Text9"    << "素材端面位置 WR";
  QTest::newRow("Frame1")   << "Frame1"   << "チャック把握切替";
  QTest::newRow("Option1")  << "Option1"  << "外径";
  QTest::newRow("Option2")  << "Option2"  << "内径";
  QTest::newRow("Frame2")   << "Frame2"   << "チャック/センターワーク切替";
  QTest::newRow("Option3")  << "Option3"  << "チャックワーク";
  QTest::newRow("Option4")  << "Option4"  << "センターワーク";
  QTest::newRow("Check1")   << "Check1"   << "切替システム変数を使用する";
  QTest::newRow("Check2")   << "Check2"   << "バリア機能を有効にする";
  QTest::newRow("Command2") << "Command2" << "転送/終了";
  QTest::newRow("Command1") << "Command1" << "キャンセル";
  // clang-format on
}

void TestChuckDialog::Captions() {
  // A field's caption is the label that names it.
  CompareCaption();
}

void TestChuckDialog::TabOrder() {
  Find<QRadioButton>("Option4")->setChecked(true);  // every field takes the focus
  const QStringList expected = {"Text2",   "Text3",   "Text4",  "Text5",    "Text6",
                                "Text7",   "Text8",   "Text9",  "Command2", "Command1",
                                "Option1", "Option4", "Check1", "Text1",    "Check2"};
  // Each option group is one stop, at its chosen button.
  QStringList chain = test::TabChain(Field("Text2"));
  chain.removeAll(QString());
  QCOMPARE(chain, expected);
}

void TestChuckDialog::WorkedExampleEightLines() {
  Click("Option4");
  Click("Check1");
  Click("Check2");
  EnterJawValues();
  EnterCentreValues();
  const QString block =
      Lines({"NOEX VCHIO=0 (OD CLAMP)", "NOEX VCHSW=1 (CENTER WORK)", "NOEX VCHKD=50 VCHKL=20",
             "NOEX VCHKX=100 VCHKZ=-150", "NOEX VTSDA=10 VTSDB=30", "NOEX VTSL=40 VWKR=200",
             "N000 M25 (CHUCK BARRIER ON)", "N000 M21 (TAILSTOCK BARRIER ON)"});
  QCOMPARE(Pane(), block);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{block});
  QVERIFY(prompts_.requests.isEmpty());
  QVERIFY(ClosedWith(QDialog::Accepted));
}

void TestChuckDialog::WorkedExampleThreeLines() {
  // Chuck work needs no centre values: D2, D3 and L2 stay empty and the transfer goes ahead.
  EnterJawValues();
  const QString block =
      Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999"});
  QCOMPARE(Pane(), block);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{block});
  QVERIFY(prompts_.requests.isEmpty());
  QCOMPARE(Field("Text6")->text() + Field("Text7")->text() + Field("Text8")->text(), QString());
}

void TestChuckDialog::TransferRefusedForMissingValue_data() {
  QTest::addColumn<bool>("centre_work");
  QTest::addColumn<QString>("empty_field");
  for (const char* name : {"Text2", "Text3", "Text4", "Text5"}) {
    QTest::addRow("chuck work, %s empty", name) << false << name;
  }
  for (const char* name : {"Text2", "Text5", "Text6", "Text7", "Text8", "Text9"}) {
    QTest::addRow("centre work, %s empty", name) << true << name;
  }
  QTest::newRow("nothing entered") << false << "all";
}

void TestChuckDialog::TransferRefusedForMissingValue() {
  QFETCH(bool, centre_work);
  QFETCH(QString, empty_field);
  if (centre_work) Click("Option4");
  if (empty_field != "all") {
    for (int i = 2; i <= (centre_work ? 9 : 5); ++i) {
      const QString name = QStringLiteral("Text%1").arg(i);
      if (name != empty_field) Enter(name, QString::number(i * 10));
    }
  }
  const QString pane_before = Pane();
  Click("Command2");
  QVERIFY(sink_.blocks.isEmpty());
  QCOMPARE(prompts_.requests.size(), 1);
  QCOMPARE(test::Describe(prompts_.requests[0]),
           "データが未設定です。 | ZEL_Editor | warning | OK");
  QVERIFY(dialog_->isVisible());
  QCOMPARE(Pane(), pane_before);
}

void TestChuckDialog::BlankValuesCountAsFilled() {
  Click("Option4");
  for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}) {
    Enter(name, " ");
  }
  Enter("Text9", "  ");
  Click("Command2");
  QVERIFY(prompts_.requests.isEmpty());
  QCOMPARE(sink_.blocks, QStringList{Lines({"NOEX VCHKD=  VCHKL= ", "NOEX VCHKX=  VCHKZ= ",
                                            "NOEX VTSDA=  VTSDB= ", "NOEX VTSL=  VWKR=  "})});
}

void TestChuckDialog::CentreWorkSwitching() {
  Click("Option4");
  QCOMPARE(Field("Text9")->text(), QString());
  for (const char* name : {"Text6", "Text7", "Text8", "Text9"}) {
    QVERIFY2(Field(name)->isEnabled(), name);
    QCOMPARE(Field(name)->palette().color(QPalette::Active, QPalette::Base),
             QApplication::palette().color(QPalette::Active, QPalette::Base));
  }
  EnterCentreValues();

  Click("Option3");
  QCOMPARE(Field("Text9")->text(), QStringLiteral("9999"));
  QVERIFY(!Field("Text6")->isEnabled());
  QVERIFY(!Field("Text9")->isEnabled());
  QVERIFY(Pane().endsWith("NOEX VWKR=9999\r\n"));

  Click("Option4");
  QCOMPARE(Field("Text9")->text(), QString());
  QCOMPARE(Field("Text6")->text(), QStringLiteral("10"));
  QCOMPARE(Field("Text7")->text(), QStringLiteral("30"));
  QCOMPARE(Field("Text8")->text(), QStringLiteral("40"));
  QVERIFY(Pane().endsWith("NOEX VTSDA=10 VTSDB=30\r\nNOEX VTSL=40 VWKR=\r\n"));
}

void TestChuckDialog::BarrierLines_data() {
  QTest::addColumn<bool>("centre_work");
  QTest::addColumn<QString>("tail");
  // clang-format off
  QTest::newRow("chuck work")  << false << "NOEX VWKR=9999\r\nN000 M25 (CHUCK BARRIER ON)\r\n";
  QTest::newRow("centre work") << true  << "N000 M25 (CHUCK BARRIER ON)\r\nN000 M21 (TAILSTOCK BARRIER ON)\r\n";
  // clang-format on
}

void TestChuckDialog::BarrierLines() {
  QFETCH(bool, centre_work);
  QFETCH(QString, tail);
  if (centre_work) Click("Option4");
  Click("Check2");
  QVERIFY2(Pane().endsWith(tail), qPrintable(Pane()));
  QCOMPARE(Pane().count("BARRIER"), centre_work ? 2 : 1);
  Click("Check2");
  QVERIFY(!Pane().contains("BARRIER"));
}

void TestChuckDialog::SwitchingLinesOnAndOff() {
  Click("Check1");
  QVERIFY(Pane().startsWith("NOEX VCHIO=0 (OD CLAMP)\r\nNOEX VCHSW=0 (CHUCK WORK)\r\n"));
  Click("Option2");
  Click("Option4");
  QVERIFY(Pane().startsWith("NOEX VCHIO=1 (ID CLAMP)\r\nNOEX VCHSW=1 (CENTER WORK)\r\n"));
  Click("Check1");
  QVERIFY(Pane().startsWith("NOEX VCHKD="));
  QVERIFY(!Pane().contains("VCHIO"));
}

void TestChuckDialog::ValuesVerbatim() {
  Enter("Text2", " 50");
  Enter("Text3", "2..0a");
  QVERIFY(Pane().startsWith("NOEX VCHKD= 50 VCHKL=2..0a\r\n"));
}

void TestChuckDialog::EnterMovesFocus_data() {
  QTest::addColumn<bool>("centre_work");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("to");
  // clang-format off
  QTest::newRow("D1")                << false << "Text2" << "Text3";
  QTest::newRow("L1")                << false << "Text3" << "Text4";
  QTest::newRow("CX")                << false << "Text4" << "Text5";
  QTest::newRow("CZ in chuck work")  << false << "Text5" << "Command2";
  QTest::newRow("CZ in centre work") << true  << "Text5" << "Text6";
  QTest::newRow("D2")                << true  << "Text6" << "Text7";
  QTest::newRow("D3")                << true  << "Text7" << "Text8";
  QTest::newRow("L2")                << true  << "Text8" << "Text9";
  QTest::newRow("WR")                << true  << "Text9" << "Command2";
  // clang-format on
}

void TestChuckDialog::EnterMovesFocus() {
  QFETCH(bool, centre_work);
  QFETCH(QString, from);
  QFETCH(QString, to);
  if (centre_work) Click("Option4");
  QLineEdit* field = Field(from);
  field->setFocus();
  // A hand edit in the pane shows that Enter rebuilds the block as well.
  PaneBox()->setPlainText("hand edit");
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(Focus()->objectName(), to);
  QVERIFY(Pane().startsWith("NOEX VCHKD="));
  QVERIFY(sink_.blocks.isEmpty());
}

void TestChuckDialog::EnterOnTransferButtonTransfers() {
  EnterJawValues();
  QCOMPARE(Focus()->objectName(), QStringLiteral("Command2"));
  QTest::keyClick(Focus(), Qt::Key_Return);
  QCOMPARE(sink_.blocks, QStringList{Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150",
                                            "NOEX VWKR=9999"})});
  QVERIFY(!dialog_->isVisible());
}

void TestChuckDialog::EscapeClosesOnlyAnUntouchedPane() {
  // The block of the opening defaults is what the pane opened with.
  QTest::keyClick(Focus(), Qt::Key_Escape);
  QVERIFY(ClosedWith(QDialog::Rejected));
  QVERIFY(Open());
  EnterJawValues();
  QTest::keyClick(Focus(), Qt::Key_Escape);
  QVERIFY(dialog_->isVisible());
  QVERIFY(sink_.blocks.isEmpty());
}

void TestChuckDialog::EnterOnControlsThatAreNotFields_data() {
  QTest::addColumn<bool>("centre_work");
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("transfers");
  QTest::addColumn<bool>("stays_open");
  // clang-format off
  QTest::newRow("外径 does nothing")           << false << "Option1"  << 0 << true;
  QTest::newRow("内径 does nothing")           << false << "Option2"  << 0 << true;
  QTest::newRow("チャックワーク does nothing") << false << "Option3"  << 0 << true;
  QTest::newRow("センターワーク does nothing") << true  << "Option4"  << 0 << true;
  QTest::newRow("Check1 does nothing")         << false << "Check1"   << 0 << true;
  QTest::newRow("Check2 does nothing")         << false << "Check2"   << 0 << true;
  QTest::newRow("pane takes a line")           << false << "Text1"    << 0 << true;
  QTest::newRow("キャンセル closes")           << false << "Command1" << 0 << false;
  QTest::newRow("転送/終了 transfers")         << false << "Command2" << 1 << false;
  // clang-format on
}

void TestChuckDialog::EnterOnControlsThatAreNotFields() {
  QFETCH(bool, centre_work);
  QFETCH(QString, control);
  QFETCH(int, transfers);
  QFETCH(bool, stays_open);
  // With every required value filled, a transfer set off by mistake would go through.
  if (centre_work) Click("Option4");
  EnterJawValues();
  if (centre_work) EnterCentreValues();
  const QString block = Pane();
  QWidget* widget = Find(control);
  widget->setFocus(Qt::TabFocusReason);
  QCOMPARE(Focus(), widget);
  const bool checked_before =
      qobject_cast<QAbstractButton*>(widget) && qobject_cast<QAbstractButton*>(widget)->isChecked();
  if (auto* pane = qobject_cast<OutputPane*>(widget)) pane->moveCursor(QTextCursor::End);
  // The main Enter key, then (while the dialog is still there) the number pad's.
  QTest::keyClick(widget, Qt::Key_Return);
  if (dialog_->isVisible()) QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(sink_.blocks.size(), transfers);
  if (transfers) QCOMPARE(sink_.blocks.first(), block);
  QVERIFY(prompts_.requests.isEmpty());
  QCOMPARE(dialog_->isVisible(), stays_open);
  if (!stays_open) return;
  QCOMPARE(Focus(), widget);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    QCOMPARE(button->isChecked(), checked_before);
    QCOMPARE(Pane(), block);
  } else {
    QCOMPARE(Pane(), block + "\r\n\r\n");
  }
}

void TestChuckDialog::NoButtonIsTheDefault() {
  for (const char* name : {"Command2", "Command1"}) {
    auto* button = Find<QPushButton>(name);
    button->setFocus(Qt::TabFocusReason);
    QVERIFY2(!button->isDefault(), name);
    QVERIFY2(!button->autoDefault(), name);
  }
  Find("Option1")->setFocus(Qt::TabFocusReason);
  for (QPushButton* button : dialog_->findChildren<QPushButton*>()) {
    QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
  }
}

void TestChuckDialog::PastedLineEndDoesNotSplitAStatement() {
  Enter("Text2", "50");
  QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2"));
  QTest::keyClick(Field("Text3"), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Field("Text3")->text(), QStringLiteral("1"));
  Enter("Text4", "100");
  Enter("Text5", "-150");
  Click("Command2");
  QCOMPARE(
      sink_.blocks,
      QStringList{Lines({"NOEX VCHKD=50 VCHKL=1", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999"})});
}

void TestChuckDialog::PaneFollowsEachCharacter_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("head");
  QTest::addColumn<QString>("tail");
  // clang-format off
  QTest::newRow("D1") << "Text2" << 0 << "NOEX VCHKD="        << " VCHKL=";
  QTest::newRow("CZ") << "Text5" << 1 << "NOEX VCHKX= VCHKZ=" << "";
  QTest::newRow("WR") << "Text9" << 3 << "NOEX VTSL= VWKR="   << "";
  // clang-format on
}

void TestChuckDialog::PaneFollowsEachCharacter() {
  QFETCH(QString, field);
  QFETCH(int, line);
  QFETCH(QString, head);
  QFETCH(QString, tail);
  if (field == "Text9") Click("Option4");
  QLineEdit* edit = Field(field);
  QString typed;
  for (const QChar c : QStringLiteral("-150.5")) {
    QTest::keyClick(edit, c.toLatin1());
    typed += c;
    QCOMPARE(Pane().split("\r\n").at(line), head + typed + tail);
  }
  QTest::keyClick(edit, Qt::Key_Backspace);
  QCOMPARE(Pane().split("\r\n").at(line), head + "-150." + tail);
}

void TestChuckDialog::ValueTypedWithoutEnterIsTransferred() {
  Enter("Text2", "50");
  Enter("Text3", "20");
  Enter("Text4", "100");
  QTest::keyClicks(Field("Text5"), "-150");  // no Enter
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150",
                                            "NOEX VWKR=9999"})});
}

void TestChuckDialog::HandEditsLastUntilTheNextChange() {
  EnterJawValues();
  OutputPane* pane = PaneBox();
  pane->setFocus();
  pane->moveCursor(QTextCursor::End);
  QTest::keyClicks(pane, "N000 M30");
  QTest::keyClick(pane, Qt::Key_Return);
  const QString edited =
      Lines({"NOEX VCHKD=50 VCHKL=20", "NOEX VCHKX=100 VCHKZ=-150", "NOEX VWKR=9999", "N000 M30"});
  QCOMPARE(Pane(), edited);

  // A change of a field rebuilds the pane and the hand edit is gone.
  QTest::keyClicks(Field("Text3"), "5");
  QVERIFY(!Pane().contains("M30"));

  // A hand edit made last is transferred as it stands.
  pane->moveCursor(QTextCursor::End);
  QTest::keyClicks(pane, "N000 M30");
  QTest::keyClick(pane, Qt::Key_Return);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{Lines({"NOEX VCHKD=50 VCHKL=205", "NOEX VCHKX=100 VCHKZ=-150",
                                            "NOEX VWKR=9999", "N000 M30"})});
}

void TestChuckDialog::OptionsAndChecksReturnToD1() {
  for (const char* name : {"Option2", "Option4", "Check1", "Check2", "Option1", "Option3"}) {
    Field("Text4")->setFocus();
    Click(name);
    QCOMPARE(Focus(), Field("Text2"));
  }
}

void TestChuckDialog::IllustrationFollowsClamping() {
  auto* od = Find<Illustration>("Picture1(0)");
  auto* id = Find<Illustration>("Picture1(1)");
  Click("Option2");
  QVERIFY(!od->isVisible());
  QVERIFY(id->isVisible());
  QCOMPARE(id->geometry(), QRect(8, 13, 440, 233));
  Click("Option1");
  QVERIFY(od->isVisible());
  QVERIFY(!id->isVisible());
}

void TestChuckDialog::IllustrationsNameEveryDimension_data() {
  QTest::addColumn<QString>("resource");
  QTest::newRow("outside clamping") << ":/chuck_od.svg";
  QTest::newRow("inside clamping") << ":/chuck_id.svg";
}

void TestChuckDialog::IllustrationsNameEveryDimension() {
  QFETCH(QString, resource);
  QFile file(test::PictureSource(resource));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QXmlStreamReader svg(&file);
  QStringList texts;
  while (!svg.atEnd()) {
    if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QStringLiteral("text"))
      texts << svg.readElementText(QXmlStreamReader::IncludeChildElements);
  }
  QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
  // An empty text element is no label; its white backing box would only cut into the drawing.
  QVERIFY2(!texts.contains(QString()), qPrintable(texts.join(',')));
  for (const char* name : {"D1", "L1", "CX", "CZ", "WR", "D2", "D3", "L2", "+X", "+Z"})
    QVERIFY2(texts.count(name) == 1, name);
}

void TestChuckDialog::ResizingKeepsTheChoices() {
  Click("Option2");
  Click("Option4");
  Enter("Text9", "200");
  const QString before = Pane();
  dialog_->resize(dialog_->width() + 120, dialog_->height() + 80);
  QTest::qWait(20);
  dialog_->hide();
  dialog_->show();
  QVERIFY(Find<QRadioButton>("Option2")->isChecked());
  QVERIFY(Find<QRadioButton>("Option4")->isChecked());
  QCOMPARE(Field("Text9")->text(), QStringLiteral("200"));
  QCOMPARE(Pane(), before);
}

void TestChuckDialog::CancelTransfersNothing() {
  EnterJawValues();
  Click("Command1");
  QVERIFY(sink_.blocks.isEmpty());
  QVERIFY(prompts_.requests.isEmpty());
  QVERIFY(ClosedWith(QDialog::Rejected));
}

}  // namespace zel

QTEST_MAIN(zel::TestChuckDialog)
#include "tst_chuck_dialog.moc"
