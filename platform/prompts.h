#pragma once

#include <QString>

#include "platform/app_title.h"

class QWidget;

namespace zel {

enum class PromptIcon { kNone, kWarning, kInformation, kCritical };
enum class PromptButtons { kOk, kYesNo };
enum class PromptAnswer { kOk, kYes, kNo };

// One message box or question as the program asks it.
struct PromptRequest {
  QString text;
  QString title;
  PromptIcon icon = PromptIcon::kNone;
  PromptButtons buttons = PromptButtons::kOk;
  PromptAnswer default_button = PromptAnswer::kOk;
};

// Message boxes and Yes/No questions. Windows and dialogs receive one of these instead of
// calling QMessageBox themselves, so that every question can be answered from a script in
// the tests.
class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual PromptAnswer Show(QWidget* parent, const PromptRequest& request) = 0;

  // A message with an OK button only.
  void Message(QWidget* parent, const QString& text, const QString& title,
               PromptIcon icon = PromptIcon::kNone);
  // A Yes/No question with the warning icon; true when the answer is Yes.
  bool AskYesNo(QWidget* parent, const QString& text, const QString& title, bool default_yes);
};

// The real message boxes.
class QtPrompts : public Prompts {
 public:
  PromptAnswer Show(QWidget* parent, const PromptRequest& request) override;
};

}  // namespace zel
