#include "generators/tool/tool_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generators/common/dialog_style.h"
#include "generators/common/enter_navigator.h"
#include "generators/common/escape_guard.h"
#include "generators/common/generator_controls.h"
#include "generators/common/output_pane.h"
#include "generators/common/transfer_buttons.h"
#include "generators/tool/tool_picture.h"
#include "platform/control_table.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace zel {

namespace {

const QString kCaption = QStringLiteral("工具登録");
// Told when a reopened tool is transferred before anything was written.
const QString kNothingWritten = QStringLiteral(
    "書き込まれたブロックがありません。「プログラム  書き込み」を押してから転送してください。");

// The window: its client area is 9165 wide; its outer height of 7560 less the caption bar
// and borders leaves 7110 for the client area, room for the pane and the lower buttons.
constexpr int kClientWidth = 9165;
constexpr int kClientHeight = 7110;

// The illustrations' display positions (the kind illustrations at the left edge, the shape
// illustrations further in) and the room they have above the pane and left of the rows. A
// missing picture leaves a box that stays clear of the nose-position frame.
constexpr int kKindPictureLeft = 120;
constexpr int kShapePictureLeft = 1000;
constexpr int kPictureTop = 840;
constexpr int kPictureRight = 4860;
constexpr int kPictureBottom = 4920;
constexpr int kMissingPictureBottom = 3480;

// Fonts: the entry fields and the kind list in "ＭＳ ゴシック" 14.25 point; labels, buttons and
// check boxes in it at 12 point; the pane, the frame and the option buttons keep the dialog's.
constexpr qreal kFieldPointSize = 14.25;
constexpr qreal kCaptionPointSize = 12;

using enum ControlKind;
// The controls, places in twips. The nose-position buttons and the two lines are inside
// Frame4; NosePN(i) stands for position i + 1, laid out as 4 8 3 / 5 9 7 / 1 6 2. The table
// order is the tab order: the entries from the tool number down, the buttons, the checks,
// the nose positions, the pane.
// clang-format off
constexpr ControlRow kControls[] = {
    {u"Label1",   kLabel,  u"工具番号",              4920,  240, 1095,  255},
    {u"Text1",    kEntry,  u"",                      6840,  120, 1935,  495},
    {u"Label12",  kLabel,  u"分  類",                4920,  960,  735,  255},
    {u"Combo1",   kCombo,  u"",                      5880,  840, 3135,  405},
    {u"Label2",   kLabel,  u"形状番号",              4920, 1560, 1335,  255},
    {u"Text2",    kEntry,  u"",                      6840, 1440, 1935,  495},
    {u"Label3",   kLabel,  u"",                      4920, 2160, 1935,  255},
    {u"Text3",    kEntry,  u"",                      6840, 2040, 1935,  495},
    {u"Label4",   kLabel,  u"",                      4920, 2760, 1935,  255},
    {u"Text4",    kEntry,  u"",                      6840, 2640, 1935,  495},
    {u"Label5",   kLabel,  u"",                      4920, 3360, 1935,  255},
    {u"Text5",    kEntry,  u"",                      6840, 3240, 1935,  495},
    {u"Label6",   kLabel,  u"",                      4920, 3960, 1815,  255},
    {u"Text6",    kEntry,  u"",                      6840, 3840, 1935,  495},
    {u"Label7",   kLabel,  u"",                      4920, 4560, 1815,  255},
    {u"Text7",    kEntry,  u"",                      6840, 4440, 1935,  495},
    {u"Command1", kButton, u"プログラム  書き込み",  7200, 5400, 1575,  615},
    {u"Command4", kButton, u"全消去",                5400, 5400, 1455,  615},
    {u"Command2", kButton, u"転送/終了",             7200, 6360, 1575,  615},
    {u"Command3", kButton, u"キャンセル",            5400, 6360, 1455,  615},
    {u"Check2",   kCheck,  u"ノーズR出力",            600,  120, 1935,  495},
    {u"Check1",   kCheck,  u"工具寿命管理",          2760,  120, 1935,  495},
    {u"Frame4",   kFrame,  u"補正位置",              1300, 3600, 1935, 1215},
    {u"Line1",     kLine,   u"",                      480,  675, 1080,    0, u"Frame4"},
    {u"Line2",     kLine,   u"",                      940,  420,    0,  540, u"Frame4"},
    {u"NosePN(3)", kOption, u"4",                     120,  240,  375,  180, u"Frame4"},
    {u"NosePN(7)", kOption, u"8",                     840,  240,  375,  180, u"Frame4"},
    {u"NosePN(2)", kOption, u"3",                    1440,  240,  375,  180, u"Frame4"},
    {u"NosePN(4)", kOption, u"5",                     120,  600,  375,  180, u"Frame4"},
    {u"NosePN(8)", kOption, u"9",                     840,  600,  375,  180, u"Frame4"},
    {u"NosePN(6)", kOption, u"7",                    1440,  600,  375,  180, u"Frame4"},
    {u"NosePN(0)", kOption, u"1",                     120,  960,  375,  180, u"Frame4"},
    {u"NosePN(5)", kOption, u"6",                     840,  960,  375,  180, u"Frame4"},
    {u"NosePN(1)", kOption, u"2",                    1440,  960,  375,  180, u"Frame4"},
    {u"Text8",    kPane,   u"",                       120, 5000, 5000, 2000},
};
// clang-format on

QString KindPictureName(int i) { return QStringLiteral("Picture1(%1)").arg(i); }
QString ShapePictureName(int i) { return QStringLiteral("Picture2(%1)").arg(i); }
QString KindPictureResource(int i) { return QStringLiteral(":/tool_kind_%1.svg").arg(i); }
// Kinds that share a picture may feed in opposite directions ("13 ネジ外径 ←", "16 ネジ外径 →");
// the picture carries the first kind's arrow, and a kind that feeds the other way has its own
// copy of the picture with its own arrow.
QString KindPictureResource(int i, int kind) {
  const QString own = QStringLiteral(":/tool_kind_%1_%2.svg").arg(i).arg(kind);
  return QFile::exists(PictureFile(own)) ? own : KindPictureResource(i);
}
QString ShapePictureResource(int i) { return QStringLiteral(":/tool_shape_%1.svg").arg(i); }

// The control's option buttons draw a smaller circle than this toolkit's, so the grid's 375 by
// 180 twips would cut the digits off. A button that needs more room grows to the right, away
// from its circle, and evenly up and down, so that its circle stays where the two lines cross
// the grid.
void GrowToFit(QWidget* button) {
  const QSize needed = button->sizeHint();
  QRect place = button->geometry();
  if (needed.width() > place.width()) place.setWidth(needed.width());
  if (needed.height() > place.height()) {
    const int centre = place.center().y();
    place.setHeight(needed.height());
    place.moveTop(centre - needed.height() / 2);
  }
  button->setGeometry(place);
}

// Sets a text only when it differs, so that a field being typed in keeps its caret.
void SetText(QLineEdit* field, const QString& text) {
  if (field->text() != text) field->setText(text);
}

}  // namespace

