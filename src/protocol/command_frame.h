#pragma once
// The command frame: header A5 67 35 31 31 30, a length byte (the bytes that
// follow it, checksum included), group, code, payload and, for most commands,
// a checksum over group through payload.
#include <string>

#include "controls/bytes.h"

namespace kavel {

inline constexpr Byte kFrameHeader[6] = {0xA5, 0x67, 0x35, 0x31, 0x31, 0x30};
inline constexpr std::size_t kLengthOffset = 6;
inline constexpr std::size_t kGroupOffset = 7;

// Sum of the bytes after the length byte up to the last payload byte, modulo 256.
Byte frameChecksum(const Bytes& frame);

// A complete frame from its group, code and payload.
Bytes makeFrame(Byte group, Byte code, const Bytes& payload, bool withChecksum);

// The processor acknowledges a frame with 0x35 0x82, group and code; as the
// reply text compares it, the first `chars` characters of "3582" + group + code.
std::string ackCode(Byte group, Byte code, int chars);

}  // namespace kavel
