#include "search/search_commands.h"

#include "platform/prompts.h"
#include "search/replace_dialog.h"
#include "search/search_target.h"
#include "search/search_texts.h"

namespace zel {

SearchCommands::SearchCommands(QWidget* main_window, SearchTarget& target, Prompts& prompts,
                               std::function<void()> focus_editor)
    : QObject(main_window),
      main_window_(main_window),
      target_(target),
      prompts_(prompts),
      focus_editor_(std::move(focus_editor)) {}

void SearchCommands::OpenFind() {
  if (!find_dialog_) {
    find_dialog_ = new FindDialog(main_window_, state_, target_, prompts_, focus_editor_);
    // Forget the dialog as soon as it closes, not only when its deferred deletion runs.
    connect(find_dialog_, &QDialog::finished, this, [this] { find_dialog_ = nullptr; });
  }
  find_dialog_->SetFindField(target_.SelectedText());
  find_dialog_->show();
  find_dialog_->raise();
  find_dialog_->activateWindow();
}

void SearchCommands::FindNext() {
  const PressResult result = FindNextPress(state_, target_);
  if (result.found) return;
  prompts_.Message(main_window_, result.message, search_texts::kFindCaption);
  // The next "検 索" starts from the top again. A find dialog that is not open needs nothing
  // kept for it: every new one is created with the box checked.
  if (find_dialog_) find_dialog_->SetFromTop(result.from_top);
}

void SearchCommands::OpenReplace() {
  ReplaceDialog dialog(main_window_, state_, target_, prompts_);
  dialog.exec();
  if (focus_editor_) focus_editor_();
}

}  // namespace zel
