#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "editor/editor_box.h"

namespace zel::test {

PromptAnswer RecordingPrompts::Show(QWidget*, const PromptRequest& request) {
  requests.append(request);
  if (!answers_.isEmpty()) return answers_.takeFirst();
  return request.default_button;
}

QString ScriptedFileDialogs::GetOpenPath(QWidget*, const QString& initial_folder) {
  open_folders.append(initial_folder);
  return open_answers.isEmpty() ? QString() : open_answers.takeFirst();
}

QString ScriptedFileDialogs::GetSavePath(QWidget*, const QString& initial_folder) {
  save_folders.append(initial_folder);
  return save_answers.isEmpty() ? QString() : save_answers.takeFirst();
}

void IsolateSettings() {
  static QTemporaryDir dir;
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
#ifdef Q_OS_WIN
  // Windows' native store is the registry, which no path redirects: the tests use a file
  // store in the folder instead, and never touch the user's own settings.
  QSettings::setDefaultFormat(QSettings::IniFormat);
#endif
}

QString PictureSource(const QString& svg_resource) {
  if (QFile::exists(svg_resource)) return svg_resource;
  return qEnvironmentVariable("ZEL_SOURCE_DIR") + QStringLiteral("/resources/") +
         QFileInfo(svg_resource).fileName();
}

QString Describe(const PromptRequest& request) {
  static const char* const kIcons[] = {"no icon", "warning", "information", "critical"};
  const char* buttons = request.buttons == PromptButtons::kOk          ? "OK"
                        : request.default_button == PromptAnswer::kYes ? "Yes/No, default Yes"
                                                                       : "Yes/No, default No";
  return QStringLiteral("%1 | %2 | %3 | %4")
      .arg(request.text, request.title, QLatin1String(kIcons[int(request.icon)]),
           QLatin1String(buttons));
}

QString Lines(const QStringList& lines) {
  QString block;
  for (const QString& line : lines) block += line + QStringLiteral("\r\n");
  return block;
}

void SetBoxText(EditorBox& box, const QString& text) {
  box.SetDocument(DecodedText{text.toUtf8(), {}});
}

QString BoxText(const EditorBox& box) { return QString::fromUtf8(box.Utf8View()); }

}  // namespace zel::test
