#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "generators/common/preview_box.h"
#include "generators/sideview/work_dialog.h"
#include "tests/support/dialog_harness.h"

namespace zel {

namespace {

using test::Lines;

const QString kOpeningBlock = Lines({"N000 DEF WORK", "N000 END"});

}  // namespace

class TestWorkDialog : public QObject, test::DialogHarness<WorkDialog> {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(Open()); }
  void cleanup() { Close(); }

  void OpeningState();
  void Captions_data();
  void Captions();
  void TabOrder();
  void RowsPerKind_data();
  void RowsPerKind();
  void WorkedExample();
  void EnterWalk_data();
  void EnterWalk();
  void DecimalPointMessageOnceAndFocusBack();
  void TwoDecimalPointsDoNotLoop();
  void CancelAndCloseBoxAlwaysCloseEscapeNotAfterAWrite_data();
  void CancelAndCloseBoxAlwaysCloseEscapeNotAfterAWrite();
  void StatementBreakingCharacterNamesTheField();
  void ShiftTabBackLaysOutAfresh();
  void ClearAllAfterSecondSpindle();
  void SecondSpindleKeepsChainAndPreview();
  void CalculationErrorChangesNothingButTheShapeNumber();
  void WriteWithoutShapeDoesNothing();
  void StatementGoesWhereTheCaretIs();
  void SectionLineJoinsEditedLastLine();
  void PreviewSurvivesRepaint();

 private:
  QLineEdit* Field(int row) const { return Find<QLineEdit>(QStringLiteral("Text%1").arg(row)); }
  QComboBox* List() const { return Find<QComboBox>("Combo1"); }
  QImage Preview() const { return Find<PreviewBox>("Picture1")->canvas().Image(); }
  // Picks a list entry as the user does.
  void Choose(int sn) {
    List()->setFocus(Qt::MouseFocusReason);
    List()->setCurrentIndex(sn - 1);
    emit List()->activated(sn - 1);
  }
  // Puts the texts into the shown rows from Text2 down.
  void Type(const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) Field(i + 2)->setText(texts[i]);
  }
  void Write(int sn, const QStringList& texts) {
    Choose(sn);
    Type(texts);
    Click("Command4");
  }
};

void TestWorkDialog::OpeningState() {
  QCOMPARE(dialog_->objectName(), QStringLiteral("frmWork"));
  QCOMPARE(dialog_->windowTitle(), QStringLiteral("素材側面"));
  QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
  QCOMPARE(Pane(), kOpeningBlock);
  // The caret stands at the start of the "N000 END" line.
  QCOMPARE(PaneBox()->textCursor().position(), 14);
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), -1);
  QCOMPARE(List()->count(), 8);
  QCOMPARE(List()->itemText(0), QStringLiteral("1 外径円筒"));
  QCOMPARE(List()->itemText(7), QStringLiteral("8 内径凹円弧"));
  QVERIFY(!List()->isEditable());
  for (int row = 2; row <= 6; ++row) {
    QVERIFY(Field(row)->isHidden());
    QVERIFY(Find<QLabel>(QStringLiteral("Label%1").arg(row))->isHidden());
  }
  QVERIFY(Find<QRadioButton>("Option1(0)")->isChecked());
  QVERIFY(Find<QRadioButton>("Option2(1)")->isChecked());
  QVERIFY(!Find<QCheckBox>("Check1")->isChecked());
  QCOMPARE(dialog_->chain(), WorkChain{});
  for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
    QVERIFY2(!Find<QPushButton>(name)->isDefault(), name);
  }
  // A black box with the two white axes through its centre.
  const QImage preview = Preview();
  QCOMPARE(preview.size(), QSize(477, 309));
  QCOMPARE(preview.pixel(238, 154), qRgb(255, 255, 255));
  QCOMPARE(preview.pixel(0, 154), qRgb(255, 255, 255));
  QCOMPARE(preview.pixel(238, 0), qRgb(255, 255, 255));
  QCOMPARE(preview.pixel(100, 100), qRgb(0, 0, 0));
}

