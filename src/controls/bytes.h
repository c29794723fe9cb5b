#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kavel {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;

// Upper-case hex, two digits per byte, oldest first: {0x5A, 0x7F} gives "5A7F".
std::string toHex(const Bytes& bytes);

}  // namespace kavel
