#include "generators/common/enter_navigator.h"

#include <QKeyEvent>
#include <QWidget>

namespace zel {

EnterNavigator::EnterNavigator(QObject* parent) : QObject(parent) {}

void EnterNavigator::Add(QWidget* field, TargetFn target, AfterFn after) {
  routes_.insert(field, Route{std::move(target), std::move(after)});
  field->installEventFilter(this);
  connect(field, &QObject::destroyed, this, [this](QObject* gone) { routes_.remove(gone); });
}

bool EnterNavigator::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // Both the main Enter key and the one on the number pad; with or without the keypad
  // modifier, but not with Ctrl, Alt or Shift, which the fields may use for themselves.
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (!enter || modifiers != Qt::NoModifier) return false;
  const auto route = routes_.constFind(watched);
  if (route == routes_.constEnd()) return false;
  // Copied, because the reaction may well add or remove routes.
  const Route current = *route;
  if (current.target) {
    if (QWidget* target = current.target()) target->setFocus(Qt::OtherFocusReason);
  }
  if (current.after) current.after();
  return true;
}

}  // namespace zel
