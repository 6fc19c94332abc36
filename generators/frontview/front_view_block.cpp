#include "generators/frontview/front_view_block.h"

#include <cmath>

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

std::optional<FrontDiameter> ReadFrontDiameter(const QString& text) {
  const std::optional<double> value = LeadingNumberValue(text);
  if (!value) return std::nullopt;
  const double radius = std::floor(*value / 2);
  if (!(radius >= 0 && radius <= kLargestFrontRadius)) return std::nullopt;
  return FrontDiameter{text, StrForm(radius), radius};
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
