#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QWheelEvent>

#include "generators/common/command_button.h"
#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/entry_field.h"
#include "generators/common/entry_text.h"
#include "generators/common/generator_controls.h"
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
  void OutputPaneCaretInBlockPositions_data();
  void OutputPaneCaretInBlockPositions();
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
  void SingleLineOfPaste_data();
  void SingleLineOfPaste();
  void EntryFieldPastesFirstLine_data();
  void EntryFieldPastesFirstLine();
  void EntryFieldMenuPastesFirstLine();
  void EntryFieldDropKeepsFirstLine();
  void EntryFieldInputMethodKeepsFirstLine();
  void EntryFieldTakesEveryTypedCharacter();
  void CommandButtonIsNeverDefault();
  void EnterPressesOnlyTheFocusedButton();
  void TablesMakeTheGeneratorClasses_data();
  void TablesMakeTheGeneratorClasses();
  void ListTakesTheWheelOnlyWithTheFocus();
};

void TestGeneratorCommon::PaneTextConversions_data() {
  QTest::addColumn<QString>("block");
  QTest::addColumn<QString>("pane");
  QTest::addColumn<QString>("back");
  // clang-format off
  QTest::newRow("empty")              << ""               << ""           << "";
  QTest::newRow("one line")           << "NOEX A=1\r\n"   << "NOEX A=1\n" << "NOEX A=1\r\n";
  QTest::newRow("two lines")          << "A\r\nB\r\n"     << "A\nB\n"     << "A\r\nB\r\n";
  QTest::newRow("no final line end")  << "A\r\nB"         << "A\nB"       << "A\r\nB";
  QTest::newRow("empty line kept")    << "A\r\n\r\nB\r\n" << "A\n\nB\n"   << "A\r\n\r\nB\r\n";
  QTest::newRow("stray CR")           << "A\rB"           << "A\nB"       << "A\r\nB";
  QTest::newRow("bare LF")            << "A\nB"           << "A\nB"       << "A\r\nB";
  QTest::newRow("leading blank kept") << " 5\r\n"         << " 5\n"       << " 5\r\n";
  // clang-format on
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

void TestGeneratorCommon::OutputPaneCaretInBlockPositions_data() {
  QTest::addColumn<qsizetype>("caret");  // counted in the block, a line end counting two
  QTest::addColumn<QString>("after");    // the block after inserting "X=1\r\n" there

  // clang-format off
  QTest::newRow("at the start")                << qsizetype(0)       << "X=1\r\nA\r\nN000 END\r\n";
  QTest::newRow("start of the END line")       << qsizetype(3)       << "A\r\nX=1\r\nN000 END\r\n";
  QTest::newRow("length minus 10 is the same") << qsizetype(13 - 10) << "A\r\nX=1\r\nN000 END\r\n";
  QTest::newRow("at the end")                  << qsizetype(13)      << "A\r\nN000 END\r\nX=1\r\n";
  // clang-format on
}

void TestGeneratorCommon::OutputPaneCaretInBlockPositions() {
  QFETCH(qsizetype, caret);
  QFETCH(QString, after);
  QWidget parent;
  OutputPane pane(QStringLiteral("Text1"), &parent);
  pane.SetBlock(QStringLiteral("A\r\nN000 END\r\n"));
  pane.SetCaret(caret);
  pane.InsertAtCaret(QStringLiteral("X=1\r\n"));
  QCOMPARE(pane.Block(), after);
  // The caret stands after the inserted line, and a selection is replaced.
  pane.InsertAtCaret(QStringLiteral("Y"));
  QVERIFY(pane.Block().contains(QStringLiteral("X=1\r\nY")));
  QTextCursor cursor = pane.textCursor();
  cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
  pane.setTextCursor(cursor);
  pane.InsertAtCaret(QStringLiteral("Z"));
  QVERIFY(pane.Block().contains(QStringLiteral("X=1\r\nZ")));
  QVERIFY(!pane.Block().contains(QLatin1Char('Y')));
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
  QCOMPARE(test::Describe(prompts.requests.first()),
           "データが未設定です。 | ZEL_Editor | warning | OK");
}

void TestGeneratorCommon::IllustrationPlacedByTwips() {
  QWidget parent;
  parent.resize(800, 600);
  parent.show();
  Illustration picture(QStringLiteral("Picture1(0)"), QStringLiteral(":/chuck_od.svg"), &parent);
  QCOMPARE(picture.objectName(), QStringLiteral("Picture1(0)"));
  QVERIFY(picture.HasPicture());
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

void TestGeneratorCommon::SingleLineOfPaste_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("kept");
  // clang-format off
  QTest::newRow("one line")              << "50.5"        << "50.5";
  QTest::newRow("empty")                 << ""            << "";
  QTest::newRow("CRLF splits")           << "1\r\n2"      << "1";
  QTest::newRow("bare LF splits")        << "1\n2"        << "1";
  QTest::newRow("bare CR splits")        << "1\r2"        << "1";
  QTest::newRow("line end at the start") << "\r\n2"       << "";
  QTest::newRow("trailing line end")     << "-150\r\n"    << "-150";
  QTest::newRow("several lines")         << "a\r\nb\r\nc" << "a";
  QTest::newRow("blanks and tabs kept")  << " 5\t6 \r\n7" << " 5\t6 ";
  QTest::newRow("japanese kept")         << "（爪）\n2"      << "（爪）";
  QTest::newRow("astral character kept") << "𩸽1\r\n"      << "𩸽1";
  // clang-format on
}

void TestGeneratorCommon::SingleLineOfPaste() {
  QFETCH(QString, pasted);
  QFETCH(QString, kept);
  QCOMPARE(SingleLineOf(pasted), kept);
}

void TestGeneratorCommon::EntryFieldPastesFirstLine_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<int>("selection_start");
  QTest::addColumn<int>("selection_length");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("after");
  QTest::addColumn<int>("cursor");
  // clang-format off
  QTest::newRow("into an empty field")       << ""     << 0 << 0 << "1\r\n2" << "1"    << 1;
  QTest::newRow("between two characters")    << "AB"   << 1 << 0 << "1\r\n2" << "A1B"  << 2;
  QTest::newRow("over a selection")          << "ABCD" << 1 << 2 << "xy\nz"  << "AxyD" << 3;
  QTest::newRow("line end first clears sel") << "ABCD" << 1 << 2 << "\r\nz"  << "AD"   << 1;
  QTest::newRow("one line as it stands")     << "10"   << 2 << 0 << ".5"     << "10.5" << 4;
  // clang-format on
}

