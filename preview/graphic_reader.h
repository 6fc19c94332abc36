#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

#include "generators/tool/tool_catalogue.h"

namespace zel {

// Reads the program's user graphic subprogram back: the frame that "O番号挿入" writes, the
// chuck and tailstock variables, the tool data, the side-view (DEF WORK) and front-view
// (DEF WORKF) blocks, in exactly the statement forms the four dialogs write, and hand-written
// lines that keep those forms. Values are read as the dialogs read their fields: the
// leading-number value of each field text. Every line that cannot be read is reported with
// its reason, and reading goes on with the next line.

// Why a line could not be read.
enum class ReadProblem {
  kUnknownStatement,     // nothing of the graphic subprogram begins like this
  kBadNoex,              // NOEX without assignments, or text before the first one
  kUnknownVariable,      // a NOEX variable the blocks do not use
  kMissingToolNumber,    // a tool-data variable without [tool number]
  kUnexpectedIndex,      // a chuck, tailstock or section variable with an index
  kValueTooLarge,        // a value too large for a number
  kUnknownToolKind,      // IN outside 1..38
  kUnknownToolShape,     // the (kind, shape number) pair is not in the catalogue
  kDimensionNotInShape,  // a dimension the tool's shape has no row for
  kToolWithoutKind,      // tool data without its IN assignment
  kBadPs,                // a PS line that is not in the cylinder form
  kBadPt,                // a PT line that is not in the cone or arc form
  kConeRadius,           // a cone (PT LF) with a radius other than 0
  kBadPf,                // a PF line that is not in the circle form
  kBadPo,                // a PO line that is not in the form the inner circle writes
  kBadCi,                // a CI line that is not in the form the inner circle writes
  kBoreWithoutCircle,    // PO or CI not following the inner circle's PF (and PO)
  kBoreRadiusMismatch,   // PO or CI radius other than the inner circle's diameter halved
  kContourOutsideBlock,  // PS or PT outside DEF WORK … END
  kCircleOutsideBlock,   // PF, PO or CI outside DEF WORKF … END
  kContourInFrontBlock,  // PS or PT inside DEF WORKF
  kCircleInSideBlock,    // PF, PO or CI inside DEF WORK
  kNestedBlock,          // DEF inside an open block
  kEndWithoutBlock,      // N000 END with no block open
  kBlockNotClosed,       // a DEF whose block has no N000 END before the return
  kNoReturn,             // OZEL without its return line NRTS RTS
  kShapeNotComputable,   // a PS or PT shape the side view answers with "計算エラー"
  kBlockReplaced,        // a DEF block followed by another of the same kind and spindle
};

// The message the preview shows for a problem.
QString ReadProblemText(ReadProblem problem);

// A line that could not be read.
struct UnreadLine {
  int line = 0;  // 0-based line number in the whole program text, as the editor box counts
  QString text;  // the line without its line end, cut to kMaxShownLineLength characters
  ReadProblem problem = ReadProblem::kUnknownStatement;
};

// How much of a line the preview keeps to show: a line of megabytes would be laid out
// again on every paint of the list that shows it.
inline constexpr qsizetype kMaxShownLineLength = 300;
// The line as shown: cut to kMaxShownLineLength characters, "…" marking a cut.
QString ShownLineText(QStringView line);

// How many problems are listed; the others are only counted.
inline constexpr qsizetype kMaxListedProblems = 1000;

// A field of a statement: the text as it stands and its leading-number value.
struct FieldValue {
  QString text;
  double value = 0;
};

// The chuck and tailstock variables as assigned (the last assignment counts); nullopt when a
// variable is not assigned at all.
struct ChuckValues {
  std::optional<double> VCHIO;     // 0 outside, 1 inside-diameter clamping
  std::optional<double> VCHSW;     // 0 chuck work, 1 centre work
  std::optional<double> VCHKD;     // jaw step D1
  std::optional<double> VCHKL;     // jaw step L1
  std::optional<double> VCHKX;     // jaw position CX
  std::optional<double> VCHKZ;     // jaw position CZ
  std::optional<double> VTSDA;     // centre hole diameter D2
  std::optional<double> VTSDB;     // centre shaft diameter D3
  std::optional<double> VTSL;      // centre length L2
  std::optional<double> VWKR;      // material end face WR
  bool chuck_barrier = false;      // N000 M25
  bool tailstock_barrier = false;  // N000 M21

  friend bool operator==(const ChuckValues&, const ChuckValues&) = default;
};

// One tool's data, gathered from every assignment with its tool number.
struct ToolData {
  QString number;                                   // the text inside the brackets
  bool tool_life = false;                           // written with VGR rather than VTL
  std::optional<int> kind;                          // IN, rounded half to even
  std::optional<int> shape;                         // FN, rounded half to even
  std::array<std::optional<double>, 6> dimensions;  // by Dimension: A1, A2, L, D, W, NR
  std::optional<double> nose_x;                     // VNSRX
  std::optional<double> nose_radius;                // VNSRZ
  std::optional<double> nose_position;              // VNRPN
  int line = 0;                                     // the line of its first assignment

