#pragma once

#include <QDialog>

#include <array>

#include "generators/common/generator_context.h"
#include "generators/frontview/front_view_block.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {

class DecimalPointCheck;
class EnterNavigator;
class OutputPane;
class PreviewBox;
class TransferButtons;

// The material front-view dialog (frmWorkFace): the cross-section of the raw material seen
// along the spindle axis, an outer circle and for hollow material an inner one, each given by
// its diameter. Every "プログラム  書き込み" writes the shape's PF (and PO, CI) lines at the
// caret of the output pane, inside the DEF WORKF frame that the spindle choice wrote, and adds
// its disc to the preview. "転送/終了" hands the pane to the editor as it stands; "キャンセル"
// hands over nothing. Shown modally by the main window, created afresh for every opening.
class FrontViewDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FrontViewDialog(const GeneratorContext& ctx, QWidget* parent = nullptr);

  // The values of the last write: the diameter as typed and the radius text.
  const FrontDiameter& LastWrite() const { return last_write_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();

  void Form_Load();
  void Combo1_GotFocus();
  void Option1_Click(int index);
  void Command4_Click();
  void Command3_Click();
  void ClearEntry();
  void InitPreview();
  // The focus to the shape list, which then offers "1 外径円" again.
  void FocusShapeList();

  GeneratorContext ctx_;
  PreviewBox* preview_ = nullptr;
  OutputPane* pane_ = nullptr;
  std::array<QRadioButton*, 2> spindle_options_{};
  QComboBox* shape_list_ = nullptr;
  QLineEdit* diameter_field_ = nullptr;
  QPushButton* write_button_ = nullptr;
  QPushButton* clear_button_ = nullptr;
  TransferButtons* buttons_ = nullptr;
  EnterNavigator* enter_ = nullptr;
  DecimalPointCheck* decimal_check_ = nullptr;
  // D and R of the last press of "プログラム  書き込み".
  FrontDiameter last_write_;
  // The focus goes to the shape list once, when the dialog first appears.
  bool opened_ = false;
};

}  // namespace zel
