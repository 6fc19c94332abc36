#include "search/search_dialog_controls.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "platform/twips.h"

namespace zel {

ControlSet MakeSearchDialogControls(QDialog* dialog, std::span<const ControlRow> rows, int width,
                                    int height) {
  ControlSet controls(dialog, rows);
  for (const ControlRow& row : rows) {
    if (row.kind == ControlKind::kButton)
      controls.Get<QPushButton>(row.name)->setAutoDefault(false);
  }
  controls.Get<QCheckBox>(u"Check1")->setChecked(true);
  dialog->setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
  controls.Get<QLineEdit>(u"txtFind")->setFocus();
  return controls;
}

}  // namespace zel
