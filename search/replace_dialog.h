#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zel {

class Prompts;
class SearchTarget;
struct SearchState;

// The replace dialog frmReplace, shown modally by the main window's OpenReplace. It works on
// the editor text directly (the editor cannot change while it is open) and reports with the
// message caption "置き換え".
class ReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens the dialog as OpenReplace does, short of showing it: the next search begins at the
  // selection start, the first "変　更" only searches, and the selected text goes into txtFind.
  ReplaceDialog(QWidget* main_window, SearchState& state, SearchTarget& target, Prompts& prompts);

 private slots:
  void txtFind_Change();
  void txtReplace_Change();
  void Change_Click();
  void AllChange_Click();
  void NextFind_Click();
  void Cancel_Click();

 private:
  void Form_Load();
  void ShowMessage(const QString& text);

  SearchState& state_;
  SearchTarget& target_;
  Prompts& prompts_;

  QLineEdit* find_edit_;
  QLineEdit* replace_edit_;
  QCheckBox* from_top_box_;
  QPushButton* change_button_;
  QPushButton* all_change_button_;
  QPushButton* skip_button_;
  QPushButton* close_button_;
};

}  // namespace zel
