// The find dialog, F3 and the replace dialog as the user meets them, over a plain string.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "search/find_dialog.h"
#include "search/replace_dialog.h"
#include "search/search_commands.h"
#include "search/string_search_target.h"
#include "tests/support/dialog_harness.h"
#include "tests/support/test_support.h"

using zel::FindDialog;
using zel::PromptButtons;
using zel::PromptIcon;
using zel::ReplaceDialog;
using zel::SearchCommands;
using zel::StringSearchTarget;

namespace {

using zel::test::Child;
using zel::test::TabChain;

// A main window stand-in with the search commands over a plain text.
struct MainWindow {
  explicit MainWindow(const QString& text) : target(text) {}

  QWidget window;
  StringSearchTarget target;
  zel::test::RecordingPrompts prompts;
  int editor_focus_calls = 0;
  SearchCommands commands{&window, target, prompts, [this] { ++editor_focus_calls; }};

  FindDialog* OpenFind() {
    commands.OpenFind();
    return commands.ActiveFindDialog();
  }
  QString LastMessage() const {
    return prompts.requests.isEmpty() ? QString() : prompts.requests.last().text;
  }
};

void Click(QWidget* dialog, const char* button) {
  QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

}  // namespace

class TestSearchDialogs : public QObject {
  Q_OBJECT

 private slots:
  void FindDialogControls();
  void FindDialogIsAModelessToolWindowOfTheMainWindow();
  void OpeningFindCopiesTheSelection();
  void OpeningFindWithoutSelectionKeepsTheSearchText();
  void FindHitClosesTheDialog();
  void FindNotFoundStaysOpenAndChecksTheBox();
  void EnterInTheFindFieldSearches();
  void CancelKeepsTheState();
  void FindThenF3OverOverlappingHits();
  void F3ChecksTheOpenDialogsBox();