void TestGeneratorCommon::EntryFieldPastesFirstLine() {
  QFETCH(QString, before);
  QFETCH(int, selection_start);
  QFETCH(int, selection_length);
  QFETCH(QString, clipboard);
  QFETCH(QString, after);
  QFETCH(int, cursor);
  QWidget parent;
  EntryField field(QStringLiteral("Text3"), &parent);
  QCOMPARE(field.objectName(), QStringLiteral("Text3"));
  parent.show();
  field.setFocus();
  field.setText(before);
  field.setSelection(selection_start, selection_length);
  QGuiApplication::clipboard()->setText(clipboard);
  QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(field.text(), after);
  QCOMPARE(field.cursorPosition(), cursor);
  // Shift+Insert is the other paste key.
  field.setText(before);
  field.setSelection(selection_start, selection_length);
  QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(field.text(), after);
}

void TestGeneratorCommon::EntryFieldMenuPastesFirstLine() {
  QWidget parent;
  EntryField field(QStringLiteral("Text2"), &parent);
  parent.show();
  field.setFocus();
  field.setText(QStringLiteral("AB"));
  field.setCursorPosition(1);
  QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2"));
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), field.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&field, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu);
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().contains(QStringLiteral("Paste"))) paste = action;
  }
  QVERIFY(paste);
  paste->trigger();
  menu->close();
  QCOMPARE(field.text(), QStringLiteral("A1B"));
}

void TestGeneratorCommon::EntryFieldDropKeepsFirstLine() {
  QWidget parent;
  EntryField field(QStringLiteral("Text2"), &parent);
  parent.show();
  field.setText(QStringLiteral("AB"));
  QMimeData data;
  data.setText(QStringLiteral("1\r\n2"));
  // Dropped just after the end of the text, the text lands at the end.
  const QPointF at(field.width() - 4, field.height() / 2);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&field, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&field, &drop);
  QVERIFY(drop.isAccepted());
  QCOMPARE(field.text(), QStringLiteral("AB1"));
}

void TestGeneratorCommon::EntryFieldInputMethodKeepsFirstLine() {
  QWidget parent;
  EntryField field(QStringLiteral("Text2"), &parent);
  parent.show();
  field.setFocus();
  QInputMethodEvent split;
  split.setCommitString(QStringLiteral("爪\r\n2"));
  QApplication::sendEvent(&field, &split);
  QCOMPARE(field.text(), QStringLiteral("爪"));
  QInputMethodEvent whole;
  whole.setCommitString(QStringLiteral("径"));
  QApplication::sendEvent(&field, &whole);
  QCOMPARE(field.text(), QStringLiteral("爪径"));
}

void TestGeneratorCommon::EntryFieldTakesEveryTypedCharacter() {
  QWidget parent;
  EntryField field(QStringLiteral("Text2"), &parent);
  parent.show();
  field.setFocus();
  QTest::keyClicks(&field, " -1..5a,");
  QCOMPARE(field.text(), QStringLiteral(" -1..5a,"));
}

