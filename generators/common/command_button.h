#pragma once

#include "platform/wrapping_button.h"

namespace zel {

// The push button of every generator dialog. It is never the dialog's default button, not even
// while it has the focus (a dialog otherwise makes its first push button the default, and Enter
// on an option button or a check box would then press it). Enter reaches a button only when
// the button itself has the focus, which the dialogs' Enter-key tables give it; it then presses
// it, as Space does. A caption too wide for the button breaks at its blanks.
class CommandButton : public WrappingButton {
  Q_OBJECT

 public:
  // `name` is the button's control name in its dialog ("Command2").
  CommandButton(const QString& name, const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zel
