#include "generators/common/entry_field.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "generators/common/entry_text.h"

namespace zel {

EntryField::EntryField(const QString& name, QWidget* parent) : QLineEdit(parent) {
  setObjectName(name);
}

void EntryField::PasteLine(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString line = SingleLineOf(QGuiApplication::clipboard()->text(mode));
  // As the line edit's own paste: nothing to paste and nothing selected changes nothing.
  if (line.isEmpty() && !hasSelectedText()) return;
  insert(line);
}

void EntryField::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteLine();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void EntryField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's paste goes to the line edit's own paste, which keeps line ends; it is turned
  // to the first-line paste here. The paste entry is the one connected to that paste.
  for (QAction* action : menu->actions()) {
    // Whichever way the toolkit connected it.
    const bool paste = disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
                       disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
    if (paste) connect(action, &QAction::triggered, this, [this] { PasteLine(); });
  }
  menu->popup(event->globalPos());
}

void EntryField::mouseReleaseEvent(QMouseEvent* event) {
  const bool selection_paste = event->button() == Qt::MiddleButton &&
                               QGuiApplication::clipboard()->supportsSelection() && !isReadOnly();
  if (!selection_paste) {
    QLineEdit::mouseReleaseEvent(event);
    return;
  }
  deselect();
  PasteLine(QClipboard::Selection);
  event->accept();
}

void EntryField::dropEvent(QDropEvent* event) {
  const QMimeData* dropped = event->mimeData();
  if (!dropped || !dropped->hasText()) {
    QLineEdit::dropEvent(event);
    return;
  }
  QMimeData first_line;
  first_line.setText(SingleLineOf(dropped->text()));
  QDropEvent trimmed(event->position(), event->possibleActions(), &first_line, event->buttons(),
                     event->modifiers(), event->type());
  trimmed.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&trimmed);
  event->setDropAction(trimmed.dropAction());
  event->setAccepted(trimmed.isAccepted());
}

void EntryField::inputMethodEvent(QInputMethodEvent* event) {
  const QString line = SingleLineOf(event->commitString());
  if (line.size() == event->commitString().size()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent trimmed(event->preeditString(), event->attributes());
  trimmed.setCommitString(line, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&trimmed);
  event->setAccepted(trimmed.isAccepted());
}

}  // namespace zel
