#pragma once

#include <QByteArrayView>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace zel::fuzz {

// Takes pieces of the fuzzer's bytes one after another: small numbers, flags and texts.
// Texts are read as UTF-8 with a length byte before them, so the fuzzer can grow and shrink
// every field on its own.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool Flag() { return Byte() & 1; }
  // A number of 0 … 65535 from two bytes.
  int Word() {
    const int high = Byte();
    return high << 8 | Byte();
  }
  // A number of 0 … n - 1: from one byte, from two where n is larger than a byte.
  int Below(int n) { return n <= 0 ? 0 : (n > 256 ? Word() : Byte()) % n; }
  QString Text() {
    const std::size_t length = Byte();
    const std::size_t take = length < size_ - pos_ ? length : size_ - pos_;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data_ + pos_),
                                           static_cast<qsizetype>(take));
    pos_ += take;
    return text;
  }
  // A field's text as a line edit holds it: no line ends.
  QString FieldText() {
    QString text = Text();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
  }
  // A coordinate or size for the geometry: NaN, ±infinity, ±(1 … 256) · 2^(lowest_exponent
  // … lowest_exponent + 1099), or an ordinary value of -128 … 127 steps plus a fraction.
  double Number(double step, int lowest_exponent) {
    switch (Below(8)) {
      case 0:
        return std::numeric_limits<double>::quiet_NaN();
      case 1:
        return std::numeric_limits<double>::infinity() * (Flag() ? 1 : -1);
      case 2: {
        const double sign = Flag() ? 1 : -1;
        const double mantissa = 1.0 + Byte();
        return sign * std::ldexp(mantissa, Below(1100) + lowest_exponent);
      }
      default: {
        const double steps = static_cast<std::int8_t>(Byte()) * step;
        return steps + Byte() / 64.0;
      }
    }
  }
  // Whatever bytes are left, taken all at once.
  QByteArrayView Rest() {
    const QByteArrayView rest(reinterpret_cast<const char*>(data_ + pos_),
                              static_cast<qsizetype>(size_ - pos_));
    pos_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace zel::fuzz
