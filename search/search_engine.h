#pragma once

#include <QString>

#include "search/search_target.h"

namespace zel {

// The program-wide search state, shared by the find dialog, find next (F3) and the replace
// dialog. It lives as long as the main window.
//
// The replace dialog's working copy of the program text is the editor text itself: the
// replace dialog is modal, so the editor cannot change behind its back, and every replacement
// is made in the editor's buffer directly. Nobody holds a second copy of the document.
//
// Every position and length counts characters of the program text, as the editor box does: a
// character outside the Basic Multilingual Plane is one character, never two UTF-16 units.
struct SearchState {
  QString FindText;        // the current search text
  qint64 SearchPos = 0;    // character index at which the next search begins
  qint64 HitCount = 0;     // occurrences found (find) or replaced (replace) since the last reset
  QString ReplaceText;     // the current replacement text
  bool FirstPress = true;  // the next "変　更" only searches, it replaces nothing
  // Start of the occurrence the replace dialog's last press selected and holds for the next
  // "変　更" or "全て変更"; -1 when none is held.
  qint64 HeldStart = -1;
};

// Searches the target from SearchPos for the first exact occurrence of FindText. Found: selects
// it, moves SearchPos just past it and answers true. Not found, or FindText empty: changes
// nothing and answers false. No wrap-around, no message.
bool SearchNext(SearchState& state, SearchTarget& target);

// True when an occurrence is held and the text at its place still reads as FindText.
bool HeldOccurrenceStands(const SearchState& state, const SearchTarget& target);

// Replaces the held occurrence, as many characters as FindText has from HeldStart, by
// ReplaceText (one change of the program text), lets the next search begin right after the
// inserted text, counts the replacement in HitCount and holds nothing any more. The caller
// makes sure the occurrence stands (HeldOccurrenceStands).
void ReplaceHit(SearchState& state, SearchTarget& target);

// What a press of a search button did. from_top is the state of the window's "from the top"
// check box after the press; message is the text to show when nothing was found.
struct PressResult {
  bool found = false;
  QString message;
  bool from_top = false;
};

// The find dialog's field changed (txtFind_Change).
void FindFieldChanged(SearchState& state, const QString& find_text);

// "検 索" of the find dialog (NextFind_Click), with its "先頭から検索" box as it stands.
PressResult FindPress(SearchState& state, SearchTarget& target, bool from_top);

// Find next, F3 (mnuEditNextFind_Click): searches from one character after the selection start.
// When nothing is found, the caller checks the find dialog's "先頭から検索" box and shows
// message; from_top is then true.
PressResult FindNextPress(SearchState& state, SearchTarget& target);

// The replace dialog is opened: the next search begins at the selection start, the first
// "変　更" only searches and no occurrence is held yet.
void BeginReplace(SearchState& state, const SearchTarget& target);

// Either field of the replace dialog changed (txtFind_Change, txtReplace_Change).
void ReplaceFieldsChanged(SearchState& state, const QString& find_text,
                          const QString& replace_text);

// "スキップ", "変　更" and "全て変更" are usable only with a search text.
bool ReplaceButtonsEnabled(const QString& find_text);

// "変　更" (Change_Click), with the "先頭から開始" box as it stands. It replaces the held
// occurrence only while that still reads as the search text; when the search text has changed
// since, it replaces nothing and searches from the held place, as a first press does. Either
// way it then selects and holds the next occurrence.
PressResult ChangePress(SearchState& state, SearchTarget& target, bool from_top);

// "全て変更" (AllChange_Click). Starts at the top when the box is checked, otherwise at the held
// occurrence when there is one (it is replaced too) or else at SearchPos, and replaces every
// occurrence from there, never one before that point nor one inside text it inserted. Same
// text, count, messages and final state as searching and replacing one occurrence after the
// other, but made in one pass and one change of the text.
PressResult AllChangePress(SearchState& state, SearchTarget& target, bool from_top);

// "スキップ" (NextFind_Click of the replace dialog): selects and holds the next occurrence.
PressResult SkipPress(SearchState& state, SearchTarget& target, bool from_top);

// The message texts, chosen from HitCount and FindText as they stand.
QString FindDialogMessage(const SearchState& state);
QString FindNextMessage(const SearchState& state);
QString ChangeMessage(const SearchState& state);
QString AllChangeMessage(const SearchState& state);

}  // namespace zel
