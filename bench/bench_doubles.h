#pragma once

// Stand-ins for the benches that drive a whole main window: no message box and no file
// dialog may wait for a user.
#include <QString>

#include <cstdio>

#include "editor/program_document.h"
#include "platform/file_dialogs.h"
#include "platform/prompts.h"

namespace zel::bench {

// Answers Yes to the New question between the rows; any other message is unexpected.
class SilentPrompts : public Prompts {
 public:
  PromptAnswer Show(QWidget*, const PromptRequest& r) override {
    if (r.text == document_text::kNewQuestion) return PromptAnswer::kYes;
    std::printf("unexpected message: %s\n", qPrintable(r.text));
    return r.default_button;
  }
};

class NoDialogs : public FileDialogs {
 public:
  QString GetOpenPath(QWidget*, const QString&) override { return {}; }
  QString GetSavePath(QWidget*, const QString&) override { return {}; }
};

}  // namespace zel::bench
