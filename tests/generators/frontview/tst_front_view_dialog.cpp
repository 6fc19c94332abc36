#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "generators/common/preview_box.h"
#include "generators/frontview/front_view_dialog.h"
#include "tests/support/dialog_harness.h"
#include "tests/support/preview_pixels.h"

namespace zel {

namespace {

using test::Lines;

const QString kFirstFrame = Lines({"N000 DEF WORKF", "N000 END"});

}  // namespace

class TestFrontViewDialog : public QObject, test::DialogHarness<FrontViewDialog> {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(Open()); }
  void cleanup() { Close(); }

  void OpeningState();
  void Captions_data();
  void Captions();
  void TabOrder();
  void WorkedExampleSixLines();
  void OneWrite_data();
  void OneWrite();
  void NoShapeChosenWritesNothing();
  void InnerCircleMustBeChosenEachTime();
  void ShapeListOffersTheOuterCircleOnFocus();
  void EnterKeys();
  void SecondSpindleReplacesThePaneNotThePreview();
  void InsertionAtTheCaret_data();
  void InsertionAtTheCaret();
  void PreviewShowsTheRing();
  void SmallDiscKeepsTheBackground();
  void NoCircleIsACalculationError_data();
  void NoCircleIsACalculationError();
  void DecimalPointCheck_data();
  void DecimalPointCheck();
  void DecimalPointNotCheckedOnTheWayToCancel();
  void ClearAll();
  void TransferHandsOverThePaneAsItStands_data();
  void TransferHandsOverThePaneAsItStands();
  void CancelAndEscapeHandOverNothing();

 private:
  QComboBox* List() const { return Find<QComboBox>("Combo1"); }
  QLineEdit* Diameter() const { return Find<QLineEdit>("Text2"); }
  const PreviewCanvas& Preview() const { return Find<PreviewBox>("Picture1")->canvas(); }
  // Chooses a shape with the keyboard, types the diameter and writes, as the user does.
  void Write(int entry, const QString& diameter) {
    List()->setFocus(Qt::TabFocusReason);
    List()->setCurrentIndex(entry);
    QTest::keyClick(List(), Qt::Key_Return);
    QTest::keyClicks(Diameter(), diameter);
    QTest::keyClick(Diameter(), Qt::Key_Return);
    QTest::keyClick(Focus(), Qt::Key_Space);
  }
  // The pane's caret counted in the block's terms (a line end counting two).
  int Caret() const {
    const QString before = PaneBox()->toPlainText().left(PaneBox()->textCursor().position());
    return before.size() + before.count(QLatin1Char('\n'));
  }
};

void TestFrontViewDialog::OpeningState() {
  QCOMPARE(dialog_->objectName(), QStringLiteral("frmWorkFace"));
  QCOMPARE(dialog_->windowTitle(), QStringLiteral("素材正面"));
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  QCOMPARE(List()->currentText(), QStringLiteral("1 外径円"));
  QCOMPARE(Diameter()->text(), QString());
  QVERIFY(Find<QRadioButton>("Option1(0)")->isChecked());
  QVERIFY(!Find<QRadioButton>("Option1(1)")->isChecked());
  QCOMPARE(Pane(), kFirstFrame);
  QCOMPARE(Caret(), kFirstFrame.size() - 10);
  QCOMPARE(Find<QPlainTextEdit>("Text1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // A black preview with its two white axes and no material.
  QCOMPARE(Preview().Size(), QSize(477, 309));
  QCOMPARE(Preview().PixelAt(QPointF(100, 0)), kPreviewWhite);
  QCOMPARE(Preview().PixelAt(QPointF(0, 100)), kPreviewWhite);
  QCOMPARE(Preview().PixelAt(QPointF(50, 50)), kPreviewBlack);
  QCOMPARE(test::CountPixels(Preview(), kPreviewYellow), 0);
  QVERIFY(test::CountPixels(Preview(), kPreviewWhite) > 477 + 309);
}

void TestFrontViewDialog::Captions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  // clang-format off
  QTest::newRow("frame")          << "Frame1"     << "主軸選択";
  QTest::newRow("first spindle")  << "Option1(0)" << "第一主軸";
  QTest::newRow("second spindle") << "Option1(1)" << "第二主軸";
  QTest::newRow("list label")     << "Label1"     << "素材形状選択";
  QTest::newRow("diameter label") << "Label2"     << "直径   D";
  QTest::newRow("reminder")       << "Label7"     << "注意：小数点以下は入力出来ません。";
  QTest::newRow("clear all")      << "Command3"   << "全消去";
  QTest::newRow("write")          << "Command4"   << "プログラム  書き込み";
  QTest::newRow("cancel")         << "Command1"   << "キャンセル";
  QTest::newRow("transfer")       << "Command2"   << "転送/終了";
  // clang-format on
}

void TestFrontViewDialog::Captions() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QWidget* widget = Find(name);
  QCOMPARE(test::Caption(widget), caption);
  // Nothing is cut off: the caption fits its control.
  const int needed = widget->fontMetrics().horizontalAdvance(caption);
  QVERIFY2(needed <= widget->width(), qPrintable(name));
  QCOMPARE(List()->count(), 2);
  QCOMPARE(List()->itemText(0), QStringLiteral("1 外径円"));
  QCOMPARE(List()->itemText(1), QStringLiteral("2 内径円"));
}

