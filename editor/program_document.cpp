#include "editor/program_document.h"

#include <QFileInfo>
#include <QGuiApplication>

#include "editor/editor_box.h"
#include "editor/program_file.h"
#include "platform/file_dialogs.h"
#include "platform/machine.h"
#include "platform/prompts.h"

namespace zel {

using namespace document_text;

ProgramDocument::ProgramDocument(EditorBox& box, const TextCodec& codec, Prompts& prompts,
                                 FileDialogs& dialogs, const Platform& platform, QWidget* window)
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
  current_file_name_ = NameFromOpenDialog(
      NativePath(dialogs_.GetOpenPath(window_, open_path_), platform_.BackslashPaths()),
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
  if (ask && modified_ && !prompts_.AskYesNo(window_, kOpenQuestion, kOpenQuestionTitle, true))
    return false;
  const QString name = NameFromOpenDialog(NativePath(path, platform_.BackslashPaths()),
                                          platform_.CaseInsensitiveFileSystem());
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
  const QString chosen =
      NativePath(dialogs_.GetSavePath(window_, open_path_), platform_.BackslashPaths());
  const QFileInfo chosen_file(chosen);
  current_file_name_ =
      NameFromSaveDialog(chosen, platform_.CaseInsensitiveFileSystem(),
                         !chosen.isEmpty() && chosen_file.exists() && !chosen_file.isDir());
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

QString ProgramDocument::EncodeFailureText(const EncodeResult& encoded) const {
  const int line = box_.LineOfByte(encoded.bad_offset);
  const uint code = static_cast<uint>(encoded.bad_char);
  if (encoded.failure == EncodeResult::Failure::kJoinsNext)
    return QStringLiteral(
               "%1 行目の 1 バイト %2 は次の文字とつながって別の文字になるため保存できません。")
        .arg(line)
        .arg(QString::number(code - kRawByteBase, 16).toUpper());
  return QStringLiteral("%1 行目の文字「%2」(U+%3) はこのファイルに保存できません。")
      .arg(line)
      .arg(QString::fromUcs4(&encoded.bad_char, 1))
      .arg(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

bool ProgramDocument::WriteProgramFile(const QString& path) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const EncodeResult encoded = codec_.Encode(box_.Utf8View(), box_.Forms());
  const bool written = encoded.ok && WriteProgramBytes(path, encoded.bytes);
  QGuiApplication::restoreOverrideCursor();
  if (!encoded.ok) {
    // What cannot be written so that it reads back as the same text is refused, named with
    // its line; the file and the modified flag are left alone.
    prompts_.Message(window_, kCannotSave + QLatin1Char('\n') + EncodeFailureText(encoded),
                     kAppTitle);
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
