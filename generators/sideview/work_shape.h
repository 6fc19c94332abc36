#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

#include "generators/sideview/arc_section.h"

namespace zel {

// The eight shape kinds of the side view, numbered 1 … 8 as in the shape list ("1 外径円筒" …
// "8 内径凹円弧"); 0 stands for "no shape chosen". Kinds 1 … 4 add material (outer), kinds
// 5 … 8 are bores cut into it (inner), and kind n and n + 4 share one profile.
inline constexpr int kShapeKindCount = 8;

enum class ShapeProfile { kCylinder, kCone, kConvexArc, kConcaveArc };

// True for the shape numbers 1 … 8.
constexpr bool IsShapeNumber(int sn) { return sn >= 1 && sn <= kShapeKindCount; }
// True for the outer kinds 1 … 4.
constexpr bool IsOuterShape(int sn) { return sn >= 1 && sn <= 4; }
// The profile of a shape number 1 … 8.
constexpr ShapeProfile ProfileOf(int sn) { return static_cast<ShapeProfile>((sn - 1) % 4); }
// True for the four arc kinds (3, 4, 7, 8).
constexpr bool IsArcShape(int sn) {
  return ProfileOf(sn) == ShapeProfile::kConvexArc || ProfileOf(sn) == ShapeProfile::kConcaveArc;
}

// The texts of one shape as typed, by meaning. A cylinder has one diameter (in `d1`) and no
// `d2`; only arcs have a radius.
struct ShapeTexts {
  QString z;   // insert position Z of the start face
  QString d1;  // diameter D of a cylinder, start diameter D1 of the others
  QString d2;  // end diameter D2 (cones and arcs)
  QString l;   // length L
  QString r;   // arc radius R
};

// Reads the five field rows (Text2 … Text6) of the dialog as the texts of shape `sn`: a
// cylinder uses rows Z, D, L; a cone Z, D1, D2, L; an arc Z, D1, D2, L, R. Rows the kind does
// not show are ignored, whatever they hold.
ShapeTexts ShapeTextsFromRows(int sn, const std::array<QString, 5>& rows);

// One contour statement of the control's graphic language for shape `sn` (1 … 8), without a
// line end: "PS" for cylinders, "PT LF"/"PT SS"/"PT SD" for cones, convex and concave arcs,
// "LC" or "RC" for the start face, and ",0" after an inner shape. The texts go in verbatim.
QString MakeShapeStatement(int sn, StartFace face, const ShapeTexts& texts);

// The values the dialog keeps between two writes so that each shape continues where the last
// one of its class ended. ZB is a number or empty; the others are texts.
struct WorkChain {
  std::optional<double> ZB;  // insert position for the next outer shape
  QString XB;                // end diameter of the last outer shape, as typed
  QString ZC;                // insert position for the next inner shape, as number text
  QString XC;                // end diameter of the last inner shape, as typed
  int SN = 0;                // shape number of the last write, 0 = none

  friend bool operator==(const WorkChain&, const WorkChain&) = default;
};

// The Z field's default for the next shape of kind `sn`: ZB as number text for outer kinds
// (empty while there is none), ZC for inner kinds.
QString OfferedZ(const WorkChain& chain, int sn);
// The D1 field's default for a cone or arc of kind `sn`: XB or XC. Cylinders are offered no
// diameter.
QString OfferedStartDiameter(const WorkChain& chain, int sn);

// The numbers a shape is drawn with. Z, A, B and H are the leading-number values of the Z,
// start-diameter, end-diameter and length texts (B is A again for a cylinder); R is the arc
// radius in single precision; Ze is where the shape ends, Z ± H as the chain keeps it. The
// colour CR follows from the class: yellow for outer shapes, black for bores.
struct ShapeValues {
  double Z = 0;
  double A = 0;
  double B = 0;
  double H = 0;
  float R = 0;
  double Ze = 0;
};

// Everything a shape needs to be drawn: the routine, its values and, for arcs, the section.
struct ShapeDrawing {
  int sn = 0;
  StartFace face = StartFace::kRight;
  ShapeValues values;
  std::optional<ArcSection> arc;
};

// A write worked out in full before anything is changed.
struct PlannedWrite {
  QString statement;  // without its line end
  WorkChain chain;    // the chain after the write
  ShapeDrawing drawing;
};

// Works out the write of shape `sn` from the texts as typed and the chain before it. No
// result ("計算エラー") when a value is too large for a number, when Z ± L overflows, when
// the radius does not fit single precision, or when an arc has no result (radius zero or
// smaller than half its chord). `sn` must be 1 … 8.
std::optional<PlannedWrite> PlanShapeWrite(const WorkChain& chain, int sn, StartFace face,
                                           const ShapeTexts& texts);

// The line of the block frame that each spindle begins with, and its last line.
inline const QString kFrameFirstSpindle = QStringLiteral("N000 DEF WORK");
inline const QString kFrameSecondSpindle = QStringLiteral("N000 DEF WORK[S]");
inline const QString kFrameEnd = QStringLiteral("N000 END");
// The line that "X-Z 断面表示" adds to the transferred block.
inline const QString kSectionDisplayLine = QStringLiteral("NOEX VSCTA=2 (X-Y SECTION)");

// The frame of the side-view block for the first or second spindle: the DEF WORK line and
// "N000 END", each with "\r\n".
QString MakeWorkFrame(bool second_spindle);
// Where the frame leaves the caret: the start of its "N000 END" line (the frame's length
// minus 10, a line end counting two).
qsizetype WorkFrameCaret(const QString& frame);

// The block handed to the editor: the pane's text, followed by the VSCTA line and "\r\n"
// when the section display is asked for. Nothing is added in between, so a last line without
// its line end joins the VSCTA line.
QString MakeWorkTransfer(const QString& pane_block, bool section_display);

// What the dialog opens a written block again with: the spindle of its DEF line, the block as
// it stands (DEF … END), "X-Z 断面表示" when the VSCTA line follows its END, and what writing
// its shapes one after another in the dialog leaves behind: the chain, the start face of the
// last shape and the drawings in order.
struct WorkReopening {
  bool second_spindle = false;
  QString block;
  bool section_display = false;
  WorkChain chain;
  StartFace face = StartFace::kRight;
  QList<ShapeDrawing> drawings;
};

}  // namespace zel
