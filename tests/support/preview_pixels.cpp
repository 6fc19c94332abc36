#include "tests/support/preview_pixels.h"

namespace zel::test {

int CountPixels(const QImage& image, PreviewColor color) {
  const QRgb wanted = PreviewColorToRgb(color);
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF)) ++count;
    }
  }
  return count;
}

int CountPixels(const PreviewCanvas& canvas, PreviewColor color) {
  return CountPixels(canvas.Image(), color);
}

}  // namespace zel::test
