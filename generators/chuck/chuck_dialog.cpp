#include "generators/chuck/chuck_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/entry_field.h"
#include "generators/common/escape_guard.h"
#include "generators/common/generator_controls.h"
#include "generators/common/illustration.h"
#include "generators/common/output_pane.h"
#include "generators/common/transfer_buttons.h"
#include "platform/twips.h"

namespace zel {

namespace {

const QString kCaption = QStringLiteral("チャック/心押し");

constexpr int kClientWidth = 10740;
constexpr int kClientHeight = 6960;

// The controls, places in twips. The illustration sits in the upper left, the output pane
// under it; the fields, the two frames, the check boxes and the buttons form a column on the
// right. The options' places are inside their frames. Picture1(0) shows OD clamping,
// Picture1(1) ID clamping; the options show one of them.
using enum ControlKind;
// clang-format off
constexpr ControlRow kControls[] = {
    {u"Label1", kLabel, u"チャック爪寸法 D1", 6960,  240, 1860, 330},
    {u"Text2",  kEntry, u"",                  8880,  240, 1680, 330},
    {u"Label2", kLabel, u"チャック爪寸法 L1", 6960,  660, 1860, 330},
    {u"Text3",  kEntry, u"",                  8880,  660, 1680, 330},
    {u"Label3", kLabel, u"チャック爪位置 CX", 6960, 1080, 1860, 330},
    {u"Text4",  kEntry, u"",                  8880, 1080, 1680, 330},
    {u"Label4", kLabel, u"チャック爪位置 CZ", 6960, 1500, 1860, 330},
    {u"Text5",  kEntry, u"",                  8880, 1500, 1680, 330},
    {u"Label5", kLabel, u"センター穴径 D2",   6960, 1920, 1860, 330},
    {u"Text6",  kEntry, u"",                  8880, 1920, 1680, 330},
    {u"Label6", kLabel, u"センター軸径 D3",   6960, 2340, 1860, 330},
    {u"Text7",  kEntry, u"",                  8880, 2340, 1680, 330},
    {u"Label7", kLabel, u"センター長さ L2",   6960, 2760, 1860, 330},
    {u"Text8",  kEntry, u"",                  8880, 2760, 1680, 330},
    {u"Label8", kLabel, u"素材端面位置 WR",   6960, 3180, 1860, 330},
    {u"Text9",  kEntry, u"",                  8880, 3180, 1680, 330},
    {u"Frame1",  kFrame,  u"チャック把握切替",            6960, 3720, 3600, 780},
    {u"Option1", kOption, u"外径",                         180,  330, 1620, 330, u"Frame1"},
    {u"Option2", kOption, u"内径",                        1860,  330, 1620, 330, u"Frame1"},
    {u"Frame2",  kFrame,  u"チャック/センターワーク切替", 6960, 4620, 3600, 780},
    {u"Option3", kOption, u"チャックワーク",               180,  330, 1620, 330, u"Frame2"},
    {u"Option4", kOption, u"センターワーク",              1860,  330, 1620, 330, u"Frame2"},
    {u"Check1",  kCheck,  u"切替システム変数を使用する",  7050, 5520, 3600, 330},
    {u"Check2",  kCheck,  u"バリア機能を有効にする",      7050, 5880, 3600, 330},
    {u"Picture1(0)", kPicture, u":/chuck_od.svg",  120,  200, 6600, 3500},
    {u"Picture1(1)", kPicture, u":/chuck_id.svg",  120,  200, 6600, 3500},
    {u"Text1",       kPane,    u"",                120, 3840, 6600, 2955},
    {u"Command2",    kButton,  u"転送/終了",      6960, 6300, 1740,  495},
    {u"Command1",    kButton,  u"キャンセル",     8820, 6300, 1740,  495},
};
// clang-format on

}  // namespace

ChuckDialog::ChuckDialog(const GeneratorContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("frmChuck"));
  setWindowTitle(kCaption);
  ApplyGeneratorFont(this);
  BuildControls();
  // The fields start empty but for WR, which holds the chuck-work end face.
  fields_[kWr]->setText(kChuckWorkEndFace);
  ConnectControls();
}

void ChuckDialog::BuildControls() {
  const ControlSet controls(this, kControls, MakeGeneratorControl);
  for (int i = 0; i < kFieldCount; ++i) {
    labels_[i] = controls.Get<QLabel>(QStringLiteral("Label%1").arg(i + 1));
    fields_[i] = controls.Get<EntryField>(QStringLiteral("Text%1").arg(i + 2));
    labels_[i]->setBuddy(fields_[i]);
  }
  outside_option_ = controls.Get<QRadioButton>(u"Option1");
  inside_option_ = controls.Get<QRadioButton>(u"Option2");
  chuck_work_option_ = controls.Get<QRadioButton>(u"Option3");
  centre_work_option_ = controls.Get<QRadioButton>(u"Option4");
  TabToChosenOption({outside_option_, inside_option_});
  TabToChosenOption({chuck_work_option_, centre_work_option_});
  switching_check_ = controls.Get<QCheckBox>(u"Check1");
  barrier_check_ = controls.Get<QCheckBox>(u"Check2");
  pictures_[0] = controls.Get<Illustration>(u"Picture1(0)");
  pictures_[1] = controls.Get<Illustration>(u"Picture1(1)");
  pane_ = controls.Get<OutputPane>(u"Text1");
  buttons_ = new TransferButtons(this, ctx_.sink, pane_, controls.Get<QPushButton>(u"Command2"),
                                 controls.Get<QPushButton>(u"Command1"));
  buttons_->SetGuard([this] { return MayTransfer(); });
  new EscapeGuard(this, pane_);
  enter_ = new EnterNavigator(this);
  // The fields top to bottom, the two buttons, the four options, Check1, the pane, Check2.
  controls.SetTabOrder({u"Text2", u"Text3", u"Text4", u"Text5", u"Text6", u"Text7", u"Text8",
                        u"Text9", u"Command2", u"Command1", u"Option1", u"Option2", u"Option3",
                        u"Option4", u"Check1", u"Text1", u"Check2"});
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
}

