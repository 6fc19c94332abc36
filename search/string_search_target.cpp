#include "search/string_search_target.h"

#include <algorithm>

namespace zel {

qint64 StringSearchTarget::FindForward(const QString& needle, qint64 from) const {
  if (needle.isEmpty() || from < 0 || from > text_.size()) return -1;
  return text_.indexOf(needle, from, Qt::CaseSensitive);
}

void StringSearchTarget::Select(qint64 start, qint64 length) {
  selection_start_ = std::clamp<qint64>(start, 0, text_.size());
  selection_length_ = std::clamp<qint64>(length, 0, text_.size() - selection_start_);
}

void StringSearchTarget::ReplaceRange(qint64 start, qint64 length, const QString& text) {
  start = std::clamp<qint64>(start, 0, text_.size());
  length = std::clamp<qint64>(length, 0, text_.size() - start);
  text_.replace(start, length, text);
  selection_start_ = start + text.size();
  selection_length_ = 0;
  ++change_count_;
}

SearchTarget::ReplaceAllResult StringSearchTarget::ReplaceAll(const QString& needle,
                                                              const QString& replacement,
                                                              qint64 from) {
  ReplaceAllResult result;
  qint64 hit = FindForward(needle, from);
  if (hit < 0) return result;
  // Build the new text in one go: the untouched stretches and the replacements, each
  // occurrence looked for only in the old text after the previous one.
  QString out;
  out.reserve(text_.size());
  qint64 copied = 0;
  while (hit >= 0) {
    out.append(QStringView(text_).mid(copied, hit - copied));
    out.append(replacement);
    copied = hit + needle.size();
    ++result.count;
    result.last_end = out.size();
    hit = text_.indexOf(needle, copied, Qt::CaseSensitive);
  }
  out.append(QStringView(text_).mid(copied));
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
