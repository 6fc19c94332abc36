#include "search/replace_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/prompts.h"
#include "search/search_engine.h"
#include "search/search_target.h"
#include "search/search_texts.h"

namespace zel {

namespace {

constexpr int kFieldMinimumWidth = 220;

}  // namespace

ReplaceDialog::ReplaceDialog(QWidget* main_window, SearchState& state, SearchTarget& target,
                             Prompts& prompts)
    : QDialog(main_window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      target_(target),
      prompts_(prompts) {
  using namespace search_texts;
  setObjectName(QStringLiteral("frmReplace"));
  setWindowTitle(kReplaceCaption);
  setModal(true);

  find_label_ = new QLabel(kReplaceFindLabel, this);
  find_label_->setObjectName(QStringLiteral("Label1"));
  find_edit_ = new QLineEdit(this);
  find_edit_->setObjectName(QStringLiteral("txtFind"));
  find_edit_->setMinimumWidth(kFieldMinimumWidth);
  find_label_->setBuddy(find_edit_);
  replace_label_ = new QLabel(kReplaceWithLabel, this);
  replace_label_->setObjectName(QStringLiteral("Label2"));
  replace_edit_ = new QLineEdit(this);
  replace_edit_->setObjectName(QStringLiteral("txtReplace"));
  replace_edit_->setMinimumWidth(kFieldMinimumWidth);
  replace_label_->setBuddy(replace_edit_);
  from_top_box_ = new QCheckBox(kReplaceFromTop, this);
  from_top_box_->setObjectName(QStringLiteral("Check1"));
  from_top_box_->setChecked(true);
  change_button_ = new QPushButton(kChangeButton, this);
  change_button_->setObjectName(QStringLiteral("Change"));
  all_change_button_ = new QPushButton(kAllChangeButton, this);
  all_change_button_->setObjectName(QStringLiteral("AllChange"));
  skip_button_ = new QPushButton(kSkipButton, this);
  skip_button_->setObjectName(QStringLiteral("NextFind"));
  close_button_ = new QPushButton(kCloseButton, this);
  close_button_->setObjectName(QStringLiteral("Cancel"));

  // Only "変　更" is ever the default button, and only while there is a search text; no
  // button becomes the default by taking the focus.
  for (QPushButton* button : {change_button_, all_change_button_, skip_button_, close_button_})
    button->setAutoDefault(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(find_label_, 0, 0);
  layout->addWidget(find_edit_, 0, 1);
  layout->addWidget(replace_label_, 1, 0);
  layout->addWidget(replace_edit_, 1, 1);
  layout->addWidget(from_top_box_, 2, 0, 1, 2);
  layout->addWidget(change_button_, 0, 2);
  layout->addWidget(skip_button_, 0, 3);
  layout->addWidget(all_change_button_, 1, 2);
  layout->addWidget(close_button_, 1, 3);
  layout->setColumnMinimumWidth(1, kFieldMinimumWidth);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(find_edit_, replace_edit_);
  setTabOrder(replace_edit_, change_button_);
  setTabOrder(change_button_, close_button_);
  setTabOrder(close_button_, all_change_button_);
  setTabOrder(all_change_button_, from_top_box_);
  setTabOrder(from_top_box_, skip_button_);
  find_edit_->setFocus();

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