  void ReplaceDialogControls();
  void ReplaceDialogLayoutAndTabOrder();
  void ReplaceButtonsFollowTheSearchField();
  void OpeningReplaceWithSelection();
  void ChangeThreeTimes();
  void AllChangeFromTheTop();
  void ReplaceNotFoundMessages_data();
  void ReplaceNotFoundMessages();
  void EnterPressesChange();
  void OpenReplaceRunsModally();
};

void TestSearchDialogs::FindDialogControls() {
  MainWindow main("G01");
  FindDialog* dialog = main.OpenFind();
  QVERIFY(dialog);
  QCOMPARE(dialog->objectName(), QString("frmFind"));
  QCOMPARE(dialog->windowTitle(), QString("検索"));
  QCOMPARE(Child<QLabel>(dialog, "Label1")->text(), QString("検索文字列        :"));
  QCOMPARE(Child<QLineEdit>(dialog, "txtFind")->text(), QString());
  QCOMPARE(Child<QCheckBox>(dialog, "Check1")->text(), QString("先頭から検索"));
  QVERIFY(Child<QCheckBox>(dialog, "Check1")->isChecked());
  QCOMPARE(Child<QPushButton>(dialog, "NextFind")->text(), QString("検 索"));
  QCOMPARE(Child<QPushButton>(dialog, "CancelButton")->text(), QString("ｷｬﾝｾﾙ"));
  QCOMPARE(Child<QLabel>(dialog, "Label2")->text(),
           QString("※ 続けて検索するには[F3]を押してください。"));
  // Fixed size.
  QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
}

void TestSearchDialogs::FindDialogIsAModelessToolWindowOfTheMainWindow() {
  auto main = std::make_unique<MainWindow>("G01");
  QPointer<FindDialog> dialog = main->OpenFind();
  QVERIFY(dialog->isVisible());
  QVERIFY(!dialog->isModal());
  QCOMPARE(dialog->windowType(), Qt::Tool);
  QCOMPARE(dialog->parentWidget(), &main->window);
  // Opening it again brings the same dialog forward.
  QCOMPARE(main->OpenFind(), dialog.data());
  main.reset();
  QVERIFY(dialog.isNull());
}

void TestSearchDialogs::OpeningFindCopiesTheSelection() {
  MainWindow main("N1 (ﾁｬｯｸ) G01");
  main.target.Select(4, 4);
  FindDialog* dialog = main.OpenFind();
  QCOMPARE(Child<QLineEdit>(dialog, "txtFind")->text(), QString("ﾁｬｯｸ"));
  QCOMPARE(main.commands.State().FindText, QString("ﾁｬｯｸ"));
}

void TestSearchDialogs::OpeningFindWithoutSelectionKeepsTheSearchText() {
  MainWindow main("G01 G01");
  main.commands.State().FindText = "G01";
  main.commands.State().HitCount = 2;
  FindDialog* dialog = main.OpenFind();
  QCOMPARE(Child<QLineEdit>(dialog, "txtFind")->text(), QString());
  QCOMPARE(main.commands.State().FindText, QString("G01"));
  QCOMPARE(main.commands.State().HitCount, 2);
  Click(dialog, "NextFind");
  QCOMPARE(main.target.SelectionStart(), 0);
  QCOMPARE(main.target.SelectedText(), QString("G01"));
}

void TestSearchDialogs::FindHitClosesTheDialog() {
  MainWindow main("X0\r\nG01 X1");
  QPointer<FindDialog> dialog = main.OpenFind();
  Child<QLineEdit>(dialog, "txtFind")->setText("G01");
  Click(dialog, "NextFind");
  QCOMPARE(main.target.SelectionStart(), 4);
  QCOMPARE(main.target.SelectionLength(), 3);
  QCOMPARE(main.commands.State().HitCount, 1);
  QCOMPARE(main.editor_focus_calls, 1);
  QVERIFY(main.prompts.requests.isEmpty());
  QCOMPARE(main.commands.ActiveFindDialog(), nullptr);
  QVERIFY(!dialog->isVisible());
  QTRY_VERIFY(dialog.isNull());

  // A new opening starts with the box checked again.
  FindDialog* again = main.OpenFind();
  QVERIFY(again != nullptr);
  QVERIFY(Child<QCheckBox>(again, "Check1")->isChecked());
}

void TestSearchDialogs::FindNotFoundStaysOpenAndChecksTheBox() {
  MainWindow main("N1 G01 X1\r\n");
  FindDialog* dialog = main.OpenFind();
  Child<QLineEdit>(dialog, "txtFind")->setText("g01");
  Click(dialog, "NextFind");
  QCOMPARE(main.prompts.requests.size(), 1);
  const zel::PromptRequest& request = main.prompts.requests.first();
  QCOMPARE(request.text, QString("\"g01\" は見つかりませんでした。"));
  QCOMPARE(request.title, QString("検索"));
  QCOMPARE(request.icon, PromptIcon::kNone);
  QCOMPARE(request.buttons, PromptButtons::kOk);
  QCOMPARE(main.commands.ActiveFindDialog(), dialog);
  QVERIFY(dialog->isVisible());
  QVERIFY(Child<QCheckBox>(dialog, "Check1")->isChecked());
  QCOMPARE(main.editor_focus_calls, 0);
}

void TestSearchDialogs::EnterInTheFindFieldSearches() {
  MainWindow main("A B A");
  FindDialog* dialog = main.OpenFind();
  auto* field = Child<QLineEdit>(dialog, "txtFind");
  QTest::keyClicks(field, "B");
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(main.target.SelectionStart(), 2);
  QCOMPARE(main.commands.ActiveFindDialog(), nullptr);
}

void TestSearchDialogs::CancelKeepsTheState() {
  MainWindow main("G01");
  QPointer<FindDialog> dialog = main.OpenFind();
  Child<QLineEdit>(dialog, "txtFind")->setText("X");
  main.commands.State().SearchPos = 2;
  Child<QCheckBox>(dialog, "Check1")->setChecked(false);
  Click(dialog, "CancelButton");
  QCOMPARE(main.commands.ActiveFindDialog(), nullptr);
  QTRY_VERIFY(dialog.isNull());
  QCOMPARE(main.commands.State().FindText, QString("X"));
  QCOMPARE(main.commands.State().SearchPos, 2);
  QVERIFY(Child<QCheckBox>(main.OpenFind(), "Check1")->isChecked());
}

void TestSearchDialogs::FindThenF3OverOverlappingHits() {
  MainWindow main("aaaa");
  FindDialog* dialog = main.OpenFind();
  Child<QLineEdit>(dialog, "txtFind")->setText("aa");
  Click(dialog, "NextFind");
  QCOMPARE(main.target.SelectionStart(), 0);
  main.commands.FindNext();
  QCOMPARE(main.target.SelectionStart(), 1);
  main.commands.FindNext();
  QCOMPARE(main.target.SelectionStart(), 2);
  QVERIFY(main.prompts.requests.isEmpty());
  main.commands.FindNext();
  QCOMPARE(main.LastMessage(), QString("3回 見つかりました。"));
  QCOMPARE(main.prompts.requests.last().title, QString("検索"));
  QCOMPARE(main.prompts.requests.last().icon, PromptIcon::kNone);
  QCOMPARE(main.commands.State().HitCount, 0);
  // F3 with no dialog open creates none.
  QCOMPARE(main.commands.ActiveFindDialog(), nullptr);
}

void TestSearchDialogs::F3ChecksTheOpenDialogsBox() {
  MainWindow main("G01 X1");
  FindDialog* dialog = main.OpenFind();
  Child<QLineEdit>(dialog, "txtFind")->setText("X9");
  auto* box = Child<QCheckBox>(dialog, "Check1");
  box->setChecked(false);
  main.commands.FindNext();
  QCOMPARE(main.LastMessage(), QString("\"X9\"は見つかりませんでした。"));
  QVERIFY(box->isChecked());
  QVERIFY(dialog->isVisible());
}

void TestSearchDialogs::ReplaceDialogControls() {
  MainWindow main("G01");
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  QCOMPARE(dialog.objectName(), QString("frmReplace"));
  QCOMPARE(dialog.windowTitle(), QString("文字列の置き換え"));
  QVERIFY(dialog.isModal());
  QCOMPARE(Child<QLabel>(&dialog, "Label1")->text(), QString("検索文字列"));
  QCOMPARE(Child<QLabel>(&dialog, "Label2")->text(), QString("置き換え文字列"));
  QCOMPARE(Child<QCheckBox>(&dialog, "Check1")->text(), QString("先頭から開始"));
  QVERIFY(Child<QCheckBox>(&dialog, "Check1")->isChecked());
  QCOMPARE(Child<QPushButton>(&dialog, "Change")->text(), QString("変　更"));
  QCOMPARE(Child<QPushButton>(&dialog, "AllChange")->text(), QString("全て変更"));
  QCOMPARE(Child<QPushButton>(&dialog, "NextFind")->text(), QString("スキップ"));
  QCOMPARE(Child<QPushButton>(&dialog, "Cancel")->text(), QString("閉じる"));
  QCOMPARE(Child<QLineEdit>(&dialog, "txtFind")->text(), QString());
  QCOMPARE(Child<QLineEdit>(&dialog, "txtReplace")->text(), QString());
}

void TestSearchDialogs::ReplaceDialogLayoutAndTabOrder() {
  MainWindow main("G01");
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  auto geometry = [&](const char* name) { return Child<QWidget>(&dialog, name)->geometry(); };
  // Fields with their labels at the left, the check box under them.
  QVERIFY(geometry("Label1").right() < geometry("txtFind").left());
  QVERIFY(geometry("txtFind").bottom() < geometry("txtReplace").top());
  QVERIFY(geometry("txtReplace").bottom() < geometry("Check1").top());
  // "変　更" and "スキップ" side by side at the top right, "全て変更" and "閉じる" below them.
  QVERIFY(geometry("txtFind").right() < geometry("Change").left());
  QCOMPARE(geometry("Change").top(), geometry("NextFind").top());
  QVERIFY(geometry("Change").right() < geometry("NextFind").left());
  QCOMPARE(geometry("AllChange").left(), geometry("Change").left());
  QCOMPARE(geometry("Cancel").left(), geometry("NextFind").left());
  QVERIFY(geometry("Change").bottom() < geometry("AllChange").top());
  QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

  const QStringList expected = {"txtFind",   "txtReplace", "Change",  "Cancel",
                                "AllChange", "Check1",     "NextFind"};
  QCOMPARE(TabChain(Child<QWidget>(&dialog, "txtFind")), expected);
}

void TestSearchDialogs::ReplaceButtonsFollowTheSearchField() {
  MainWindow main("G01");
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  auto* change = Child<QPushButton>(&dialog, "Change");
  auto* all = Child<QPushButton>(&dialog, "AllChange");
  auto* skip = Child<QPushButton>(&dialog, "NextFind");
  auto* field = Child<QLineEdit>(&dialog, "txtFind");
  auto states = [&] {
    return QList<bool>{change->isEnabled(), all->isEnabled(), skip->isEnabled(),
                       change->isDefault()};
  };
  QCOMPARE(states(), QList<bool>({false, false, false, false}));
  QVERIFY(Child<QPushButton>(&dialog, "Cancel")->isEnabled());
  dialog.show();
  QCOMPARE(states(), QList<bool>({false, false, false, false}));
  QTest::keyClicks(field, "G");
  QCOMPARE(states(), QList<bool>({true, true, true, true}));
  QCOMPARE(main.commands.State().FindText, QString("G"));
  QTest::keyClick(field, Qt::Key_Backspace);
  QCOMPARE(states(), QList<bool>({false, false, false, false}));
  field->setText("ＧＯ１");
  QCOMPARE(states(), QList<bool>({true, true, true, true}));
  field->clear();
  QCOMPARE(states(), QList<bool>({false, false, false, false}));
}

void TestSearchDialogs::OpeningReplaceWithSelection() {
  MainWindow main("N1 G01 X1 G01");
  main.target.Select(3, 3);
  main.commands.State().ReplaceText = "old";
  main.commands.State().HitCount = 3;
  main.commands.State().FirstPress = false;
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  QCOMPARE(Child<QLineEdit>(&dialog, "txtFind")->text(), QString("G01"));
  QVERIFY(Child<QPushButton>(&dialog, "Change")->isEnabled());
  QVERIFY(Child<QPushButton>(&dialog, "Change")->isDefault());
  const zel::SearchState& state = main.commands.State();
  QCOMPARE(state.FindText, QString("G01"));
  QCOMPARE(state.ReplaceText, QString());
  QCOMPARE(state.HitCount, 0);
  QCOMPARE(state.SearchPos, 3);
  QVERIFY(state.FirstPress);
}

void TestSearchDialogs::ChangeThreeTimes() {
  const QString filler(500, QChar('-'));
  MainWindow main("G01" + filler + "G01");
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  dialog.show();
  Child<QLineEdit>(&dialog, "txtFind")->setText("G01");
  Child<QLineEdit>(&dialog, "txtReplace")->setText("Ｇ０１");
  auto* box = Child<QCheckBox>(&dialog, "Check1");

  Click(&dialog, "Change");
  QCOMPARE(main.target.SelectionStart(), 0);
  QCOMPARE(main.target.SelectedText(), QString("G01"));
  QVERIFY(!box->isChecked());
  Click(&dialog, "Change");
  QCOMPARE(main.target.Text(), "Ｇ０１" + filler + "G01");
  QCOMPARE(main.target.SelectionStart(), 503);
  QVERIFY(main.prompts.requests.isEmpty());
  Click(&dialog, "Change");
  QCOMPARE(main.target.Text(), "Ｇ０１" + filler + "Ｇ０１");
  QCOMPARE(main.prompts.requests.size(), 1);
  QCOMPARE(main.LastMessage(), QString("2 回　変更しました。"));
  QCOMPARE(main.prompts.requests.last().title, QString("置き換え"));
  QCOMPARE(main.prompts.requests.last().icon, PromptIcon::kNone);
  QCOMPARE(main.prompts.requests.last().buttons, PromptButtons::kOk);
  QVERIFY(box->isChecked());
  QVERIFY(main.commands.State().FirstPress);
  QVERIFY(dialog.isVisible());
}

void TestSearchDialogs::AllChangeFromTheTop() {
  MainWindow main("X1 X2\r\nX3");
  main.target.Select(7, 2);
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  dialog.show();
  QCOMPARE(Child<QLineEdit>(&dialog, "txtFind")->text(), QString("X3"));
  Child<QLineEdit>(&dialog, "txtFind")->setText("X");
  Click(&dialog, "AllChange");
  QCOMPARE(main.target.Text(), QString("1 2\r\n3"));
  QCOMPARE(main.target.ChangeCount(), 1);
  QCOMPARE(main.LastMessage(), QString("3 回 変更しました。"));
  QCOMPARE(main.prompts.requests.last().title, QString("置き換え"));
  QVERIFY(Child<QCheckBox>(&dialog, "Check1")->isChecked());
  QVERIFY(main.commands.State().FirstPress);
  QCOMPARE(main.commands.State().HitCount, 0);
}

void TestSearchDialogs::ReplaceNotFoundMessages_data() {
  QTest::addColumn<QString>("button");
  QTest::newRow("変　更") << "Change";
  QTest::newRow("スキップ") << "NextFind";
  QTest::newRow("全て変更") << "AllChange";
}

void TestSearchDialogs::ReplaceNotFoundMessages() {
  QFETCH(QString, button);
  MainWindow main("N1 G01");
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  dialog.show();
  Child<QLineEdit>(&dialog, "txtFind")->setText("g01");
  Click(&dialog, button.toLatin1().constData());
  QCOMPARE(main.prompts.requests.size(), 1);
  QCOMPARE(main.LastMessage(), QString("\"g01\" 見つかりませんでした。"));
  QCOMPARE(main.prompts.requests.last().title, QString("置き換え"));
  QCOMPARE(main.target.Text(), QString("N1 G01"));
}

void TestSearchDialogs::EnterPressesChange() {
  MainWindow main("G0 G0");
  ReplaceDialog dialog(&main.window, main.commands.State(), main.target, main.prompts);
  dialog.show();
  auto* field = Child<QLineEdit>(&dialog, "txtFind");
  QTest::keyClick(field, Qt::Key_Return);  // no search text: Enter does nothing
  QVERIFY(dialog.isVisible());
  QCOMPARE(main.target.SelectionLength(), 0);
  QTest::keyClicks(field, "G0");
  QTest::keyClicks(Child<QLineEdit>(&dialog, "txtReplace"), "G1");
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(main.target.SelectedText(), QString("G0"));
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(main.target.Text(), QString("G1 G0"));
  QCOMPARE(main.target.SelectionStart(), 3);
}

void TestSearchDialogs::OpenReplaceRunsModally() {
  MainWindow main("G01 X1 G01 X2");
  main.target.Select(0, 3);
  QStringList seen;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    seen << modal->objectName();
    Child<QLineEdit>(modal, "txtReplace")->setText("G02");
    Click(modal, "AllChange");
    Click(modal, "Cancel");
  });
  main.commands.OpenReplace();
  QCOMPARE(seen, QStringList{"frmReplace"});
  QCOMPARE(main.target.Text(), QString("G02 X1 G02 X2"));
  QCOMPARE(main.LastMessage(), QString("2 回 変更しました。"));
  QCOMPARE(main.editor_focus_calls, 1);
}

QTEST_MAIN(TestSearchDialogs)
#include "tst_search_dialogs.moc"
