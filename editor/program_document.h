#pragma once

#include <QObject>
#include <QString>

#include "editor/text_codec.h"

class QWidget;

namespace zel {

class EditorBox;
class FileDialogs;
class Platform;
class Prompts;

// The one-step undo snapshot: the program text (with its byte forms) and a caret position.
struct UndoSnapshot {
  DecodedText text;
  qint64 caret = 0;
};

// Fixed texts of the document commands.
namespace document_text {
inline const QString kNewQuestion = QStringLiteral("データが変更されていますが新規にしますか ?");
inline const QString kOpenQuestion = QStringLiteral("データが変更されていますが開きますか ?");
inline const QString kExitQuestion = QStringLiteral("データが変更されていますが終了しますか ?");
// The open question is captioned with a blank where the others have an underscore.
inline const QString kOpenQuestionTitle = QStringLiteral("ZEL Editor");
inline const QString kCannotOpen = QStringLiteral(" ファイルが開けません.");
inline const QString kCannotSave = QStringLiteral("保存が出来ません。");
}  // namespace document_text

// The program document of the main window: the text of the editor box, its file name, the
// modified flag and the undo snapshot, with the File and Edit commands that work on them.
class ProgramDocument : public QObject {
  Q_OBJECT

 public:
  ProgramDocument(EditorBox& box, const TextCodec& codec, Prompts& prompts, FileDialogs& dialogs,
                  const Platform& platform, QWidget* window);

  const QString& CurrentFileName() const { return current_file_name_; }
  bool Modified() const { return modified_; }
  bool UndoEnabled() const { return undo_enabled_; }
  bool PasteEnabled() const { return paste_enabled_; }
  const UndoSnapshot& Undo() const { return undo_; }
  // The initial folder of the open and save dialogs.
  void SetOpenPath(const QString& path) { open_path_ = path; }
  const QString& OpenPath() const { return open_path_; }

  // File commands.
  void New();
  void Open();
  void Save();
  void SaveAs();
  // Opens path as Open does after its dialog (the file named on the command line). With
  // ask, the Open question comes first when the text is modified (a dropped file).
  bool OpenNamedFile(const QString& path, bool ask);
  // Asks the Exit question when the text is modified; true when the program may end.
  bool ConfirmExit();

  // Edit commands.
  void UndoCommand();
  void Cut();
  void Copy();
  void AllCopy();
  void Paste();
  // Takes the undo snapshot before a skeleton insertion or a generator dialog.
  void StoreUndoState();
  // Replaces the selection by the graphic skeleton; caret at the start of its empty line.
  void InsertGraphicSkeleton();

  // Module-level operations of the file commands.
  bool ReadProgramFile(const QString& path);
  bool WriteProgramFile(const QString& path);

 signals:
  void UndoEnabledChanged(bool enabled);
  void PasteEnabledChanged(bool enabled);
  // The name box shows a new path.
  void NameBoxChanged(const QString& text);

 private:
  void OnTextChanged();
  void SetUndoEnabled(bool enabled);
  void SetPasteEnabled(bool enabled);
  void FinishOpen();
  // Why the text cannot be written, with the line of the character concerned.
  QString EncodeFailureText(const EncodeResult& encoded) const;

  EditorBox& box_;
  const TextCodec& codec_;
  Prompts& prompts_;
  FileDialogs& dialogs_;
  const Platform& platform_;
  QWidget* window_;

  QString current_file_name_;
  bool modified_ = false;
  UndoSnapshot undo_;
  bool undo_enabled_ = false;
  bool paste_enabled_ = true;
  QString open_path_;
};

}  // namespace zel
