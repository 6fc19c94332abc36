// The code page 932 codec: any bytes decode, and encode back to the same bytes; any valid
// Unicode text either encodes or names the first character it cannot hold, and what it
// encodes reads back as the same text.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "editor/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const zel::TextCodec& codec = zel::Cp932();
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

  // Bytes → text → the same bytes.
  const zel::DecodedText decoded = codec.Decode(bytes);
  const zel::EncodeResult back = codec.Encode(decoded.utf8, decoded.forms);
  if (!back.ok || back.bytes != bytes) std::abort();

  // The same bytes taken as UTF-8 text (made valid) either encode, reading back as the same
  // text, or name a character that stands at the offset given.
  const QByteArray text = QString::fromUtf8(bytes).toUtf8();
  const zel::EncodeResult encoded = codec.Encode(text, {});
  if (encoded.ok) {
    if (codec.Decode(encoded.bytes).utf8 != text) std::abort();
  } else {
    if (encoded.bad_offset < 0 || encoded.bad_offset >= text.size()) std::abort();
    const QString rest = QString::fromUtf8(text.mid(encoded.bad_offset));
    if (rest.isEmpty() || rest.toUcs4().first() != encoded.bad_char) std::abort();
  }
  return 0;
}
