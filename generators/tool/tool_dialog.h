#pragma once

#include <QDialog>

#include <array>

#include "generators/common/generator_context.h"
#include "generators/tool/tool_block.h"
#include "generators/tool/tool_layout.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {

class EnterNavigator;
class OutputPane;
class ToolPicture;
class TransferButtons;

// The tool registration dialog (frmTool). The user describes one tool after another: tool
// number, kind, shape number, the dimension rows the pair needs, nose R output, tool life
// management and nose position. "プログラム  書き込み" inserts the tool's NOEX block at the
// output pane's caret and advances the tool number; "転送/終了" hands the pane to the editor.
// The layout follows the pure rules of tool_layout.h: every user action goes through them and
// the widgets show the result. Shown modally by the main window, created for every opening.
class ToolDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ToolDialog(const GeneratorContext& ctx, QWidget* parent = nullptr);

  // Fills the dialog with a written tool's values, as a user describing it would (see
  // ReopenedLayout); the pane stays empty. "転送/終了" then hands over what "プログラム  書き込み"
  // has written and refuses an empty pane, which would only delete the tool.
  void Reopen(const ToolBlockInput& input);

  // PN: the nose position as the nose line writes it, for the rows as they stand.
  QString PN() const;

  // The layout the dialog shows.
  const ToolLayout& Layout() const { return layout_; }

 private:
  void BuildControls();
  void ConnectControls();

  // The handlers of the controls.
  void Combo1_Click(int index);
  void Text2_Change(const QString& text);
  void Check2_Click(bool checked);
  void Command1_Click();
  void Command4_Click();

  // What the write button reads.
  ToolBlockInput CollectInput() const;
  // Brings the widgets in line with layout_.
  void ShowLayout();
  QWidget* RowOrWriteButton(int row) const;

  GeneratorContext ctx_;
  ToolLayout layout_ = StartLayout();

  QLineEdit* tool_number_ = nullptr;                               // Text1
  QComboBox* kind_list_ = nullptr;                                 // Combo1
  QLineEdit* shape_number_ = nullptr;                              // Text2
  std::array<QLabel*, kFieldRowCount> row_labels_{};               // Label3..Label7
  std::array<QLineEdit*, kFieldRowCount> row_fields_{};            // Text3..Text7
  QCheckBox* nose_output_ = nullptr;                               // Check2
  QCheckBox* tool_life_ = nullptr;                                 // Check1
  QGroupBox* nose_frame_ = nullptr;                                // Frame4
  std::array<QRadioButton*, kNosePositionCount> nose_buttons_{};   // NosePN(0..8)
  std::array<ToolPicture*, kKindPictureCount> kind_pictures_{};    // Picture1
  std::array<ToolPicture*, kShapePictureCount> shape_pictures_{};  // Picture2
  QPushButton* write_button_ = nullptr;                            // Command1
  QPushButton* clear_button_ = nullptr;                            // Command4
  OutputPane* pane_ = nullptr;                                     // Text8
  TransferButtons* buttons_ = nullptr;                             // Command2, Command3
  EnterNavigator* enter_ = nullptr;
};

}  // namespace zel
