// The search of ブロック編集 for the block at a line: any program text, from any of its lines,
// gives a block, a problem or nothing, never two of them and never a crash; a block holds the
// line it was found from (or, for the section line, ends on it), is the program's own lines
// from its first to its last, and names its first rewritten line inside or just after itself;
// a problem names a line of the program.
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "reopen/written_block.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList lines = zel::LinesWithEnds(text);
  if (lines.join(QString()) != text) std::abort();
  const zel::ProgramLines program{static_cast<int>(lines.size()),
                                  [&lines](int i) { return lines.at(i); }};
  // Enough lines for every kind of block, few enough for many inputs a second.
  for (int line = 0; line < std::min(program.count, 64); ++line) {
    const zel::FoundBlock found = zel::FindWrittenBlock(program, line);
    if (found.block && found.problem) std::abort();
    if (found.problem && (found.problem->line < 0 || found.problem->line >= program.count))
      std::abort();
    if (!found.block) continue;
    const zel::WrittenBlock& block = *found.block;
    if (block.first_line > line || block.last_line < line || block.last_line >= program.count)
      std::abort();
    if (block.text !=
        lines.mid(block.first_line, block.last_line - block.first_line + 1).join(QString()))
      std::abort();
    const zel::RewrittenLine first = zel::FirstRewrittenLine(block);
    if (!block.Exact() && (first.line < block.first_line || first.line > block.last_line + 1))
      std::abort();
  }
  return 0;
}
