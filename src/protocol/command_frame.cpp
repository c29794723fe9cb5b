#include "protocol/command_frame.h"

#include <algorithm>

namespace kavel {

Byte frameChecksum(const Bytes& frame) {
  unsigned sum = 0;
  for (std::size_t i = kGroupOffset; i + 1 < frame.size(); ++i) sum += frame[i];
  return Byte(sum % 256);
}

Bytes makeFrame(Byte group, Byte code, const Bytes& payload, bool withChecksum) {
  const std::size_t length = 2 + payload.size() + (withChecksum ? 1 : 0);
  Bytes frame(kLengthOffset + 1 + length, 0x00);
  std::copy(std::begin(kFrameHeader), std::end(kFrameHeader), frame.begin());
  frame[kLengthOffset] = Byte(length);
  frame[kGroupOffset] = group;
  frame[kGroupOffset + 1] = code;
  std::copy(payload.begin(), payload.end(), frame.begin() + kGroupOffset + 2);
  if (withChecksum) frame.back() = frameChecksum(frame);
  return frame;
}

std::string ackCode(Byte group, Byte code, int chars) {
  return ("3582" + toHex({group, code})).substr(0, chars);
}

}  // namespace kavel
