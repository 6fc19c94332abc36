#include "generators/chuck/chuck_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/illustration.h"
#include "generators/common/output_pane.h"
#include "generators/common/transfer_buttons.h"
#include "platform/twips.h"

namespace zel {

namespace {

// Fixed texts of the dialog.
const QString kCaption = QStringLiteral("チャック/心押し");
const std::array<QString, 8> kFieldLabels = {
    QStringLiteral("チャック爪寸法 D1"), QStringLiteral("チャック爪寸法 L1"),
    QStringLiteral("チャック爪位置 CX"), QStringLiteral("チャック爪位置 CZ"),
    QStringLiteral("センター穴径 D2"),   QStringLiteral("センター軸径 D3"),
    QStringLiteral("センター長さ L2"),   QStringLiteral("素材端面位置 WR")};
const QString kClampingFrameCaption = QStringLiteral("チャック把握切替");
const QString kOutsideCaption = QStringLiteral("外径");
const QString kInsideCaption = QStringLiteral("内径");
const QString kHoldingFrameCaption = QStringLiteral("チャック/センターワーク切替");
const QString kChuckWorkCaption = QStringLiteral("チャックワーク");
const QString kCentreWorkCaption = QStringLiteral("センターワーク");
const QString kSwitchingCaption = QStringLiteral("切替システム変数を使用する");
const QString kBarrierCaption = QStringLiteral("バリア機能を有効にする");

// The illustrations: index 0 for OD clamping, 1 for ID clamping.
const std::array<QString, 2> kPictureResources = {QStringLiteral(":/chuck_od.svg"),
                                                  QStringLiteral(":/chuck_id.svg")};

// Layout in twips. The illustration sits in the upper left, the output pane under it; the
// fields, the two frames, the check boxes and the buttons form a column on the right.
constexpr int kPictureLeft = 120;
constexpr int kPictureTop = 200;
constexpr int kPictureWidth = 6600;
constexpr int kPictureHeight = 3500;
constexpr int kColumnLeft = 6960;
constexpr int kColumnWidth = 3600;
constexpr int kLabelWidth = 1860;
constexpr int kFieldLeft = 8880;
constexpr int kFieldWidth = 1680;
constexpr int kRowTop = 240;
constexpr int kRowPitch = 420;
constexpr int kRowHeight = 330;
constexpr int kFrameHeight = 780;
constexpr int kClampingFrameTop = 3720;
constexpr int kHoldingFrameTop = 4620;
constexpr int kOptionTop = 330;
constexpr int kFirstOptionLeft = 180;
constexpr int kSecondOptionLeft = 1860;
constexpr int kOptionWidth = 1620;
constexpr int kSwitchingCheckTop = 5520;
constexpr int kBarrierCheckTop = 5880;
constexpr int kButtonTop = 6300;
constexpr int kButtonHeight = 495;
constexpr int kButtonWidth = 1740;
constexpr int kPaneTop = 3840;
constexpr int kPaneHeight = 2955;
constexpr int kClientWidth = 10740;
constexpr int kClientHeight = 6960;

}  // namespace

ChuckDialog::ChuckDialog(const GeneratorContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("frmChuck"));
  setWindowTitle(kCaption);
  ApplyGeneratorFont(this);
  BuildControls();
  PlaceControls();
  SetTabOrder();
  // The fields start empty but for WR, which holds the chuck-work end face.
  fields_[kWr]->setText(kChuckWorkEndFace);
  ConnectControls();
}

