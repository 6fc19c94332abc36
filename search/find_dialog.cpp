#include "search/find_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/prompts.h"
#include "search/search_dialog_controls.h"
#include "search/search_engine.h"
#include "search/search_texts.h"

namespace zel {

namespace {

// The controls, places in twips, and the client size.
using enum ControlKind;
// clang-format off
constexpr ControlRow kControls[] = {
    {u"Label1",       kLabel,  u"検索文字列        :",                        165, 180, 1455, 330},
    {u"txtFind",      kEntry,  u"",                                          1680, 180, 3300, 330},
    {u"Check1",       kCheck,  u"先頭から検索",                               165, 600, 3000, 300},
    {u"Label2",       kLabel,  u"※ 続けて検索するには[F3]を押してください。", 165, 960, 5000, 270},
    {u"NextFind",     kButton, u"検 索",                                     5070, 165, 1200, 360},
    {u"CancelButton", kButton, u"ｷｬﾝｾﾙ",                                     5070, 585, 1200, 360},
};
// clang-format on
constexpr int kClientWidth = 6435;
constexpr int kClientHeight = 1365;

}  // namespace

FindDialog::FindDialog(QWidget* main_window, SearchState& state, SearchTarget& target,
                       Prompts& prompts, std::function<void()> focus_editor)
    : QDialog(main_window, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      target_(target),
      prompts_(prompts),
      focus_editor_(std::move(focus_editor)) {
  setObjectName(QStringLiteral("frmFind"));
  setWindowTitle(search_texts::kFindCaption);
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  const ControlSet controls =
      MakeSearchDialogControls(this, kControls, kClientWidth, kClientHeight);
  find_edit_ = controls.Get<QLineEdit>(u"txtFind");
  controls.Get<QLabel>(u"Label1")->setBuddy(find_edit_);
  from_top_box_ = controls.Get<QCheckBox>(u"Check1");
  find_button_ = controls.Get<QPushButton>(u"NextFind");
  cancel_button_ = controls.Get<QPushButton>(u"CancelButton");
  // Enter in the field searches.
  find_button_->setDefault(true);
  controls.SetTabOrder({u"txtFind", u"Check1", u"NextFind", u"CancelButton"});

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