void TestFrontViewDialog::TabOrder() {
  const QStringList expected = {"Combo1", "Text2",      "Command4", "Command2", "Picture1",
                                "Text1",  "Option1(0)", "Command3", "Command1"};
  // The spindle options are one stop: Tab enters the group at the chosen option.
  QStringList seen;
  List()->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < expected.size(); ++i) {
    seen.append(Focus()->objectName());
    QTest::keyClick(Focus(), Qt::Key_Tab);
  }
  QCOMPARE(seen, expected);
  QCOMPARE(Focus(), List());
}

void TestFrontViewDialog::WorkedExampleSixLines() {
  Write(0, "100");
  Write(1, "60");
  QCOMPARE(Pane(), Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 PF 0,[0,0],60,D,0",
                          "N000 PO [0, 30]", "N000 CI [0,0],[0,- 30],R,0", "N000 END"}));
  QCOMPARE(dialog_->LastWrite().D, QStringLiteral("60"));
  QCOMPARE(dialog_->LastWrite().R, QStringLiteral(" 30"));
  // After each write: the field empty, the focus in the list with the outer circle offered.
  QCOMPARE(Diameter()->text(), QString());
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{Pane()});
  QVERIFY(ClosedWith(QDialog::Accepted));
}

void TestFrontViewDialog::OneWrite_data() {
  QTest::addColumn<int>("entry");
  QTest::addColumn<QString>("diameter");
  QTest::addColumn<QString>("block");
  QTest::addColumn<QString>("radius");
  QTest::addColumn<int>("yellow");  // yellow pixels in the preview
  // clang-format off
  // The bore's disc of 75 has the radius 37, rounded down; no outer circle, no yellow.
  QTest::newRow("odd 75 inner: radius 37")  << 1 << "75" << Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],75,D,0", "N000 PO [0, 37]", "N000 CI [0,0],[0,- 37],R,0", "N000 END"}) << " 37" << 0;
  QTest::newRow("empty outer: radius 0")    << 0 << ""   << Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],,D", "N000 END"}) << " 0" << 0;
  // clang-format on
}

void TestFrontViewDialog::OneWrite() {
  QFETCH(int, entry);
  QFETCH(QString, diameter);
  QFETCH(QString, block);
  QFETCH(QString, radius);
  QFETCH(int, yellow);
  Write(entry, diameter);
  QCOMPARE(Pane(), block);
  QCOMPARE(dialog_->LastWrite().R, radius);
  QCOMPARE(test::CountPixels(Preview(), kPreviewYellow), yellow);
}