void ChuckDialog::BuildControls() {
  for (int i = 0; i < kFieldCount; ++i) {
    labels_[i] = new QLabel(kFieldLabels[i], this);
    labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QStringLiteral("Text%1").arg(i + 2));
    labels_[i]->setBuddy(fields_[i]);
  }

  clamping_frame_ = new QGroupBox(kClampingFrameCaption, this);
  clamping_frame_->setObjectName(QStringLiteral("Frame1"));
  outside_option_ = new QRadioButton(kOutsideCaption, clamping_frame_);
  outside_option_->setObjectName(QStringLiteral("Option1"));
  inside_option_ = new QRadioButton(kInsideCaption, clamping_frame_);
  inside_option_->setObjectName(QStringLiteral("Option2"));

  holding_frame_ = new QGroupBox(kHoldingFrameCaption, this);
  holding_frame_->setObjectName(QStringLiteral("Frame2"));
  chuck_work_option_ = new QRadioButton(kChuckWorkCaption, holding_frame_);
  chuck_work_option_->setObjectName(QStringLiteral("Option3"));
  centre_work_option_ = new QRadioButton(kCentreWorkCaption, holding_frame_);
  centre_work_option_->setObjectName(QStringLiteral("Option4"));

  switching_check_ = new QCheckBox(kSwitchingCaption, this);
  switching_check_->setObjectName(QStringLiteral("Check1"));
  barrier_check_ = new QCheckBox(kBarrierCaption, this);
  barrier_check_->setObjectName(QStringLiteral("Check2"));

  for (int i = 0; i < 2; ++i) {
    pictures_[i] =
        new Illustration(QStringLiteral("Picture1(%1)").arg(i), kPictureResources[i], this);
  }

  pane_ = new OutputPane(QStringLiteral("Text1"), this);
  buttons_ = new TransferButtons(this, ctx_.sink, pane_, QStringLiteral("Command2"),
                                 QStringLiteral("Command1"));
  buttons_->SetGuard([this] { return MayTransfer(); });
  enter_ = new EnterNavigator(this);
}

void ChuckDialog::PlaceControls() {
  for (int i = 0; i < kFieldCount; ++i) {
    const int top = kRowTop + i * kRowPitch;
    PlaceTwips(labels_[i], kColumnLeft, top, kLabelWidth, kRowHeight);
    PlaceTwips(fields_[i], kFieldLeft, top, kFieldWidth, kRowHeight);
  }
  PlaceTwips(clamping_frame_, kColumnLeft, kClampingFrameTop, kColumnWidth, kFrameHeight);
  PlaceTwips(outside_option_, kFirstOptionLeft, kOptionTop, kOptionWidth, kRowHeight);
  PlaceTwips(inside_option_, kSecondOptionLeft, kOptionTop, kOptionWidth, kRowHeight);
  PlaceTwips(holding_frame_, kColumnLeft, kHoldingFrameTop, kColumnWidth, kFrameHeight);
  PlaceTwips(chuck_work_option_, kFirstOptionLeft, kOptionTop, kOptionWidth, kRowHeight);
  PlaceTwips(centre_work_option_, kSecondOptionLeft, kOptionTop, kOptionWidth, kRowHeight);
  PlaceTwips(switching_check_, kColumnLeft + kFirstOptionLeft / 2, kSwitchingCheckTop, kColumnWidth,
             kRowHeight);
  PlaceTwips(barrier_check_, kColumnLeft + kFirstOptionLeft / 2, kBarrierCheckTop, kColumnWidth,
             kRowHeight);
  PlaceTwips(buttons_->transfer_button(), kColumnLeft, kButtonTop, kButtonWidth, kButtonHeight);
  PlaceTwips(buttons_->cancel_button(), kColumnLeft + kColumnWidth - kButtonWidth, kButtonTop,
             kButtonWidth, kButtonHeight);
  PlaceTwips(pane_, kPictureLeft, kPaneTop, kPictureWidth, kPaneHeight);
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
}

void ChuckDialog::SetTabOrder() {
  // The fields top to bottom, the two buttons, the four options, Check1, the pane, Check2.
  const QList<QWidget*> order = {fields_[kD1],
                                 fields_[kL1],
                                 fields_[kCx],
                                 fields_[kCz],
                                 fields_[kD2],
                                 fields_[kD3],
                                 fields_[kL2],
                                 fields_[kWr],
                                 buttons_->transfer_button(),
                                 buttons_->cancel_button(),
                                 outside_option_,
                                 inside_option_,
                                 chuck_work_option_,
                                 centre_work_option_,
                                 switching_check_,
                                 pane_,
                                 barrier_check_};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void ChuckDialog::ConnectControls() {
  // The pane follows the fields character by character, so that what is transferred is
  // always what the fields say.
  for (QLineEdit* field : fields_) {
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

void ChuckDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (defaults_applied_) return;
  defaults_applied_ = true;
  outside_option_->setChecked(true);
  chuck_work_option_->setChecked(true);
}

void ChuckDialog::Option1_Click() {
  pictures_[1]->hide();
  pictures_[0]->ShowAt(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
  FocusFirstField();
  UpdatePane();
}

void ChuckDialog::Option2_Click() {
  pictures_[0]->hide();
  pictures_[1]->ShowAt(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
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
