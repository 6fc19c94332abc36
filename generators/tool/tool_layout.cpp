#include "generators/tool/tool_layout.h"

#include "generators/common/number_forms.h"

namespace zel {

namespace {

void HideAllPictures(ToolLayout& layout) { layout.picture = ShownPicture::None(); }

void ShowKindPicture(ToolLayout& layout, int index) { layout.picture = ShownPicture::Kind(index); }

void ShowShapePicture(ToolLayout& layout, int index) {
  layout.picture = ShownPicture::Shape(index);
}

// Frame4 takes its place and shows exactly while "ノーズR出力" is checked.
void PlaceNoseFrame(ToolLayout& layout) { layout.nose_frame_visible = layout.nose_output; }

void ShowRow(ToolLayout& layout, int row, Dimension dimension) {
  layout.rows[row].caption = DimensionCaption(dimension).toString();
  layout.rows[row].visible = true;
}

// Shows the rows of the set from row 1 down, keeping their texts. Rows below the set stay as
// they are: only ClearFieldRows hides and empties rows.
void ApplyFieldSet(ToolLayout& layout, FieldSet set) {
  const FieldSetRows& field_set = FieldSetOf(set);
  int row = 0;
  for (Dimension dimension : field_set.rows) ShowRow(layout, row++, dimension);
  if (field_set.nose_row == NoseRow::kOptional && layout.nose_output) {
    ShowRow(layout, row, Dimension::kNR);
  }
  PlaceNoseFrame(layout);
}

void ShapeTextChanged(ToolLayout& layout);

// Puts a text into the shape-number box; a real change raises the change handling.
void SetShapeText(ToolLayout& layout, const QString& text) {
  if (layout.shape_text == text) return;
  layout.shape_text = text;
  ShapeTextChanged(layout);
}

void ClearRows(ToolLayout& layout) {
  for (FieldRowState& row : layout.rows) {
    row.visible = false;
    row.text.clear();
  }
  SetShapeText(layout, QString());
}

// The steps of choosing a kind, for the kind selected now.
void KindChosen(ToolLayout& layout) {
  HideAllPictures(layout);
  ClearRows(layout);
  if (const KindEntry* kind = FindKind(layout.kind)) ShowKindPicture(layout, kind->kind_picture);
}

// Text2_Change.
void ShapeTextChanged(ToolLayout& layout) {
  HideAllPictures(layout);
  const int shape = ShapeNumberOf(layout.shape_text);
  if (shape == 0) {
    KindChosen(layout);
    layout.nose_output_enabled = true;
    layout.nose_frame_visible = false;
  } else {
    layout.nose_output_enabled = false;
  }
  const KindEntry* kind = FindKind(layout.kind);
  PNSET(layout, 9);
  PNSET(layout, kind ? kind->nose_position : 0);
  const ShapeEntry* entry = FindShape(layout.kind, shape);
  if (!entry) return;
  PNSET(layout, entry->nose_position);
  ShowShapePicture(layout, entry->shape_picture);
  // A set without rows leaves the nose frame as it was.
  if (entry->field_set != FieldSet::kNone) ApplyFieldSet(layout, entry->field_set);
}

}  // namespace

int ShapeNumberOf(QStringView shape_text) {
  const std::optional<double> value = LeadingNumberValue(shape_text);
  if (!value) return kShapeOutOfRange;
  const std::optional<qint16> shape = RoundHalfEven<qint16>(*value);
  return shape ? *shape : kShapeOutOfRange;
}

const ShapeEntry* CurrentShape(const ToolLayout& layout) {
  return FindShape(layout.kind, ShapeNumberOf(layout.shape_text));
}

ToolLayout StartLayout() { return ToolLayout{}; }

void ChooseKind(ToolLayout& layout, int kind) {
  layout.kind = kind;
  KindChosen(layout);
}

void ChangeShapeText(ToolLayout& layout, const QString& text) { SetShapeText(layout, text); }

void SetNoseOutput(ToolLayout& layout, bool checked) {
  layout.nose_output = checked;
  if (!checked) layout.nose_frame_visible = false;
}

void SetRowText(ToolLayout& layout, int row, const QString& text) {
  if (row >= 0 && row < kFieldRowCount) layout.rows[row].text = text;
}

void SelectNosePosition(ToolLayout& layout, int position) { PNSET(layout, position); }

void ClearFieldRows(ToolLayout& layout) { ClearRows(layout); }

void PNSET(ToolLayout& layout, int n) {
  if (n >= 1 && n <= kNosePositionCount) layout.nose_position = n;
}

void ClearAllLayout(ToolLayout& layout) {
  ClearRows(layout);
  HideAllPictures(layout);
  layout.kind = kNoKind;
}

ToolBlockInput LayoutInput(const ToolLayout& layout, const QString& tool_number, bool tool_life) {
  ToolBlockInput input;
  input.tool_number = tool_number;
  input.kind = layout.kind;
  input.shape = ShapeNumberOf(layout.shape_text);
  input.tool_life = tool_life;
  input.nose_output = layout.nose_output;
  input.nose_position = layout.nose_position;
  for (int i = 0; i < kFieldRowCount; ++i) input.rows[i] = layout.rows[i].text;
  return input;
}

ToolLayout ReopenedLayout(const ToolBlockInput& input) {
  ToolLayout layout = StartLayout();
  SetNoseOutput(layout, input.nose_output);
  ChooseKind(layout, input.kind);
  ChangeShapeText(layout, StrF(input.shape));
  for (int row = 0; row < kFieldRowCount; ++row) {
    if (layout.rows[row].visible) SetRowText(layout, row, input.rows[row]);
  }
  SelectNosePosition(layout, input.nose_position);
  return layout;
}

}  // namespace zel
