#include "editor/text_codec.h"

#include <array>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace zel {
namespace {

// Decoding of one lead or single byte and its trail bytes, and the encoder's choice for each
// BMP character.
struct Cp932Tables {
  // For single bytes: the character, 0xFFFF for a lead byte, 0xFFFE for an invalid byte.
  std::array<char16_t, 256> single{};
  // For lead byte l and trail t: double_[(l << 8) | t], 0 where the pair is not a character.
  std::vector<char16_t> pairs = std::vector<char16_t>(65536, 0);
  // Encoder: bytes for each BMP character (0 = not representable; U+0000 is handled apart).
  std::vector<quint16> encode = std::vector<quint16>(65536, 0);
  // Pairs that decode to a character whose encoder form is another pair.
  std::vector<bool> non_canonical = std::vector<bool>(65536, false);
};

constexpr char16_t kLead = 0xFFFF;
constexpr char16_t kInvalid = 0xFFFE;

#ifdef Q_OS_WIN
// Returns the character for bytes, 0 when they are not exactly one character.
char16_t SystemDecode(const char* bytes, int length) {
  wchar_t out[4];
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, length, out, 4);
  return n == 1 ? static_cast<char16_t>(out[0]) : 0;
}
quint16 SystemEncode(char16_t c) {
  char out[4];
  BOOL used_default = FALSE;
  const wchar_t in = static_cast<wchar_t>(c);
  const int n =
      WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &in, 1, out, 4, nullptr, &used_default);
  if (used_default || n < 1 || n > 2) return 0;
  return n == 1 ? static_cast<quint8>(out[0])
                : static_cast<quint16>((static_cast<quint8>(out[0]) << 8) |
                                       static_cast<quint8>(out[1]));
}
bool IsLeadByte(unsigned char b) { return IsDBCSLeadByteEx(932, b); }
#else
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts all of in; returns the number of output bytes or -1, with errno_out set.
  int Convert(const char* in, size_t in_len, char* out, size_t out_len, int* error) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in_ptr = const_cast<char*>(in);
    char* out_ptr = out;
    size_t in_left = in_len;
    size_t out_left = out_len;
    errno = 0;
    const size_t r = iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
    *error = (r == static_cast<size_t>(-1)) ? errno : 0;
    if (r == static_cast<size_t>(-1)) return -1;
    return static_cast<int>(out_len - out_left);
  }

 private:
  iconv_t cd_;
};

Iconv& Decoder() {
  static Iconv cd("UTF-16LE", "CP932");
  return cd;
}
Iconv& Encoder() {
  static Iconv cd("CP932", "UTF-16LE");
  return cd;
}
char16_t SystemDecode(const char* bytes, int length) {
  char out[8];
  int error = 0;
  const int n = Decoder().Convert(bytes, length, out, sizeof out, &error);
  if (n != 2) return 0;
  return static_cast<char16_t>(static_cast<quint8>(out[0]) | (static_cast<quint8>(out[1]) << 8));
}
quint16 SystemEncode(char16_t c) {
  const char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  char out[8];
  int error = 0;
  const int n = Encoder().Convert(in, 2, out, sizeof out, &error);
  if (n == 1) return static_cast<quint8>(out[0]);
  if (n == 2)
    return static_cast<quint16>((static_cast<quint8>(out[0]) << 8) | static_cast<quint8>(out[1]));
  return 0;
}
bool IsLeadByte(unsigned char b) {
  const char in[1] = {static_cast<char>(b)};
  char out[8];
  int error = 0;
  return Decoder().Convert(in, 1, out, sizeof out, &error) < 0 && error == EINVAL;
}
#endif

Cp932Tables BuildTables() {
  Cp932Tables t;
#ifndef Q_OS_WIN
  if (!Decoder().valid() || !Encoder().valid()) qFatal("code page 932 conversion not available");
#endif
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    if (b < 0x80) {
      t.single[b] = static_cast<char16_t>(b);
    } else if (IsLeadByte(static_cast<unsigned char>(b))) {
      t.single[b] = kLead;
    } else {
      const char16_t c = SystemDecode(&byte, 1);
      t.single[b] = c ? c : kInvalid;
    }
  }
  for (int lead = 0x80; lead < 256; ++lead) {
    if (t.single[lead] != kLead) continue;
    for (int trail = 0x40; trail < 256; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const char16_t c = SystemDecode(pair, 2);
      if (c) t.pairs[(lead << 8) | trail] = c;
    }
  }
  // The encoder's choice for every character that some bytes decode to.
  for (int b = 0; b < 256; ++b) {
    const char16_t c = t.single[b];
    if (c != kLead && c != kInvalid) t.encode[c] = static_cast<quint16>(b);
  }
  for (int p = 0; p < 65536; ++p) {
    const char16_t c = t.pairs[p];
    if (!c) continue;
    if (!t.encode[c]) t.encode[c] = SystemEncode(c);
    if (!t.encode[c]) t.encode[c] = static_cast<quint16>(p);
  }
  for (int p = 0; p < 65536; ++p) {
    const char16_t c = t.pairs[p];
    if (c && t.encode[c] != p) t.non_canonical[p] = true;
  }
  return t;
}

const Cp932Tables& Tables() {
  static const Cp932Tables tables = BuildTables();
  return tables;
}

