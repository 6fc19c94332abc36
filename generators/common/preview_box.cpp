#include "generators/common/preview_box.h"

#include <QPainter>

#include "generators/common/dialog_style.h"
#include "platform/fonts.h"

namespace zel {

namespace {

// The sunken border of the box, in pixels.
constexpr int kBorderWidth = 2;

}  // namespace

PreviewBox::PreviewBox(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorderWidth);
  // The box takes its turn in the dialog's tab order, as any picture box does.
  setFocusPolicy(Qt::StrongFocus);
  // Every pixel inside the border comes from the canvas.
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.SetFont(UiFont(kGeneratorFontPointSize));
}

void PreviewBox::FitCanvas() {
  // The place is known as soon as it is set, also while the box is not shown yet, so that a
  // dialog can draw its empty preview before it first appears.
  const QSize size = contentsRect().size();
  if (canvas_.Size() == size) return;
  canvas_ = PreviewCanvas(size);
  canvas_.SetFont(UiFont(kGeneratorFontPointSize));
}

void PreviewBox::Draw(const std::function<void(PreviewCanvas&)>& paint) {
  FitCanvas();
  paint(canvas_);
  update();
}

void PreviewBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  FitCanvas();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  // Whole canvas pixels: scaled up on a dense screen without any smoothing.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect inside = contentsRect();
  painter.fillRect(inside, Qt::black);
  painter.drawImage(QRect(inside.topLeft(), canvas_.Size()), canvas_.Image());
}

}  // namespace zel
