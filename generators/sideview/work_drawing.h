#pragma once

#include "generators/common/preview_canvas.h"
#include "generators/sideview/arc_section.h"
#include "generators/sideview/work_shape.h"

namespace zel {

// The side view's preview: the X-Z section of the material, one pixel per unit around the
// centre, Z to the right and the radius up and down. Outer shapes are painted in yellow, bores
// in black over them; every routine ends with the axes, so they stay visible.
//
// Each routine draws its outline as the control's tools do and then fills exactly the area
// that outline closes: a trapezoid's polygon, or an arc section's two arcs and two end faces.
// A flood fill from a seed on the axis would do the same wherever its seed lies inside the
// outline, but on a thin or short shape, or one beyond the box, it would run out and paint
// the whole preview; the area fill shows just the shape.

// Clears the preview and sets it up: "X" at the top beside the vertical axis, "Z" at the
// right above the horizontal one, and the two axes.
void InitWorkPreview(PreviewCanvas& canvas);

// Cylinders and cones: the section from Z over the length H ("LC" towards larger Z, "RC"
// towards smaller Z), diameter A at the start face and B at the end face. The outer routines
// paint it yellow, the inner ones black.
void FillOuterTrapezoidLC(PreviewCanvas& canvas, const ShapeValues& v);
void FillOuterTrapezoidRC(PreviewCanvas& canvas, const ShapeValues& v);
void FillInnerTrapezoidLC(PreviewCanvas& canvas, const ShapeValues& v);
void FillInnerTrapezoidRC(PreviewCanvas& canvas, const ShapeValues& v);

// Arcs: the section worked out by ComputeArcSection for the routine's bulge and start face,
// painted in the colour CR (yellow for outer arcs, black for inner ones).
void FillConvexArcLC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR);
void FillConvexArcRC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR);
void FillConcaveArcLC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR);
void FillConcaveArcRC(PreviewCanvas& canvas, const ArcSection& arc, PreviewColor CR);

// Draws a planned shape with the routine for its profile, class and start face.
void DrawShape(PreviewCanvas& canvas, const ShapeDrawing& drawing);

}  // namespace zel
