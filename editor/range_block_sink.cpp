#include "editor/range_block_sink.h"

#include "editor/editor_box.h"

namespace zel {

void RangeBlockSink::InsertBlock(const QString& block) {
  box_.ReplaceWithBlock(start_, length_, block);
}

}  // namespace zel
