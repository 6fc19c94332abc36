#include "search/string_search_target.h"

#include <algorithm>

#include "search/char_positions.h"

namespace zel {

qint64 StringSearchTarget::Length() const { return CharLength(text_); }

QString StringSearchTarget::SelectedText() const {
  const qsizetype from = Unit(selection_start_);
  return text_.sliced(from, Unit(selection_start_ + selection_length_) - from);
}

qsizetype StringSearchTarget::Unit(qint64 pos) const { return Utf16IndexOfChar(text_, pos); }

qsizetype StringSearchTarget::FindUnit(const QString& needle, qsizetype from) const {
  qsizetype hit = text_.indexOf(needle, from, Qt::CaseSensitive);
  // A needle that begins with a lone low surrogate could match the second half of a pair; a
  // character is matched whole or not at all.
  while (hit > 0 && text_[hit].isLowSurrogate() && text_[hit - 1].isHighSurrogate())
    hit = text_.indexOf(needle, hit + 1, Qt::CaseSensitive);
  return hit;
}

qint64 StringSearchTarget::FindForward(const QString& needle, qint64 from) const {
  if (needle.isEmpty() || from < 0 || from > Length()) return -1;
  const qsizetype hit = FindUnit(needle, Unit(from));
  return hit < 0 ? -1 : CharIndexOfUtf16(text_, hit);
}

void StringSearchTarget::Select(qint64 start, qint64 length) {
  const qint64 total = Length();
  selection_start_ = std::clamp<qint64>(start, 0, total);
  selection_length_ = std::clamp<qint64>(length, 0, total - selection_start_);
}

void StringSearchTarget::ReplaceRange(qint64 start, qint64 length, const QString& text) {
  const qint64 total = Length();
  start = std::clamp<qint64>(start, 0, total);
  length = std::clamp<qint64>(length, 0, total - start);
  const qsizetype from = Unit(start);
  text_.replace(from, Unit(start + length) - from, text);
  selection_start_ = start + CharLength(text);
  selection_length_ = 0;
  ++change_count_;
}

SearchTarget::ReplaceAllResult StringSearchTarget::ReplaceAll(const QString& needle,
                                                              const QString& replacement,
                                                              qint64 from) {
  ReplaceAllResult result;
  if (needle.isEmpty() || from < 0 || from > Length()) return result;
  qsizetype hit = FindUnit(needle, Unit(from));
  if (hit < 0) return result;
  // Build the new text in one go: the untouched stretches and the replacements, each
  // occurrence looked for only in the old text after the previous one. The search runs on
  // UTF-16 units; the new text's length is counted in characters on the way.
  const qint64 replacement_length = CharLength(replacement);
  QString out;
  out.reserve(text_.size());
  qsizetype copied = 0;   // UTF-16 units of the old text handled
  qint64 out_length = 0;  // characters of the new text
  while (hit >= 0) {
    const QStringView kept = QStringView(text_).sliced(copied, hit - copied);
    out.append(kept);
    out.append(replacement);
    out_length += CharLength(kept) + replacement_length;
    copied = hit + needle.size();
    ++result.count;
    result.last_end = out_length;
    hit = FindUnit(needle, copied);
  }
  out.append(QStringView(text_).sliced(copied));
  text_ = std::move(out);
  selection_start_ = result.last_end;
  selection_length_ = 0;
  ++change_count_;
  return result;
}

void StringSearchTarget::SetText(const QString& text) {
  text_ = text;
  selection_start_ = 0;
  selection_length_ = 0;
}

}  // namespace zel
