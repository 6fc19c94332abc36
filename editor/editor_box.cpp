#include "editor/editor_box.h"

#include "editor/file_names.h"
#include "editor/plain_input.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

#include "editor/changed_span.h"
#include "editor/program_colouring.h"

namespace zel {
namespace {

// Scintilla indicator that carries a character's byte form as its value; hidden, it moves
// with the text as the user edits around it.
constexpr int kFormIndicator = 8;
constexpr unsigned long kUtf32Index = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32;

// A change of at least this many bytes goes to Scintilla with its change notifications
// switched off: each notification of such a change copies the changed text twice (once
// as UTF-16 for assistive tools), which doubles the memory a large paste or load needs.
// The box then does the census and sends the change signal itself, once.
constexpr qint64 kQuietChangeBytes = 64 * 1024;

// Line ranges up to this many lines are counted line by line through Scintilla's line
// index (each line read no further than the box is wide); longer ones in one pass.
constexpr long kLineByLineCensus = 64;

// Scintilla keeps the measured widths of short runs of one style (under 30 bytes) in a
// cache of this many entries; a line of several megabytes (a file without line ends) has
// thousands of different runs, and its layout after every keystroke measures only what
// the cache does not hold. Entries take memory only when filled.
constexpr unsigned long kPositionCacheEntries = 64 * 1024;

constexpr int kInsertOrDelete =
    QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;

// Index of the first occurrence of pattern in text at or after from, or -1. The C library's
// memmem is the fastest here; elsewhere a Boyer-Moore-Horspool search.
qsizetype FindBytes(QByteArrayView text, QByteArrayView pattern, qsizetype from) {
  if (pattern.isEmpty() || from < 0 || from > text.size()) return -1;
#if defined(__GLIBC__)
  const void* hit = memmem(text.data() + from, static_cast<size_t>(text.size() - from),
                           pattern.data(), static_cast<size_t>(pattern.size()));
  return hit ? static_cast<const char*>(hit) - text.data() : -1;
#else
  const std::boyer_moore_horspool_searcher searcher(pattern.begin(), pattern.end());
  const auto it = std::search(text.begin() + from, text.end(), searcher);
  return it == text.end() ? -1 : it - text.begin();
#endif
}

// Length in bytes of the UTF-8 character starting with byte b.
int Utf8Length(char b) {
  const auto u = static_cast<quint8>(b);
  if (u < 0x80) return 1;
  if ((u & 0xE0) == 0xC0) return 2;
  if ((u & 0xF0) == 0xE0) return 3;
  if ((u & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

QString LocalFileOf(const QMimeData* mime) {
  if (!mime || !mime->hasUrls()) return QString();
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) continue;
#ifdef Q_OS_UNIX
    // A name that is not UTF-8 comes percent-encoded byte by byte; toLocalFile would turn its
    // bytes into replacement characters, naming no file at all.
    if (url.host().isEmpty())
      return FileNameFromBytes(
          QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#endif
    return url.toLocalFile();
  }
  return QString();
}

EditorBox::EditorBox(QWidget* parent) : QsciScintilla(parent) {
  setObjectName(QStringLiteral("Text1"));
  setUtf8(true);
  setEolMode(EolWindows);
  setEolVisibility(false);
  // An empty text has no line wider than the box: see WideLines.
  setWrapMode(WrapNone);
  for (int margin = 0; margin < 5; ++margin) setMarginWidth(margin, 0);
  setAutoIndent(false);
  setBraceMatching(NoBraceMatch);
  setCaretLineVisible(false);
  SendScintilla(SCI_SETHSCROLLBAR, 0UL);
  // When a text too large to wrap shows its wide lines with a scroll bar, the bar reaches as
  // far as the widest line shown so far.
  SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
  SendScintilla(SCI_SETPOSITIONCACHE, kPositionCacheEntries);
  SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, kUtf32Index);
  SendScintilla(SCI_INDICSETSTYLE, static_cast<unsigned long>(kFormIndicator),
                static_cast<long>(INDIC_HIDDEN));

  // Only the keys and clicks of a plain text box; the menu's shortcuts run the program's
  // own commands (with their undo snapshot and clipboard rules).
  MakePlainTextBox(this);
  colouring_ = new ProgramColouring(*this, false);
  connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &EditorBox::OnModified);
  connect(this, &QsciScintillaBase::SCN_ZOOM, this, &EditorBox::RecountIfWidthChanged);
  RecountIfWidthChanged();
}

void EditorBox::ClearFormsOver(qint64 position, qint64 length) {
  // Scintilla widens an indicator over text inserted inside or just after it, so a typed
  // or pasted character would take the byte form of its neighbour. Only characters read
  // from the file keep theirs; MarkForms sets them again after a whole new text.
  if (length <= 0) return;
  const auto from = static_cast<unsigned long>(position);
  if (SendScintilla(SCI_INDICATORVALUEAT, static_cast<unsigned long>(kFormIndicator),
                    static_cast<long>(position)) == 0 &&
      SendScintilla(SCI_INDICATORVALUEAT, static_cast<unsigned long>(kFormIndicator),
                    static_cast<long>(position + length - 1)) == 0)
    return;
  SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(kFormIndicator));
  SendScintilla(SCI_INDICATORCLEARRANGE, from, static_cast<long>(length));
}

bool EditorBox::CrLf(qint64 cr, qint64 lf) const {
  // Read a byte at a time, so that Scintilla's gap stays where the user types.
  auto byte_at = [this](qint64 at) {
    return SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(at));
  };
  return cr >= 0 && lf < ByteLength() && byte_at(cr) == '\r' && byte_at(lf) == '\n';
}