ToolDialog::ToolDialog(const GeneratorContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("frmTool"));
  setWindowTitle(kCaption);
  ApplyGeneratorFont(this);
  BuildControls();
  ConnectControls();
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  // Form_Load: no illustration, rows hidden and empty, Frame4 hidden, position 3.
  ShowLayout();
  tool_number_->setFocus(Qt::OtherFocusReason);
}

void ToolDialog::BuildControls() {
  // The illustrations lie under every other control, so they are made first.
  const QSize kind_room(kPictureRight - kKindPictureLeft, kPictureBottom - kPictureTop);
  const QSize shape_room(kPictureRight - kShapePictureLeft, kPictureBottom - kPictureTop);
  const QSize kind_missing(kind_room.width(), kMissingPictureBottom - kPictureTop);
  const QSize shape_missing(shape_room.width(), kMissingPictureBottom - kPictureTop);
  for (int i = 0; i < kKindPictureCount; ++i) {
    kind_pictures_[i] =
        new ToolPicture(KindPictureName(i), KindPictureResource(i), kind_missing, kind_room, this);
  }
  for (int i = 0; i < kShapePictureCount; ++i) {
    shape_pictures_[i] = new ToolPicture(ShapePictureName(i), ShapePictureResource(i),
                                         shape_missing, shape_room, this);
  }

  const ControlSet controls(this, kControls, MakeGeneratorControl);
  for (const ControlRow& row : kControls) {
    QWidget* control = controls.Get(row.name);
    switch (row.kind) {
      case kEntry:
      case kCombo:
        control->setFont(ProgramFont(kFieldPointSize));
        break;
      case kLabel:
      case kButton:
      case kCheck:
        control->setFont(ProgramFont(kCaptionPointSize));
        break;
      default:
        break;
    }
  }

  tool_number_ = controls.Get<QLineEdit>(u"Text1");
  kind_list_ = controls.Get<QComboBox>(u"Combo1");
  for (QStringView text : kToolKindTexts) kind_list_->addItem(text.toString());
  kind_list_->setCurrentIndex(-1);
  // The whole list at once, as the control's drop-down shows its 38 kinds.
  kind_list_->setMaxVisibleItems(kToolKindCount);
  shape_number_ = controls.Get<QLineEdit>(u"Text2");
  for (int i = 0; i < kFieldRowCount; ++i) {
    row_labels_[i] = controls.Get<QLabel>(QStringLiteral("Label%1").arg(i + 3));
    row_fields_[i] = controls.Get<QLineEdit>(QStringLiteral("Text%1").arg(i + 3));
    row_labels_[i]->setBuddy(row_fields_[i]);
  }
  nose_output_ = controls.Get<QCheckBox>(u"Check2");
  tool_life_ = controls.Get<QCheckBox>(u"Check1");
  nose_frame_ = controls.Get<QGroupBox>(u"Frame4");
  auto* nose_group = new QButtonGroup(this);
  for (int i = 0; i < kNosePositionCount; ++i) {
    nose_buttons_[i] = controls.Get<QRadioButton>(QStringLiteral("NosePN(%1)").arg(i));
    // Opaque like the buttons of the control's panel, so that the two lines show only
    // between them.
    nose_buttons_[i]->setAutoFillBackground(true);
    GrowToFit(nose_buttons_[i]);
    nose_group->addButton(nose_buttons_[i], i);
  }
  TabToChosenOption(QList<QAbstractButton*>(nose_buttons_.begin(), nose_buttons_.end()));
  write_button_ = controls.Get<QPushButton>(u"Command1");
  clear_button_ = controls.Get<QPushButton>(u"Command4");
  pane_ = controls.Get<OutputPane>(u"Text8");
  buttons_ = new TransferButtons(this, ctx_.sink, pane_, controls.Get<QPushButton>(u"Command2"),
                                 controls.Get<QPushButton>(u"Command3"));
  new EscapeGuard(this, pane_);
  enter_ = new EnterNavigator(this);
}

