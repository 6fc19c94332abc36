#include "generators/frontview/front_view_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/field_checks.h"
#include "generators/common/generator_controls.h"
#include "generators/common/output_pane.h"
#include "generators/common/preview_box.h"
#include "generators/common/transfer_buttons.h"
#include "generators/frontview/front_view_discs.h"
#include "platform/control_table.h"
#include "platform/twips.h"

namespace zel {

namespace {

const QString kCaption = QStringLiteral("素材正面");
const QStringList kShapeEntries = {QStringLiteral("1 外径円"), QStringLiteral("2 内径円")};

// The dialog is laid out like its twin, the side view: the preview in the upper left with the
// output pane under it, and on the right, at the side view's places, the spindle frame, the
// shape list, the one value row, the reminder and the four buttons. The side view's start-face
// frame, its further value rows and its section check box have no counterpart here; their
// places stay empty.
constexpr int kClientWidth = 11670;
constexpr int kClientHeight = 7830;

using enum ControlKind;
// clang-format off
constexpr ControlRow kControls[] = {
    {u"Picture1",   kPicture, u"",                     120,  120, 7215, 4695},
    {u"Text1",      kPane,    u"",                     120, 4920, 7215, 2655},
    {u"Frame1",     kFrame,   u"主軸選択",            8040,  120, 2775,  735},
    {u"Option1(0)", kOption,  u"第一主軸",             120,  300, 1260,  300, u"Frame1"},
    {u"Option1(1)", kOption,  u"第二主軸",            1440,  300, 1260,  300, u"Frame1"},
    {u"Label1",     kLabel,   u"素材形状選択",        8040, 2040, 2655,  240},
    {u"Combo1",     kCombo,   u"",                    8040, 2280, 2655,  330},
    {u"Label2",     kLabel,   u"直径   D",            7920, 3000, 1680,  255},
    {u"Text2",      kEntry,   u"",                    9600, 2880, 1335,  375},
    {u"Label7",     kLabel,   u"注意：小数点以下は入力出来ません。", 7920, 5280, 3720, 255},
    {u"Command3",   kButton,  u"全消去",              7800, 6120, 1455,  615},
    {u"Command4",   kButton,  u"プログラム  書き込み", 9600, 6120, 1575,  615},
    {u"Command1",   kButton,  u"キャンセル",          7800, 6960, 1455,  615},
    {u"Command2",   kButton,  u"転送/終了",           9600, 6960, 1575,  615},
};
// clang-format on

// The preview box is the material dialogs' own; every other control is a generator dialog's
// usual one.
QWidget* MakeFrontViewControl(const ControlRow& row, QWidget* parent) {
  if (row.kind == kPicture) return new PreviewBox(row.name.toString(), parent);
  return MakeGeneratorControl(row, parent);
}

}  // namespace

FrontViewDialog::FrontViewDialog(const GeneratorContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("frmWorkFace"));
  setWindowTitle(kCaption);
  ApplyGeneratorFont(this);
  BuildControls();
  ConnectControls();
  Form_Load();
}

void FrontViewDialog::BuildControls() {
  const ControlSet controls(this, kControls, MakeFrontViewControl);
  preview_ = controls.Get<PreviewBox>(u"Picture1");
  pane_ = controls.Get<OutputPane>(u"Text1");
  spindle_options_[0] = controls.Get<QRadioButton>(u"Option1(0)");
  spindle_options_[1] = controls.Get<QRadioButton>(u"Option1(1)");
  shape_list_ = controls.Get<QComboBox>(u"Combo1");
  shape_list_->addItems(kShapeEntries);
  diameter_field_ = controls.Get<QLineEdit>(u"Text2");
  controls.Get<QLabel>(u"Label2")->setBuddy(diameter_field_);
  write_button_ = controls.Get<QPushButton>(u"Command4");
  clear_button_ = controls.Get<QPushButton>(u"Command3");
  buttons_ = new TransferButtons(this, ctx_.sink, pane_, controls.Get<QPushButton>(u"Command2"),
                                 controls.Get<QPushButton>(u"Command1"));
  enter_ = new EnterNavigator(this);
  decimal_check_ = new DecimalPointCheck(this, ctx_.prompts);
  controls.SetTabOrder({u"Combo1", u"Text2", u"Command4", u"Command2", u"Picture1", u"Text1",
                        u"Option1(0)", u"Option1(1)", u"Command3", u"Command1"});
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
}

