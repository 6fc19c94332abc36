#pragma once

#include <array>

#include "generators/common/material_dialog.h"
#include "generators/sideview/work_shape.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zel {

// The material side-view dialog (frmWork). The user builds the X-Z section of the material
// shape by shape: each "プログラム  書き込み" writes one PS or PT statement into the output
// pane between the block frame's lines, draws the shape into the preview and offers the next
// shape of its class the Z and diameter at which this one ended. "転送/終了" hands the pane to
// the editor (with the VSCTA line when "X-Z 断面表示" is checked); "キャンセル" and the close
// box hand over nothing, and so does Escape while the pane holds only the frame it opened
// with. Shown modally by the main window, created afresh each time.
class WorkDialog : public MaterialDialog {
  Q_OBJECT

 public:
  explicit WorkDialog(const GeneratorContext& ctx, QWidget* parent = nullptr);

  // Opens a written block again, as if its shapes had just been written here one after
  // another: its spindle, the block in the pane, "X-Z 断面表示", the start face of its last
  // shape, the chain and the preview. Call before the dialog is shown.
  void Reopen(const WorkReopening& reopening);

  // The chain as it stands (for the tests: the values themselves are not shown anywhere).
  const WorkChain& chain() const { return chain_; }

 private:
  void Form_Load();

  void Combo1_Click();
  void Combo1_GotFocus() override;
  void Option1_Click(int index) override;
  void Command4_Click() override;
  void Command3_Click() override;
  void ClearEntry();

  // The field that Enter in `row` (0 = Text2) leads to.
  QWidget* NextAfterRow(int row) const;
  StartFace Face() const;

  WorkChain chain_;
  std::array<QLabel*, 5> labels_{};              // Label2..Label6
  std::array<QLineEdit*, 5> fields_{};           // Text2..Text6
  std::array<QRadioButton*, 2> face_options_{};  // Option2(0), Option2(1)
  QCheckBox* section_check_ = nullptr;           // Check1
};

}  // namespace zel
