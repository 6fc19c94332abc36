#pragma once

#include <QPlainTextEdit>

namespace zel {

// A generator dialog's output pane: the multi-line box in which the generated block
// collects and which the user may edit by hand before the transfer. It takes and gives
// blocks with "\r\n" line ends and shows them as ordinary lines.
class OutputPane : public QPlainTextEdit {
  Q_OBJECT

 public:
  // `name` is the pane's control name in its dialog ("Text1", "Text8").
  OutputPane(const QString& name, QWidget* parent);

  // Replaces the whole content with `block`.
  void SetBlock(const QString& block);
  // The content as it stands now, hand edits included, with "\r\n" line ends.
  QString Block() const;
  // Adds `block` at the end of the content, for the dialogs that collect one statement after
  // another.
  void AppendBlock(const QString& block);
  // Inserts `block` at the caret in place of the selection; the caret ends up after it.
  void InsertAtCaret(const QString& block);
  // Puts the caret, with nothing selected, at a position counted in the block's terms (a
  // line end counting two).
  void SetCaret(qsizetype block_position);
};

}  // namespace zel
