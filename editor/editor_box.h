#pragma once

#include <Qsci/qsciscintilla.h>

#include "editor/block_sink.h"
#include "editor/text_codec.h"
#include "search/search_target.h"

class QMimeData;

namespace zel {

// The first local file named by dragged data, or "".
QString LocalFileOf(const QMimeData* mime);

// The program text box Text1 of the main window, on Scintilla in UTF-8 mode.
//
// Every position this class takes or returns counts characters of the program text, a
// "\r\n" line end as two and a double-byte character as one. Conversions to Scintilla's
// byte positions go through its UTF-32 line index, never through a copy of the text.
//
// Scintilla's own undo history is off (the program keeps its one-step snapshot), and the box
// keeps only the keys and clicks of a plain text box (editor/plain_input.h), so that the
// main window's menu shortcuts reach their commands.
class EditorBox : public QsciScintilla, public SearchTarget, public BlockSink {
  Q_OBJECT

 public:
  explicit EditorBox(QWidget* parent = nullptr);

  // Replaces the whole text (one change of the program text); caret at the start.
  void SetDocument(const DecodedText& document);
  // The whole text with the byte forms still in force. A copy: for saving and snapshots.
  DecodedText Document() const;
  // The text in Scintilla's own buffer, valid until the next change.
  QByteArrayView Utf8View() const;
  // The byte forms still in force, by byte offset.
  std::vector<ByteForm> Forms() const;

  qint64 Length() const override;
  qint64 SelectionStart() const override;
  qint64 SelectionLength() const;
  QString SelectedText() const override;
  void Select(qint64 start, qint64 length) override;
  // Caret at pos (clamped to the text) with nothing selected.
  void SetCaret(qint64 pos);
  // Replaces the selection by text; the caret then stands after it with nothing selected.
  void ReplaceSelection(const QString& text);
  void InsertBlock(const QString& block) override;

  qint64 FindForward(const QString& needle, qint64 from) const override;
  void ReplaceRange(qint64 start, qint64 length, const QString& text) override;
  ReplaceAllResult ReplaceAll(const QString& needle, const QString& replacement,
                              qint64 from) override;

  // Position conversions between characters and Scintilla's byte positions.
  qint64 CharFromByte(qint64 byte) const;
  qint64 ByteFromChar(qint64 pos) const;
  // One-based line number of a byte position.
  int LineOfByte(qint64 byte) const;

 signals:
  // A local file was dropped on the box.
  void FileDropped(const QString& path);
  // The user asked for the context menu at a global position.
  void ContextMenuWanted(const QPoint& global_pos);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  qint64 ByteLength() const;
  // Replaces bytes [from, to) and returns the byte position just after the new text.
  qint64 ReplaceBytes(qint64 from, qint64 to, const QByteArray& utf8);
  void SetAllBytes(const QByteArray& utf8, const std::vector<ByteForm>& forms);
  void MarkForms(const std::vector<ByteForm>& forms);
  // Inserted text takes no byte form.
  void OnModified(int position, int type, const char* text, int length);
};

}  // namespace zel