void ChuckDialog::ConnectControls() {
  // The pane follows the fields character by character, so that what is transferred is
  // always what the fields say.
  for (EntryField* field : fields_) {
    connect(field, &QLineEdit::textChanged, this, [this] { UpdatePane(); });
  }

  // Enter moves down the column; CZ goes on to the centre values only in centre work, and
  // the last field of either kind hands over to "転送/終了".
  const auto rebuild = [this] { UpdatePane(); };
  const auto next = [this](Field field) { return [target = fields_[field]] { return target; }; };
  QPushButton* transfer = buttons_->transfer_button();
  enter_->Add(fields_[kD1], next(kL1), rebuild);
  enter_->Add(fields_[kL1], next(kCx), rebuild);
  enter_->Add(fields_[kCx], next(kCz), rebuild);
  enter_->Add(
      fields_[kCz],
      [this, transfer]() -> QWidget* {
        return fields_[kD2]->isEnabled() ? static_cast<QWidget*>(fields_[kD2]) : transfer;
      },
      rebuild);
  enter_->Add(fields_[kD2], next(kD3), rebuild);
  enter_->Add(fields_[kD3], next(kL2), rebuild);
  enter_->Add(fields_[kL2], next(kWr), rebuild);
  enter_->Add(
      fields_[kWr], [transfer] { return transfer; }, rebuild);

  connect(outside_option_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option1_Click();
  });
  connect(inside_option_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option2_Click();
  });
  connect(chuck_work_option_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option3_Click();
  });
  connect(centre_work_option_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option4_Click();
  });
  connect(switching_check_, &QCheckBox::toggled, this, [this] { Check_Click(); });
  connect(barrier_check_, &QCheckBox::toggled, this, [this] { Check_Click(); });
}

void ChuckDialog::Reopen(const ChuckBlockInput& input) {
  // The options first: they place the picture, enable the centre fields and set WR.
  defaults_applied_ = true;
  (input.clamping == ChuckClamping::kOutside ? outside_option_ : inside_option_)->setChecked(true);
  (input.holding == WorkHolding::kChuckWork ? chuck_work_option_ : centre_work_option_)
      ->setChecked(true);
  const std::array<const QString*, kFieldCount> texts = {
      &input.d1, &input.l1, &input.cx, &input.cz, &input.d2, &input.d3, &input.l2, &input.wr};
  for (int i = 0; i < kFieldCount; ++i) fields_[i]->setText(*texts[i]);
  switching_check_->setChecked(input.switching_variables);
  barrier_check_->setChecked(input.barrier);
  UpdatePane();
}

void ChuckDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (defaults_applied_) return;
  defaults_applied_ = true;
  outside_option_->setChecked(true);
  chuck_work_option_->setChecked(true);
}

void ChuckDialog::Option1_Click() {
  pictures_[1]->hide();
  pictures_[0]->show();
  FocusFirstField();
  UpdatePane();
}

void ChuckDialog::Option2_Click() {
  pictures_[0]->hide();
  pictures_[1]->show();
  FocusFirstField();
  UpdatePane();
}

void ChuckDialog::Option3_Click() {
  // In chuck work the end face is fixed and the centre values are out of play; D2, D3 and
  // L2 keep what they hold for a later return to centre work.
  fields_[kWr]->setText(kChuckWorkEndFace);
  for (Field field : {kD2, kD3, kL2, kWr}) SetFieldEditable(fields_[field], false);
  FocusFirstField();
  UpdatePane();
}

void ChuckDialog::Option4_Click() {
  for (Field field : {kD2, kD3, kL2, kWr}) SetFieldEditable(fields_[field], true);
  // The chuck-work stand-in is no end face: the user has to give the real one.
  fields_[kWr]->clear();
  FocusFirstField();
  UpdatePane();
}

void ChuckDialog::Check_Click() {
  UpdatePane();
  FocusFirstField();
}

bool ChuckDialog::MayTransfer() {
  if (ChuckValuesComplete(CollectInput())) return true;
  WarnDataMissing(ctx_.prompts, this);
  return false;
}

void ChuckDialog::UpdatePane() { pane_->SetBlock(MakeChuckBlock(CollectInput())); }

ChuckBlockInput ChuckDialog::CollectInput() const {
  ChuckBlockInput input;
  input.d1 = fields_[kD1]->text();
  input.l1 = fields_[kL1]->text();
  input.cx = fields_[kCx]->text();
  input.cz = fields_[kCz]->text();
  input.d2 = fields_[kD2]->text();
  input.d3 = fields_[kD3]->text();
  input.l2 = fields_[kL2]->text();
  input.wr = fields_[kWr]->text();
  input.clamping = outside_option_->isChecked() ? ChuckClamping::kOutside : ChuckClamping::kInside;
  input.holding =
      centre_work_option_->isChecked() ? WorkHolding::kCentreWork : WorkHolding::kChuckWork;
  input.switching_variables = switching_check_->isChecked();
  input.barrier = barrier_check_->isChecked();
  return input;
}

void ChuckDialog::FocusFirstField() { fields_[kD1]->setFocus(Qt::OtherFocusReason); }

}  // namespace zel
