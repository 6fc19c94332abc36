#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QWidget>

namespace zel {

// A view of a picture fitted into it, on black: the mouse wheel zooms about the point under the
// mouse, dragging moves the picture, the fit key (F) fits it again. A left press released
// without dragging is a click. The zoom and the place stay when the picture changes.
class ZoomView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFitKey = Qt::Key_F;

  double Zoom() const { return zoom_; }
  // The picture's coordinates to the view's pixels at the present zoom and place.
  QTransform ToView() const;

 protected:
  // `max_zoom`: how far the wheel may enlarge the fitted picture.
  ZoomView(double max_zoom, QWidget* parent);

  // What the fitted view shows, in the picture's coordinates (empty: nothing to show), and
  // the room left around it as a share of the view.
  virtual QRectF Extent() const = 0;
  virtual double FitMargin() const { return 0; }
  // A left press released where it was pressed.
  virtual void Clicked(QPointF) {}

  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const double max_zoom_;
  double zoom_ = 1;  // relative to the fitted size
  QPointF offset_;   // of the picture from its place in the middle of the view
  QPointF drag_from_;
  QPointF press_at_;
  bool pressed_ = false;
  bool dragged_ = false;
};

}  // namespace zel