void FrontViewDialog::ConnectControls() {
  shape_list_->installEventFilter(this);
  // Enter in the list (with a shape chosen) goes on to the diameter, and from there to the
  // write button.
  enter_->Add(shape_list_, [this]() -> QWidget* {
    return shape_list_->currentIndex() >= 0 ? diameter_field_ : nullptr;
  });
  enter_->Add(diameter_field_, [this] { return write_button_; });
  decimal_check_->Watch(diameter_field_);
  decimal_check_->Exempt(buttons_->cancel_button());

  for (int index = 0; index < 2; ++index) {
    connect(spindle_options_[index], &QRadioButton::toggled, this, [this, index](bool on) {
      if (on) Option1_Click(index);
    });
  }
  connect(write_button_, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(clear_button_, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void FrontViewDialog::Form_Load() {
  InitPreview();
  ClearEntry();
  spindle_options_[0]->setChecked(true);
}

void FrontViewDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (opened_) return;
  opened_ = true;
  FocusShapeList();
}

bool FrontViewDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == shape_list_ && event->type() == QEvent::FocusIn &&
      IsDeliberateFocusChange(static_cast<QFocusEvent*>(event)->reason())) {
    Combo1_GotFocus();
  }
  return QDialog::eventFilter(watched, event);
}

void FrontViewDialog::Combo1_GotFocus() {
  // Whatever was chosen before, the list offers the outer circle: an inner circle has to be
  // chosen anew for every write.
  shape_list_->setCurrentIndex(0);
}

void FrontViewDialog::Option1_Click(int index) {
  // A new frame for the chosen spindle; what the pane held is gone, the preview stays.
  const QString frame = FrontViewFrame(index == 0 ? FrontSpindle::kFirst : FrontSpindle::kSecond);
  pane_->SetBlock(frame);
  pane_->SetCaret(frame.size() - kFrontFrameEndLength);
}

void FrontViewDialog::Command4_Click() {
  const int entry = shape_list_->currentIndex();
  last_write_ = ReadFrontDiameter(diameter_field_->text());
  if (entry < 0) return;
  const FrontShape shape = entry == 0 ? FrontShape::kOuterCircle : FrontShape::kInnerCircle;
  pane_->InsertAtCaret(FrontShapeLines(shape, last_write_));
  const double radius = last_write_.radius;
  preview_->Draw([shape, radius](PreviewCanvas& canvas) {
    if (shape == FrontShape::kOuterCircle) {
      FillOuterDisc(canvas, radius);
    } else {
      FillInnerDisc(canvas, radius);
    }
  });
  ClearEntry();
  FocusShapeList();
}

void FrontViewDialog::Command3_Click() {
  pane_->SetBlock(QString());
  ClearEntry();
  InitPreview();
  // The first spindle's frame, also when the first spindle was chosen already.
  if (spindle_options_[0]->isChecked()) {
    Option1_Click(0);
  } else {
    spindle_options_[0]->setChecked(true);
  }
  FocusShapeList();
}

void FrontViewDialog::ClearEntry() {
  diameter_field_->clear();
  shape_list_->setCurrentIndex(-1);
}

void FrontViewDialog::InitPreview() { preview_->Draw(InitFrontPreview); }

void FrontViewDialog::FocusShapeList() {
  // The list's focus handler runs also when the list has the focus already, or when the
  // dialog is not the active window and the focus only arrives later.
  Combo1_GotFocus();
  shape_list_->setFocus(Qt::OtherFocusReason);
}

}  // namespace zel
