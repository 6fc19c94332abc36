#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace zel {

// The single-line entry field of every generator dialog. It accepts any character typed, as
// it stands, but a text that arrives in one piece (pasted by key or menu, pasted with the
// middle button, dropped, or committed by an input method) keeps only what comes before its
// first line end: the field's text goes into a statement line verbatim, and a line end in it
// would split the statement.
class EntryField : public QLineEdit {
  Q_OBJECT

 public:
  // `name` is the field's control name in its dialog ("Text2").
  EntryField(const QString& name, QWidget* parent);

  // Pastes the first line of the clipboard's text in place of the selection.
  void PasteLine(QClipboard::Mode mode = QClipboard::Clipboard);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace zel
