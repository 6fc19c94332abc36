#pragma once

#include <QDialog>

#include <array>
#include <span>

#include "generators/common/generator_context.h"
#include "generators/common/transfer_buttons.h"
#include "platform/control_table.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {

class DecimalPointCheck;
class EnterNavigator;
class OutputPane;
class PreviewBox;

// The controls that the two material dialogs, the side view (frmWork) and the front view
// (frmWorkFace), have at the same places, in twips: the black preview in the upper left with
// the output pane under it, and on the right the spindle frame, the shape list, the reminder
// and the four buttons. Each dialog adds its own value rows (and the side view its start-face
// frame and section check box) with WithMaterialRows.
// clang-format off
inline constexpr ControlRow kMaterialRows[] = {
    {u"Picture1",   ControlKind::kPicture, u"",                     120,  120, 7215, 4695},
    {u"Text1",      ControlKind::kPane,    u"",                     120, 4920, 7215, 2655},
    {u"Frame1",     ControlKind::kFrame,   u"主軸選択",            8040,  120, 2775,  735},
    {u"Option1(0)", ControlKind::kOption,  u"第一主軸",             120,  300, 1260,  300, u"Frame1"},
    {u"Option1(1)", ControlKind::kOption,  u"第二主軸",            1440,  300, 1260,  300, u"Frame1"},
    {u"Label1",     ControlKind::kLabel,   u"素材形状選択",        8040, 2040, 2655,  240},
    {u"Combo1",     ControlKind::kCombo,   u"",                    8040, 2280, 2655,  330},
    {u"Label7",     ControlKind::kLabel,   u"注意：小数点以下は入力出来ません。", 7920, 5280, 3720, 255},
    {u"Command3",   ControlKind::kButton,  u"全消去",              7800, 6120, 1455,  615},
    {u"Command4",   ControlKind::kButton,  u"プログラム  書き込み", 9600, 6120, 1575,  615},
    {u"Command1",   ControlKind::kButton,  u"キャンセル",          7800, 6960, 1455,  615},
    {u"Command2",   ControlKind::kButton,  u"転送/終了",           9600, 6960, 1575,  615},
};
// clang-format on

// The message of a write whose values describe no shape.
inline const QString kCalculationErrorText = QStringLiteral("計算エラー");

// The client area of both material dialogs, in twips.
inline constexpr int kMaterialClientWidth = 11670;
inline constexpr int kMaterialClientHeight = 7830;

// A material dialog's placement table: the shared rows of kMaterialRows, then the dialog's own.
template <std::size_t N>
constexpr std::array<ControlRow, std::size(kMaterialRows) + N> WithMaterialRows(
    const ControlRow (&own)[N]) {
  std::array<ControlRow, std::size(kMaterialRows) + N> rows{};
  std::size_t next = 0;
  for (const ControlRow& row : kMaterialRows) rows[next++] = row;
  for (const ControlRow& row : own) rows[next++] = row;
  return rows;
}

// What the two material dialogs share besides their places: both build a shape's statement
// with "プログラム  書き込み" into the output pane inside the frame that the spindle choice
// writes, draw it into the preview and go back to the shape list, whose focus handler offers
// the next shape. This base makes the controls of the dialog's table (the preview box for the
// picture row), ties the spindle options and the two buttons to the dialog's handlers, gives
// the shape list the focus when the dialog first appears and runs its focus handler on every
// deliberate focus change into it, and checks the watched value fields for decimal points on
// the way to any control but "キャンセル". "転送/終了" hands over the pane as it stands, or
// what the dialog's own block function makes of it.
class MaterialDialog : public QDialog {
  Q_OBJECT

 protected:
  // `name` and `caption` are the dialog's control name and window title; `rows` its whole
  // placement table (WithMaterialRows).
  MaterialDialog(const GeneratorContext& ctx, const QString& name, const QString& caption,
                 std::span<const ControlRow> rows, TransferButtons::BlockFn block, QWidget* parent);

  // The handlers of the shared controls, each dialog's own.
  virtual void Option1_Click(int index) = 0;
  // Runs twice when the dialog puts the focus into the list itself (directly, then again when
  // the focus arrives), so running it again must change nothing.
  virtual void Combo1_GotFocus() = 0;
  virtual void Command4_Click() = 0;
  virtual void Command3_Click() = 0;

  // Selects "第一主軸" so that its handler runs, also when it was selected already.
  void SelectFirstSpindle();
  // Puts the focus into the shape list and runs its focus handler, also when the list has the
  // focus already or when the dialog is not the active window and the focus only arrives later.
  void FocusShapeList();
  // Shows a written block reopened: the spindle option of the block chosen without its
  // handler (which would write a new frame), the pane holding the block as it stands, and
  // the caret at the start of its last line (its END), where the next shape goes.
  void ShowWrittenBlock(int spindle, const QString& block);

  // Tells the user that the values entered describe no shape that can be written:
  // kCalculationErrorText with the warning icon, under the application title.
  void WarnCalculationError();
  // Whether the texts of `fields` (the fields a write reads) can go into a statement as they
  // stand. At the first field holding a character that would break the statement's form, the
  // user is told which field and character (warning icon, the application title), the focus
  // goes into that field, and the answer is false.
  bool FieldsFitStatement(std::span<QLineEdit* const> fields);

  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  GeneratorContext ctx_;
  // The dialog's controls by name, for the rows that are the dialog's own.
  const ControlSet controls_;
  PreviewBox* preview_ = nullptr;                   // Picture1
  OutputPane* pane_ = nullptr;                      // Text1
  std::array<QRadioButton*, 2> spindle_options_{};  // Option1(0), Option1(1)
  QComboBox* shape_list_ = nullptr;                 // Combo1
  QPushButton* write_button_ = nullptr;             // Command4
  EnterNavigator* enter_ = nullptr;
  DecimalPointCheck* decimal_check_ = nullptr;

 private:
  // The focus goes to the shape list once, when the dialog first appears.
  bool shown_ = false;
};

}  // namespace zel
