#include "tests/support/preview_pixels.h"

#include <algorithm>
#include <cmath>

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

PreviewColor ColorAt(const QImage& image, QPointF point) {
  // The canvas's own rule: the left edge is at minus half the width, the top at minus half
  // the height, and a point belongs to the pixel whose square holds it.
  const int column = static_cast<int>(std::floor(point.x() + image.width() / 2.0));
  const int row = static_cast<int>(std::floor(point.y() + image.height() / 2.0));
  if (!image.valid(column, row)) return kPreviewBlack;
  return RgbToPreviewColor(image.pixel(column, row));
}

std::optional<QPoint> FirstDifferenceAroundOrigin(const QImage& a, const QImage& b, int border) {
  const int half_width = std::min(a.width(), b.width()) / 2 - border;
  const int half_height = std::min(a.height(), b.height()) / 2 - border;
  for (int y = -half_height; y <= half_height; ++y) {
    for (int x = -half_width; x <= half_width; ++x) {
      if (ColorAt(a, QPointF(x, y)) != ColorAt(b, QPointF(x, y))) return QPoint(x, y);
    }
  }
  return std::nullopt;
}

}  // namespace zel::test
