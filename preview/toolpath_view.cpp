#include "preview/toolpath_view.h"

#include <QPainter>

#include <algorithm>

#include "toolpath/path_drawing.h"

namespace zel {

namespace {

// Room around the fitted picture, as a share of the view.
constexpr double kFitMargin = 0.04;
// How far the wheel may enlarge: a few hundredths of a millimetre fill the view.
constexpr double kMaxZoom = 1000;

// The part of the material's picture shown: its upper half, where the path runs, and a strip
// below the axis so that the axis shows; in section coordinates.
QRectF UpperHalf(const QImage& material, double scale) {
  const double width = material.width() / scale;
  const double height = material.height() / scale;
  return QRectF(-width / 2, -height / 2, width, height / 2 + height / 20);
}

}  // namespace

ToolpathView::ToolpathView(QWidget* parent) : ZoomView(kMaxZoom, parent) {
  setMinimumSize(160, 120);
}

void ToolpathView::SetMaterial(QImage image, double scale) {
  material_ = std::move(image);
  material_scale_ = scale > 0 ? scale : 1;
  update();
}

void ToolpathView::SetPath(std::shared_ptr<const ProgramPath> path) {
  path_ = std::move(path);
  ++path_serial_;
  path_extent_ = path_ ? PathExtent(*path_) : QRectF();
  shown_ = path_ ? path_->moves.size() : 0;
  update();
}

void ToolpathView::SetShownMoves(size_t count) {
  shown_ = count;
  update();
}

void ToolpathView::SetHighlightLine(int line) {
  if (line == highlight_line_) return;
  highlight_line_ = line;
  update();
}

QRectF ToolpathView::Extent() const {
  QRectF extent = path_extent_;
  if (!material_.isNull()) {
    const QRectF picture = UpperHalf(material_, material_scale_);
    extent = extent.isNull() ? picture : extent.united(picture);
  }
  if (extent.isNull()) extent = QRectF(-50, -50, 100, 100);
  // A path along one line still gets a picture of some size.
  const double least = std::max({extent.width(), extent.height(), 1.0}) / 20;
  if (extent.width() < least) extent.adjust(-least / 2, 0, least / 2, 0);
  if (extent.height() < least) extent.adjust(0, -least / 2, 0, least / 2);
  return extent;
}

double ToolpathView::FitMargin() const { return kFitMargin; }

void ToolpathView::paintEvent(QPaintEvent*) {
  const QTransform to_view = ToView();
  const qreal ratio = devicePixelRatioF();
  if (layer_.image.size() != size() * ratio || layer_.to_view != to_view ||
      layer_.shown != shown_ || layer_.path_serial != path_serial_ ||
      layer_.material_key != material_.cacheKey()) {
    layer_ = Layer{QImage(size() * ratio, QImage::Format_RGB32), to_view, shown_, path_serial_,
                   material_.cacheKey()};
    layer_.image.setDevicePixelRatio(ratio);
    layer_.image.fill(Qt::black);
    QPainter painter(&layer_.image);
    if (!material_.isNull()) {
      // The picture's pixels are the section's units (times the scale) around the origin in its
      // middle.
      const QRectF picture = UpperHalf(material_, material_scale_);
      // Reduced, smoothing keeps the one-pixel axes and outlines visible; enlarged, every
      // pixel stays a block of its own colour.
      painter.setRenderHint(QPainter::SmoothPixmapTransform, to_view.m11() < material_scale_);
      const QRectF source(QPointF(0, 0), picture.size() * material_scale_);
      painter.drawImage(to_view.mapRect(picture), material_, source);
    }
    if (path_) DrawPath(painter, *path_, to_view, rect(), shown_);
  }
  QPainter painter(this);
  painter.drawImage(0, 0, layer_.image);
  if (!path_) return;
  DrawPathHighlight(painter, *path_, to_view, rect(), highlight_line_, shown_);
  DrawToolTip(painter, *path_, to_view, shown_);
}

void ToolpathView::Clicked(QPointF at) {
  if (!path_) return;
  const std::optional<size_t> move = MoveAt(*path_, ToView(), at, kClickTolerance, shown_);
  if (move) emit MoveClicked(int(*move));
}

}  // namespace zel
