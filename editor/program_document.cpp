#include "editor/program_document.h"

#include <QGuiApplication>

#include "platform/file_dialogs.h"
#include "platform/machine.h"
#include "platform/prompts.h"
#include "editor/editor_box.h"
#include "editor/program_file.h"

namespace zel {

using namespace document_text;

ProgramDocument::ProgramDocument(EditorBox& box, const TextCodec& codec, Prompts& prompts,
                                 FileDialogs& dialogs, const Platform& platform,
                                 QWidget* window)
    : QObject(window),
      box_(box),
      codec_(codec),
      prompts_(prompts),
      dialogs_(dialogs),
      platform_(platform),
      window_(window) {
  connect(&box_, &QsciScintilla::textChanged, this, &ProgramDocument::OnTextChanged);
}

void ProgramDocument::OnTextChanged() {
  SetUndoEnabled(true);
  modified_ = true;
}

void ProgramDocument::SetUndoEnabled(bool enabled) {
  if (undo_enabled_ == enabled) return;
  undo_enabled_ = enabled;
  emit UndoEnabledChanged(enabled);
}

void ProgramDocument::SetPasteEnabled(bool enabled) {
  if (paste_enabled_ == enabled) return;
  paste_enabled_ = enabled;
  emit PasteEnabledChanged(enabled);
}

void ProgramDocument::New() {
  if (modified_ && !prompts_.AskYesNo(window_, kNewQuestion, kAppTitle, false)) return;
  current_file_name_.clear();
  box_.SetDocument(DecodedText{});
  emit NameBoxChanged(QString());
  modified_ = false;
}

void ProgramDocument::Open() {
  if (modified_ && !prompts_.AskYesNo(window_, kOpenQuestion, kOpenQuestionTitle, true)) return;
  const QString previous_name = current_file_name_;
  current_file_name_ = NameFromOpenDialog(dialogs_.GetOpenPath(window_, open_path_),
                                          platform_.CaseInsensitiveFileSystem());
  if (current_file_name_.isEmpty()) return;
  if (!ReadProgramFile(current_file_name_)) {
    // The document stays exactly as it was, its name included.
    current_file_name_ = previous_name;
    return;
  }
  FinishOpen();
}

bool ProgramDocument::OpenNamedFile(const QString& path, bool ask) {
  if (ask && modified_ &&
      !prompts_.AskYesNo(window_, kOpenQuestion, kOpenQuestionTitle, true))
    return false;
  const QString name = NameFromOpenDialog(path, platform_.CaseInsensitiveFileSystem());
  if (!ReadProgramFile(name)) return false;
  current_file_name_ = name;
  FinishOpen();
  return true;
}

void ProgramDocument::FinishOpen() {
  emit NameBoxChanged(current_file_name_);
  undo_.text = box_.Document();
  SetUndoEnabled(false);
  modified_ = false;
}

void ProgramDocument::Save() {
  if (current_file_name_.isEmpty()) {
    SaveAs();
    return;
  }
  WriteProgramFile(current_file_name_);
}

void ProgramDocument::SaveAs() {
  current_file_name_ = NameFromSaveDialog(dialogs_.GetSavePath(window_, open_path_),
                                          platform_.CaseInsensitiveFileSystem());
  if (current_file_name_.isEmpty()) return;
  WriteProgramFile(current_file_name_);
  emit NameBoxChanged(current_file_name_);
}

bool ProgramDocument::ConfirmExit() {
  return !modified_ || prompts_.AskYesNo(window_, kExitQuestion, kAppTitle, false);
}

bool ProgramDocument::ReadProgramFile(const QString& path) {
  QByteArray bytes;
  if (!ReadProgramBytes(path, &bytes)) {
    prompts_.Message(window_, path + kCannotOpen, kAppTitle);
    return false;
  }
  box_.SetDocument(codec_.Decode(bytes));
  return true;
}

bool ProgramDocument::WriteProgramFile(const QString& path) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const EncodeResult encoded = codec_.Encode(box_.Utf8View(), box_.Forms());
  const bool written = encoded.ok && WriteProgramBytes(path, encoded.bytes);
  QGuiApplication::restoreOverrideCursor();
  if (!encoded.ok) {
    // A character the code page cannot hold would turn into "?" in the file: refuse, name
    // it, and leave the file and the modified flag alone.
    const QString detail = QStringLiteral("%1 行目の文字「%2」(U+%3) はこのファイルに保存できません。")
                               .arg(box_.LineOfByte(encoded.bad_offset))
                               .arg(QString::fromUcs4(&encoded.bad_char, 1))
                               .arg(QString::number(static_cast<uint>(encoded.bad_char), 16)
                                        .toUpper()
                                        .rightJustified(4, QLatin1Char('0')));
    prompts_.Message(window_, kCannotSave + QLatin1Char('\n') + detail, kAppTitle);
    return false;
  }
  if (!written) {
    prompts_.Message(window_, kCannotSave, kAppTitle);
    return false;
  }
  modified_ = false;
  return true;
}

}  // namespace zel
