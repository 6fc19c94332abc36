#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "editor/block_sink.h"
#include "platform/file_dialogs.h"
#include "platform/machine.h"
#include "platform/prompts.h"

class QObject;

namespace zel {
class EditorBox;
}

namespace zel::test {

// Answers message boxes from a script and keeps every request. With no scripted answer left
// it answers the request's default button (OK for messages).
class RecordingPrompts : public Prompts {
 public:
  PromptAnswer Show(QWidget* parent, const PromptRequest& request) override;
  void Script(std::initializer_list<PromptAnswer> answers) { answers_.append(answers); }

  QList<PromptRequest> requests;

 private:
  QList<PromptAnswer> answers_;
};

// Returns scripted paths ("" is a cancelled dialog) and keeps the folders it was opened in.
class ScriptedFileDialogs : public FileDialogs {
 public:
  QString GetOpenPath(QWidget* owner, const QString& initial_folder) override;
  QString GetSavePath(QWidget* owner, const QString& initial_folder) override;

  QStringList open_answers;
  QStringList save_answers;
  QStringList open_folders;
  QStringList save_folders;
};

class FakePlatform : public Platform {
 public:
  bool ControlMarkerPresent() const override { return control; }
  int ScreenHeight() const override { return screen_height; }
  bool CaseInsensitiveFileSystem() const override { return case_insensitive; }
  bool BackslashPaths() const override { return backslash_paths; }
  QList<QRect> ScreenAreas() const override { return screens; }

  bool control = false;
  int screen_height = 1024;
  bool case_insensitive = false;
  bool backslash_paths = false;
  QList<QRect> screens = {QRect(0, 0, 1280, 1024)};
};

// Keeps the blocks a dialog hands over.
class RecordingBlockSink : public BlockSink {
 public:
  void InsertBlock(const QString& block) override { blocks.append(block); }
  QStringList blocks;
};

// A message box request in one line, "text | title | icon | buttons", so that one comparison
// checks all four: "データが未設定です。 | ZEL_Editor | warning | OK".
QString Describe(const PromptRequest& request);

// The SVG source of a picture (":/chuck_od.svg"): the resource itself where the build carries
// SVG pictures, else the file in the source folder's resources/ (ZEL_SOURCE_DIR) that the
// build's PNG pictures were rendered from.
QString PictureSource(const QString& svg_resource);

// Points the per-user settings store at a fresh temporary folder. Call before the first
// QSettings is made.
void IsolateSettings();

// The child of parent (a control, an action, a menu) with that objectName; a missing one
// stops the test program with the name, since every later step would only crash.
template <typename T>
T* Child(const QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  if (!child) qFatal("no child %s of class %s", qPrintable(name), T::staticMetaObject.className());
  return child;
}

// Statement lines joined with "\r\n" after each, as a generated block has them.
QString Lines(const QStringList& lines);

// Puts a text into an editor box as its whole document, and reads it back.
void SetBoxText(EditorBox& box, const QString& text);
QString BoxText(const EditorBox& box);

}  // namespace zel::test
