#include "generators/common/generator_controls.h"

#include "generators/common/illustration.h"
#include "generators/common/output_pane.h"

namespace zel {

QWidget* MakeGeneratorControl(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::kPane:
      return new OutputPane(row.name.toString(), parent);
    case ControlKind::kPicture:
      return new Illustration(row.name.toString(), row.caption.toString(), parent);
    default:
      return nullptr;
  }
}

}  // namespace zel