bool EditorBox::PairAround(qint64 from, qint64 to) const {
  return CrLf(from - 1, from) || CrLf(to - 1, to);
}

void EditorBox::RecountCharacters() {
  SendScintilla(SCI_RELEASELINECHARACTERINDEX, kUtf32Index);
  SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, kUtf32Index);
}

qint64 EditorBox::ByteLength() const { return SendScintilla(SCI_GETLENGTH); }

QByteArrayView EditorBox::Utf8View() const {
  const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
  return QByteArrayView(data, ByteLength());
}

qint64 EditorBox::CharFromByte(qint64 byte) const {
  byte = std::clamp<qint64>(byte, 0, ByteLength());
  const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(byte));
  const long line_start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long line_index =
      SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf32Index);
  return line_index + SendScintilla(SCI_COUNTCHARACTERS, static_cast<unsigned long>(line_start),
                                    static_cast<long>(byte));
}

qint64 EditorBox::ByteFromChar(qint64 pos) const {
  if (pos <= 0) return 0;
  const long line =
      SendScintilla(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(pos), kUtf32Index);
  const long line_start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long line_index =
      SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf32Index);
  if (pos <= line_index) return line_start;
  const long byte = SendScintilla(SCI_POSITIONRELATIVE, static_cast<unsigned long>(line_start),
                                  static_cast<long>(pos - line_index));
  // Scintilla answers 0 for a position beyond the end of the text.
  return byte > 0 ? byte : ByteLength();
}

int EditorBox::LineOfByte(qint64 byte) const {
  return static_cast<int>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(byte))) +
         1;
}

qint64 EditorBox::Length() const { return CharFromByte(ByteLength()); }

qint64 EditorBox::SelectionStart() const {
  return CharFromByte(SendScintilla(SCI_GETSELECTIONSTART));
}

qint64 EditorBox::SelectionLength() const {
  return CharFromByte(SendScintilla(SCI_GETSELECTIONEND)) - SelectionStart();
}

QString EditorBox::SelectedText() const {
  const long from = SendScintilla(SCI_GETSELECTIONSTART);
  const long to = SendScintilla(SCI_GETSELECTIONEND);
  return QString::fromUtf8(Utf8View().sliced(from, to - from));
}

void EditorBox::Select(qint64 start, qint64 length) {
  const qint64 from = ByteFromChar(start);
  const qint64 to = ByteFromChar(start + length);
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(from), static_cast<long>(to));
}

void EditorBox::SetCaret(qint64 pos) {
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(ByteFromChar(pos)));
}

