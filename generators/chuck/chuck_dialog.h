#pragma once

#include <QDialog>

#include <array>

#include "generators/chuck/chuck_block.h"
#include "generators/common/generator_context.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace zel {

class EnterNavigator;
class EntryField;
class Illustration;
class OutputPane;
class TransferButtons;

// The chuck and tailstock dialog (frmChuck). The user types the jaw, jaw position, centre and
// end-face values, chooses OD or ID clamping and chuck or centre work, and sees the NOEX block
// in the output pane, which follows every change of a field, option or check box. "転送/終了"
// hands the pane to the editor once the required values are there; "キャンセル" hands over
// nothing. Shown modally by the main window, created afresh for every opening.
class ChuckDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ChuckDialog(const GeneratorContext& ctx, QWidget* parent = nullptr);

  // Fills a dialog not yet shown with a written block's values, chosen and typed as a user
  // would: the options, every field, the check boxes; the pane follows as always.
  void Reopen(const ChuckBlockInput& input);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The eight entry fields, top to bottom.
  enum Field { kD1, kL1, kCx, kCz, kD2, kD3, kL2, kWr, kFieldCount };

  void BuildControls();
  void ConnectControls();

  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Check_Click();
  bool MayTransfer();

  // Rebuilds the output pane from the controls.
  void UpdatePane();
  ChuckBlockInput CollectInput() const;
  void FocusFirstField();

  GeneratorContext ctx_;
  std::array<QLabel*, kFieldCount> labels_{};
  std::array<EntryField*, kFieldCount> fields_{};
  QRadioButton* outside_option_ = nullptr;
  QRadioButton* inside_option_ = nullptr;
  QRadioButton* chuck_work_option_ = nullptr;
  QRadioButton* centre_work_option_ = nullptr;
  QCheckBox* switching_check_ = nullptr;
  QCheckBox* barrier_check_ = nullptr;
  std::array<Illustration*, 2> pictures_{};
  OutputPane* pane_ = nullptr;
  TransferButtons* buttons_ = nullptr;
  EnterNavigator* enter_ = nullptr;
  // The defaults ("外径", "チャックワーク") are chosen once, when the dialog first appears;
  // later showing or resizing leaves the user's choices alone.
  bool defaults_applied_ = false;
};

}  // namespace zel
