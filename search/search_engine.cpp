#include "search/search_engine.h"

#include <algorithm>

#include "search/char_positions.h"
#include "search/search_texts.h"

namespace zel {

namespace {

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

}  // namespace

bool SearchNext(SearchState& state, SearchTarget& target) {
  // An empty search text would "find" a zero-length hit everywhere; it finds nothing instead.
  if (state.FindText.isEmpty()) return false;
  const qint64 hit = target.FindForward(state.FindText, state.SearchPos);
  if (hit < 0) return false;
  const qint64 length = CharLength(state.FindText);
  target.Select(hit, length);
  state.SearchPos = hit + length;
  return true;
}

bool HeldOccurrenceStands(const SearchState& state, const SearchTarget& target) {
  return state.HeldStart >= 0 && !state.FindText.isEmpty() &&
         target.FindForward(state.FindText, state.HeldStart) == state.HeldStart;
}

void ReplaceHit(SearchState& state, SearchTarget& target) {
  const qint64 start = state.HeldStart;
  const qint64 length = std::clamp<qint64>(target.Length() - start, 0, CharLength(state.FindText));
  target.ReplaceRange(start, length, state.ReplaceText);
  // Go on right after the inserted text: an occurrence that follows the replaced one directly
  // is the next one to handle, and the inserted text itself is never searched again.
  state.SearchPos = start + CharLength(state.ReplaceText);
  state.HeldStart = -1;
  ++state.HitCount;
}

void FindFieldChanged(SearchState& state, const QString& find_text) {
  state.FindText = find_text;
  state.HitCount = 0;
}

namespace {

// One search of the find dialog or of F3: a hit is counted; a miss reports the run's count
// (or the not-found text), asks for the next search to start from the top and ends the run.
PressResult CountedSearch(SearchState& state, SearchTarget& target,
                          QString (*message)(const SearchState&)) {
  PressResult result;
  if (SearchNext(state, target)) {
    ++state.HitCount;
    result.found = true;
    return result;
  }
  result.message = message(state);
  result.from_top = true;
  state.HitCount = 0;
  return result;
}

}  // namespace

PressResult FindPress(SearchState& state, SearchTarget& target, bool from_top) {
  if (from_top) state.SearchPos = 0;
  return CountedSearch(state, target, &FindDialogMessage);
}

PressResult FindNextPress(SearchState& state, SearchTarget& target) {
  // One character on from the selection start: the selected occurrence is passed over, one
  // overlapping it can still be found.
  state.SearchPos = target.SelectionStart() + 1;
  return CountedSearch(state, target, &FindNextMessage);
}

void BeginReplace(SearchState& state, const SearchTarget& target) {
  state.SearchPos = target.SelectionStart();
  state.FirstPress = true;
  state.HeldStart = -1;
}

void ReplaceFieldsChanged(SearchState& state, const QString& find_text,
                          const QString& replace_text) {
  state.FindText = find_text;
  state.ReplaceText = replace_text;
  state.HitCount = 0;
}

bool ReplaceButtonsEnabled(const QString& find_text) { return !find_text.isEmpty(); }

namespace {

// The search that ends "変　更" and "スキップ": a hit is selected and held for the next press;
// a miss holds nothing, reports the count (or the not-found text) and starts a new run.
// "変　更" checks its box again on a miss (check_on_miss), "スキップ" leaves it as it is.
PressResult HoldingSearch(SearchState& state, SearchTarget& target, PressResult result,
                          QString (*message)(const SearchState&), bool check_on_miss) {
  if (SearchNext(state, target)) {
    state.HeldStart = target.SelectionStart();
    result.found = true;
    return result;
  }
  state.HeldStart = -1;
  result.message = message(state);
  if (check_on_miss) result.from_top = true;
  state.FirstPress = true;
  state.HitCount = 0;
  return result;
}

}  // namespace

PressResult ChangePress(SearchState& state, SearchTarget& target, bool from_top) {
  PressResult result;
  result.from_top = from_top;
  if (from_top) {
    state.SearchPos = 0;
    result.from_top = false;
  }
  // The first press after opening or after running out only finds the occurrence to replace.
  // Later presses replace the held occurrence, but only what was found: once the search text
  // has changed, the text at the held place is no occurrence of it, and the press searches
  // from there instead, as a first press does.
  if (state.FirstPress) {
    state.FirstPress = false;
  } else if (HeldOccurrenceStands(state, target)) {
    ReplaceHit(state, target);
  } else if (!from_top && state.HeldStart >= 0) {
    state.SearchPos = state.HeldStart;
  }
  return HoldingSearch(state, target, result, &ChangeMessage, true);
}

PressResult AllChangePress(SearchState& state, SearchTarget& target, bool from_top) {
  PressResult result;
  // The held occurrence is the one the user is looking at: it is replaced too, but nothing
  // before it, neither what the user skipped nor what "変　更" has just inserted.
  if (from_top) {
    state.SearchPos = 0;
  } else if (state.HeldStart >= 0) {
    state.SearchPos = state.HeldStart;
  }
  state.HeldStart = -1;
  // Searching and replacing one by one, each search going on right after the text inserted
  // before, replaces exactly the occurrences that do not overlap, left to right, in the text as
  // it was. The target does that in one pass and one change of the program text.
  if (!state.FindText.isEmpty()) {
    const SearchTarget::ReplaceAllResult all =
        target.ReplaceAll(state.FindText, state.ReplaceText, state.SearchPos);
    if (all.count > 0) {
      state.SearchPos = all.last_end;
      state.HitCount += all.count;
    }
  }
  result.message = AllChangeMessage(state);
  result.from_top = true;
  state.FirstPress = true;
  state.HitCount = 0;
  return result;
}

PressResult SkipPress(SearchState& state, SearchTarget& target, bool from_top) {
  PressResult result;
  result.from_top = from_top;
  if (from_top) {
    state.SearchPos = 0;
    result.from_top = false;
  }
  return HoldingSearch(state, target, result, &AllChangeMessage, false);
}

namespace {

// The count of a run of hits or replacements, or the quoted search text when there was none.
QString CountOrNotFound(const SearchState& state, const QString& count_text,
                        const QString& not_found_text) {
  return state.HitCount != 0 ? QString::number(state.HitCount) + count_text
                             : Quoted(state.FindText) + not_found_text;
}

}  // namespace

QString FindDialogMessage(const SearchState& state) {
  return CountOrNotFound(state, search_texts::kFoundCountDialog, search_texts::kNotFoundDialog);
}

QString FindNextMessage(const SearchState& state) {
  return CountOrNotFound(state, search_texts::kFoundCountNext, search_texts::kNotFoundNext);
}

QString ChangeMessage(const SearchState& state) {
  return CountOrNotFound(state, search_texts::kChangedCountChange, search_texts::kNotFoundReplace);
}

QString AllChangeMessage(const SearchState& state) {
  return CountOrNotFound(state, search_texts::kChangedCountAll, search_texts::kNotFoundReplace);
}

}  // namespace zel