void TestGeneratorCommon::CommandButtonIsNeverDefault() {
  QDialog dialog;
  auto* first = new CommandButton(QStringLiteral("Command2"), QStringLiteral("転送/終了"), &dialog);
  auto* second =
      new CommandButton(QStringLiteral("Command1"), QStringLiteral("キャンセル"), &dialog);
  second->move(0, 40);
  QCOMPARE(first->objectName(), QStringLiteral("Command2"));
  QCOMPARE(first->text(), QStringLiteral("転送/終了"));
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  // Neither on showing nor while it has the focus does a button become the default.
  for (QPushButton* button :
       {static_cast<QPushButton*>(first), static_cast<QPushButton*>(second)}) {
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(!first->isDefault());
    QVERIFY(!second->isDefault());
    QVERIFY(!button->autoDefault());
  }
  // The transfer buttons are such buttons.
  test::RecordingBlockSink sink;
  TransferButtons buttons(
      &dialog, sink, [] { return QString(); }, QStringLiteral("Command4"),
      QStringLiteral("Command5"));
  QVERIFY(qobject_cast<CommandButton*>(buttons.transfer_button()));
  QVERIFY(qobject_cast<CommandButton*>(buttons.cancel_button()));
}

void TestGeneratorCommon::EnterPressesOnlyTheFocusedButton() {
  QDialog dialog;
  auto* button =
      new CommandButton(QStringLiteral("Command2"), QStringLiteral("転送/終了"), &dialog);
  auto* check = new QCheckBox(QStringLiteral("check"), &dialog);
  check->move(0, 40);
  QSignalSpy clicked(button, &QPushButton::clicked);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  check->setFocus(Qt::TabFocusReason);
  QTest::keyClick(check, Qt::Key_Return);
  QTest::keyClick(check, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(clicked.count(), 0);
  QVERIFY(dialog.isVisible());
  button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(button, Qt::Key_Return);
  QCOMPARE(clicked.count(), 1);
  QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(clicked.count(), 2);
  // Enter with Ctrl is not Enter for the button.
  QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
  QCOMPARE(clicked.count(), 2);
}

void TestGeneratorCommon::TablesMakeTheGeneratorClasses_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("class_name");
  // clang-format off
  QTest::newRow("entry row: entry field")     << "Text2"       << "zel::EntryField";
  QTest::newRow("button row: command button") << "Command2"    << "zel::CommandButton";
  QTest::newRow("pane row: output pane")      << "Text1"       << "zel::OutputPane";
  QTest::newRow("picture row: illustration")  << "Picture1(0)" << "zel::Illustration";
  QTest::newRow("label row: standard label")  << "Label1"      << "QLabel";
  QTest::newRow("check row: standard box")    << "Check1"      << "QCheckBox";
  // clang-format on
}

void TestGeneratorCommon::TablesMakeTheGeneratorClasses() {
  QFETCH(QString, name);
  QFETCH(QString, class_name);
  using enum ControlKind;
  // clang-format off
  static constexpr ControlRow kRows[] = {
      {u"Label1",      kLabel,   u"D1",             0,   0, 900, 300},
      {u"Text2",       kEntry,   u"",             900,   0, 900, 300},
      {u"Check1",      kCheck,   u"check",          0, 300, 900, 300},
      {u"Text1",       kPane,    u"",               0, 600, 900, 900},
      {u"Picture1(0)", kPicture, u":/chuck_od.svg", 0, 1500, 900, 900},
      {u"Command2",    kButton,  u"転送/終了",    900, 300, 900, 450},
  };
  // clang-format on
  QDialog dialog;
  const ControlSet controls(&dialog, kRows, MakeGeneratorControl);
  QWidget* control = controls.Find(name);
  QVERIFY(control);
  QCOMPARE(QString::fromLatin1(control->metaObject()->className()), class_name);
  QCOMPARE(control->objectName(), name);
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    QCOMPARE(button->text(), QStringLiteral("転送/終了"));
    QVERIFY(!button->autoDefault());
  }
}

void TestGeneratorCommon::ListTakesTheWheelOnlyWithTheFocus() {
  static constexpr ControlRow kRows[] = {{u"Combo1", ControlKind::kCombo, u"", 0, 0, 1800, 330},
                                         {u"Text2", ControlKind::kEntry, u"", 0, 600, 1800, 330}};
  QDialog dialog;
  const ControlSet controls(&dialog, kRows, MakeGeneratorControl);
  auto* list = controls.Get<QComboBox>(u"Combo1");
  list->addItems({"1 外径円", "2 内径円"});
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  controls.Get(u"Text2")->setFocus();
  for (const bool focused : {false, true}) {
    if (focused) list->setFocus();
    QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);
    QCOMPARE(list->currentIndex(), focused ? 1 : 0);
  }
}

}  // namespace zel

QTEST_MAIN(zel::TestGeneratorCommon)
#include "tst_generator_common.moc"
