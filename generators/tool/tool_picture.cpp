#include "generators/tool/tool_picture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/twips.h"

namespace zel {

ToolPicture::ToolPicture(const QString& name, const QString& resource, QSize fallback,
                         QSize largest, QWidget* parent)
    : QFrame(parent), renderer_(new QSvgRenderer(this)), fallback_(fallback), largest_(largest) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
  renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
  Load(resource);
  hide();
}

void ToolPicture::Load(const QString& resource) {
  if (resource == resource_) return;
  resource_ = resource;
  // Asking the renderer for a file that is not there would only print a warning: look first.
  has_picture_ = QFile::exists(resource) && renderer_->load(resource);
  update();
}

bool ToolPicture::HasPicture() const { return has_picture_; }

void ToolPicture::ShowAt(int left, int top) {
  const int border = 2 * frameWidth();
  const QSize room(TwipsToPixels(largest_.width()) - border,
                   TwipsToPixels(largest_.height()) - border);
  QSize inner = HasPicture() ? renderer_->defaultSize()
                             : QSize(TwipsToPixels(fallback_.width()) - border,
                                     TwipsToPixels(fallback_.height()) - border);
  if (inner.width() > room.width() || inner.height() > room.height()) {
    inner.scale(room, Qt::KeepAspectRatio);
  }
  setGeometry(TwipsToPixels(left), TwipsToPixels(top), inner.width() + border,
              inner.height() + border);
  show();
}

void ToolPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!HasPicture()) return;
  QPainter painter(this);
  renderer_->render(&painter, contentsRect());
}

}  // namespace zel