void ToolDialog::ConnectControls() {
  connect(kind_list_, &QComboBox::activated, this, &ToolDialog::Combo1_Click);
  connect(shape_number_, &QLineEdit::textChanged, this, &ToolDialog::Text2_Change);
  for (int i = 0; i < kFieldRowCount; ++i) {
    connect(row_fields_[i], &QLineEdit::textChanged, this,
            [this, i](const QString& text) { SetRowText(layout_, i, text); });
  }
  connect(nose_output_, &QCheckBox::clicked, this, &ToolDialog::Check2_Click);
  for (int i = 0; i < kNosePositionCount; ++i) {
    connect(nose_buttons_[i], &QRadioButton::clicked, this,
            [this, i] { SelectNosePosition(layout_, i + 1); });
  }
  connect(write_button_, &QPushButton::clicked, this, &ToolDialog::Command1_Click);
  connect(clear_button_, &QPushButton::clicked, this, &ToolDialog::Command4_Click);

  // Enter: tool number → kind list → shape number → the visible rows → the write button.
  enter_->Add(tool_number_, [this] { return kind_list_; });
  enter_->Add(kind_list_, [this] { return shape_number_; });
  enter_->Add(shape_number_, [this] { return RowOrWriteButton(0); });
  for (int i = 0; i < kFieldRowCount; ++i) {
    enter_->Add(row_fields_[i], [this, i] { return RowOrWriteButton(i + 1); });
  }
}

