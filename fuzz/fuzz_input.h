#pragma once

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
  int Below(int n) { return n > 0 ? Byte() % n : 0; }
  QString Text() {
    const std::size_t length = Byte();
    const std::size_t take = length < size_ - pos_ ? length : size_ - pos_;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data_ + pos_),
                                           static_cast<qsizetype>(take));
    pos_ += take;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace zel::fuzz
