#include "generators/frontview/front_view_discs.h"

#include <QString>

#include "generators/common/preview_canvas.h"

namespace zel {

namespace {

const QString kTopLabel = QStringLiteral("Y");
const QString kRightLabel = QStringLiteral("X");

}  // namespace

void InitFrontPreview(PreviewCanvas& canvas) { InitPreview(canvas, kTopLabel, kRightLabel); }

void FillOuterDisc(PreviewCanvas& canvas, double radius) {
  canvas.FillCircle(QPointF(0, 0), radius, kPreviewYellow);
  DrawAxes(canvas);
}

void FillInnerDisc(PreviewCanvas& canvas, double radius) {
  canvas.FillCircle(QPointF(0, 0), radius, kPreviewBlack);
  DrawAxes(canvas);
}

}  // namespace zel
