#include "generators/common/illustration.h"

#include <QSvgRenderer>

#include "platform/twips.h"

namespace zel {

Illustration::Illustration(const QString& name, const QString& resource, QWidget* parent)
    : QSvgWidget(resource, parent) {
  setObjectName(name);
  renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
  hide();
}

void Illustration::ShowAt(int left, int top, int width, int height) {
  setGeometry(TwipsRect(left, top, width, height));
  show();
}

}  // namespace zel
