#include "platform/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace zel {
namespace {

QString RunDialog(QWidget* owner, const QString& initial_folder, bool save) {
  // The stored folder may name a drive of another machine ("C:\\" on a Linux desktop):
  // then the dialog starts in the user's home folder; the setting itself is kept.
  const QString folder =
      QFileInfo(initial_folder).isDir() ? initial_folder : QDir::homePath();
  QFileDialog dialog(owner, save ? kSaveDialogTitle : kOpenDialogTitle, folder);
  dialog.setNameFilters({kMainFileFilter, kAllFilesFilter});
  dialog.selectNameFilter(kMainFileFilter);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program's files are overwritten without a question, as on the control.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString QtFileDialogs::GetOpenPath(QWidget* owner, const QString& initial_folder) {
  return RunDialog(owner, initial_folder, false);
}

QString QtFileDialogs::GetSavePath(QWidget* owner, const QString& initial_folder) {
  return RunDialog(owner, initial_folder, true);
}

}  // namespace zel
