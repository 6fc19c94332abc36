#pragma once

#include <QString>
#include <utility>

#include "search/search_target.h"

namespace zel {

// The editor box's search contract over a plain string with its own selection. The engine and
// the dialogs are checked on it, and the editor box is compared with it; it counts the changes
// of its text, so that "one change of the program text" can be checked too. Like the editor
// box, it counts positions and lengths in characters, a character outside the Basic
// Multilingual Plane as one.
class StringSearchTarget : public SearchTarget {
 public:
  explicit StringSearchTarget(QString text = QString()) : text_(std::move(text)) {}

  qint64 FindForward(const QString& needle, qint64 from) const override;
  qint64 Length() const override;
  qint64 SelectionStart() const override { return selection_start_; }
  QString SelectedText() const override;
  void Select(qint64 start, qint64 length) override;
  void ReplaceRange(qint64 start, qint64 length, const QString& text) override;
  ReplaceAllResult ReplaceAll(const QString& needle, const QString& replacement,
                              qint64 from) override;

  const QString& Text() const { return text_; }
  // Sets the text as a load does: caret at 0, nothing selected, not counted as a change.
  void SetText(const QString& text);
  qint64 SelectionLength() const { return selection_length_; }
  // The caret stands at the end of the selection.
  qint64 Caret() const { return selection_start_ + selection_length_; }
  int ChangeCount() const { return change_count_; }

 private:
  // The UTF-16 index of character position pos.
  qsizetype Unit(qint64 pos) const;
  // UTF-16 index of the first occurrence of needle at UTF-16 index from or later, or -1.
  qsizetype FindUnit(const QString& needle, qsizetype from) const;

  QString text_;
  qint64 selection_start_ = 0;
  qint64 selection_length_ = 0;
  int change_count_ = 0;
};

}  // namespace zel