void TestWorkDialog::Captions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  // clang-format off
  QTest::newRow("spindle frame")    << "Frame1"     << "主軸選択";
  QTest::newRow("first spindle")    << "Option1(0)" << "第一主軸";
  QTest::newRow("second spindle")   << "Option1(1)" << "第二主軸";
  QTest::newRow("start face frame") << "Frame2"     << "入力開始位置";
  QTest::newRow("left face")        << "Option2(0)" << "左端面";
  QTest::newRow("right face")       << "Option2(1)" << "右端面";
  QTest::newRow("list caption")     << "Label1"     << "素材形状選択";
  QTest::newRow("reminder")         << "Label7"     << "注意：小数点以下は入力出来ません。";
  QTest::newRow("section caption")  << "Label8"     << "X-Z 断面表示";
  QTest::newRow("check box")        << "Check1"     << "";
  QTest::newRow("clear all")        << "Command3"   << "全消去";
  QTest::newRow("write")            << "Command4"   << "プログラム  書き込み";
  QTest::newRow("cancel")           << "Command1"   << "キャンセル";
  QTest::newRow("transfer")         << "Command2"   << "転送/終了";
  // clang-format on
}

void TestWorkDialog::Captions() { CompareCaption(); }

void TestWorkDialog::TabOrder() {
  Choose(3);  // every row shown
  const QStringList expected = {"Combo1",     "Text2",      "Text3",    "Text4",    "Text5",
                                "Text6",      "Command4",   "Command2", "Picture1", "Text1",
                                "Option1(0)", "Option2(1)", "Command3", "Command1", "Check1"};
  // Each option group is one stop, at its chosen button ("第一主軸", "右端面").
  QCOMPARE(test::TabChain(List()), expected);
}

void TestWorkDialog::RowsPerKind_data() {
  QTest::addColumn<int>("sn");
  QTest::addColumn<QStringList>("captions");  // Label2 … Label6, "" for a hidden row
  const QStringList cylinder = {"挿入位置  Z", "素材径    D", "素材長さ  L", "", ""};
  const QStringList cone = {"挿入位置  Z", "開始径   D1", "終点径   D2", "素材長さ  L", ""};
  const QStringList arc = {"挿入位置  Z", "開始径   D1", "終点径   D2", "素材長さ  L",
                           "半径      R"};
  // clang-format off
  QTest::newRow("1 outer cylinder: Z, D, L")  << 1 << cylinder;
  QTest::newRow("2 outer cone: Z, D1, D2, L") << 2 << cone;
  QTest::newRow("3 outer convex arc: and R")  << 3 << arc;
  QTest::newRow("4 outer concave arc")        << 4 << arc;
  QTest::newRow("5 inner cylinder")           << 5 << cylinder;
  QTest::newRow("6 inner cone")               << 6 << cone;
  QTest::newRow("7 inner convex arc")         << 7 << arc;
  QTest::newRow("8 inner concave arc")        << 8 << arc;
  // clang-format on
}

void TestWorkDialog::RowsPerKind() {
  QFETCH(int, sn);
  QFETCH(QStringList, captions);
  Choose(sn);
  for (int row = 2; row <= 6; ++row) {
    const QString caption = captions[row - 2];
    auto* label = Find<QLabel>(QStringLiteral("Label%1").arg(row));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->isVisible(), !caption.isEmpty());
    QCOMPARE(Field(row)->isVisible(), !caption.isEmpty());
    if (!caption.isEmpty()) QCOMPARE(Field(row)->text(), QString());
  }
}