  std::optional<double> DimensionValue(Dimension dimension) const {
    return dimensions[static_cast<int>(dimension)];
  }
};

// The start face of a contour statement.
enum class ContourFace { kLeft, kRight };  // LC, RC

// One PS or PT statement: the side view's shape number (1..8) and its fields.
struct ContourShape {
  int sn = 0;
  ContourFace face = ContourFace::kRight;
  FieldValue z;
  FieldValue d1;  // D of a cylinder, D1 of the others
  FieldValue d2;  // D2 (empty for a cylinder)
  FieldValue l;
  FieldValue r;  // arcs only
  int line = 0;
  QString text;  // the line as shown (ShownLineText)
};

// One circle of a front-view block: PF, and for an inner circle its PO and CI lines.
struct FrontCircle {
  bool inner = false;
  FieldValue d;  // the diameter as the PF line has it
  int line = 0;  // the PF line
};

// A DEF WORK or DEF WORKF block. Of several blocks of the same kind and spindle the last one
// describes the material (as with a variable assigned twice); the earlier ones are replaced
// and each is a problem of its DEF line.
struct SideBlock {
  bool second_spindle = false;  // DEF WORK[S]
  QList<ContourShape> shapes;
  int line = 0;           // the DEF line
  bool replaced = false;  // a later DEF WORK of the same spindle follows
};
struct FrontBlock {
  bool second_spindle = false;  // DEF WORKF[S]
  QList<FrontCircle> circles;
  int line = 0;
  bool replaced = false;  // a later DEF WORKF of the same spindle follows
};

// What the subprogram says.
struct GraphicProgram {
  bool found = false;  // an "OZEL" line was found
  int first_line = 0;  // the OZEL line
  // The NRTS RTS line; without it the line before the next program or end statement (a line
  // beginning with "O", M30, M02) or the program's last line.
  int last_line = 0;
  ChuckValues chuck;
  QList<ToolData> tools;  // in the order of their first assignment
  QList<SideBlock> side_blocks;
  QList<FrontBlock> front_blocks;
  std::optional<double> VSCTA;      // section display
  bool clear = false;               // N000 CLEAR
  bool draw = false;                // N000 DRAW
  QList<UnreadLine> problems;       // in line order, the first kMaxListedProblems
  qsizetype unlisted_problems = 0;  // found after those

  qsizetype ProblemCount() const { return problems.size() + unlisted_problems; }
};

// Adds a problem found after reading (a shape that cannot be drawn), keeping the list in line
// order and within kMaxListedProblems.
void AddProblem(GraphicProgram& program, UnreadLine problem);

// Whether a line is the subprogram's first line "OZEL", or its return "NRTS RTS": exactly
// that, or followed by blanks or a comment, as every statement may be.
bool IsSubprogramLine(QStringView line);
bool IsReturnLine(QStringView line);

// Where the subprogram begins: the position of the last "OZEL" line (IsSubprogramLine, found
// from the end backwards without copying the text), or nullopt.
std::optional<qsizetype> FindGraphicSubprogram(QStringView text);

// Reads the graphic subprogram of a program text: from its "OZEL" line to its return line
// "NRTS RTS". Without the return it ends before the next program or end statement, or at the
// end of the text. Lines end as in the editor box (see line_ends.h).
GraphicProgram ReadGraphicProgram(QStringView text);

// Reads lines on their own, each as a line of the subprogram, without looking for "OZEL" or
// the return: a block cut out of the program (the lines without their line ends). Problems
// carry the program's line numbers, lines[0] being line `first_line`.
GraphicProgram ReadGraphicLines(const QStringList& lines, int first_line);

// One assignment of a NOEX line: the variable, the text inside its brackets when it has
// them, and the value's text as it stands, up to the blank that begins the next assignment.
struct NoexItem {
  QString name;
  std::optional<QString> index;
  QString value;
};

// The assignments of a NOEX line as the reader splits them (trailing blanks and a comment at
// the end dropped first), or nullopt when the line is no NOEX statement of assignments.
std::optional<QList<NoexItem>> ReadNoexItems(QStringView line);

// The statement of a line with a sequence label, as the reader sees it: "N000 DEF WORK
// (MAT)" gives "DEF WORK". nullopt for a line without a label.
std::optional<QString> ReadLabelledStatement(QStringView line);

// The same for the text as the editor box holds it, in UTF-8: the subprogram is found in
// the bytes and only its own lines are decoded, so a large program costs one backward
// search and one count of its line ends.
GraphicProgram ReadGraphicProgramUtf8(QByteArrayView utf8);

}  // namespace zel
