#include "generators/common/illustration.h"

#include <QPainter>

#include "platform/twips.h"

namespace zel {

Illustration::Illustration(const QString& name, const QString& resource, QWidget* parent)
    : QWidget(parent), picture_(resource) {
  setObjectName(name);
  hide();
}

bool Illustration::HasPicture() const { return picture_.IsValid(); }

void Illustration::ShowAt(int left, int top, int width, int height) {
  setGeometry(TwipsRect(left, top, width, height));
  show();
}

void Illustration::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  picture_.Paint(painter, rect());
}

}  // namespace zel
