#pragma once

#include <QDialog>

#include <array>

#include "generators/common/generator_context.h"
#include "generators/sideview/work_shape.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {

class EnterNavigator;
class OutputPane;
class PreviewBox;
class TransferButtons;

// The material side-view dialog (frmWork). The user builds the X-Z section of the material
// shape by shape: each "プログラム  書き込み" writes one PS or PT statement into the output
// pane between the block frame's lines, draws the shape into the preview and offers the next
// shape of its class the Z and diameter at which this one ended. "転送/終了" hands the pane to
// the editor (with the VSCTA line when "X-Z 断面表示" is checked); "キャンセル", Escape and the
// close box hand over nothing. Shown modally by the main window, created afresh each time.
class WorkDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WorkDialog(const GeneratorContext& ctx, QWidget* parent = nullptr);

  // The chain as it stands (for the tests: the values themselves are not shown anywhere).
  const WorkChain& chain() const { return chain_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void SetTabOrder();
  void ConnectControls();
  void Form_Load();

  void Combo1_Click();
  void Combo1_GotFocus();
  void Option1_Click(int index);
  void Command4_Click();
  void Command3_Click();
  void ClearEntry();

  // Selects "第一主軸" so that its handler runs, also when it was selected already.
  void SelectFirstSpindle();
  // Puts the focus into the shape list, so that its focus handler runs.
  void FocusShapeList();
  // The field that Enter in `row` (0 = Text2) leads to.
  QWidget* NextAfterRow(int row) const;
  // The decimal-point check of a field the focus has left.
  void CheckDecimalPoint(QLineEdit* field);
  bool IsEntryField(QObject* object) const;
  StartFace Face() const;

  GeneratorContext ctx_;
  WorkChain chain_;
  PreviewBox* preview_ = nullptr;
  OutputPane* pane_ = nullptr;
  QComboBox* shape_list_ = nullptr;
  std::array<QLabel*, 5> labels_{};
  std::array<QLineEdit*, 5> fields_{};
  std::array<QRadioButton*, 2> spindle_options_{};
  std::array<QRadioButton*, 2> face_options_{};
  QCheckBox* section_check_ = nullptr;
  QPushButton* clear_button_ = nullptr;
  QPushButton* write_button_ = nullptr;
  TransferButtons* buttons_ = nullptr;
  EnterNavigator* enter_ = nullptr;
  // Set while the decimal-point check puts the focus back, so that the focus leaving another
  // field on the way is not checked in turn (two fields with a decimal point would otherwise
  // hand the message back and forth for ever).
  bool restoring_focus_ = false;
  bool shown_ = false;
};

}  // namespace zel
