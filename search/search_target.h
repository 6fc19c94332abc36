#pragma once

#include <QString>

namespace zel {

// The text the search engine works on: the program text of the editor box. Positions and
// lengths count characters, a "\r\n" line end as two. Implementations search their own
// buffer from the given position; nothing here copies the whole text.
class SearchTarget {
 public:
  virtual ~SearchTarget() = default;

  // Index of the first exact occurrence of needle that begins at from or later, or -1.
  // An empty needle finds nothing.
  virtual qint64 FindForward(const QString& needle, qint64 from) const = 0;
  virtual qint64 Length() const = 0;
  virtual qint64 SelectionStart() const = 0;
  virtual QString SelectedText() const = 0;
  // Selects length characters from start (the caret goes to the end of the selection).
  virtual void Select(qint64 start, qint64 length) = 0;
  // Replaces length characters from start by text, as one change of the program text; the
  // caret then stands after the inserted text with nothing selected.
  virtual void ReplaceRange(qint64 start, qint64 length, const QString& text) = 0;

  struct ReplaceAllResult {
    qint64 count = 0;     // occurrences replaced
    qint64 last_end = -1;  // index just after the last inserted text, -1 when none
  };
  // Replaces every occurrence of needle that begins at from or later, left to right without
  // overlap (the search goes on after each occurrence), in one pass and one change of the
  // program text. The caret then stands after the last inserted text.
  virtual ReplaceAllResult ReplaceAll(const QString& needle, const QString& replacement,
                                      qint64 from) = 0;
};

}  // namespace zel
