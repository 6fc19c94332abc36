#pragma once

#include <QString>
#include <QStringView>

#include <array>

#include "generators/tool/tool_block.h"
#include "generators/tool/tool_catalogue.h"

namespace zel {

// The tool dialog's layout as a plain value: what the kind, the shape-number text and
// "ノーズR出力" make of the field rows, the illustration, the nose position, the enabled state
// of "ノーズR出力" and the nose-position frame. The dialog keeps one ToolLayout, sends every
// user action through the functions below and shows the result; the widgets hold no rule of
// their own.
//
// The functions follow the dialog's event handling step by step, including its one round of
// nesting: emptying a non-empty shape-number box counts as a change of its text and runs the
// shape-number handling again, while emptying an empty box changes nothing.

// One field row (Label3..Label7 with Text3..Text7).
struct FieldRowState {
  bool visible = false;
  QString caption;
  QString text;

  bool operator==(const FieldRowState&) const = default;
};

// Which illustration is visible: at most one of Picture1(i) (kind) and Picture2(i) (shape).
struct ShownPicture {
  enum class Array { kNone, kKind, kShape };
  Array array = Array::kNone;
  int index = 0;

  static constexpr ShownPicture None() { return {}; }
  static constexpr ShownPicture Kind(int index) { return {Array::kKind, index}; }
  static constexpr ShownPicture Shape(int index) { return {Array::kShape, index}; }
  bool operator==(const ShownPicture&) const = default;
};

// A shape-number text whose value lies outside -32768..32767 after rounding. It is not 0 and
// no kind lists it, so it shows nothing, keeps the rows and disables "ノーズR出力".
inline constexpr int kShapeOutOfRange = 32768;

inline constexpr int kStartNosePosition = 3;  // NosePN(2), selected when the dialog opens
inline constexpr int kNoKind = 0;             // Combo1 with no entry selected

struct ToolLayout {
  int kind = kNoKind;  // 1..38, the entry of Combo1
  QString shape_text;  // Text2
  std::array<FieldRowState, kFieldRowCount> rows;
  ShownPicture picture;
  int nose_position = kStartNosePosition;  // 1..9: NosePN(n - 1) is selected
  bool nose_output = false;                // "ノーズR出力" (Check2) checked
  bool nose_output_enabled = true;         // Check2 enabled
  bool nose_frame_visible = false;         // Frame4 ("補正位置")

  bool operator==(const ToolLayout&) const = default;
};

// The shape number of a shape-number text: its leading-number value rounded half to even;
// 0 for a text that is no number; kShapeOutOfRange when the value does not fit 16 bits.
int ShapeNumberOf(QStringView shape_text);

// The catalogue entry of the layout's (kind, shape number) pair, or nullptr.
const ShapeEntry* CurrentShape(const ToolLayout& layout);

// The layout when the dialog has loaded: no kind, empty shape number, rows hidden and empty,
// no illustration, nose position 3, "ノーズR出力" unchecked and enabled, Frame4 hidden.
ToolLayout StartLayout();

// Combo1_Click: the user chose kind `kind` (1..38) from the list, also the one already chosen.
void ChooseKind(ToolLayout& layout, int kind);

// Text2 now holds `text` (typed, pasted or set). Nothing happens when the text is the same.
void ChangeShapeText(ToolLayout& layout, const QString& text);

// Check2_Click: the user checked or unchecked "ノーズR出力". Unchecking hides Frame4; checking
// shows nothing until the next field set is applied.
void SetNoseOutput(ToolLayout& layout, bool checked);

// The user typed into the field row `row` (0-based).
void SetRowText(ToolLayout& layout, int row, const QString& text);

// The user selected the nose-position button for `position` (1..9).
void SelectNosePosition(ToolLayout& layout, int position);

// ClearFieldRows: hides and empties rows 1..5, then empties the shape-number box (which,
// when it held text, runs the shape-number handling).
void ClearFieldRows(ToolLayout& layout);

// PNSET: selects nose position n; a number outside 1..9 changes nothing.
void PNSET(ToolLayout& layout, int n);

// The layout part of "全消去": ClearFieldRows, no illustration, no kind selected. The check
// marks stay as they are.
void ClearAllLayout(ToolLayout& layout);

// What the write button reads from a layout: kind, shape number, nose R output, nose
// position and the row texts, with the tool number and "工具寿命管理" that lie outside it.
ToolBlockInput LayoutInput(const ToolLayout& layout, const QString& tool_number, bool tool_life);

// The layout a user makes who describes the tool of `input` on a freshly opened dialog:
// "ノーズR出力" checked first (while it can be), then the kind chosen, the shape number typed,
// the rows of its field set filled in order and the nose position selected (a position
// outside 1..9 leaves the pair's default). input.rows are the texts of those rows.
ToolLayout ReopenedLayout(const ToolBlockInput& input);

}  // namespace zel
