#include "platform/picture.h"

#include <QFile>
#include <QPainter>

#ifdef ZEL_PNG_PICTURES
#include <QImageReader>
#else
#include <QSvgRenderer>
#endif

namespace zel {

QString PictureFile(const QString& svg_resource) {
#ifdef ZEL_PNG_PICTURES
  if (svg_resource.endsWith(QLatin1String(".svg")))
    return svg_resource.chopped(4) + QLatin1String(".png");
#endif
  return svg_resource;
}

#ifdef ZEL_PNG_PICTURES

Picture::Picture() = default;

Picture::Picture(const QString& svg_resource) { Load(svg_resource); }

bool Picture::Load(const QString& svg_resource) {
  const QString file = PictureFile(svg_resource);
  icon_ = QIcon();
  size_ = QSize();
  // QIcon finds the "@2x" file beside the named one by itself.
  if (QFile::exists(file)) {
    size_ = QImageReader(file).size();
    if (size_.isValid()) icon_ = QIcon(file);
  }
  return IsValid();
}

Picture::~Picture() = default;

bool Picture::IsValid() const { return !icon_.isNull(); }

QSize Picture::NaturalSize() const { return IsValid() ? size_ : QSize(); }

void Picture::Paint(QPainter& painter, const QRect& rect) const {
  if (!IsValid() || rect.isEmpty()) return;
  // The 2x file serves scaled screens and any place larger than the picture itself.
  QSize fitted = size_;
  fitted.scale(rect.size(), Qt::KeepAspectRatio);
  const QRect target(rect.topLeft() + QPoint((rect.width() - fitted.width()) / 2,
                                             (rect.height() - fitted.height()) / 2),
                     fitted);
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QPixmap pixmap = icon_.pixmap(fitted, ratio);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(target, pixmap);
  painter.restore();
}

#else

Picture::Picture() : renderer_(std::make_unique<QSvgRenderer>()) {
  renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
}

Picture::Picture(const QString& svg_resource) : Picture() { Load(svg_resource); }

bool Picture::Load(const QString& svg_resource) {
  // A new renderer, so that a failed load shows nothing rather than the picture before.
  auto renderer = std::make_unique<QSvgRenderer>();
  // Asking the renderer for a file that is not there would only print a warning: look first.
  if (QFile::exists(svg_resource)) renderer->load(svg_resource);
  renderer->setAspectRatioMode(Qt::KeepAspectRatio);
  renderer_ = std::move(renderer);
  return IsValid();
}

Picture::~Picture() = default;

bool Picture::IsValid() const { return renderer_->isValid(); }

QSize Picture::NaturalSize() const { return IsValid() ? renderer_->defaultSize() : QSize(); }

void Picture::Paint(QPainter& painter, const QRect& rect) const {
  if (IsValid()) renderer_->render(&painter, rect);
}

#endif

}  // namespace zel
