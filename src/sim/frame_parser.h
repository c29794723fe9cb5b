#pragma once
// Splits the byte stream from the editor into probe bytes, whole frames and
// bytes to ignore. The editor repeats a frame every 20 ms and throws away
// its unsent output after every reply, so frames may arrive cut off; the
// parser re-synchronises on the next header: a frame that fails its checks
// is dropped one byte at a time and the rest is scanned again, and a partial
// frame that sees no byte for kStaleUs is dropped whole.
#include <vector>

#include "controls/bytes.h"

namespace kavel::sim {

struct Chunk {
  enum class Kind { Probe, Frame, Ignored };
  Kind kind;
  Bytes bytes;
};

class FrameParser {
 public:
  static constexpr long long kStaleUs = 10'000;

  // Bytes received at `nowUs` (microseconds on any steady clock).
  std::vector<Chunk> feed(const Bytes& in, long long nowUs);
  // Forgets a partial frame (the line was closed).
  void reset() { pending_.clear(); }
  bool midFrame() const { return !pending_.empty(); }

 private:
  enum class Verdict { NeedMore, Bad, Good };
  Verdict check() const;
  void ignore(std::vector<Chunk>& out, std::size_t n);

  Bytes pending_;
  long long lastUs_ = 0;
};

// Header of every frame: 0xA5 then the ASCII text "g5110".
inline constexpr Byte kHeader[6] = {0xA5, 0x67, 0x35, 0x31, 0x31, 0x30};
// Sum of the bytes after the length byte up to the last payload byte, mod 256.
Byte checksumOf(const Bytes& frame);

}  // namespace kavel::sim
