#include "generators/common/command_button.h"

#include <QKeyEvent>

namespace zel {

CommandButton::CommandButton(const QString& name, const QString& caption, QWidget* parent)
    : WrappingButton(caption, parent) {
  setObjectName(name);
  setAutoDefault(false);
  setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (enter && modifiers == Qt::NoModifier) {
    click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace zel
