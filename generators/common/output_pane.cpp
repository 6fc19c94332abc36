#include "generators/common/output_pane.h"

#include <QTextCursor>

#include "generators/common/pane_text.h"

namespace zel {

OutputPane::OutputPane(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(name);
  // Statement lines are never broken: a wrapped line would look like two statements.
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // Tab leaves the pane like any other control; the statements need no tab characters.
  setTabChangesFocus(true);
}

void OutputPane::SetBlock(const QString& block) { setPlainText(BlockToPaneText(block)); }

QString OutputPane::Block() const { return PaneTextToBlock(toPlainText()); }

void OutputPane::AppendBlock(const QString& block) { SetBlock(Block() + block); }

void OutputPane::InsertAtCaret(const QString& block) {
  QTextCursor cursor = textCursor();
  cursor.insertText(BlockToPaneText(block));
  setTextCursor(cursor);
}

void OutputPane::SetCaret(qsizetype block_position) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(static_cast<int>(BlockPositionToPanePosition(Block(), block_position)));
  setTextCursor(cursor);
}

}  // namespace zel