qint64 EditorBox::ReplaceBytes(qint64 from, qint64 to, const QByteArray& utf8, bool quiet) {
  if (!quiet && (to - from) + utf8.size() < kQuietChangeBytes) {
    // Scintilla's notifications keep the census (OnModified).
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    return from + utf8.size();
  }
  if (from == 0 && to == ByteLength())
    census_ = LineCensus{};
  else
    census_ -= CensusAround(from, to);
  // Room for the new text and some typing after it. Scintilla would otherwise size its
  // buffer to the text exactly, and the first keystroke after a load or a large paste
  // would copy the whole buffer into a larger one.
  const qint64 new_length = ByteLength() - (to - from) + utf8.size();
  SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(new_length + new_length / 8 + 4096));
  // Scintilla deletes the old bytes first: a CR before them and an LF after them meet.
  const bool splits = PairAround(from, to) || (to > from && CrLf(from - 1, to));
  const long mask = SendScintilla(SCI_GETMODEVENTMASK);
  SendScintilla(SCI_SETMODEVENTMASK, 0UL);
  SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
  SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
  SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));
  if (splits || PairAround(from, from + utf8.size())) RecountCharacters();
  ClearFormsOver(from, utf8.size());
  census_ += CensusAround(from, from + utf8.size());
  ApplyWideLineLayout();
  emit textChanged();
  return from + utf8.size();
}

void EditorBox::ReplaceSelection(const QString& text) {
  const long from = SendScintilla(SCI_GETSELECTIONSTART);
  const long to = SendScintilla(SCI_GETSELECTIONEND);
  const qint64 end = ReplaceBytes(from, to, text.toUtf8());
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(end));
}

void EditorBox::InsertBlock(const QString& block) { ReplaceSelection(block); }

void EditorBox::ReplaceWithBlock(qint64 start, qint64 length, const QString& block) {
  const qint64 from = ByteFromChar(start);
  const qint64 to = ByteFromChar(start + length);
  const QByteArray utf8 = block.toUtf8();
  std::vector<ByteForm> forms;
  for (const ByteForm& form : Forms()) {
    if (form.offset >= from && form.offset < to) forms.push_back({form.offset - from, form.bytes});
  }
  const ChangedSpan span = FindChangedSpan(Utf8View().sliced(from, to - from), forms, utf8, {});
  if (span.old_to > span.from || span.new_to > span.from) {
    ReplaceBytes(from + span.from, from + span.old_to,
                 utf8.sliced(span.from, span.new_to - span.from));
  }
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(from + utf8.size()));
}

void EditorBox::ReplaceRange(qint64 start, qint64 length, const QString& text) {
  const qint64 from = ByteFromChar(start);
  const qint64 to = ByteFromChar(start + length);
  const qint64 end = ReplaceBytes(from, to, text.toUtf8());
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(end));
}

qint64 EditorBox::FindForward(const QString& needle, qint64 from) const {
  if (needle.isEmpty()) return -1;
  const QByteArray pattern = needle.toUtf8();
  // A valid UTF-8 pattern can only match at a character boundary of valid UTF-8 text.
  const qsizetype hit = FindBytes(Utf8View(), pattern, ByteFromChar(std::max<qint64>(from, 0)));
  return hit < 0 ? -1 : CharFromByte(hit);
}

SearchTarget::ReplaceAllResult EditorBox::ReplaceAll(const QString& needle,
                                                     const QString& replacement, qint64 from) {
  ReplaceAllResult result;
  if (needle.isEmpty()) return result;
  const QByteArray pattern = needle.toUtf8();
  const QByteArray insert = replacement.toUtf8();
  const QByteArrayView text = Utf8View();
  qsizetype hit = FindBytes(text, pattern, ByteFromChar(std::max<qint64>(from, 0)));
  if (hit < 0) return result;

  std::vector<ByteForm> forms = Forms();
  std::vector<ByteForm> kept;
  kept.reserve(forms.size());
  auto form = forms.begin();
  QByteArray out;
  out.reserve(text.size() + 16);
  qsizetype copied = 0;  // bytes of the old text already handled
  qint64 last_end = 0;
  // Carries the byte forms that lie before `limit` over into the new text.
  auto keep_forms_before = [&](qsizetype limit) {
    const qint64 shift = out.size() - copied;
    for (; form != forms.end() && form->offset < limit; ++form)
      kept.push_back(ByteForm{form->offset + shift, form->bytes});
  };
  while (hit >= 0) {
    keep_forms_before(hit);
    out.append(text.sliced(copied, hit - copied));
    out.append(insert);
    copied = hit + pattern.size();
    while (form != forms.end() && form->offset < copied) ++form;  // replaced away
    last_end = out.size();
    ++result.count;
    hit = FindBytes(text, pattern, copied);
  }
  keep_forms_before(text.size());
  out.append(text.sliced(copied));
  SetAllBytes(out, kept);
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(last_end));
  result.last_end = CharFromByte(last_end);
  return result;
}