void TestWorkDialog::WorkedExample() {
  // 1 外径円筒 Z 0, D 80, L 50 from the right.
  Write(1, {"0", "80", "50"});
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  QCOMPARE(Field(2)->text(), QStringLiteral("-50"));
  QCOMPARE(Field(3)->text(), QString());
  QCOMPARE(dialog_->chain().ZC, QStringLiteral("0"));
  // 2 外径円錐 is offered Z -50 and D1 80.
  Choose(2);
  QCOMPARE(Field(2)->text(), QStringLiteral("-50"));
  QCOMPARE(Field(3)->text(), QStringLiteral("80"));
  Field(4)->setText("60");
  Field(5)->setText("20");
  Click("Command4");
  // 5 内径円筒 is offered the first outer Z.
  Choose(5);
  QCOMPARE(Field(2)->text(), QStringLiteral("0"));
  Field(3)->setText("30");
  Field(4)->setText("40");
  Click("Command4");

  QCOMPARE(Pane(), Lines({"N000 DEF WORK", "N000 PS RC,[0,0],[50,80]",
                          "N000 PT LF,RC,[-50,0],[80,60],[20,0]", "N000 PS RC,[0,0],[40,30],0",
                          "N000 END"}));
  QCOMPARE(dialog_->chain().ZB, std::optional<double>(-70));
  QCOMPARE(dialog_->chain().ZC, QStringLiteral("-40"));
  QCOMPARE(dialog_->chain().XB, QStringLiteral("60"));
  QCOMPARE(dialog_->chain().XC, QStringLiteral("30"));
  QCOMPARE(List()->currentIndex(), 4);
  QCOMPARE(Field(2)->text(), QStringLiteral("-40"));
  QVERIFY(prompts_.requests.isEmpty());

  // The preview shows the yellow material with the black bore in it.
  const PreviewCanvas& canvas = Find<PreviewBox>("Picture1")->canvas();
  QCOMPARE(canvas.PixelAt({-25, -30}), kPreviewYellow);
  QCOMPARE(canvas.PixelAt({-20, -10}), kPreviewBlack);
  QCOMPARE(canvas.PixelAt({-60, -25}), kPreviewYellow);
  QCOMPARE(canvas.PixelAt({-60, -38}), kPreviewBlack);

  Find<QCheckBox>("Check1")->setChecked(true);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{Pane() + "NOEX VSCTA=2 (X-Y SECTION)\r\n"});
  QVERIFY(ClosedWith(QDialog::Accepted));
}

void TestWorkDialog::EnterWalk_data() {
  QTest::addColumn<int>("sn");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("z");  // the Z row's text before Enter
  QTest::addColumn<QString>("to");
  // clang-format off
  QTest::newRow("list with empty Z to Z")         << 1 << "Combo1" << ""  << "Text2";
  QTest::newRow("list with a Z to D")             << 1 << "Combo1" << "5" << "Text3";
  QTest::newRow("Z to D")                         << 1 << "Text2"  << ""  << "Text3";
  QTest::newRow("D to L")                         << 1 << "Text3"  << ""  << "Text4";
  QTest::newRow("cylinder L to the write button") << 1 << "Text4"  << ""  << "Command4";
  QTest::newRow("cone D2 to L")                   << 2 << "Text4"  << ""  << "Text5";
  QTest::newRow("cone L to the write button")     << 6 << "Text5"  << ""  << "Command4";
  QTest::newRow("arc L to R")                     << 3 << "Text5"  << ""  << "Text6";
  QTest::newRow("arc R to the write button")      << 8 << "Text6"  << ""  << "Command4";
  // clang-format on
}

void TestWorkDialog::EnterWalk() {
  QFETCH(int, sn);
  QFETCH(QString, from);
  QFETCH(QString, z);
  QFETCH(QString, to);
  Choose(sn);
  Field(2)->setText(z);
  QWidget* start = Find(from);
  start->setFocus(Qt::TabFocusReason);
  QTest::keyClick(start, Qt::Key_Return);
  QCOMPARE(Focus()->objectName(), to);
  QCOMPARE(List()->currentIndex(), sn - 1);
  QCOMPARE(Field(2)->text(), z);
  QCoreApplication::processEvents();
  QVERIFY(prompts_.requests.isEmpty());
}

