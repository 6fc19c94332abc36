#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

namespace zel {

// A character that the file holds in a byte form other than the one the encoder would
// choose (code page 932 has two forms for some characters, ED 40 and FA 5C for example).
// The form is kept so that the character is written back as it was read.
struct ByteForm {
  qint64 offset = 0;  // byte offset of the character in the UTF-8 text
  quint16 bytes = 0;  // the two bytes as read, lead byte high
};

// A program text as the editor holds it: UTF-8, plus the byte forms to keep.
struct DecodedText {
  QByteArray utf8;
  std::vector<ByteForm> forms;
};

struct EncodeResult {
  bool ok = false;
  QByteArray bytes;
  // When !ok: the first character the code page cannot represent, and its byte offset in
  // the UTF-8 text.
  qint64 bad_offset = -1;
  char32_t bad_char = 0;
};

// Conversion between a program file's bytes and the editor's text. Bytes that are not
// valid in the code page become private-use characters U+F700 + byte and are written back
// as the same byte, so any file survives a load and save unchanged.
class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual DecodedText Decode(QByteArrayView bytes) const = 0;
  // forms must be sorted by offset; a form is used only where its character still stands.
  virtual EncodeResult Encode(QByteArrayView utf8, const std::vector<ByteForm>& forms) const = 0;
};

// Code page 932 (Windows-31J). The tables come from the system's own conversion of the code
// page (iconv's "CP932" here, the system code page on Windows), read once on first use.
const TextCodec& Cp932();

// First private-use character standing for an undecodable byte.
inline constexpr char32_t kRawByteBase = 0xF700;

}  // namespace zel