std::vector<ByteForm> EditorBox::Forms() const {
  std::vector<ByteForm> forms;
  const qint64 length = ByteLength();
  const unsigned long indicator = kFormIndicator;
  qint64 pos = 0;
  QByteArrayView text;
  while (pos < length) {
    const long value = SendScintilla(SCI_INDICATORVALUEAT, indicator, static_cast<long>(pos));
    const long end = SendScintilla(SCI_INDICATOREND, indicator, static_cast<long>(pos));
    if (value != 0) {
      if (text.isNull()) text = Utf8View();
      for (qint64 p = pos; p < std::min<qint64>(end, length); p += Utf8Length(text[p]))
        forms.push_back(ByteForm{p, static_cast<quint16>(value)});
    }
    if (end <= pos) break;
    pos = end;
  }
  return forms;
}

void EditorBox::MarkForms(const std::vector<ByteForm>& forms) {
  if (forms.empty()) return;
  const QByteArrayView text = Utf8View();
  SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(kFormIndicator));
  for (const ByteForm& form : forms) {
    if (form.offset >= text.size()) break;
    SendScintilla(SCI_SETINDICATORVALUE, static_cast<unsigned long>(form.bytes));
    SendScintilla(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(form.offset),
                  static_cast<long>(Utf8Length(text[form.offset])));
  }
}

void EditorBox::SetAllBytes(const QByteArray& utf8, const std::vector<ByteForm>& forms) {
  // Only the part that differs goes to Scintilla: Scintilla lays out again every line a
  // change touches, and an undo of one keystroke in a line of megabytes would otherwise
  // cost a new layout of the whole text. It counts as one change all the same.
  const ChangedSpan span = FindChangedSpan(Utf8View(), Forms(), utf8, forms);
  ReplaceBytes(span.from, span.old_to, utf8.sliced(span.from, span.new_to - span.from), true);
  std::vector<ByteForm> changed;
  for (const ByteForm& form : forms)
    if (form.offset >= span.from && form.offset < span.new_to) changed.push_back(form);
  MarkForms(changed);
}

void EditorBox::OnModified(int position, int type, const char*, int length) {
  if (type & SC_MOD_BEFOREINSERT) {
    census_ -= CensusAround(position, position);
    pair_parted_ = PairAround(position, position);
  } else if (type & SC_MOD_BEFOREDELETE) {
    census_ -= CensusAround(position, static_cast<qint64>(position) + length);
    pair_parted_ = PairAround(position, static_cast<qint64>(position) + length);
  } else if (type & kInsertOrDelete) {
    const qint64 end =
        (type & SC_MOD_INSERTTEXT) ? static_cast<qint64>(position) + length : position;
    if (std::exchange(pair_parted_, false) || PairAround(position, end)) RecountCharacters();
    census_ += CensusAround(position, end);
    if (type & SC_MOD_INSERTTEXT) ClearFormsOver(position, length);
    ApplyWideLineLayout();
    // The changed line is styled now, before Scintilla lays it out to show the caret: laid
    // out with its old styles it would be laid out again once restyled, and the paint would
    // compare all of it with the layout (tens of milliseconds in a line of megabytes).
    colouring_->StyleTo(static_cast<long>(std::min<qint64>(end + 1, ByteLength())));
  }
}

LineCensus EditorBox::CensusAround(qint64 from, qint64 to) const {
  const long first = SendScintilla(SCI_LINEFROMPOSITION,
                                   static_cast<unsigned long>(std::max<qint64>(from - 1, 0)));
  const long last = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(to));
  if (last - first < kLineByLineCensus) {
    LineCensus census;
    // Every character counts at least one column: the first columns + 1 bytes of a line
    // tell whether it is wider. They are copied out, so that Scintilla's gap stays where
    // the user types.
    QByteArray head(fit_columns_ + 2, Qt::Uninitialized);
    for (long line = first; line <= last; ++line) {
      const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
      const long end =
          std::min<long>(SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line)),
                         start + fit_columns_ + 1);
      SendScintilla(SCI_GETTEXTRANGE, start, end, head.data());
      census += CensusOfLine(QByteArrayView(head.constData(), end - start), fit_columns_);
    }
    return census;
  }
  const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(first));
  const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(last));
  return CensusOfText(Utf8View().sliced(start, end - start), fit_columns_);
}

