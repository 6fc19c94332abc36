// The Edit commands of the program document: one-step undo, the clipboard commands and
// the graphic skeleton.
#include <QClipboard>
#include <QGuiApplication>

#include "editor/editor_box.h"
#include "editor/graphic_skeleton.h"
#include "editor/program_document.h"

namespace zel {
namespace {

void PutOnClipboard(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(text);
}

// Text from other programs may end its lines with "\n" or "\r" alone; the control expects
// "\r\n", so pasted lines get it.
QString WithProgramLineEnds(const QString& text) {
  // Most pasted text already has "\r\n" throughout (it came from this editor): then it is
  // handed on as it is, without a copy.
  const auto first_lone = [&text]() -> qsizetype {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c == QLatin1Char('\n')) return i;
      if (c == QLatin1Char('\r')) {
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
          ++i;
        else
          return i;
      }
    }
    return -1;
  }();
  if (first_lone < 0) return text;
  QString out;
  out.reserve(text.size() + text.size() / 16);
  out.append(QStringView(text).first(first_lone));
  for (qsizetype i = first_lone; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('\r')) {
      out += QStringLiteral("\r\n");
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
    } else if (c == QLatin1Char('\n')) {
      out += QStringLiteral("\r\n");
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void ProgramDocument::UndoCommand() {
  QGuiApplication::clipboard()->clear();
  box_.SetDocument(undo_.text);
  box_.SetCaret(undo_.caret);
  SetUndoEnabled(false);
}

void ProgramDocument::Cut() {
  undo_.text = box_.Document();
  PutOnClipboard(box_.SelectedText());
  box_.ReplaceSelection(QString());
  SetUndoEnabled(true);
  SetPasteEnabled(true);
}

void ProgramDocument::Copy() {
  PutOnClipboard(box_.SelectedText());
  SetPasteEnabled(true);
}

void ProgramDocument::AllCopy() {
  box_.setFocus();
  box_.Select(0, box_.Length());
  PutOnClipboard(QString::fromUtf8(box_.Utf8View()));
  SetPasteEnabled(true);
}

void ProgramDocument::Paste() {
  undo_.text = box_.Document();
  box_.ReplaceSelection(WithProgramLineEnds(QGuiApplication::clipboard()->text()));
  SetUndoEnabled(true);
}

void ProgramDocument::StoreUndoState() {
  undo_.text = box_.Document();
  undo_.caret = box_.SelectionStart();
}

void ProgramDocument::InsertGraphicSkeleton() {
  const qint64 start = box_.SelectionStart();
  box_.ReplaceSelection(kGraphicSkeleton);
  box_.SetCaret(start + kSkeletonCaretOffset);
}

}  // namespace zel
