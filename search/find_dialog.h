#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zel {

class Prompts;
class SearchTarget;
struct SearchState;

// The find dialog frmFind: a small modeless tool window over the main window. It closes and
// destroys itself (WA_DeleteOnClose) when a search succeeds and on "ｷｬﾝｾﾙ", Escape or the
// close box; each new one starts with "先頭から検索" checked.
class FindDialog : public QDialog {
  Q_OBJECT

 public:
  // focus_editor puts the keyboard focus back on the editor box after a hit.
  FindDialog(QWidget* main_window, SearchState& state, SearchTarget& target, Prompts& prompts,
             std::function<void()> focus_editor);

  // Puts text into txtFind; txtFind_Change runs only when this changes the field's text.
  void SetFindField(const QString& text);
  bool FromTop() const;
  void SetFromTop(bool checked);

 private slots:
  void txtFind_Change();
  void NextFind_Click();
  void CancelButton_Click();

 private:
  SearchState& state_;
  SearchTarget& target_;
  Prompts& prompts_;
  std::function<void()> focus_editor_;

  QLineEdit* find_edit_;
  QCheckBox* from_top_box_;
  QPushButton* find_button_;
  QPushButton* cancel_button_;
};

}  // namespace zel
