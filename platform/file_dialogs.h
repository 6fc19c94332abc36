#pragma once

#include <QString>

class QWidget;

namespace zel {

// The open and save dialogs of the File commands. Each returns the chosen path exactly as
// the dialog gave it, or "" when the user cancelled (or the dialog failed).
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual QString GetOpenPath(QWidget* owner, const QString& initial_folder) = 0;
  virtual QString GetSavePath(QWidget* owner, const QString& initial_folder) = 0;
};

// QFileDialog with the program's filters, titles and options.
class QtFileDialogs : public FileDialogs {
 public:
  QString GetOpenPath(QWidget* owner, const QString& initial_folder) override;
  QString GetSavePath(QWidget* owner, const QString& initial_folder) override;
};

inline const QString kOpenDialogTitle = QStringLiteral("ファイルを開く");
inline const QString kSaveDialogTitle = QStringLiteral("名前を付けて保存");
inline const QString kMainFileFilter = QStringLiteral("メインファイル(*.MIN)");
inline const QString kAllFilesFilter = QStringLiteral("すべてのファイル(*.*)");

}  // namespace zel
