#pragma once

#include <QtGlobal>

#include "editor/block_sink.h"

namespace zel {

class EditorBox;

// The hand-off of a dialog that edits a written block again: what the dialog hands over takes
// the place of the block's own lines in the editor (the characters [start, start + length)),
// not of the selection. Only the characters that differ change, so a block handed back as it
// was leaves the program text untouched; the caret ends after the block with nothing selected.
// The dialog is modal, so the text cannot change under the range while it is open.
class RangeBlockSink : public BlockSink {
 public:
  RangeBlockSink(EditorBox& box, qint64 start, qint64 length)
      : box_(box), start_(start), length_(length) {}
  void InsertBlock(const QString& block) override;

 private:
  EditorBox& box_;
  qint64 start_;
  qint64 length_;
};

}  // namespace zel
