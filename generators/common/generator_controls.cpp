#include "generators/common/generator_controls.h"

#include "generators/common/command_button.h"
#include "generators/common/entry_field.h"
#include "generators/common/illustration.h"
#include "generators/common/output_pane.h"
#include "generators/common/preview_box.h"

namespace zel {

QWidget* MakeGeneratorControl(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::kEntry:
      return new EntryField(row.name.toString(), parent);
    case ControlKind::kButton:
      return new CommandButton(row.name.toString(), row.caption.toString(), parent);
    case ControlKind::kPane:
      return new OutputPane(row.name.toString(), parent);
    case ControlKind::kPicture:
      return new Illustration(row.name.toString(), row.caption.toString(), parent);
    default:
      return nullptr;
  }
}

QWidget* MakeMaterialControl(const ControlRow& row, QWidget* parent) {
  if (row.kind == ControlKind::kPicture) return new PreviewBox(row.name.toString(), parent);
  return MakeGeneratorControl(row, parent);
}

}  // namespace zel