void TestWorkDialog::DecimalPointMessageOnceAndFocusBack() {
  Choose(1);
  Field(3)->setFocus(Qt::TabFocusReason);
  Field(3)->setText("12.5");
  QTest::keyClick(Field(3), Qt::Key_Tab);
  QTRY_COMPARE(prompts_.requests.size(), 1);
  QCOMPARE(test::Describe(prompts_.requests[0]),
           "小数点以下は指令できません。 | ZEL_Editor | no icon | OK");
  QCOMPARE(Focus(), Field(3));
  QCOMPARE(Field(3)->text(), QStringLiteral("12.5"));
  // Once per leaving: nothing more comes until the focus leaves again.
  QTest::qWait(20);
  QCOMPARE(prompts_.requests.size(), 1);
  QTest::keyClick(Field(3), Qt::Key_Return);
  QTRY_COMPARE(prompts_.requests.size(), 2);
  QCOMPARE(Focus(), Field(3));
  // A click on the write button (press and release at once) is checked before it writes.
  Click("Command4");
  QCOMPARE(prompts_.requests.size(), 3);
  QCOMPARE(Pane(), kOpeningBlock);
  QCOMPARE(Focus(), Field(3));
}

void TestWorkDialog::TwoDecimalPointsDoNotLoop() {
  Choose(2);
  Field(2)->setText("1.5");
  Field(3)->setText("2.5");
  Field(2)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Field(2), Qt::Key_Tab);
  QTRY_COMPARE(prompts_.requests.size(), 1);
  QTest::qWait(50);
  QCOMPARE(prompts_.requests.size(), 1);
  QCOMPARE(Focus(), Field(2));
}

void TestWorkDialog::CancelAndCloseBoxAlwaysCloseEscapeNotAfterAWrite_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("closed");
  QTest::newRow("キャンセル") << "cancel" << true;
  QTest::newRow("close box") << "close" << true;
  QTest::newRow("Escape keeps the written shape") << "escape" << false;
}

void TestWorkDialog::CancelAndCloseBoxAlwaysCloseEscapeNotAfterAWrite() {
  QFETCH(QString, how);
  QFETCH(bool, closed);
  Write(1, {"0", "80", "50"});
  Choose(1);
  Field(3)->setText("8.5");
  Field(3)->setFocus(Qt::TabFocusReason);
  if (how == "cancel") {
    Click("Command1");
  } else if (how == "escape") {
    QTest::keyClick(Field(3), Qt::Key_Escape);
  } else {
    dialog_->close();
  }
  QCoreApplication::processEvents();
  QCOMPARE(dialog_->isVisible(), !closed);
  if (closed) QCOMPARE(dialog_->result(), int(QDialog::Rejected));
  QVERIFY(prompts_.requests.isEmpty());
  QVERIFY(sink_.blocks.isEmpty());
}

void TestWorkDialog::StatementBreakingCharacterNamesTheField() {
  Write(1, {"1,2", "80", "50"});
  QCOMPARE(test::Describe(prompts_.requests.value(0)),
           "「挿入位置 Z」に「,」は入力できません。 | ZEL_Editor | warning | OK");
  QCOMPARE(Pane(), kOpeningBlock);
  QCOMPARE(Focus(), Field(2));
}

void TestWorkDialog::ShiftTabBackLaysOutAfresh() {
  Write(1, {"0", "80", "50"});
  Choose(2);
  Type({"-50", "80", "60", "20"});
  Field(2)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Field(2), Qt::Key_Tab, Qt::ShiftModifier);
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  QCOMPARE(Find<QLabel>("Label3")->text(), QStringLiteral("素材径    D"));
  QCOMPARE(Field(2)->text(), QStringLiteral("-50"));
  QCOMPARE(Field(3)->text(), QString());
  QCOMPARE(Field(4)->text(), QString());
  QVERIFY(Field(5)->isHidden());
}

void TestWorkDialog::ClearAllAfterSecondSpindle() {
  const QImage opening = Preview();
  Write(1, {"0", "80", "50"});
  Find<QRadioButton>("Option1(1)")->setChecked(true);
  QCOMPARE(Pane(), Lines({"N000 DEF WORK[S]", "N000 END"}));
  Click("Command3");
  QVERIFY(Find<QRadioButton>("Option1(0)")->isChecked());
  QCOMPARE(Pane(), kOpeningBlock);
  QCOMPARE(PaneBox()->textCursor().position(), 14);
  QCOMPARE(dialog_->chain(), (WorkChain{std::nullopt, "", "", "", 1}));
  // The list offers the kind last written, with empty defaults now.
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  QCOMPARE(Field(2)->text(), QString());
  QCOMPARE(Preview(), opening);
}

