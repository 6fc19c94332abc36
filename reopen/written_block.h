#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "generators/chuck/chuck_block.h"
#include "generators/frontview/front_view_block.h"
#include "generators/sideview/work_shape.h"
#include "generators/tool/tool_block.h"

namespace zel {

// Finds the block a generator dialog wrote at a line of the program and reads it back into
// what that dialog opens with, so that the block can be edited in its dialog again:
//
//   - tool data: the run of adjacent NOEX lines whose assignments all belong to one tool
//     number (VTL…[T], VGR…[T], VNSRX/VNSRZ/VNRPN[T]);
//   - chuck and tailstock: the run of adjacent NOEX lines of the chuck and tailstock
//     variables, with the barrier lines (N000 M25, N000 M21) among them;
//   - material side view: DEF WORK or DEF WORK[S] … END, with the section line
//     "NOEX VSCTA=2 (X-Y SECTION)" when it follows the END directly;
//   - material front view: DEF WORKF or DEF WORKF[S] … END.
//
// The block's lines are read by the preview's reader (and a side-view block's shapes worked
// out by its planner): a block with a line the reader cannot read is not opened, and the
// first such line is reported as the preview reports it.
//
// What a dialog writes back from the values it was opened with is worked out in advance by
// the dialog's own builders. When that is not the block as it stands, byte for byte (items in
// another order, a number written another way, LF line ends), the caller says so before the
// dialog opens.

// The program's lines as the editor numbers them (CR, LF and CR LF each end a line): how many
// there are, and line i with its own line end (the last line may have none).
struct ProgramLines {
  int count = 0;
  std::function<QString(int)> line;
};

enum class WrittenKind { kTool, kChuck, kWork, kWorkFace };

// A block found, with what its dialog opens with.
struct WrittenBlock {
  WrittenKind kind = WrittenKind::kTool;
  int first_line = 0;  // the block's first and last line, 0-based as the editor numbers them
  int last_line = 0;
  QString text;       // those lines as they stand, line ends included
  QString rewritten;  // what "転送/終了" hands back when nothing is changed in the dialog
  // The dialog's values, for the block's kind. For a tool, the texts of the rows its field
  // set shows (with the NR row when the nose line is written), in row order.
  ToolBlockInput tool;
  ChuckBlockInput chuck;
  WorkReopening work;
  FrontReopening front;

  bool Exact() const { return rewritten == text; }
};

// Why the block at a line is not opened: the first line of it that cannot be read, with the
// reason the preview gives for it.
struct BlockProblem {
  int line = 0;  // 0-based
  QString text;  // the line without its line end
  QString reason;
};

// What is at a line: a block, a block with a problem, or neither (no block a dialog writes).
struct FoundBlock {
  std::optional<WrittenBlock> block;
  std::optional<BlockProblem> problem;
};

FoundBlock FindWrittenBlock(const ProgramLines& lines, int line);

// A text's lines as the editor numbers them, each with its own line end.
QStringList LinesWithEnds(const QString& text);

// The first line where a block's rewritten form differs from the block as it stands, for the
// notice before the dialog opens.
struct RewrittenLine {
  int line = 0;    // 0-based program line
  QString before;  // the line as it stands, without its line end ("" past the block's end)
  QString after;   // the line as it will be written
  bool line_end_only = false;  // the two differ in their line ends alone
};
RewrittenLine FirstRewrittenLine(const WrittenBlock& block);

}  // namespace zel
