#pragma once

#include <QString>

namespace zel {

// The one hand-off from a generator dialog to the editor: the block replaces the editor's
// selection (so it is inserted at the caret), the caret ends up after it with nothing
// selected, and the insertion counts as a change of the program text.
class BlockSink {
 public:
  virtual ~BlockSink() = default;
  virtual void InsertBlock(const QString& block) = 0;
};

}  // namespace zel
