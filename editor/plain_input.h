#pragma once

#include <Qsci/qscicommand.h>

#include <vector>

class QsciScintilla;

namespace zel {

// One key of a plain multi-line text box and the Scintilla command that does its job.
struct PlainKey {
  QsciCommand::Command command;
  QKeyCombination key;
};

// The keys the program box keeps: caret and word movement, selection with Shift, Home/End
// (of the line as shown), Ctrl+Home/End, the Page keys, Delete, Backspace and Enter. Tab is
// handled apart (it types a tab over the selection); the clipboard and select-all keys
// belong to the main window's menu.
const std::vector<PlainKey>& PlainBoxKeys();

// Makes box behave as a plain multi-line text box: only the keys of PlainBoxKeys() stay
// bound, Tab types a tab over the selection, Ctrl or Alt with an unbound key types nothing,
// the mouse makes only ordinary (stream) selections, a middle click pastes nothing, and the
// wheel does not zoom.
void MakePlainTextBox(QsciScintilla* box);

}  // namespace zel
