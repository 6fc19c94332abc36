#include "generators/frontview/front_view_block.h"

#include <cmath>
#include <limits>

#include "generators/common/number_forms.h"

namespace zel {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kFrameFirst = QStringLiteral("N000 DEF WORKF");
const QString kFrameSecond = QStringLiteral("N000 DEF WORKF[S]");
const QString kFrameEnd = QStringLiteral("N000 END");

}  // namespace

QString FrontViewFrame(FrontSpindle spindle) {
  return (spindle == FrontSpindle::kFirst ? kFrameFirst : kFrameSecond) + kLineEnd + kFrameEnd +
         kLineEnd;
}

FrontDiameter ReadFrontDiameter(const QString& text) {
  FrontDiameter result;
  result.D = text;
  // A diameter beyond any number has no half that could be written: it stands as an infinite
  // radius of its sign, so that the write goes through and the preview is simply covered.
  double value = std::numeric_limits<double>::infinity();
  if (const std::optional<double> read = LeadingNumberValue(text)) {
    value = *read;
  } else if (text.trimmed().startsWith(QLatin1Char('-'))) {
    value = -value;
  }
  result.radius = std::floor(value / 2);
  result.R = StrForm(result.radius);
  return result;
}

QString FrontShapeLines(FrontShape shape, const FrontDiameter& diameter) {
  if (shape == FrontShape::kOuterCircle) {
    return QStringLiteral("N000 PF 0,[0,0],") + diameter.D + QStringLiteral(",D") + kLineEnd;
  }
  return QStringLiteral("N000 PF 0,[0,0],") + diameter.D + QStringLiteral(",D,0") + kLineEnd +
         QStringLiteral("N000 PO [0,") + diameter.R + QStringLiteral("]") + kLineEnd +
         QStringLiteral("N000 CI [0,0],[0,-") + diameter.R + QStringLiteral("],R,0") + kLineEnd;
}

}  // namespace zel
