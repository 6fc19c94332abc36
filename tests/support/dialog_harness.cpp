#include "tests/support/dialog_harness.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zel::test {

QString Caption(const QWidget* control) {
  if (control->isWindow()) return control->windowTitle();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
  if (qobject_cast<const QLineEdit*>(control)) {
    for (const QLabel* label : control->window()->findChildren<QLabel*>()) {
      if (label->buddy() == control) return label->text();
    }
  }
  return QString();
}

QStringList TabChain(QWidget* start) {
  QStringList chain;
  QWidget* widget = start;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start);
  return chain;
}

void ClickAt(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

}  // namespace zel::test
