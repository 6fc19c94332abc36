#include "generators/common/dialog_style.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

#include "platform/fonts.h"
#include "platform/twips.h"

namespace zel {

void ApplyGeneratorFont(QWidget* dialog) {
  dialog->setFont(UiFont(kGeneratorFontPointSize));
}

void PlaceTwips(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(TwipsRect(left, top, width, height));
}

void SetFieldEditable(QLineEdit* field, bool editable) {
  field->setEnabled(editable);
  // The same colour in every colour group, or the style would paint a disabled field with
  // its own disabled base and the difference between the two states would be lost.
  const QColor background =
      editable ? QApplication::palette().color(QPalette::Active, QPalette::Base)
               : QApplication::palette("QMenu").color(QPalette::Active, QPalette::Window);
  QPalette palette = field->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, background);
  }
  field->setPalette(palette);
}

}  // namespace zel
