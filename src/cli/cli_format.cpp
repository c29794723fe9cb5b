#include "cli/cli_format.h"

#include <cmath>

namespace kavel::cli {

std::string padded(const std::string& text, std::size_t width) {
  std::size_t cells = 0;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    cells += c >= 0xE0 ? 2 : 1;
  }
  return text + std::string(cells < width ? width - cells : 1, ' ');
}

Json jsonNumber(double v) {
  if (v == std::floor(v) && std::fabs(v) < 1e15) return static_cast<long long>(v);
  return v;
}

}  // namespace kavel::cli
