#include "platform/prompts.h"

#include <QMessageBox>

namespace zel {

void Prompts::Message(QWidget* parent, const QString& text, const QString& title, PromptIcon icon) {
  Show(parent, PromptRequest{text, title, icon, PromptButtons::kOk, PromptAnswer::kOk});
}

bool Prompts::AskYesNo(QWidget* parent, const QString& text, const QString& title,
                       bool default_yes) {
  const PromptRequest request{text, title, PromptIcon::kWarning, PromptButtons::kYesNo,
                              default_yes ? PromptAnswer::kYes : PromptAnswer::kNo};
  return Show(parent, request) == PromptAnswer::kYes;
}

PromptAnswer QtPrompts::Show(QWidget* parent, const PromptRequest& request) {
  QMessageBox box(parent);
  box.setWindowTitle(request.title);
  // The text may hold what the user typed (a search text, a path): never read it as HTML.
  box.setTextFormat(Qt::PlainText);
  box.setText(request.text);
  switch (request.icon) {
    case PromptIcon::kNone:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case PromptIcon::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case PromptIcon::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case PromptIcon::kCritical:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  if (request.buttons == PromptButtons::kYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.default_button == PromptAnswer::kYes ? QMessageBox::Yes
                                                                      : QMessageBox::No);
    // Escape and the close box mean No, never Yes.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? PromptAnswer::kYes : PromptAnswer::kNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return PromptAnswer::kOk;
}

}  // namespace zel
