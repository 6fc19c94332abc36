#include "editor/file_names.h"

namespace zel {

namespace {

constexpr char16_t kFirstKeptByte = 0xDC80;  // a byte 0x80 … 0xFF kept as U+DC80 … U+DCFF
constexpr char16_t kLastKeptByte = 0xDCFF;

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype Utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
  const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  qsizetype length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (qsizetype i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code = code << 6 | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and codes beyond Unicode are no valid UTF-8.
  if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
      (code >= 0xD800 && code <= 0xDFFF))
    return 0;
  return length;
}

// Whether the character at `i` is a kept byte: a lone surrogate of the kept range, not the
// second half of a character beyond the first 65 536.
bool IsKeptByte(QStringView name, qsizetype i) {
  const char16_t c = name[i].unicode();
  return c >= kFirstKeptByte && c <= kLastKeptByte && (i == 0 || !name[i - 1].isHighSurrogate());
}

}  // namespace

QString FileNameFromBytes(QByteArrayView bytes) {
  QString name;
  name.reserve(bytes.size());
  qsizetype at = 0;
  while (at < bytes.size()) {
    const qsizetype length = Utf8SequenceAt(bytes, at);
    if (length == 0) {
      name += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
      ++at;
      continue;
    }
    name += QString::fromUtf8(bytes.sliced(at, length));
    at += length;
  }
  return name;
}

QByteArray FileNameBytes(QStringView name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype from = 0;
  for (qsizetype i = 0; i <= name.size(); ++i) {
    const bool kept = i < name.size() && IsKeptByte(name, i);
    if (!kept && i < name.size()) continue;
    bytes += name.sliced(from, i - from).toUtf8();
    if (kept) bytes += static_cast<char>(name[i].unicode() - 0xDC00);
    from = i + 1;
  }
  return bytes;
}

bool HasForeignBytes(QStringView name) {
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (IsKeptByte(name, i)) return true;
  }
  return false;
}

}  // namespace zel
