#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

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
