#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "generators/common/field_checks.h"
#include "tests/support/test_support.h"

namespace zel {

class TestFieldChecks : public QObject {
  Q_OBJECT

 private slots:
  void DeliberateFocusChanges_data();
  void DeliberateFocusChanges();
  void DecimalPointOnLeaving_data();
  void DecimalPointOnLeaving();
  void NoCheckOnTheWayToAnExemptControl();
  void NoCheckWhenTheWindowLosesTheFocus();
};

void TestFieldChecks::DeliberateFocusChanges_data() {
  QTest::addColumn<Qt::FocusReason>("reason");
  QTest::addColumn<bool>("deliberate");
  // clang-format off
  QTest::newRow("Tab")                  << Qt::TabFocusReason          << true;
  QTest::newRow("Shift+Tab")            << Qt::BacktabFocusReason      << true;
  QTest::newRow("mouse")                << Qt::MouseFocusReason        << true;
  QTest::newRow("shortcut")             << Qt::ShortcutFocusReason     << true;
  QTest::newRow("the dialog's own move") << Qt::OtherFocusReason       << true;
  QTest::newRow("window (de)activated") << Qt::ActiveWindowFocusReason << false;
  QTest::newRow("pop-up")               << Qt::PopupFocusReason        << false;
  QTest::newRow("menu bar")             << Qt::MenuBarFocusReason      << false;
  // clang-format on
}

void TestFieldChecks::DeliberateFocusChanges() {
  QFETCH(Qt::FocusReason, reason);
  QFETCH(bool, deliberate);
  QCOMPARE(IsDeliberateFocusChange(reason), deliberate);
}

// A dialog with two checked fields, a button and a cancel button.
struct CheckedDialog {
  test::RecordingPrompts prompts;
  QDialog dialog;
  QLineEdit* first = new QLineEdit(&dialog);
  QLineEdit* second = new QLineEdit(&dialog);
  QPushButton* button = new QPushButton(QStringLiteral("OK"), &dialog);
  QPushButton* cancel = new QPushButton(QStringLiteral("キャンセル"), &dialog);
  DecimalPointCheck* check = new DecimalPointCheck(&dialog, prompts);
  CheckedDialog() {
    second->move(0, 30);
    button->move(0, 60);
    cancel->move(0, 90);
    check->Watch(first);
    check->Watch(second);
    check->Exempt(cancel);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
  }
};

void TestFieldChecks::DecimalPointOnLeaving_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("warned");
  // clang-format off
  QTest::newRow("12.5")           << "12.5"   << true;
  QTest::newRow("point at the end") << "12."  << true;
  QTest::newRow("whole number")   << "125"    << false;
  QTest::newRow("empty")          << ""       << false;
  QTest::newRow("comma")          << "1,5"    << false;
  // clang-format on
}

void TestFieldChecks::DecimalPointOnLeaving() {
  QFETCH(QString, text);
  QFETCH(bool, warned);
  CheckedDialog d;
  d.first->setFocus();
  QTest::keyClicks(d.first, text);
  // The second field holds a point too: putting the focus back is no move of the user's and
  // starts no second check.
  d.second->setText(QStringLiteral("0.5"));
  QTest::keyClick(d.first, Qt::Key_Tab);
  QTest::qWait(0);
  QCOMPARE(d.prompts.requests.size(), warned ? 1 : 0);
  QCOMPARE(d.dialog.focusWidget(), warned ? d.first : d.second);
  QCOMPARE(d.first->text(), text);
  if (!warned) return;
  QCOMPARE(test::Describe(d.prompts.requests[0]),
           "小数点以下は指令できません。 | ZEL_Editor | no icon | OK");
}

void TestFieldChecks::NoCheckOnTheWayToAnExemptControl() {
  CheckedDialog d;
  d.first->setFocus();
  QTest::keyClicks(d.first, "1.5");
  d.cancel->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  QVERIFY(d.prompts.requests.isEmpty());
  QCOMPARE(d.dialog.focusWidget(), d.cancel);
}

void TestFieldChecks::NoCheckWhenTheWindowLosesTheFocus() {
  CheckedDialog d;
  d.first->setFocus();
  QTest::keyClicks(d.first, "1.5");
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QTest::qWait(0);
  QVERIFY(d.prompts.requests.isEmpty());
}

}  // namespace zel

QTEST_MAIN(zel::TestFieldChecks)
#include "tst_field_checks.moc"
