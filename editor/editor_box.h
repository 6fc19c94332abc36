#pragma once

#include <Qsci/qsciscintilla.h>

#include "editor/block_sink.h"
#include "editor/line_columns.h"
#include "editor/text_codec.h"
#include "search/search_target.h"

class QMimeData;

namespace zel {

class ProgramColouring;

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
//
// Wrapping. Scintilla wraps by laying out every line of the text, which takes seconds on a
// large program, and a jump far down waits for all of it. Yet a line narrower than the box
// looks the same wrapped or not, and the lines of an NC program are far narrower than the
// box. So the box keeps a count of the lines that could be wider than it (from their bytes,
// see line_columns.h) and only wraps when there is one:
//   - no line is wider: wrapping is off; the text looks exactly as wrapped;
//   - some line is wider and the whole text wraps fast: Scintilla wraps at the box's width;
//   - some line is wider and the text is too large to wrap fast: no wrapping, and a
//     horizontal scroll bar, until the wide lines are gone again.
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
  // Puts `block` in place of the characters [start, start + length), changing only the
  // characters that differ (a block that is the same changes nothing, byte forms included);
  // the caret then stands after the block with nothing selected.
  void ReplaceWithBlock(qint64 start, qint64 length, const QString& block);

  qint64 FindForward(const QString& needle, qint64 from) const override;
  void ReplaceRange(qint64 start, qint64 length, const QString& text) override;
  ReplaceAllResult ReplaceAll(const QString& needle, const QString& replacement,
                              qint64 from) override;

  // Position conversions between characters and Scintilla's byte positions.
  qint64 CharFromByte(qint64 byte) const;
  qint64 ByteFromChar(qint64 pos) const;
  // One-based line number of a byte position.
  int LineOfByte(qint64 byte) const;

  // How the box shows lines wider than itself.
  enum class WideLines {
    kNone,      // there are none: wrapping is off and nothing is cut off
    kWrapped,   // they wrap at the box's width
    kScrolled,  // the text is too large to wrap fast: a horizontal scroll bar shows them
  };
  WideLines WideLineLayout() const { return wide_layout_; }
  // The number of lines that may be wider than the box.
  qint64 WideLineCount() const { return census_.wide; }
  // The columns that fit the box's width, and the width of one column in pixels.
  int FitColumnCount() const { return fit_columns_; }
  qreal ColumnPixels() const;
  // Texts larger than this (in bytes) are not wrapped: a wrap pass over them would hold the
  // window longer than a user notices.
  static constexpr qint64 kWrapBudgetBytes = 256 * 1024;

  // Colouring of the program's words (see program_colouring.h); off until switched on.
  void SetSyntaxColour(bool on);
  bool SyntaxColour() const;

 signals:
  // A local file was dropped on the box.
  void FileDropped(const QString& path);
  // The user asked for the context menu at a global position.
  void ContextMenuWanted(const QPoint& global_pos);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  qint64 ByteLength() const;
  // Replaces bytes [from, to) and returns the byte position just after the new text. A
  // large change, or any with `quiet`, goes without Scintilla's change notifications and
  // sends one change signal.
  qint64 ReplaceBytes(qint64 from, qint64 to, const QByteArray& utf8, bool quiet = false);
  void SetAllBytes(const QByteArray& utf8, const std::vector<ByteForm>& forms);
  void MarkForms(const std::vector<ByteForm>& forms);

  // Keeps the census of wide lines up to date through Scintilla's change notifications;
  // inserted text takes no byte form.
  void OnModified(int position, int type, const char* text, int length);
  void ClearFormsOver(qint64 position, qint64 length);
  // Whether a CR LF pair straddles byte `from` or byte `to`. Scintilla joins or parts two
  // lines when a change makes a CR and an LF neighbours or comes between them, but counts
  // the characters of the wrong lines again: the line with the joined or parted line end
  // keeps its old count, and every later position is off by one. Such a change (before it:
  // a pair around the range it replaces; after it: a pair around the new text) has the
  // characters of every line counted again by RecountCharacters (linear in the text; it
  // happens only where a lone CR or a lone LF meets the other one, or an edit comes between
  // the two, never in typing or pasting between whole lines).
  bool PairAround(qint64 from, qint64 to) const;
  // Whether byte `cr` is a CR and byte `lf` an LF.
  bool CrLf(qint64 cr, qint64 lf) const;
  void RecountCharacters();
  // The census of the lines from the one holding byte `from` - 1 to the one holding `to`:
  // every line whose content a change between from and to can touch.
  LineCensus CensusAround(qint64 from, qint64 to) const;
  // The columns of the widest character that fit the box's text area.
  int FitColumns() const;
  // Counts again when the box's width or font changed.
  void RecountIfWidthChanged();
  void ApplyWideLineLayout();

  LineCensus census_;
  // A CR LF pair stood around the change Scintilla is about to make.
  bool pair_parted_ = false;
  int fit_columns_ = 0;
  WideLines wide_layout_ = WideLines::kNone;
  ProgramColouring* colouring_ = nullptr;
};

}  // namespace zel
