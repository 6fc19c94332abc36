#include "preview/zoom_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

// A press that moves farther than this (pixels) is a drag, not a click.
constexpr double kDragDistance = 4;
// One notch of the wheel enlarges or reduces by this much.
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.1;

}  // namespace

ZoomView::ZoomView(double max_zoom, QWidget* parent) : QWidget(parent), max_zoom_(max_zoom) {
  setFocusPolicy(Qt::ClickFocus);
}

QTransform ZoomView::ToView() const {
  const QRectF extent = Extent();
  if (extent.isEmpty()) return {};
  const double usable = 1 - 2 * FitMargin();
  const double fit =
      std::min(width() * usable / extent.width(), height() * usable / extent.height());
  const double scale = fit * zoom_;
  const QPointF middle = QPointF(width() / 2.0, height() / 2.0) + offset_;
  QTransform transform;
  transform.translate(middle.x(), middle.y());
  transform.scale(scale, scale);
  transform.translate(-extent.center().x(), -extent.center().y());
  return transform;
}

void ZoomView::wheelEvent(QWheelEvent* event) {
  if (Extent().isEmpty()) return;
  const double steps = event->angleDelta().y() / 120.0;
  const QPointF mouse = event->position();
  bool invertible = false;
  const QPointF under = ToView().inverted(&invertible).map(mouse);
  zoom_ = std::clamp(zoom_ * std::pow(kZoomStep, steps), kMinZoom, max_zoom_);
  // The picture's point under the mouse stays under it.
  if (invertible) offset_ += mouse - ToView().map(under);
  update();
}

void ZoomView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  // The press starts a drag or a click here; it is not passed on to the window.
  drag_from_ = press_at_ = event->position();
  pressed_ = true;
  dragged_ = false;
  event->accept();
}

void ZoomView::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  if (!dragged_ && (event->position() - press_at_).manhattanLength() <= kDragDistance) return;
  // Dragging moves the picture with the mouse.
  dragged_ = true;
  offset_ += event->position() - drag_from_;
  drag_from_ = event->position();
  update();
}

void ZoomView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (!dragged_) Clicked(event->position());
}

void ZoomView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == kFitKey) {
    zoom_ = 1;
    offset_ = {};
    update();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace zel
