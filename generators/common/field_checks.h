#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QDialog;
class QLineEdit;
class QWidget;

namespace zel {

class Prompts;

// The message of the decimal-point check.
inline const QString kDecimalPointText = QStringLiteral("小数点以下は指令できません。");

// Whether a focus change is the user's own move to another control (Tab, the mouse, Enter or
// the dialog putting the focus somewhere), as opposed to a window or a pop-up coming and
// going, which moves the focus away and back without meaning it.
bool IsDeliberateFocusChange(Qt::FocusReason reason);

// The check that the values of the material dialogs take no decimals: when the user moves
// from a watched field to another control of the dialog and the field's text holds a ".",
// the message kDecimalPointText is shown in a plain box (OK, no icon, the application
// title) and the focus is put back into the field. The text is left as it is. The check runs
// after the focus change has run its course, so that a button that was clicked on the way
// is not left half pressed. A click can reach the button before the check has run (the press
// and the release come together); a button whose action reads the fields therefore asks
// Settle() first, which runs the check still waiting and says whether the action may go on.
// Moving to an exempt control ("キャンセル") is never checked.
class DecimalPointCheck : public QObject {
  Q_OBJECT

 public:
  DecimalPointCheck(QDialog* dialog, Prompts& prompts);

  // Checks `field` from now on.
  void Watch(QLineEdit* field);
  // Leaving a field for `control` is not checked.
  void Exempt(QWidget* control);

  // Runs the check that leaving a field has started and that has not run yet. False when it
  // found a decimal point: the message has been shown and the focus is back in the field.
  bool Settle();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // False when the field holds a decimal point (the message shown, the focus back).
  bool Check(QLineEdit* field);

  QDialog* dialog_;
  Prompts& prompts_;
  QList<QLineEdit*> fields_;
  QList<QWidget*> exempt_;
  // The field whose check has been started by leaving it and has not run yet.
  QPointer<QLineEdit> pending_;
  // Set while the check itself puts the focus back, which is no move of the user's.
  bool restoring_focus_ = false;
};

}  // namespace zel
