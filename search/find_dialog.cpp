#include "search/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/prompts.h"
#include "search/search_engine.h"
#include "search/search_texts.h"

namespace zel {

namespace {

constexpr int kFieldMinimumWidth = 220;

}  // namespace

FindDialog::FindDialog(QWidget* main_window, SearchState& state, SearchTarget& target,
                       Prompts& prompts, std::function<void()> focus_editor)
    : QDialog(main_window, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      target_(target),
      prompts_(prompts),
      focus_editor_(std::move(focus_editor)) {
  using namespace search_texts;
  setObjectName(QStringLiteral("frmFind"));
  setWindowTitle(kFindCaption);
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  find_label_ = new QLabel(kFindLabel, this);
  find_label_->setObjectName(QStringLiteral("Label1"));
  find_edit_ = new QLineEdit(this);
  find_edit_->setObjectName(QStringLiteral("txtFind"));
  find_edit_->setMinimumWidth(kFieldMinimumWidth);
  find_label_->setBuddy(find_edit_);
  from_top_box_ = new QCheckBox(kFindFromTop, this);
  from_top_box_->setObjectName(QStringLiteral("Check1"));
  from_top_box_->setChecked(true);
  find_button_ = new QPushButton(kFindButton, this);
  find_button_->setObjectName(QStringLiteral("NextFind"));
  cancel_button_ = new QPushButton(kFindCancel, this);
  cancel_button_->setObjectName(QStringLiteral("CancelButton"));
  hint_label_ = new QLabel(kFindHint, this);
  hint_label_->setObjectName(QStringLiteral("Label2"));

  // Enter in the field searches; the focused button does not take Enter over.
  find_button_->setAutoDefault(false);
  cancel_button_->setAutoDefault(false);
  find_button_->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(find_label_, 0, 0);
  layout->addWidget(find_edit_, 0, 1);
  layout->addWidget(from_top_box_, 1, 0, 1, 2);
  layout->addWidget(hint_label_, 2, 0, 1, 3);
  layout->addWidget(find_button_, 0, 2);
  layout->addWidget(cancel_button_, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(find_edit_, from_top_box_);
  setTabOrder(from_top_box_, find_button_);
  setTabOrder(find_button_, cancel_button_);
  find_edit_->setFocus();

  connect(find_edit_, &QLineEdit::textChanged, this, &FindDialog::txtFind_Change);
  connect(find_button_, &QPushButton::clicked, this, &FindDialog::NextFind_Click);
  connect(cancel_button_, &QPushButton::clicked, this, &FindDialog::CancelButton_Click);
}

void FindDialog::SetFindField(const QString& text) {
  if (find_edit_->text() != text) find_edit_->setText(text);
}

bool FindDialog::FromTop() const { return from_top_box_->isChecked(); }

void FindDialog::SetFromTop(bool checked) { from_top_box_->setChecked(checked); }

void FindDialog::txtFind_Change() { FindFieldChanged(state_, find_edit_->text()); }

void FindDialog::NextFind_Click() {
  const PressResult result = FindPress(state_, target_, FromTop());
  SetFromTop(result.from_top);
  if (result.found) {
    accept();  // closes and, by WA_DeleteOnClose, destroys the dialog
    if (focus_editor_) focus_editor_();
    return;
  }
  prompts_.Message(this, result.message, search_texts::kFindCaption);
}

void FindDialog::CancelButton_Click() { reject(); }

}  // namespace zel
