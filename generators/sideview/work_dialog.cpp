#include "generators/sideview/work_dialog.h"

#include <QCheckBox>
#include <QComboBox>
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
#include "generators/sideview/work_drawing.h"
#include "platform/fonts.h"
#include "platform/twips.h"

namespace zel {

namespace {

const QString kCaption = QStringLiteral("素材側面");
const std::array<QString, kShapeKindCount> kShapeEntries = {
    QStringLiteral("1 外径円筒"),   QStringLiteral("2 外径円錐"),  QStringLiteral("3 外径凸円弧"),
    QStringLiteral("4 外径凹円弧"), QStringLiteral("5 内径円筒"),  QStringLiteral("6 内径円錐"),
    QStringLiteral("7 内径凸円弧"), QStringLiteral("8 内径凹円弧")};
// The captions of the five field rows.
const QString kZCaption = QStringLiteral("挿入位置  Z");
const QString kDCaption = QStringLiteral("素材径    D");
const QString kD1Caption = QStringLiteral("開始径   D1");
const QString kD2Caption = QStringLiteral("終点径   D2");
const QString kLCaption = QStringLiteral("素材長さ  L");
const QString kRCaption = QStringLiteral("半径      R");

// The side view's own controls, places in twips, besides those it shares with the front view;
// the options' places are inside their frame.
using enum ControlKind;
// clang-format off
constexpr ControlRow kOwnControls[] = {
    {u"Frame2",     kFrame,   u"入力開始位置",    8040, 1080, 2775,  735},
    {u"Option2(0)", kOption,  u"左端面",           120,  300, 1260,  300, u"Frame2"},
    {u"Option2(1)", kOption,  u"右端面",          1440,  300, 1260,  300, u"Frame2"},
    {u"Label2",     kLabel,   u"",                7920, 3000, 1680,  255},
    {u"Text2",      kEntry,   u"",                9600, 2880, 1335,  375},
    {u"Label3",     kLabel,   u"",                7920, 3480, 1680,  255},
    {u"Text3",      kEntry,   u"",                9600, 3360, 1335,  375},
    {u"Label4",     kLabel,   u"",                7920, 3960, 1680,  255},
    {u"Text4",      kEntry,   u"",                9600, 3840, 1335,  375},
    {u"Label5",     kLabel,   u"",                7920, 4440, 1680,  255},
    {u"Text5",      kEntry,   u"",                9600, 4320, 1335,  375},
    {u"Label6",     kLabel,   u"",                7920, 4920, 1680,  255},
    {u"Text6",      kEntry,   u"",                9600, 4800, 1335,  375},
    {u"Check1",     kCheck,   u"",                9240, 5640,  255,  255},
    {u"Label8",     kLabel,   u"X-Z 断面表示",    9600, 5640, 1575,  255},
};
// clang-format on
constexpr auto kControls = WithMaterialRows(kOwnControls);

}  // namespace

WorkDialog::WorkDialog(const GeneratorContext& ctx, QWidget* parent)
    : MaterialDialog(
          ctx, QStringLiteral("frmWork"), kCaption, kControls,
          [this] { return MakeWorkTransfer(pane_->Block(), section_check_->isChecked()); },
          parent) {
  pane_->setFont(ProgramFont(kGeneratorFontPointSize));
  for (int i = 0; i < 2; ++i) {
    face_options_[i] = controls_.Get<QRadioButton>(QStringLiteral("Option2(%1)").arg(i));
  }
  TabToChosenOption({face_options_[0], face_options_[1]});
  for (const QString& entry : kShapeEntries) shape_list_->addItem(entry);
  for (int i = 0; i < 5; ++i) {
    labels_[i] = controls_.Get<QLabel>(QStringLiteral("Label%1").arg(i + 2));
    fields_[i] = controls_.Get<QLineEdit>(QStringLiteral("Text%1").arg(i + 2));
    labels_[i]->setBuddy(fields_[i]);
    decimal_check_->Watch(fields_[i]);
  }
  section_check_ = controls_.Get<QCheckBox>(u"Check1");
  controls_.Get<QLabel>(u"Label8")->setBuddy(section_check_);
  controls_.SetTabOrder({u"Combo1", u"Text2", u"Text3", u"Text4", u"Text5", u"Text6", u"Command4",
                         u"Command2", u"Picture1", u"Text1", u"Option1(0)", u"Option1(1)",
                         u"Option2(0)", u"Option2(1)", u"Command3", u"Command1", u"Check1"});

  // The list lays out its rows when the user picks an entry (by mouse, keys or wheel); the
  // dialog's own selections call Combo1_Click themselves.
  connect(shape_list_, &QComboBox::activated, this, [this] { Combo1_Click(); });
  enter_->Add(shape_list_, [this]() -> QWidget* {
    if (shape_list_->currentIndex() < 0) return nullptr;
    return fields_[0]->text().isEmpty() ? fields_[0] : fields_[1];
  });
  for (int row = 0; row < 5; ++row) {
    enter_->Add(fields_[row], [this, row] { return NextAfterRow(row); });
  }
  // Like the front view, the dialog keeps its size: a smaller one would hide its buttons.
  setFixedSize(TwipsToPixels(kMaterialClientWidth), TwipsToPixels(kMaterialClientHeight));
  Form_Load();
}

void WorkDialog::Form_Load() {
  preview_->Draw(InitWorkPreview);
  ClearEntry();
  SelectFirstSpindle();
  face_options_[1]->setChecked(true);
  chain_ = WorkChain{};
}

void WorkDialog::Reopen(const WorkReopening& reopening) {
  chain_ = reopening.chain;
  preview_->Draw([&reopening](PreviewCanvas& canvas) {
    for (const ShapeDrawing& drawing : reopening.drawings) DrawShape(canvas, drawing);
  });
  face_options_[reopening.face == StartFace::kLeft ? 0 : 1]->setChecked(true);
  section_check_->setChecked(reopening.section_display);
  ShowWrittenBlock(reopening.second_spindle ? 1 : 0, reopening.block);
}

QWidget* WorkDialog::NextAfterRow(int row) const {
  const int next = row + 1;
  // Rows 3 and 4 (L of a cone, R of an arc) are there only for some kinds.
  if (next < 5 && (next < 3 || !fields_[next]->isHidden())) return fields_[next];
  return write_button_;
}

void WorkDialog::Combo1_Click() {
  const int sn = shape_list_->currentIndex() + 1;
  if (!IsShapeNumber(sn)) return;
  const ShapeProfile profile = ProfileOf(sn);
  const bool cylinder = profile == ShapeProfile::kCylinder;
  const bool arc = IsArcShape(sn);

  labels_[0]->setText(kZCaption);
  fields_[0]->setText(OfferedZ(chain_, sn));
  labels_[1]->setText(cylinder ? kDCaption : kD1Caption);
  fields_[1]->setText(OfferedStartDiameter(chain_, sn));
  labels_[2]->setText(cylinder ? kLCaption : kD2Caption);
  fields_[2]->clear();
  for (int row = 0; row < 3; ++row) {
    labels_[row]->show();
    fields_[row]->show();
  }
  // Row 4 is the length of a cone or arc, row 5 the radius of an arc. A hidden row keeps
  // its text; only the rows of the chosen kind are read.
  const std::array<bool, 2> shown = {!cylinder, arc};
  const std::array<QString, 2> captions = {kLCaption, kRCaption};
  for (int i = 0; i < 2; ++i) {
    QLabel* label = labels_[3 + i];
    QLineEdit* field = fields_[3 + i];
    label->setText(shown[i] ? captions[i] : QString());
    label->setVisible(shown[i]);
    field->setVisible(shown[i]);
    if (shown[i]) field->clear();
  }
}

void WorkDialog::Combo1_GotFocus() {
  // The list offers the kind of the last write (or of the write that failed) again; when that
  // changes the selection, its rows are laid out afresh.
  const int index = chain_.SN - 1;
  if (shape_list_->currentIndex() == index) return;
  shape_list_->setCurrentIndex(index);
  Combo1_Click();
}

void WorkDialog::Option1_Click(int index) {
  const QString frame = MakeWorkFrame(index == 1);
  pane_->SetBlock(frame);
  pane_->SetCaret(WorkFrameCaret(frame));
}

void WorkDialog::Command4_Click() {
  const int sn = shape_list_->currentIndex() + 1;
  if (!IsShapeNumber(sn)) {
    chain_.SN = 0;
    return;
  }
  // The rows the kind shows: three for a cylinder, four for a cone, five for an arc.
  const int row_count = ProfileOf(sn) == ShapeProfile::kCylinder ? 3 : IsArcShape(sn) ? 5 : 4;
  if (!FieldsFitStatement(std::span(fields_).first(row_count))) {
    chain_.SN = sn;
    return;
  }
  std::array<QString, 5> rows;
  for (int i = 0; i < 5; ++i) rows[i] = fields_[i]->text();
  // The statement, the chain and the drawing are all worked out before anything changes: a
  // write that fails leaves the chain (but SN), the preview and the pane as they were.
  const std::optional<PlannedWrite> plan =
      PlanShapeWrite(chain_, sn, Face(), ShapeTextsFromRows(sn, rows));
  if (!plan) {
    // Nothing is written, but the list stays with the kind being entered: going back to it
    // offers that kind with its rows as typed, not the kind written last.
    chain_.SN = sn;
    WarnCalculationError();
    return;
  }
  chain_ = plan->chain;
  preview_->Draw([&plan](PreviewCanvas& canvas) { DrawShape(canvas, plan->drawing); });
  pane_->InsertAtCaret(plan->statement + QStringLiteral("\r\n"));
  ClearEntry();
  FocusShapeList();
}

void WorkDialog::Command3_Click() {
  pane_->clear();
  const int sn = chain_.SN;
  chain_ = WorkChain{};
  chain_.SN = sn;
  ClearEntry();
  preview_->Draw(InitWorkPreview);
  SelectFirstSpindle();
  FocusShapeList();
}

void WorkDialog::ClearEntry() {
  for (int i = 0; i < 5; ++i) {
    labels_[i]->hide();
    fields_[i]->hide();
    fields_[i]->clear();
  }
  shape_list_->setCurrentIndex(-1);
}

StartFace WorkDialog::Face() const {
  return face_options_[0]->isChecked() ? StartFace::kLeft : StartFace::kRight;
}

}  // namespace zel
