#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>

#include <optional>

#include "generators/common/preview_canvas.h"
#include "generators/sideview/work_shape.h"
#include "preview/graphic_reader.h"

namespace zel {

// The X-Z section of a side-view block as the side-view dialog draws it, with the chuck jaw
// and the tailstock centre as outlines over it. Coordinates are the dialog's preview
// coordinates: x is Z, y is minus the radius above the axis and plus the radius below it, one
// unit one pixel, the origin in the middle of the picture.

// The outline colours: cyan for the chuck jaw, magenta for the tailstock centre, so that they
// stand apart from the white axes, the yellow material and the black background.
inline constexpr PreviewColor kJawColor = 0xFFFF00;
inline constexpr PreviewColor kCentreColor = 0xFF00FF;

// The largest picture drawn, in pixels a side. A section that needs more at one pixel a unit
// is drawn smaller, all of it: the window shows the picture reduced anyway, and the drawing
// then costs what the picture's pixels cost, not what the part's size in units would.
inline constexpr int kSideSectionMaxWidth = 1600;
inline constexpr int kSideSectionMaxHeight = 1000;

// The block's shapes, each worked out as "プログラム  書き込み" works it out when the same
// texts are typed into the dialog in the same order: one chain runs through the block, so
// arcs end where the dialog's chain says. A shape the dialog would answer with "計算エラー"
// is not drawn and its line is listed.
struct SidePlan {
  QList<ShapeDrawing> drawings;
  QList<int> failed_lines;  // 0-based program lines of the shapes that could not be worked out
  WorkChain chain;          // the dialog's chain after the last shape
};
SidePlan PlanSideSection(const SideBlock& block);

// The chuck jaw above the axis as a closed outline (the one below is its mirror image): the
// gripping face at radius CX/2 from the step face CZ over the length L1 towards larger Z, the
// step of height D1/2 at CZ towards the material (towards the axis when VCHIO is not 1, away
// from it in inside-diameter clamping), the jaw body and the step's width D1/2 deep. Nothing
// when a value is missing, not a sensible size (L1 not above 0, D1 or CX below 0) or so large
// that it cannot be a position on the machine.
std::optional<QList<QPointF>> JawOutline(const ChuckValues& chuck);

// The end face WR the chuck dialog writes in chuck work, where no centre is engaged.
inline constexpr double kNoCentreEndFace = 9999;

// The tailstock centre as a closed outline on both sides of the axis: a 60° point that enters
// the material end face WR at the centre-hole diameter D2, widens to the shaft diameter D3
// and runs as the shaft to WR + L2. Nothing in chuck work (VCHSW 0, or WR 9999 as the chuck
// dialog writes it there, so that centre values left over from centre work draw nothing),
// when a value is missing, not a sensible size (D2 below 0, D3 or L2 not above 0) or too
// large to be a position.
std::optional<QList<QPointF>> CentreOutline(const ChuckValues& chuck);

// The mirror image of an outline about the axis.
QList<QPointF> MirroredOutline(const QList<QPointF>& outline);

// How far beyond the material the jaw and centre outlines still make the picture larger: half
// the material's larger side, at least this many units.
inline constexpr double kSmallestOutlineMargin = 100;

// The area the picture shows: the drawings' bounding box, grown to take in the outline points
// that lie within the margin around it (kSmallestOutlineMargin); points farther off, a typo
// such as CZ=-90000, do not count and their lines are cut off at the picture's edge. Without
// material the margin stands around the origin. QRectF() when nothing counts.
QRectF SectionExtent(const SidePlan& plan, const QList<QList<QPointF>>& outlines);

// The picture of a side-view block: a canvas that holds its extent around the origin (with
// room for the axis labels, at most kSideSectionMaxWidth × kSideSectionMaxHeight), set up by
// the dialog's InitWorkPreview, each shape drawn by the dialog's DrawShape in order, and the
// jaw and centre outlines (when `chuck` is given and their values make sense) over it. One
// pixel a unit, the dialog's own picture, where that fits; else every length is scaled down
// alike until it fits.
QImage DrawSideSection(const SidePlan& plan, const ChuckValues* chuck);

// The pixels a unit DrawSideSection draws the same block at: 1, or less for a larger part.
double SideSectionScale(const SidePlan& plan, const ChuckValues* chuck);

// A shape's drawing with every length multiplied by `scale` (angles stay).
ShapeDrawing ScaledDrawing(const ShapeDrawing& drawing, double scale);

}  // namespace zel
