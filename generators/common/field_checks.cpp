#include "generators/common/field_checks.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>

#include "platform/prompts.h"

namespace zel {

bool IsDeliberateFocusChange(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
         reason == Qt::OtherFocusReason;
}

DecimalPointCheck::DecimalPointCheck(QDialog* dialog, Prompts& prompts)
    : QObject(dialog), dialog_(dialog), prompts_(prompts) {}

void DecimalPointCheck::Watch(QLineEdit* field) {
  fields_.append(field);
  field->installEventFilter(this);
}

void DecimalPointCheck::Exempt(QWidget* control) { exempt_.append(control); }

bool DecimalPointCheck::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut || restoring_focus_) return false;
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (!field || !fields_.contains(field)) return false;
  const auto* focus = static_cast<QFocusEvent*>(event);
  QWidget* next = QApplication::focusWidget();
  if (!IsDeliberateFocusChange(focus->reason()) || !next || !dialog_->isAncestorOf(next) ||
      exempt_.contains(next)) {
    return false;
  }
  pending_ = field;
  QMetaObject::invokeMethod(
      this, [this] { Settle(); }, Qt::QueuedConnection);
  return false;
}

bool DecimalPointCheck::Settle() {
  QLineEdit* field = pending_;
  pending_ = nullptr;
  return !field || Check(field);
}

bool DecimalPointCheck::Check(QLineEdit* field) {
  if (!dialog_->isVisible() || !field->text().contains(QLatin1Char('.'))) return true;
  prompts_.Message(dialog_, kDecimalPointText, kAppTitle, PromptIcon::kNone);
  restoring_focus_ = true;
  field->setFocus(Qt::OtherFocusReason);
  restoring_focus_ = false;
  return false;
}

}  // namespace zel
