#pragma once
// Byte strings written the way the protocol tables write them: "A5 67 35".
#include <sstream>
#include <string>

#include "controls/bytes.h"

namespace kavel::sim::test {

inline Bytes hex(const std::string& text) {
  std::istringstream in(text);
  Bytes out;
  std::string byte;
  while (in >> byte) out.push_back(static_cast<Byte>(std::stoi(byte, nullptr, 16)));
  return out;
}

}  // namespace kavel::sim::test
