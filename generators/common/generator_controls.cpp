#include "generators/common/generator_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QWheelEvent>

#include "generators/common/command_button.h"
#include "generators/common/entry_field.h"
#include "generators/common/illustration.h"
#include "generators/common/output_pane.h"
#include "generators/common/preview_box.h"

namespace zel {

namespace {

// A drop-down list that takes the wheel only while it has the focus; it does not take the
// focus from the wheel either.
class FocusedWheelList : public QComboBox {
 public:
  explicit FocusedWheelList(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void wheelEvent(QWheelEvent* event) override {
    if (hasFocus()) {
      QComboBox::wheelEvent(event);
    } else {
      event->ignore();
    }
  }
};

// Gives the tab stop of the group to the chosen button.
void MoveTabStop(const QList<QAbstractButton*>& group) {
  QAbstractButton* stop = group.first();
  for (QAbstractButton* button : group) {
    if (button->isChecked()) stop = button;
  }
  for (QAbstractButton* button : group) {
    const Qt::FocusPolicy policy = button->focusPolicy();
    button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                          : Qt::FocusPolicy(policy & ~Qt::TabFocus));
  }
}

}  // namespace

QWidget* MakeGeneratorControl(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::kEntry:
      return new EntryField(row.name.toString(), parent);
    case ControlKind::kButton:
      return new CommandButton(row.name.toString(), row.caption.toString(), parent);
    case ControlKind::kPane:
      return new OutputPane(row.name.toString(), parent);
    case ControlKind::kPicture:
      return new Illustration(row.name.toString(), row.caption.toString(), parent);
    case ControlKind::kCombo:
      return new FocusedWheelList(parent);
    default:
      return nullptr;
  }
}

QWidget* MakeMaterialControl(const ControlRow& row, QWidget* parent) {
  if (row.kind == ControlKind::kPicture) return new PreviewBox(row.name.toString(), parent);
  return MakeGeneratorControl(row, parent);
}

void TabToChosenOption(const QList<QAbstractButton*>& group) {
  if (group.isEmpty()) return;
  for (QAbstractButton* button : group) {
    QObject::connect(button, &QAbstractButton::toggled, button, [group](bool on) {
      if (on) MoveTabStop(group);
    });
  }
  MoveTabStop(group);
}

}  // namespace zel
