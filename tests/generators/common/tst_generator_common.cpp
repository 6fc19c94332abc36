#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBlock>

#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/illustration.h"
#include "generators/common/output_pane.h"
#include "generators/common/pane_text.h"
#include "generators/common/transfer_buttons.h"
#include "platform/twips.h"
#include "tests/support/test_support.h"

namespace zel {

class TestGeneratorCommon : public QObject {
  Q_OBJECT

 private slots:
  void PaneTextConversions_data();
  void PaneTextConversions();
  void OutputPaneRoundTrip_data();
  void OutputPaneRoundTrip();
  void OutputPaneShowsLinesAndKeepsHandEdits();
  void OutputPaneAppends();
  void TwipsBecomePixels();
  void EnterMovesFocusThenReacts();
  void EnterTargetChosenAtEachPress();
  void OtherKeysReachTheField();
  void TransferHandsOverThePaneAndCloses();
  void TransferRefusedByTheGuard();
  void CancelHandsOverNothing();
  void WarningTextIconAndTitle();
  void IllustrationPlacedByTwips();
  void FieldColoursFollowEditability();
};

void TestGeneratorCommon::PaneTextConversions_data() {
  QTest::addColumn<QString>("block");
  QTest::addColumn<QString>("pane");
  QTest::addColumn<QString>("back");
  QTest::newRow("empty") << ""
                         << ""
                         << "";
  QTest::newRow("one line") << "NOEX A=1\r\n"
                            << "NOEX A=1\n"
                            << "NOEX A=1\r\n";
  QTest::newRow("two lines") << "A\r\nB\r\n"
                             << "A\nB\n"
                             << "A\r\nB\r\n";
  QTest::newRow("no final line end") << "A\r\nB"
                                     << "A\nB"
                                     << "A\r\nB";
  QTest::newRow("empty line kept") << "A\r\n\r\nB\r\n"
                                   << "A\n\nB\n"
                                   << "A\r\n\r\nB\r\n";
  QTest::newRow("stray CR") << "A\rB"
                            << "A\nB"
                            << "A\r\nB";
  QTest::newRow("bare LF") << "A\nB"
                           << "A\nB"
                           << "A\r\nB";
  QTest::newRow("leading blank kept") << " 5\r\n"
                                      << " 5\n"
                                      << " 5\r\n";
}

void TestGeneratorCommon::PaneTextConversions() {
  QFETCH(QString, block);
  QFETCH(QString, pane);
  QFETCH(QString, back);
  QCOMPARE(BlockToPaneText(block), pane);
  QCOMPARE(PaneTextToBlock(BlockToPaneText(block)), back);
}

void TestGeneratorCommon::OutputPaneRoundTrip_data() {
  QTest::addColumn<QString>("block");
  QTest::newRow("three lines") << "NOEX VCHKD= VCHKL=\r\nNOEX VCHKX= VCHKZ=\r\nNOEX VWKR=9999\r\n";
  QTest::newRow("empty") << "";
  QTest::newRow("japanese") << "（チャック）\r\nN000 M25\r\n";
  QTest::newRow("trailing blanks") << "A  \r\n  \r\n";
}

void TestGeneratorCommon::OutputPaneRoundTrip() {
  QFETCH(QString, block);
  QWidget parent;
  OutputPane pane(QStringLiteral("Text1"), &parent);
  pane.SetBlock(block);
  QCOMPARE(pane.Block(), block);
}

void TestGeneratorCommon::OutputPaneShowsLinesAndKeepsHandEdits() {
  QWidget parent;
  OutputPane pane(QStringLiteral("Text8"), &parent);
  QCOMPARE(pane.objectName(), QStringLiteral("Text8"));
  pane.SetBlock(QStringLiteral("A=1\r\nB=2\r\n"));
  // Two statement lines and the empty line after the last line end, no empty lines between.
  QCOMPARE(pane.document()->blockCount(), 3);
  QCOMPARE(pane.document()->findBlockByNumber(1).text(), QStringLiteral("B=2"));

  // A line typed by hand comes back with the control's line end.
  parent.show();
  pane.setFocus();
  pane.moveCursor(QTextCursor::End);
  QTest::keyClicks(&pane, "C=3");
  QTest::keyClick(&pane, Qt::Key_Return);
  QCOMPARE(pane.Block(), QStringLiteral("A=1\r\nB=2\r\nC=3\r\n"));
}

void TestGeneratorCommon::OutputPaneAppends() {
  QWidget parent;
  OutputPane pane(QStringLiteral("Text8"), &parent);
  pane.AppendBlock(QStringLiteral("A\r\n"));
  pane.AppendBlock(QStringLiteral("B\r\nC\r\n"));
  QCOMPARE(pane.Block(), QStringLiteral("A\r\nB\r\nC\r\n"));
}

void TestGeneratorCommon::TwipsBecomePixels() {
  QCOMPARE(TwipsToPixels(0), 0);
  QCOMPARE(TwipsToPixels(15), 1);
  QCOMPARE(TwipsToPixels(6600), 440);
  QCOMPARE(TwipsToPixels(3500), 233);  // 233.33
  QCOMPARE(TwipsToPixels(8), 1);       // more than half a pixel
  QCOMPARE(TwipsToPixels(-30), -2);
  QCOMPARE(TwipsRect(120, 200, 6600, 3500), QRect(8, 13, 440, 233));
}

// A dialog with three fields for the navigation tests.
struct ThreeFields {
  QDialog dialog;
  QLineEdit* a = new QLineEdit(&dialog);
  QLineEdit* b = new QLineEdit(&dialog);
  QLineEdit* c = new QLineEdit(&dialog);
  QPushButton* button = new QPushButton(QStringLiteral("OK"), &dialog);
  EnterNavigator* enter = new EnterNavigator(&dialog);
  ThreeFields() {
    b->move(0, 30);
    c->move(0, 60);
    button->move(0, 90);
    dialog.show();
    dialog.activateWindow();
  }
};

void TestGeneratorCommon::EnterMovesFocusThenReacts() {
  ThreeFields f;
  QWidget* focus_seen_by_reaction = nullptr;
  int reactions = 0;
  f.enter->Add(
      f.a, [&] { return f.b; },
      [&] {
        ++reactions;
        focus_seen_by_reaction = f.dialog.focusWidget();
      });
  QSignalSpy clicked(f.button, &QPushButton::clicked);
  f.a->setFocus();
  QTest::keyClick(f.a, Qt::Key_Return);
  QCOMPARE(f.dialog.focusWidget(), f.b);
  QCOMPARE(reactions, 1);
  QCOMPARE(focus_seen_by_reaction, f.b);
  // The number pad's Enter does the same, and neither reaches the dialog's default button.
  f.a->setFocus();
  QTest::keyClick(f.a, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(f.dialog.focusWidget(), f.b);
  QCOMPARE(reactions, 2);
  QCOMPARE(clicked.count(), 0);
  QCOMPARE(f.a->text(), QString());
}

void TestGeneratorCommon::EnterTargetChosenAtEachPress() {
  ThreeFields f;
  f.enter->Add(f.a, [&]() -> QWidget* { return f.b->isEnabled() ? f.b : f.c; });
  f.a->setFocus();
  QTest::keyClick(f.a, Qt::Key_Return);
  QCOMPARE(f.dialog.focusWidget(), f.b);
  f.b->setEnabled(false);
  f.a->setFocus();
  QTest::keyClick(f.a, Qt::Key_Return);
  QCOMPARE(f.dialog.focusWidget(), f.c);
  // No target: the focus stays.
  f.enter->Add(f.c, [] { return nullptr; });
  QTest::keyClick(f.c, Qt::Key_Return);
  QCOMPARE(f.dialog.focusWidget(), f.c);
}

void TestGeneratorCommon::OtherKeysReachTheField() {
  ThreeFields f;
  int reactions = 0;
  f.enter->Add(
      f.a, [&] { return f.b; }, [&] { ++reactions; });
  f.a->setFocus();
  QTest::keyClicks(f.a, " 1.2.a");
  QCOMPARE(f.a->text(), QStringLiteral(" 1.2.a"));
  QCOMPARE(f.dialog.focusWidget(), f.a);
  QCOMPARE(reactions, 0);
}

void TestGeneratorCommon::TransferHandsOverThePaneAndCloses() {
  test::RecordingBlockSink sink;
  QDialog dialog;
  OutputPane pane(QStringLiteral("Text1"), &dialog);
  TransferButtons buttons(&dialog, sink, &pane, QStringLiteral("Command2"),
                          QStringLiteral("Command1"));
  QCOMPARE(buttons.transfer_button()->objectName(), QStringLiteral("Command2"));
  QCOMPARE(buttons.transfer_button()->text(), QStringLiteral("転送/終了"));
  QCOMPARE(buttons.cancel_button()->objectName(), QStringLiteral("Command1"));
  QCOMPARE(buttons.cancel_button()->text(), QStringLiteral("キャンセル"));
  pane.SetBlock(QStringLiteral("X\r\nY\r\n"));
  dialog.show();
  QTest::mouseClick(buttons.transfer_button(), Qt::LeftButton);
  QCOMPARE(sink.blocks, QStringList{QStringLiteral("X\r\nY\r\n")});
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.isVisible());
}

void TestGeneratorCommon::TransferRefusedByTheGuard() {
  test::RecordingBlockSink sink;
  QDialog dialog;
  bool allow = false;
  int asked = 0;
  TransferButtons buttons(
      &dialog, sink, [] { return QStringLiteral("B\r\n"); }, QStringLiteral("Command2"),
      QStringLiteral("Command3"));
  buttons.SetGuard([&] {
    ++asked;
    return allow;
  });
  dialog.show();
  QTest::mouseClick(buttons.transfer_button(), Qt::LeftButton);
  QCOMPARE(asked, 1);
  QVERIFY(sink.blocks.isEmpty());
  QVERIFY(dialog.isVisible());
  allow = true;
  QTest::mouseClick(buttons.transfer_button(), Qt::LeftButton);
  QCOMPARE(asked, 2);
  QCOMPARE(sink.blocks, QStringList{QStringLiteral("B\r\n")});
  QVERIFY(!dialog.isVisible());
}

void TestGeneratorCommon::CancelHandsOverNothing() {
  test::RecordingBlockSink sink;
  QDialog dialog;
  OutputPane pane(QStringLiteral("Text1"), &dialog);
  pane.SetBlock(QStringLiteral("X\r\n"));
  TransferButtons buttons(&dialog, sink, &pane, QStringLiteral("Command2"),
                          QStringLiteral("Command1"));
  dialog.show();
  QTest::mouseClick(buttons.cancel_button(), Qt::LeftButton);
  QVERIFY(sink.blocks.isEmpty());
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QVERIFY(!dialog.isVisible());
}

void TestGeneratorCommon::WarningTextIconAndTitle() {
  test::RecordingPrompts prompts;
  QWidget parent;
  WarnDataMissing(prompts, &parent);
  QCOMPARE(prompts.requests.size(), 1);
  const PromptRequest& request = prompts.requests.first();
  QCOMPARE(request.text, QStringLiteral("データが未設定です。"));
  QCOMPARE(request.title, QStringLiteral("ZEL_Editor"));
  QCOMPARE(request.icon, PromptIcon::kWarning);
  QCOMPARE(request.buttons, PromptButtons::kOk);
}

void TestGeneratorCommon::IllustrationPlacedByTwips() {
  QWidget parent;
  parent.resize(800, 600);
  parent.show();
  Illustration picture(QStringLiteral("Picture1(0)"), QStringLiteral(":/chuck_od.svg"), &parent);
  QCOMPARE(picture.objectName(), QStringLiteral("Picture1(0)"));
  QVERIFY(picture.renderer()->isValid());
  QVERIFY(!picture.isVisible());
  picture.ShowAt(120, 200, 6600, 3500);
  QVERIFY(picture.isVisible());
  QCOMPARE(picture.geometry(), QRect(8, 13, 440, 233));
}

void TestGeneratorCommon::FieldColoursFollowEditability() {
  QWidget parent;
  QLineEdit field(&parent);
  const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
  const QColor menu = QApplication::palette("QMenu").color(QPalette::Active, QPalette::Window);
  QVERIFY(window != menu);
  SetFieldEditable(&field, false);
  QVERIFY(!field.isEnabled());
  QCOMPARE(field.palette().color(QPalette::Disabled, QPalette::Base), menu);
  SetFieldEditable(&field, true);
  QVERIFY(field.isEnabled());
  QCOMPARE(field.palette().color(QPalette::Active, QPalette::Base), window);
}

}  // namespace zel

QTEST_MAIN(zel::TestGeneratorCommon)
#include "tst_generator_common.moc"