void TestFrontViewDialog::NoShapeChosenWritesNothing() {
  Diameter()->setFocus();
  List()->setCurrentIndex(-1);
  QTest::keyClicks(Diameter(), "80");
  Click("Command4");
  QCOMPARE(Pane(), kFirstFrame);
  QCOMPARE(test::CountPixels(Preview(), kPreviewYellow), 0);
  // D and R follow the field all the same; the focus stays on the button.
  QCOMPARE(dialog_->LastWrite().D, QStringLiteral("80"));
  QCOMPARE(dialog_->LastWrite().R, QStringLiteral(" 40"));
  QCOMPARE(Diameter()->text(), QStringLiteral("80"));
  QCOMPARE(Focus(), Find("Command4"));
}

void TestFrontViewDialog::InnerCircleMustBeChosenEachTime() {
  Write(1, "60");
  // The next diameter typed straight away goes out as an outer circle.
  QTest::keyClick(List(), Qt::Key_Return);
  QCOMPARE(Focus(), Diameter());
  QTest::keyClicks(Diameter(), "40");
  Click("Command4");
  QCOMPARE(Pane(), Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],60,D,0", "N000 PO [0, 30]",
                          "N000 CI [0,0],[0,- 30],R,0", "N000 PF 0,[0,0],40,D", "N000 END"}));
  QCOMPARE(Preview().PixelAt(QPointF(10, 10)), kPreviewYellow);
}

void TestFrontViewDialog::ShapeListOffersTheOuterCircleOnFocus() {
  List()->setCurrentIndex(1);
  Diameter()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Diameter(), Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  // A list entry chosen while the list has the focus stays chosen.
  List()->setCurrentIndex(1);
  QTest::keyClick(List(), Qt::Key_Return);
  QCOMPARE(List()->currentIndex(), 1);
}

void TestFrontViewDialog::EnterKeys() {
  // The list goes on to the diameter only with a shape chosen.
  List()->setCurrentIndex(-1);
  QTest::keyClick(List(), Qt::Key_Return);
  QCOMPARE(Focus(), List());
  List()->setCurrentIndex(1);
  QTest::keyClick(List(), Qt::Key_Return);
  QCOMPARE(Focus(), Diameter());
  // The diameter goes on to the write button, inserting nothing.
  QTest::keyClicks(Diameter(), "50");
  QTest::keyClick(Diameter(), Qt::Key_Return);
  QCOMPARE(Focus(), Find("Command4"));
  QCOMPARE(Diameter()->text(), QStringLiteral("50"));
  QCOMPARE(Pane(), kFirstFrame);
}

void TestFrontViewDialog::SecondSpindleReplacesThePaneNotThePreview() {
  Write(0, "100");
  Write(1, "60");
  const QImage before = Preview().Image();
  Click("Option1(1)");
  QCOMPARE(Pane(), Lines({"N000 DEF WORKF[S]", "N000 END"}));
  QCOMPARE(Caret(), Pane().size() - 10);
  QCOMPARE(Preview().Image(), before);
  Write(0, "80");
  QCOMPARE(Pane(), Lines({"N000 DEF WORKF[S]", "N000 PF 0,[0,0],80,D", "N000 END"}));
}

void TestFrontViewDialog::InsertionAtTheCaret_data() {
  QTest::addColumn<int>("caret");
  QTest::addColumn<QString>("block");
  // clang-format off
  QTest::newRow("before the frame") << 0  << Lines({"N000 PF 0,[0,0],90,D", "N000 DEF WORKF", "N000 END"});
  QTest::newRow("inside N000 END")  << 21 << "N000 DEF WORKF\r\nN000 N000 PF 0,[0,0],90,D\r\nEND\r\n";
  QTest::newRow("after N000 END")   << 26 << Lines({"N000 DEF WORKF", "N000 END", "N000 PF 0,[0,0],90,D"});
  // clang-format on
}