void TestWorkDialog::SecondSpindleKeepsChainAndPreview() {
  Write(1, {"0", "80", "50"});
  const QImage drawn = Preview();
  Find<QRadioButton>("Option1(1)")->setChecked(true);
  QCOMPARE(Pane(), Lines({"N000 DEF WORK[S]", "N000 END"}));
  QCOMPARE(Preview(), drawn);
  Write(1, {"-50", "80", "10"});
  QCOMPARE(Pane(), Lines({"N000 DEF WORK[S]", "N000 PS RC,[-50,0],[10,80]", "N000 END"}));
  QCOMPARE(dialog_->chain().ZB, std::optional<double>(-60));
}

void TestWorkDialog::CalculationErrorChangesNothingButTheShapeNumber() {
  Write(1, {"0", "80", "50"});
  const QString pane = Pane();
  WorkChain chain = dialog_->chain();
  const QImage preview = Preview();
  // An arc of L 20 with equal diameters and R 9 has no result.
  Choose(3);
  Type({"-50", "40", "40", "20", "9"});
  Click("Command4");
  QCOMPARE(prompts_.requests.size(), 1);
  QCOMPARE(test::Describe(prompts_.requests[0]), "計算エラー | ZEL_Editor | warning | OK");
  QCOMPARE(Pane(), pane);
  chain.SN = 3;
  QCOMPARE(dialog_->chain(), chain);
  QCOMPARE(Preview(), preview);
  QCOMPARE(Focus(), Find("Command4"));
  // Back in the list, the arc stays chosen with its rows as typed.
  List()->setFocus(Qt::MouseFocusReason);
  QCOMPARE(List()->currentIndex(), 2);
  QCOMPARE(Field(6)->text(), QStringLiteral("9"));
  // With R 11 the same arc is written.
  Field(6)->setText("11");
  Click("Command4");
  QCOMPARE(prompts_.requests.size(), 1);
  QVERIFY(Pane().contains("N000 PT SS,RC,[-50,0],[40,40],[20,11]\r\nN000 END\r\n"));
  QCOMPARE(dialog_->chain().ZB, std::optional<double>(-70));
  QVERIFY(Preview() != preview);
}

void TestWorkDialog::WriteWithoutShapeDoesNothing() {
  Click("Command4");
  QCOMPARE(Pane(), kOpeningBlock);
  QCOMPARE(dialog_->chain().SN, 0);
  QVERIFY(prompts_.requests.isEmpty());
}

void TestWorkDialog::StatementGoesWhereTheCaretIs() {
  PaneBox()->moveCursor(QTextCursor::Start);
  Write(5, {"0", "30", "40"});
  QCOMPARE(Pane(), Lines({"N000 PS RC,[0,0],[40,30],0", "N000 DEF WORK", "N000 END"}));
}

void TestWorkDialog::SectionLineJoinsEditedLastLine() {
  PaneBox()->setPlainText("N000 DEF WORK\nN000 END");
  Find<QCheckBox>("Check1")->setChecked(true);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{"N000 DEF WORK\r\nN000 ENDNOEX VSCTA=2 (X-Y SECTION)\r\n"});
}

void TestWorkDialog::PreviewSurvivesRepaint() {
  Write(1, {"0", "80", "50"});
  auto* box = Find<PreviewBox>("Picture1");
  box->repaint();
  const QImage shown = box->grab().toImage();
  const QPoint inside = box->contentsRect().topLeft();
  // Z −25, radius 20: the box's centre pixel moved left 25 and up 20.
  const QPoint centre = inside + box->canvas().DevicePixel({-25, -20});
  QCOMPARE(shown.pixelColor(centre).rgb(), qRgb(255, 255, 0));
}

}  // namespace zel

QTEST_MAIN(zel::TestWorkDialog)
#include "tst_work_dialog.moc"
