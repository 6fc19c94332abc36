#pragma once

#include <QByteArrayView>

#include <vector>

#include "editor/text_codec.h"

namespace zel {

// Where two program texts differ: old bytes [from, old_to) became new bytes [from, new_to);
// before `from` and after the ends both texts, and their byte forms, are the same.
struct ChangedSpan {
  qint64 from = 0;
  qint64 old_to = 0;
  qint64 new_to = 0;
};

// The span of whole characters outside which old and new text (UTF-8) agree, byte forms
// included (each list ordered by offset). Replacing a text by one that differs only in a
// few characters (an undo, a replace-all) then changes only those: the box lays out again
// only the lines they are on.
ChangedSpan FindChangedSpan(QByteArrayView old_text, const std::vector<ByteForm>& old_forms,
                            QByteArrayView new_text, const std::vector<ByteForm>& new_forms);

}  // namespace zel
