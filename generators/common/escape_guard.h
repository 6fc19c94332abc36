#pragma once

#include <QObject>
#include <QString>

class QDialog;

namespace zel {

class OutputPane;

// Keeps Escape from throwing work away: the toolkit closes a dialog on Escape, and a generator
// dialog that closes hands nothing over. While the output pane holds anything other than what
// it held when the dialog opened (written blocks, hand edits), Escape does nothing; the user
// closes with "キャンセル" or the close box, which stay as they are. What the pane opened with
// is taken when the dialog has first been shown, after its own opening steps have run.
class EscapeGuard : public QObject {
  Q_OBJECT

 public:
  EscapeGuard(QDialog* dialog, const OutputPane* pane);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QDialog* dialog_;
  const OutputPane* pane_;
  QString opening_block_;
  bool opened_ = false;
};

}  // namespace zel