void TestFrontViewDialog::InsertionAtTheCaret() {
  QFETCH(int, caret);
  QFETCH(QString, block);
  // A click into the pane puts the caret there (pane positions count a line end as one).
  QTextCursor cursor = PaneBox()->textCursor();
  const QString pane_text = PaneBox()->toPlainText();
  int pane_position = 0;
  for (int counted = 0; counted < caret; ++pane_position) {
    counted += pane_text.at(pane_position) == QLatin1Char('\n') ? 2 : 1;
  }
  cursor.setPosition(pane_position);
  PaneBox()->setTextCursor(cursor);
  Write(0, "90");
  QCOMPARE(Pane(), block);
}

void TestFrontViewDialog::PreviewShowsTheRing() {
  Write(0, "100");
  Write(1, "60");
  const PreviewCanvas& preview = Preview();
  QCOMPARE(preview.PixelAt(QPointF(40, 5)), kPreviewYellow);    // the ring
  QCOMPARE(preview.PixelAt(QPointF(-5, -45)), kPreviewYellow);  // the ring, other side
  QCOMPARE(preview.PixelAt(QPointF(10, 5)), kPreviewBlack);     // the bore
  QCOMPARE(preview.PixelAt(QPointF(52, 5)), kPreviewBlack);     // the background
  QCOMPARE(preview.PixelAt(QPointF(40, 0)), kPreviewWhite);     // axis over the ring
  QCOMPARE(preview.PixelAt(QPointF(10, 0)), kPreviewWhite);     // axis over the bore
  QCOMPARE(preview.PixelAt(QPointF(0, -40)), kPreviewWhite);
  // What the box shows on the screen is the canvas.
  PreviewBox* box = Find<PreviewBox>("Picture1");
  const QPoint centre = box->contentsRect().topLeft() + QPoint(238, 154);
  QCOMPARE(box->grab().toImage().pixelColor(centre + QPoint(40, 5)), QColor(255, 255, 0));
}

void TestFrontViewDialog::SmallDiscKeepsTheBackground() {
  Write(0, "2");
  // Radius 1: the four corner pixels around the centre; the axes cover the rest of it.
  QCOMPARE(test::CountPixels(Preview(), kPreviewYellow), 4);
  QCOMPARE(Preview().PixelAt(QPointF(1, 1)), kPreviewYellow);
  QCOMPARE(Preview().PixelAt(QPointF(2, 2)), kPreviewBlack);
  QCOMPARE(Preview().PixelAt(QPointF(100, 100)), kPreviewBlack);
}

void TestFrontViewDialog::NoCircleIsACalculationError_data() {
  QTest::addColumn<int>("entry");
  QTest::addColumn<QString>("diameter");
  QTest::addColumn<QString>("message");
  QTest::newRow("inner 1E400") << 1 << "1E400"
                               << "計算エラー";
  QTest::newRow("inner -60") << 1 << "-60"
                             << "計算エラー";
  QTest::newRow("outer 1E16") << 0 << "1E16"
                              << "計算エラー";
  QTest::newRow("a bracket") << 1 << "6]0"
                             << "「直径 D」に「]」は入力できません。";
}

void TestFrontViewDialog::NoCircleIsACalculationError() {
  QFETCH(int, entry);
  QFETCH(QString, diameter);
  QFETCH(QString, message);
  Write(0, "100");
  const QString pane = Pane();
  const QImage preview = Preview().Image();
  Write(entry, diameter);
  QCOMPARE(test::Describe(prompts_.requests.value(0)), message + " | ZEL_Editor | warning | OK");
  QCOMPARE(Pane(), pane);
  QCOMPARE(Preview().Image(), preview);
  QCOMPARE(Diameter()->text(), diameter);
}

void TestFrontViewDialog::DecimalPointCheck_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("warned");
  QTest::newRow("12.5 warned") << "12.5" << true;
  QTest::newRow("a lone point warned") << "." << true;
  QTest::newRow("whole number passes") << "125" << false;
}

