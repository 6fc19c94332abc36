#include "generators/common/material_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/entry_text.h"
#include "generators/common/escape_guard.h"
#include "generators/common/field_checks.h"
#include "generators/common/generator_controls.h"
#include "generators/common/output_pane.h"
#include "generators/common/pane_text.h"
#include "generators/common/preview_box.h"
#include "platform/prompts.h"

namespace zel {

MaterialDialog::MaterialDialog(const GeneratorContext& ctx, const QString& name,
                               const QString& caption, std::span<const ControlRow> rows,
                               TransferButtons::BlockFn block, QWidget* parent)
    : QDialog(parent), ctx_(ctx), controls_(this, rows, MakeMaterialControl) {
  setObjectName(name);
  setWindowTitle(caption);
  ApplyGeneratorFont(this);
  preview_ = controls_.Get<PreviewBox>(u"Picture1");
  pane_ = controls_.Get<OutputPane>(u"Text1");
  // Both material dialogs' output panes keep their vertical scroll bar, shown or not needed.
  pane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  for (int index = 0; index < 2; ++index) {
    spindle_options_[index] = controls_.Get<QRadioButton>(QStringLiteral("Option1(%1)").arg(index));
  }
  TabToChosenOption({spindle_options_[0], spindle_options_[1]});
  shape_list_ = controls_.Get<QComboBox>(u"Combo1");
  auto* clear_button = controls_.Get<QPushButton>(u"Command3");
  write_button_ = controls_.Get<QPushButton>(u"Command4");
  auto* transfer = controls_.Get<QPushButton>(u"Command2");
  auto* cancel = controls_.Get<QPushButton>(u"Command1");
  // The handling of "転送/終了" and "キャンセル" is a child of the dialog and lives as long.
  if (block)
    new TransferButtons(this, ctx_.sink, std::move(block), transfer, cancel);
  else
    new TransferButtons(this, ctx_.sink, pane_, transfer, cancel);
  new EscapeGuard(this, pane_);
  enter_ = new EnterNavigator(this);
  decimal_check_ = new DecimalPointCheck(this, ctx_.prompts);
  // "キャンセル" always closes, whatever a field holds.
  decimal_check_->Exempt(cancel);

  shape_list_->installEventFilter(this);
  // The handlers are the derived dialog's; none of these signals comes before it is made.
  for (int index = 0; index < 2; ++index) {
    connect(spindle_options_[index], &QRadioButton::toggled, this, [this, index](bool on) {
      if (on) Option1_Click(index);
    });
  }
  // A click that comes before the decimal-point check of the field just left has run must not
  // write what the check would refuse.
  connect(write_button_, &QPushButton::clicked, this, [this] {
    if (decimal_check_->Settle()) Command4_Click();
  });
  connect(clear_button, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void MaterialDialog::SelectFirstSpindle() {
  if (spindle_options_[0]->isChecked()) {
    Option1_Click(0);
  } else {
    spindle_options_[0]->setChecked(true);
  }
}

void MaterialDialog::FocusShapeList() {
  // The handler runs here itself, since the focus may be in the list already (no focus
  // change) or arrive only when the dialog becomes active (no deliberate one).
  Combo1_GotFocus();
  shape_list_->setFocus(Qt::OtherFocusReason);
}

void MaterialDialog::WarnCalculationError() {
  ctx_.prompts.Message(this, kCalculationErrorText, kAppTitle, PromptIcon::kWarning);
}

bool MaterialDialog::FieldsFitStatement(std::span<QLineEdit* const> fields) {
  for (QLineEdit* field : fields) {
    const QChar character = StatementBreakingChar(field->text());
    if (character.isNull()) continue;
    QString caption;
    for (const QLabel* label : findChildren<QLabel*>()) {
      if (label->buddy() == field) caption = label->text();
    }
    ctx_.prompts.Message(this, StatementBreakingCharText(caption, character), kAppTitle,
                         PromptIcon::kWarning);
    field->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}

void MaterialDialog::ShowWrittenBlock(int spindle, const QString& block) {
  {
    const QSignalBlocker first(spindle_options_[0]);
    const QSignalBlocker second(spindle_options_[1]);
    spindle_options_[spindle]->setChecked(true);
  }
  pane_->SetBlock(block);
  pane_->SetCaret(LastLineStart(pane_->Block()));
}

void MaterialDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FocusShapeList();
}

bool MaterialDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == shape_list_ && event->type() == QEvent::FocusIn &&
      IsDeliberateFocusChange(static_cast<QFocusEvent*>(event)->reason())) {
    Combo1_GotFocus();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zel
