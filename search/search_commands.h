#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "search/find_dialog.h"
#include "search/search_engine.h"

class QWidget;

namespace zel {

class Prompts;
class SearchTarget;

// The main window's find, find-next and replace commands with the program-wide search state.
// The main window owns one of these and connects its menu entries and toolbar buttons to it.
class SearchCommands : public QObject {
  Q_OBJECT

 public:
  // target is the main editor box; focus_editor puts the keyboard focus on it (and activates
  // the main window). main_window is the parent of both dialogs, so closing it closes the
  // find dialog too.
  SearchCommands(QWidget* main_window, SearchTarget& target, Prompts& prompts,
                 std::function<void()> focus_editor);

  // "検索(&F)", Ctrl+F, toolbar "検索" (mnuEditFind_Click): opens the find dialog, or brings the
  // open one forward, with the selected text in its field.
  void OpenFind();
  // "次を検索", F3 (mnuEditNextFind_Click).
  void FindNext();
  // Toolbar "置換": shows the replace dialog modally and returns when it is closed.
  void OpenReplace();

  SearchState& State() { return state_; }
  const SearchState& State() const { return state_; }
  // The open find dialog, or nullptr.
  FindDialog* ActiveFindDialog() const { return find_dialog_; }

 private:
  QWidget* main_window_;
  SearchTarget& target_;
  Prompts& prompts_;
  std::function<void()> focus_editor_;
  SearchState state_;
  QPointer<FindDialog> find_dialog_;
};

}  // namespace zel
