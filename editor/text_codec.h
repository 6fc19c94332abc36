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
  enum class Failure {
    kNone,
    // A character the code page cannot hold (or a private-use character that stands for no
    // byte the reader produces).
    kUnrepresentable,
    // A stand-in for a lone lead byte that would join the byte written after it into one
    // character on the next reading.
    kJoinsNext,
  };
  bool ok = false;
  QByteArray bytes;
  // When !ok: why, the character, and its byte offset in the UTF-8 text.
  Failure failure = Failure::kNone;
  qint64 bad_offset = -1;
  char32_t bad_char = 0;
};

// Conversion between a program file's bytes and the editor's text. Bytes that are not
// valid in the code page (all of them 80 or above) become the private-use characters
// U+F780 to U+F7FF (U+F700 + byte) and are written back as the same byte, so any file
// survives a load and save unchanged. Encoding refuses whatever would not read back as the
// same text: a character the code page cannot hold, a stand-in for a byte that the reader
// would take as a character, a stand-in for a lead byte that would join the next byte.
class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual DecodedText Decode(QByteArrayView bytes) const = 0;
  // forms must be sorted by offset; a form is used only where its character still stands.
  virtual EncodeResult Encode(QByteArrayView utf8, const std::vector<ByteForm>& forms) const = 0;
};

// Code page 932 (Windows-31J), from one table for every platform (the C library's Windows-31J
// character map), so that a file reads and writes back the same on Windows and elsewhere.
const TextCodec& Cp932();

// The private-use character U+F700 + b stands for the undecodable byte b (80 to FF).
inline constexpr char32_t kRawByteBase = 0xF700;
inline constexpr char32_t kFirstRawByte = kRawByteBase + 0x80;
inline constexpr char32_t kLastRawByte = kRawByteBase + 0xFF;

}  // namespace zel
