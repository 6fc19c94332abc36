#include "generators/common/escape_guard.h"

#include <QDialog>
#include <QKeyEvent>

#include "generators/common/output_pane.h"

namespace zel {

EscapeGuard::EscapeGuard(QDialog* dialog, const OutputPane* pane)
    : QObject(dialog), dialog_(dialog), pane_(pane) {
  dialog_->installEventFilter(this);
}

bool EscapeGuard::eventFilter(QObject* watched, QEvent* event) {
  if (watched != dialog_) return false;
  // ShowToParent comes after the dialog's own show handling, which may still fill the pane.
  if (event->type() == QEvent::ShowToParent && !opened_) {
    opened_ = true;
    opening_block_ = pane_->Block();
    return false;
  }
  if (event->type() != QEvent::KeyPress ||
      !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
    return false;
  }
  if (pane_->Block() == opening_block_) return false;
  event->accept();
  return true;
}

}  // namespace zel
