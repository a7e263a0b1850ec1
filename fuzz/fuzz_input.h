// Taking typed values one after the other from a fuzzer's bytes: whatever is left when a
// value is asked for (zeros once the bytes run out), and the rest as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace curvanta {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // A number in [0, bound) (bound at least 1).
  uint32_t Below(uint32_t bound) {
    uint32_t v = uint32_t(Byte()) | (uint32_t(Byte()) << 8);
    return v % bound;
  }
  float Float() {
    uint8_t b[4] = {Byte(), Byte(), Byte(), Byte()};
    float f;
    std::memcpy(&f, b, sizeof f);
    return f;
  }
  // Text up to the next newline (or the end).
  std::string Line() {
    std::string s;
    while (pos_ < size_ && data_[pos_] != '\n') s.push_back(char(data_[pos_++]));
    if (pos_ < size_) ++pos_;
    return s;
  }
  std::string Rest() {
    std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return s;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace curvanta
