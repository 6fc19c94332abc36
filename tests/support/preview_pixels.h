#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>

#include <optional>

#include "generators/common/preview_canvas.h"

namespace zel::test {

// How many pixels of the image (or of the canvas) have exactly this colour.
int CountPixels(const QImage& image, PreviewColor color);
int CountPixels(const PreviewCanvas& canvas, PreviewColor color);

// The colour of the pixel that holds `point` of a preview picture, in the preview's
// coordinates (origin in the middle, one unit one pixel, y downwards); black outside it.
PreviewColor ColorAt(const QImage& image, QPointF point);

// The first point (in the preview's coordinates) where two preview pictures of different
// sizes differ, looking only at the middle region both hold, `border` pixels away from the
// edges of either (where the axis labels stand); nullopt when they agree there.
std::optional<QPoint> FirstDifferenceAroundOrigin(const QImage& a, const QImage& b, int border);

}  // namespace zel::test
