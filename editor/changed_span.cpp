#include "editor/changed_span.h"

#include <algorithm>
#include <cstring>

namespace zel {
namespace {

bool IsContinuation(QByteArrayView text, qint64 i) {
  return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

// Length in bytes of the UTF-8 character at text[i] (1 for a stray byte).
qint64 CharLength(QByteArrayView text, qint64 i) {
  qint64 end = i + 1;
  while (IsContinuation(text, end)) ++end;
  return end - i;
}

bool SameForm(const ByteForm& a, const ByteForm& b, qint64 shift) {
  return a.offset + shift == b.offset && a.bytes == b.bytes;
}

}  // namespace

ChangedSpan FindChangedSpan(QByteArrayView old_text, const std::vector<ByteForm>& old_forms,
                            QByteArrayView new_text, const std::vector<ByteForm>& new_forms) {
  const qint64 old_size = old_text.size();
  const qint64 new_size = new_text.size();
  const qint64 common = std::min(old_size, new_size);

  // The common start, in blocks first (the texts may be megabytes long), then bytes.
  qint64 prefix = 0;
  constexpr qint64 kBlock = 4096;
  while (prefix + kBlock <= common &&
         std::memcmp(old_text.data() + prefix, new_text.data() + prefix, kBlock) == 0)
    prefix += kBlock;
  while (prefix < common && old_text[prefix] == new_text[prefix]) ++prefix;
  // A byte form that differs before it moves it back to that character.
  for (size_t k = 0; k < old_forms.size() || k < new_forms.size(); ++k) {
    const bool old_in = k < old_forms.size() && old_forms[k].offset < prefix;
    const bool new_in = k < new_forms.size() && new_forms[k].offset < prefix;
    if (!old_in && !new_in) break;
    if (old_in && new_in && SameForm(old_forms[k], new_forms[k], 0)) continue;
    if (old_in) prefix = std::min(prefix, old_forms[k].offset);
    if (new_in) prefix = std::min(prefix, new_forms[k].offset);
    break;
  }
  // Whole characters: the bytes before prefix are the same in both texts, so is the
  // character they start.
  while (prefix > 0 && (IsContinuation(old_text, prefix) || IsContinuation(new_text, prefix)))
    --prefix;

  // The common end, not reaching into the common start.
  qint64 suffix = 0;
  const qint64 most = common - prefix;
  while (suffix + kBlock <= most &&
         std::memcmp(old_text.data() + old_size - suffix - kBlock,
                     new_text.data() + new_size - suffix - kBlock, kBlock) == 0)
    suffix += kBlock;
  while (suffix < most && old_text[old_size - suffix - 1] == new_text[new_size - suffix - 1])
    ++suffix;
  const qint64 shift = new_size - old_size;
  for (size_t k = 1; k <= old_forms.size() || k <= new_forms.size(); ++k) {
    const ByteForm* old_form = k <= old_forms.size() ? &old_forms[old_forms.size() - k] : nullptr;
    const ByteForm* new_form = k <= new_forms.size() ? &new_forms[new_forms.size() - k] : nullptr;
    const bool old_in = old_form && old_form->offset >= old_size - suffix;
    const bool new_in = new_form && new_form->offset >= new_size - suffix;
    if (!old_in && !new_in) break;
    if (old_in && new_in && SameForm(*old_form, *new_form, shift)) continue;
    // The character with the differing form goes into the span.
    if (old_in)
      suffix =
          std::min(suffix, old_size - old_form->offset - CharLength(old_text, old_form->offset));
    if (new_in)
      suffix =
          std::min(suffix, new_size - new_form->offset - CharLength(new_text, new_form->offset));
    break;
  }
  while (suffix > 0 && IsContinuation(old_text, old_size - suffix)) --suffix;
  return ChangedSpan{prefix, old_size - suffix, new_size - suffix};
}

}  // namespace zel
