#include "search/replace_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/prompts.h"
#include "search/search_dialog_controls.h"
#include "search/search_engine.h"
#include "search/search_target.h"
#include "search/search_texts.h"

namespace zel {

namespace {

// The controls, places in twips, and the client size.
using enum ControlKind;
// clang-format off
constexpr ControlRow kControls[] = {
    {u"Label1",     kLabel,  u"検索文字列",      165,  180, 1320, 330},
    {u"txtFind",    kEntry,  u"",               1515,  180, 3300, 330},
    {u"Label2",     kLabel,  u"置き換え文字列",  165,  600, 1320, 330},
    {u"txtReplace", kEntry,  u"",               1515,  600, 3300, 330},
    {u"Check1",     kCheck,  u"先頭から開始",    165, 1020, 3000, 300},
    {u"Change",     kButton, u"変　更",         4905,  165, 1200, 345},
    {u"AllChange",  kButton, u"全て変更",       4905,  585, 1200, 345},
    {u"NextFind",   kButton, u"スキップ",       6210,  165, 1200, 345},
    {u"Cancel",     kButton, u"閉じる",         6210,  585, 1200, 345},
};
// clang-format on
constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 1425;

}  // namespace

ReplaceDialog::ReplaceDialog(QWidget* main_window, SearchState& state, SearchTarget& target,
                             Prompts& prompts)
    : QDialog(main_window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      target_(target),
      prompts_(prompts) {
  setObjectName(QStringLiteral("frmReplace"));
  setWindowTitle(search_texts::kReplaceCaption);
  setModal(true);

  // Only "変　更" is ever the default button, and only while there is a search text.
  const ControlSet controls =
      MakeSearchDialogControls(this, kControls, kClientWidth, kClientHeight);
  find_edit_ = controls.Get<QLineEdit>(u"txtFind");
  replace_edit_ = controls.Get<QLineEdit>(u"txtReplace");
  controls.Get<QLabel>(u"Label1")->setBuddy(find_edit_);
  controls.Get<QLabel>(u"Label2")->setBuddy(replace_edit_);
  from_top_box_ = controls.Get<QCheckBox>(u"Check1");
  change_button_ = controls.Get<QPushButton>(u"Change");
  all_change_button_ = controls.Get<QPushButton>(u"AllChange");
  skip_button_ = controls.Get<QPushButton>(u"NextFind");
  close_button_ = controls.Get<QPushButton>(u"Cancel");
  controls.SetTabOrder(
      {u"txtFind", u"txtReplace", u"Change", u"Cancel", u"AllChange", u"Check1", u"NextFind"});

  connect(find_edit_, &QLineEdit::textChanged, this, &ReplaceDialog::txtFind_Change);
  connect(replace_edit_, &QLineEdit::textChanged, this, &ReplaceDialog::txtReplace_Change);
  connect(change_button_, &QPushButton::clicked, this, &ReplaceDialog::Change_Click);
  connect(all_change_button_, &QPushButton::clicked, this, &ReplaceDialog::AllChange_Click);
  connect(skip_button_, &QPushButton::clicked, this, &ReplaceDialog::NextFind_Click);
  connect(close_button_, &QPushButton::clicked, this, &ReplaceDialog::Cancel_Click);

  BeginReplace(state_, target_);
  Form_Load();
  const QString selected = target_.SelectedText();
  if (find_edit_->text() != selected) find_edit_->setText(selected);
}

// The state's part of loading (FirstPress) is done by BeginReplace.
void ReplaceDialog::Form_Load() {
  for (QPushButton* button : {skip_button_, change_button_, all_change_button_})
    button->setEnabled(false);
  change_button_->setDefault(false);
}

void ReplaceDialog::txtFind_Change() {
  const bool usable = ReplaceButtonsEnabled(find_edit_->text());
  for (QPushButton* button : {skip_button_, change_button_, all_change_button_})
    button->setEnabled(usable);
  change_button_->setDefault(usable);
  ReplaceFieldsChanged(state_, find_edit_->text(), replace_edit_->text());
}

void ReplaceDialog::txtReplace_Change() {
  ReplaceFieldsChanged(state_, find_edit_->text(), replace_edit_->text());
}

void ReplaceDialog::Change_Click() {
  const PressResult result = ChangePress(state_, target_, from_top_box_->isChecked());
  from_top_box_->setChecked(result.from_top);
  if (!result.found) ShowMessage(result.message);
}

void ReplaceDialog::AllChange_Click() {
  const PressResult result = AllChangePress(state_, target_, from_top_box_->isChecked());
  from_top_box_->setChecked(result.from_top);
  ShowMessage(result.message);
}

void ReplaceDialog::NextFind_Click() {
  const PressResult result = SkipPress(state_, target_, from_top_box_->isChecked());
  from_top_box_->setChecked(result.from_top);
  if (!result.found) ShowMessage(result.message);
}

void ReplaceDialog::Cancel_Click() { reject(); }

void ReplaceDialog::ShowMessage(const QString& text) {
  prompts_.Message(this, text, search_texts::kReplaceMessageCaption);
}

}  // namespace zel
