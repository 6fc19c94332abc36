#pragma once

#include <QImage>

#include "generators/common/preview_canvas.h"

namespace zel::test {

// How many pixels of the image (or of the canvas) have exactly this colour.
int CountPixels(const QImage& image, PreviewColor color);
int CountPixels(const PreviewCanvas& canvas, PreviewColor color);

}  // namespace zel::test
