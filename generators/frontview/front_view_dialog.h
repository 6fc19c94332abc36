#pragma once

#include "generators/common/material_dialog.h"
#include "generators/frontview/front_view_block.h"

class QLineEdit;

namespace zel {

// The material front-view dialog (frmWorkFace): the cross-section of the raw material seen
// along the spindle axis, an outer circle and for hollow material an inner one, each given by
// its diameter. Every "プログラム  書き込み" writes the shape's PF (and PO, CI) lines at the
// caret of the output pane, inside the DEF WORKF frame that the spindle choice wrote, and adds
// its disc to the preview. "転送/終了" hands the pane to the editor as it stands; "キャンセル"
// hands over nothing. Shown modally by the main window, created afresh for every opening.
class FrontViewDialog : public MaterialDialog {
  Q_OBJECT

 public:
  explicit FrontViewDialog(const GeneratorContext& ctx, QWidget* parent = nullptr);

  // Opens a written block again: its spindle, the block in the pane and its discs in the
  // preview, as if its circles had just been written here. Call before the dialog is shown.
  void Reopen(const FrontReopening& reopening);

  // The values of the last write: the diameter as typed and the radius text.
  const FrontDiameter& LastWrite() const { return last_write_; }

 private:
  void Form_Load();
  void Combo1_GotFocus() override;
  void Option1_Click(int index) override;
  void Command4_Click() override;
  void Command3_Click() override;
  void ClearEntry();
  void InitPreview();

  QLineEdit* diameter_field_ = nullptr;  // Text2
  // D and R of the last press of "プログラム  書き込み" whose diameter was a circle.
  FrontDiameter last_write_;
};

}  // namespace zel
