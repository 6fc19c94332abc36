// The tool block: any tool number, kind, shape, rows and choices give a block or nothing,
// never a crash; the next tool number of any text is a number text or nothing.
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "generators/tool/tool_block.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zel::fuzz::FuzzInput in(data, size);
  zel::ToolBlockInput input;
  input.tool_number = in.Text();
  input.kind = in.Below(41) - 1;  // -1..39: outside the catalogue too
  input.shape = static_cast<std::int8_t>(in.Byte());
  input.tool_life = in.Flag();
  input.nose_output = in.Flag();
  input.nose_position = in.Below(11);
  for (QString& row : input.rows) row = in.Text();
  const std::optional<QString> block = zel::ToolBlockFor(input);
  if (block && !block->isEmpty() && !block->endsWith(QStringLiteral("\r\n"))) std::abort();
  const std::optional<QString> next = zel::NextToolNumber(input.tool_number);
  if (next && next->isEmpty()) std::abort();
  (void)zel::PN(input.nose_position, input.rows[0]);
  return 0;
}
