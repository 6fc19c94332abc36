#include "generators/chuck/chuck_block.h"

namespace zel {

QString MakeChuckBlock(const ChuckBlockInput& input) {
  using namespace chuck_text;
  const bool centre_work = input.holding == WorkHolding::kCentreWork;
  QString block;
  const auto line = [&block](const QString& text) { block += text + kLineEnd; };

  if (input.switching_variables) {
    line(input.clamping == ChuckClamping::kOutside ? kOdClamp : kIdClamp);
    line(centre_work ? kCenterWork : kChuckWork);
  }
  line(kJawSizeHead + input.d1 + kJawSizeMid + input.l1);
  line(kJawPositionHead + input.cx + kJawPositionMid + input.cz);
  if (centre_work) {
    line(kCentreSizeHead + input.d2 + kCentreSizeMid + input.d3);
    line(kCentreLengthHead + input.l2 + kCentreLengthMid + input.wr);
  } else {
    line(kEndFaceHead + input.wr);
  }
  if (input.barrier) {
    line(kChuckBarrier);
    if (centre_work) line(kTailstockBarrier);
  }
  return block;
}

bool ChuckValuesComplete(const ChuckBlockInput& input) {
  if (input.d1.isEmpty() || input.l1.isEmpty() || input.cx.isEmpty() || input.cz.isEmpty()) {
    return false;
  }
  if (input.holding == WorkHolding::kCentreWork &&
      (input.d2.isEmpty() || input.d3.isEmpty() || input.l2.isEmpty() || input.wr.isEmpty())) {
    return false;
  }
  return true;
}

}  // namespace zel