void AppendUtf8(QByteArray& out, char32_t c) {
  if (c < 0x80) {
    out.append(static_cast<char>(c));
  } else if (c < 0x800) {
    out.append(static_cast<char>(0xC0 | (c >> 6)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.append(static_cast<char>(0xE0 | (c >> 12)));
    out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Reads one UTF-8 character at i; returns its length, or 0 for a malformed sequence.
int ReadUtf8(QByteArrayView s, qsizetype i, char32_t* c) {
  const auto b0 = static_cast<quint8>(s[i]);
  if (b0 < 0x80) {
    *c = b0;
    return 1;
  }
  int length = 0;
  char32_t value = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    value = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    value = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    value = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<quint8>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b & 0x3F);
  }
  *c = value;
  return length;
}

class Cp932Codec : public TextCodec {
 public:
  DecodedText Decode(QByteArrayView bytes) const override {
    const Cp932Tables& t = Tables();
    DecodedText result;
    // Japanese text grows by about half in UTF-8; reserve for the common case.
    result.utf8.reserve(bytes.size() + bytes.size() / 2 + 16);
    const qsizetype n = bytes.size();
    const auto* p = reinterpret_cast<const quint8*>(bytes.data());
    for (qsizetype i = 0; i < n;) {
      const quint8 b = p[i];
      if (b < 0x80) {
        // Runs of ASCII are the bulk of a program: copy them in one go.
        qsizetype j = i + 1;
        while (j < n && p[j] < 0x80) ++j;
        result.utf8.append(reinterpret_cast<const char*>(p + i), j - i);
        i = j;
        continue;
      }
      const char16_t c = t.single[b];
      if (c == kLead && i + 1 < n) {
        const int pair = (b << 8) | p[i + 1];
        if (const char16_t d = t.pairs[pair]) {
          if (t.non_canonical[pair])
            result.forms.push_back(ByteForm{result.utf8.size(), static_cast<quint16>(pair)});
          AppendUtf8(result.utf8, d);
          i += 2;
          continue;
        }
      }
      if (c == kLead || c == kInvalid) {
        AppendUtf8(result.utf8, kRawByteBase + b);
      } else {
        AppendUtf8(result.utf8, c);
      }
      ++i;
    }
    return result;
  }

  EncodeResult Encode(QByteArrayView utf8, const std::vector<ByteForm>& forms) const override {
    const Cp932Tables& t = Tables();
    EncodeResult result;
    result.bytes.reserve(utf8.size());
    auto fail = [&result](EncodeResult::Failure failure, qint64 offset, char32_t c) {
      result.failure = failure;
      result.bad_offset = offset;
      result.bad_char = c;
      return result;
    };
    // A lone lead byte just written: where its stand-in stood, and the byte.
    qint64 lead_offset = -1;
    quint8 lead = 0;
    // The byte that follows a lone lead byte must not make a character with it.
    auto joins = [&](quint8 next) { return lead_offset >= 0 && t.pairs[(lead << 8) | next]; };
    auto form = forms.begin();
    const qsizetype n = utf8.size();
    for (qsizetype i = 0; i < n;) {
      const auto b = static_cast<quint8>(utf8[i]);
      if (b < 0x80) {
        if (joins(b))
          return fail(EncodeResult::Failure::kJoinsNext, lead_offset, kRawByteBase + lead);
        lead_offset = -1;
        qsizetype j = i + 1;
        while (j < n && static_cast<quint8>(utf8[j]) < 0x80) ++j;
        result.bytes.append(utf8.data() + i, j - i);
        i = j;
        continue;
      }
      char32_t c = 0;
      const int length = ReadUtf8(utf8, i, &c);
      if (length == 0) return fail(EncodeResult::Failure::kUnrepresentable, i, b);
      while (form != forms.end() && form->offset < i) ++form;
      quint16 bytes = 0;
      bool raw = false;
      if (form != forms.end() && form->offset == i && t.pairs[form->bytes] == c) {
        bytes = form->bytes;
      } else if (c >= kFirstRawByte && c <= kLastRawByte) {
        // Only a byte the reader cannot take as a character comes back as this stand-in.
        bytes = static_cast<quint16>(c - kRawByteBase);
        const char16_t single = t.single[bytes];
        if (single != kLead && single != kInvalid)
          return fail(EncodeResult::Failure::kUnrepresentable, i, c);
        raw = single == kLead;
      } else if (c < 0x10000 && t.encode[c]) {
        bytes = t.encode[c];
      } else {
        return fail(EncodeResult::Failure::kUnrepresentable, i, c);
      }
      const auto first = static_cast<quint8>(bytes > 0xFF ? bytes >> 8 : bytes);
      if (joins(first))
        return fail(EncodeResult::Failure::kJoinsNext, lead_offset, kRawByteBase + lead);
      if (bytes > 0xFF) result.bytes.append(static_cast<char>(bytes >> 8));
      result.bytes.append(static_cast<char>(bytes & 0xFF));
      lead_offset = raw ? i : -1;
      lead = static_cast<quint8>(bytes);
      i += length;
    }
    result.ok = true;
    return result;
  }
};

}  // namespace

const TextCodec& Cp932() {
  static const Cp932Codec codec;
  return codec;
}

}  // namespace zel