int EditorBox::FitColumns() const {
  // Scintilla wraps a line at the width of its text area: the viewport less the margins.
  // The vertical scroll bar is taken as shown, so that its coming does not make a line cut.
  int width = viewport()->width();
  if (!verticalScrollBar()->isVisible()) width -= verticalScrollBar()->sizeHint().width();
  width -= static_cast<int>(SendScintilla(SCI_GETMARGINLEFT) + SendScintilla(SCI_GETMARGINRIGHT));
  for (int margin = 0; margin < 5; ++margin)
    width -=
        static_cast<int>(SendScintilla(SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin)));
  // A line fits when its width stays below the text area's.
  return std::max(0, static_cast<int>((width - 1) / ColumnPixels()));
}

qreal EditorBox::ColumnPixels() const {
  // The widest half-width character of the text's font, plain or bold (the colouring
  // shows some letters bold), at the present zoom.
  QFont font = this->font();
  font.setPointSizeF(std::max(2.0, font.pointSizeF() + SendScintilla(SCI_GETZOOM)));
  qreal column = 1;
  for (const bool bold : {false, true}) {
    font.setBold(bold);
    const QFontMetricsF metrics(font, viewport());
    for (char16_t c = 0x20; c < 0x7F; ++c)
      column = std::max(column, metrics.horizontalAdvance(QChar(c)));
  }
  return column;
}

void EditorBox::SetSyntaxColour(bool on) { colouring_->SetWords(on); }

bool EditorBox::SyntaxColour() const { return colouring_->Words(); }

void EditorBox::RecountIfWidthChanged() {
  const int columns = FitColumns();
  if (columns == fit_columns_) return;
  fit_columns_ = columns;
  census_ = CensusOfText(Utf8View(), fit_columns_);
  ApplyWideLineLayout();
}

void EditorBox::ApplyWideLineLayout() {
  WideLines layout = WideLines::kNone;
  if (census_.wide > 0) {
    // A little room either side of the budget, so that typing at its edge does not switch
    // the layout back and forth.
    const qint64 bytes = ByteLength();
    const bool scrolled = wide_layout_ == WideLines::kScrolled
                              ? bytes > kWrapBudgetBytes
                              : bytes > kWrapBudgetBytes + kWrapBudgetBytes / 4;
    layout = scrolled ? WideLines::kScrolled : WideLines::kWrapped;
  }
  if (layout == wide_layout_) return;
  wide_layout_ = layout;
  setWrapMode(layout == WideLines::kWrapped ? WrapWord : WrapNone);
  SendScintilla(SCI_SETHSCROLLBAR, layout == WideLines::kScrolled ? 1UL : 0UL);
  if (layout != WideLines::kScrolled) SendScintilla(SCI_SETXOFFSET, 0UL);
}

void EditorBox::SetDocument(const DecodedText& document) {
  SetAllBytes(document.utf8, document.forms);
  // The first screen is styled before Scintilla lays its lines out for the caret: a line
  // laid out unstyled is measured in long runs that Scintilla does not keep, and laid out
  // once more when its styles come (seconds for a 5 MB line).
  const long lines = SendScintilla(SCI_GETLINECOUNT);
  const long last = std::min<long>(lines - 1, SendScintilla(SCI_LINESONSCREEN) + 1);
  colouring_->StyleTo(SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(last)));
  SendScintilla(SCI_GOTOPOS, 0UL);
}

DecodedText EditorBox::Document() const { return DecodedText{Utf8View().toByteArray(), Forms()}; }

void EditorBox::resizeEvent(QResizeEvent* event) {
  QsciScintilla::resizeEvent(event);
  RecountIfWidthChanged();
}

void EditorBox::changeEvent(QEvent* event) {
  QsciScintilla::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    if (colouring_) colouring_->ApplyFonts();
    RecountIfWidthChanged();
  }
}

void EditorBox::contextMenuEvent(QContextMenuEvent* event) {
  setFocus(Qt::MouseFocusReason);
  emit ContextMenuWanted(event->globalPos());
  event->accept();
}

void EditorBox::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFileOf(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QsciScintilla::dragEnterEvent(event);
}

void EditorBox::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFileOf(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QsciScintilla::dragMoveEvent(event);
}

void EditorBox::dropEvent(QDropEvent* event) {
  const QString path = LocalFileOf(event->mimeData());
  if (!path.isEmpty()) {
    event->acceptProposedAction();
    emit FileDropped(path);
    return;
  }
  QsciScintilla::dropEvent(event);
}

}  // namespace zel
