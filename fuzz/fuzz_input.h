#pragma once
// A fuzz input read front to back: single bytes that choose, and runs of
// bytes that are handed on. Past the end every byte reads as 0 and every run
// is cut short, so any input is a valid one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/bytes.h"

namespace kavel::fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ == size_; }
  Byte byte() { return empty() ? 0 : data_[at_++]; }
  // A number from 0 to n - 1.
  int pick(int n) { return byte() % n; }
  Bytes bytes(std::size_t n) {
    n = std::min(n, size_ - at_);
    Bytes out(data_ + at_, data_ + at_ + n);
    at_ += n;
    return out;
  }
  std::string rest() {
    std::string out(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    at_ = size_;
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Stops the fuzzer with a crash when an invariant is broken.
inline void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace kavel::fuzz
