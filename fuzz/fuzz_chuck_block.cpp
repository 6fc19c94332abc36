// The chuck block: any field texts and choices build a block without a crash, every line
// ends in "\r\n", and the fields' texts stand in it as typed.
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "generators/chuck/chuck_block.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zel::fuzz::FuzzInput in(data, size);
  zel::ChuckBlockInput input;
  for (QString* field :
       {&input.d1, &input.l1, &input.cx, &input.cz, &input.d2, &input.d3, &input.l2, &input.wr})
    *field = in.Text();
  input.clamping = in.Flag() ? zel::ChuckClamping::kInside : zel::ChuckClamping::kOutside;
  input.holding = in.Flag() ? zel::WorkHolding::kCentreWork : zel::WorkHolding::kChuckWork;
  input.switching_variables = in.Flag();
  input.barrier = in.Flag();
  (void)zel::ChuckValuesComplete(input);
  const QString block = zel::MakeChuckBlock(input);
  if (!block.isEmpty() && !block.endsWith(QStringLiteral("\r\n"))) std::abort();
  if (!block.contains(input.d1) || !block.contains(input.cx)) std::abort();
  return 0;
}