void ToolDialog::Reopen(const ToolBlockInput& input) {
  tool_number_->setText(input.tool_number);
  tool_life_->setChecked(input.tool_life);
  layout_ = ReopenedLayout(input);
  ShowLayout();
  buttons_->SetGuard([this] {
    if (!pane_->Block().isEmpty()) return true;
    ctx_.prompts.Message(this, kNothingWritten, kAppTitle, PromptIcon::kWarning);
    return false;
  });
}

QWidget* ToolDialog::RowOrWriteButton(int row) const {
  if (row < kFieldRowCount && layout_.rows[row].visible) return row_fields_[row];
  return write_button_;
}

QString ToolDialog::PN() const {
  const ShapeEntry* shape = CurrentShape(layout_);
  const int row = shape ? NoseRadiusRow(shape->field_set) : 0;
  return zel::PN(layout_.nose_position, row > 0 ? layout_.rows[row - 1].text : QString());
}

void ToolDialog::Combo1_Click(int index) {
  ChooseKind(layout_, index + 1);
  ShowLayout();
}

void ToolDialog::Text2_Change(const QString& text) {
  ChangeShapeText(layout_, text);
  ShowLayout();
}

void ToolDialog::Check2_Click(bool checked) {
  SetNoseOutput(layout_, checked);
  ShowLayout();
}

void ToolDialog::Command1_Click() {
  const ToolBlockInput input = CollectInput();
  if (const std::optional<QString> block = ToolBlockFor(input)) pane_->InsertAtCaret(*block);
  tool_number_->setFocus(Qt::OtherFocusReason);
  // A tool number that is no number as a whole has no next one: it stays, selected, for the
  // user to correct.
  if (const std::optional<QString> next = NextToolNumber(input.tool_number)) {
    tool_number_->setText(*next);
  }
  tool_number_->selectAll();
}

void ToolDialog::Command4_Click() {
  ClearAllLayout(layout_);
  ShowLayout();
  tool_number_->clear();
  pane_->clear();
  tool_number_->setFocus(Qt::OtherFocusReason);
}

ToolBlockInput ToolDialog::CollectInput() const {
  return LayoutInput(layout_, tool_number_->text(), tool_life_->isChecked());
}

void ToolDialog::ShowLayout() {
  // The widgets follow the layout without raising their own change handling again.
  const QSignalBlocker block_list(kind_list_);
  const QSignalBlocker block_shape(shape_number_);
  kind_list_->setCurrentIndex(layout_.kind - 1);
  SetText(shape_number_, layout_.shape_text);

  for (int i = 0; i < kFieldRowCount; ++i) {
    const FieldRowState& row = layout_.rows[i];
    const QSignalBlocker block_row(row_fields_[i]);
    row_labels_[i]->setText(row.caption);
    SetText(row_fields_[i], row.text);
    row_labels_[i]->setVisible(row.visible);
    row_fields_[i]->setVisible(row.visible);
  }

  const ShownPicture& shown = layout_.picture;
  for (int i = 0; i < kKindPictureCount; ++i) {
    if (shown.array == ShownPicture::Array::kKind && shown.index == i) {
      kind_pictures_[i]->Load(KindPictureResource(i, layout_.kind));
      kind_pictures_[i]->ShowAt(kKindPictureLeft, kPictureTop);
    } else {
      kind_pictures_[i]->hide();
    }
  }
  for (int i = 0; i < kShapePictureCount; ++i) {
    if (shown.array == ShownPicture::Array::kShape && shown.index == i) {
      shape_pictures_[i]->ShowAt(kShapePictureLeft, kPictureTop);
    } else {
      shape_pictures_[i]->hide();
    }
  }

  nose_buttons_[layout_.nose_position - 1]->setChecked(true);
  nose_output_->setChecked(layout_.nose_output);
  nose_output_->setEnabled(layout_.nose_output_enabled);
  nose_frame_->setVisible(layout_.nose_frame_visible);
}

}  // namespace zel
