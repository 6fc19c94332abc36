#include "generators/frontview/front_view_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generators/common/enter_navigator.h"
#include "generators/common/field_checks.h"
#include "generators/common/output_pane.h"
#include "generators/common/preview_box.h"
#include "generators/frontview/front_view_discs.h"
#include "platform/twips.h"

namespace zel {

namespace {

const QString kCaption = QStringLiteral("素材正面");
const QStringList kShapeEntries = {QStringLiteral("1 外径円"), QStringLiteral("2 内径円")};

// The dialog is laid out like its twin, the side view: besides the places both share, only
// the one value row. The side view's start-face frame, its further value rows and its section
// check box have no counterpart here; their places stay empty.
using enum ControlKind;
// clang-format off
constexpr ControlRow kOwnControls[] = {
    {u"Label2",     kLabel,   u"直径   D",            7920, 3000, 1680,  255},
    {u"Text2",      kEntry,   u"",                    9600, 2880, 1335,  375},
};
// clang-format on
constexpr auto kControls = WithMaterialRows(kOwnControls);

}  // namespace

FrontViewDialog::FrontViewDialog(const GeneratorContext& ctx, QWidget* parent)
    : MaterialDialog(ctx, QStringLiteral("frmWorkFace"), kCaption, kControls, {}, parent) {
  shape_list_->addItems(kShapeEntries);
  diameter_field_ = controls_.Get<QLineEdit>(u"Text2");
  controls_.Get<QLabel>(u"Label2")->setBuddy(diameter_field_);
  controls_.SetTabOrder({u"Combo1", u"Text2", u"Command4", u"Command2", u"Picture1", u"Text1",
                         u"Option1(0)", u"Option1(1)", u"Command3", u"Command1"});
  setFixedSize(TwipsToPixels(kMaterialClientWidth), TwipsToPixels(kMaterialClientHeight));

  // Enter in the list (with a shape chosen) goes on to the diameter, and from there to the
  // write button.
  enter_->Add(shape_list_, [this]() -> QWidget* {
    return shape_list_->currentIndex() >= 0 ? diameter_field_ : nullptr;
  });
  enter_->Add(diameter_field_, [this] { return write_button_; });
  decimal_check_->Watch(diameter_field_);
  Form_Load();
}

void FrontViewDialog::Form_Load() {
  InitPreview();
  ClearEntry();
  spindle_options_[0]->setChecked(true);
}

void FrontViewDialog::Reopen(const FrontReopening& reopening) {
  preview_->Draw([&reopening](PreviewCanvas& canvas) {
    for (const FrontWrite& write : reopening.writes) {
      if (write.shape == FrontShape::kOuterCircle)
        FillOuterDisc(canvas, write.radius);
      else
        FillInnerDisc(canvas, write.radius);
    }
  });
  ShowWrittenBlock(reopening.spindle == FrontSpindle::kSecond ? 1 : 0, reopening.block);
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
  const std::optional<FrontDiameter> diameter = ReadFrontDiameter(diameter_field_->text());
  if (diameter) last_write_ = *diameter;
  if (entry < 0 || !FieldsFitStatement(std::span(&diameter_field_, 1))) return;
  if (!diameter) {
    // No circle: nothing is written or drawn, the field keeps its text for correction.
    WarnCalculationError();
    return;
  }
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
  SelectFirstSpindle();
  FocusShapeList();
}

void FrontViewDialog::ClearEntry() {
  diameter_field_->clear();
  shape_list_->setCurrentIndex(-1);
}

void FrontViewDialog::InitPreview() { preview_->Draw(InitFrontPreview); }

}  // namespace zel
