#include "generators/tool/tool_picture.h"

#include <QPainter>

#include "platform/twips.h"

namespace zel {

ToolPicture::ToolPicture(const QString& name, const QString& resource, QSize fallback,
                         QSize largest, QWidget* parent)
    : QFrame(parent), fallback_(fallback), largest_(largest) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
  Load(resource);
  hide();
}

void ToolPicture::Load(const QString& resource) {
  if (resource == resource_) return;
  resource_ = resource;
  picture_.Load(resource);
  update();
}

bool ToolPicture::HasPicture() const { return picture_.IsValid(); }

void ToolPicture::ShowAt(int left, int top) {
  const int border = 2 * frameWidth();
  const QSize room(TwipsToPixels(largest_.width()) - border,
                   TwipsToPixels(largest_.height()) - border);
  QSize inner = HasPicture() ? picture_.NaturalSize()
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
  picture_.Paint(painter, contentsRect());
}

}  // namespace zel
