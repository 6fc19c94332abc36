#pragma once

class QString;

namespace zel {

class PreviewCanvas;

// The front view's preview: the X-Y section seen along the spindle axis, one pixel for one
// unit of the radius, the origin at the centre of the box.

// Clears the preview and sets it up: "Y" at the top of the vertical axis, "X" at the right end
// of the horizontal one, both axes.
void InitFrontPreview(PreviewCanvas& canvas);

// The material's outer circle: a yellow disc of `radius` about the origin, the axes drawn
// again over it. The disc is the circle's own area, however small: a radius of 0 is the
// centre pixel. A negative radius is no circle and draws nothing but the axes.
void FillOuterDisc(PreviewCanvas& canvas, double radius);

// The bore: a black disc of `radius` about the origin, cut into whatever was drawn before,
// the axes drawn again over it.
void FillInnerDisc(PreviewCanvas& canvas, double radius);

}  // namespace zel