void TestFrontViewDialog::DecimalPointCheck() {
  QFETCH(QString, typed);
  QFETCH(bool, warned);
  QTest::keyClick(List(), Qt::Key_Return);
  QTest::keyClicks(Diameter(), typed);
  QTest::keyClick(Diameter(), Qt::Key_Tab);
  QTest::qWait(0);
  QCOMPARE(prompts_.requests.size(), warned ? 1 : 0);
  QCOMPARE(Diameter()->text(), typed);
  if (!warned) {
    QCOMPARE(Focus(), Find("Command4"));
    return;
  }
  QCOMPARE(test::Describe(prompts_.requests[0]),
           "小数点以下は指令できません。 | ZEL_Editor | no icon | OK");
  QCOMPARE(Focus(), Diameter());
  // Clicking the write button with the value still there (press and release at once, before
  // the check that leaving the field started): the check runs first and nothing is written.
  Click("Command4");
  QCOMPARE(prompts_.requests.size(), 2);
  QCOMPARE(Focus(), Diameter());
  QCOMPARE(Pane(), kFirstFrame);
}

void TestFrontViewDialog::DecimalPointNotCheckedOnTheWayToCancel() {
  QTest::keyClick(List(), Qt::Key_Return);
  QTest::keyClicks(Diameter(), "12.5");
  Click("Command1");
  QTest::qWait(0);
  QVERIFY(prompts_.requests.isEmpty());
  QCOMPARE(dialog_->result(), int(QDialog::Rejected));
  QVERIFY(sink_.blocks.isEmpty());
}

void TestFrontViewDialog::ClearAll() {
  Write(0, "100");
  Click("Option1(1)");
  Write(1, "60");
  List()->setCurrentIndex(1);
  QTest::keyClicks(Diameter(), "30");
  Click("Command3");
  QCOMPARE(Pane(), kFirstFrame);
  QCOMPARE(Caret(), kFirstFrame.size() - 10);
  QVERIFY(Find<QRadioButton>("Option1(0)")->isChecked());
  QCOMPARE(Diameter()->text(), QString());
  QCOMPARE(Focus(), List());
  QCOMPARE(List()->currentIndex(), 0);
  QCOMPARE(test::CountPixels(Preview(), kPreviewYellow), 0);
  QCOMPARE(Preview().PixelAt(QPointF(100, 0)), kPreviewWhite);
  // With the first spindle chosen already, the frame is written afresh all the same.
  Write(0, "70");
  Click("Command3");
  QCOMPARE(Pane(), kFirstFrame);
}

void TestFrontViewDialog::TransferHandsOverThePaneAsItStands_data() {
  QTest::addColumn<QString>("diameter");   // written as an outer circle unless empty
  QTest::addColumn<QString>("hand_edit");  // typed at the end of the pane
  QTest::addColumn<QString>("block");
  // clang-format off
  QTest::newRow("fresh: the frame")    << ""    << ""       << kFirstFrame;
  QTest::newRow("hand edits go along") << "100" << "(HAND)" << Lines({"N000 DEF WORKF", "N000 PF 0,[0,0],100,D", "N000 END"}) + "(HAND)";
  // clang-format on
}

void TestFrontViewDialog::TransferHandsOverThePaneAsItStands() {
  QFETCH(QString, diameter);
  QFETCH(QString, hand_edit);
  QFETCH(QString, block);
  if (!diameter.isEmpty()) Write(0, diameter);
  PaneBox()->moveCursor(QTextCursor::End);
  PaneBox()->insertPlainText(hand_edit);
  Click("Command2");
  QCOMPARE(sink_.blocks, QStringList{block});
  QVERIFY(ClosedWith(QDialog::Accepted));
}

void TestFrontViewDialog::CancelAndEscapeHandOverNothing() {
  // Escape closes while the pane holds the frame it opened with, and not after a write.
  QTest::keyClick(List(), Qt::Key_Escape);
  QVERIFY(ClosedWith(QDialog::Rejected));
  QVERIFY(Open());
  Write(0, "100");
  QTest::keyClick(Focus(), Qt::Key_Escape);
  QVERIFY(dialog_->isVisible());
  Click("Command1");
  QVERIFY(ClosedWith(QDialog::Rejected));
  QVERIFY(sink_.blocks.isEmpty());
}

}  // namespace zel

QTEST_MAIN(zel::TestFrontViewDialog)
#include "tst_front_view_dialog.moc"
