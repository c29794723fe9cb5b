#include "sim/frame_parser.h"

#include <algorithm>

namespace kavel::sim {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr Byte kGroupLink = 0x01;
constexpr Byte kGroupSave = 0x12;

// Frame lengths in use: link and save (2), one- and two-byte values (4, 5;
// 5 is also the read request), EQ band (8), the two EQ bypass frames (15,
// 17) and the three bulk imports (214, 216, 217).
bool knownLength(Byte len) {
  static constexpr Byte kLengths[] = {2, 4, 5, 8, 15, 17, 0xD6, 0xD8, 0xD9};
  return std::find(std::begin(kLengths), std::end(kLengths), len) != std::end(kLengths);
}

bool isProbeByte(Byte b) { return b == 0xAF || b == 0xAC || b == 0xAA; }

bool isImport(Byte len) { return len >= 0xD6; }

// A read request: source 0x00 or 0x11, mode, 0x10, block, 0x08.
bool isReadRequest(const Bytes& f) {
  return f[6] == 5 && (f[7] == 0x00 || f[7] == 0x11) && f[9] == 0x10 && f[11] == 0x08;
}

}  // namespace

Byte checksumOf(const Bytes& frame) {
  unsigned sum = 0;
  for (std::size_t i = kHeaderSize + 1; i + 1 < frame.size(); ++i) sum += frame[i];
  return static_cast<Byte>(sum & 0xFF);
}

FrameParser::Verdict FrameParser::check() const {
  std::size_t n = std::min(pending_.size(), kHeaderSize);
  if (!std::equal(pending_.begin(), pending_.begin() + n, kHeader)) return Verdict::Bad;
  if (pending_.size() <= kHeaderSize) return Verdict::NeedMore;
  Byte len = pending_[kHeaderSize];
  if (!knownLength(len)) return Verdict::Bad;
  std::size_t size = kHeaderSize + 1 + len;
  if (pending_.size() < size) return Verdict::NeedMore;
  Bytes f(pending_.begin(), pending_.begin() + size);
  if (isImport(len)) return Verdict::Good;
  if (len == 2) return f[7] == kGroupLink || f[7] == kGroupSave ? Verdict::Good : Verdict::Bad;
  if (isReadRequest(f)) return Verdict::Good;
  return checksumOf(f) == f.back() ? Verdict::Good : Verdict::Bad;
}

void FrameParser::ignore(std::vector<Chunk>& out, std::size_t n) {
  if (out.empty() || out.back().kind != Chunk::Kind::Ignored) out.push_back({Chunk::Kind::Ignored, {}});
  Bytes& b = out.back().bytes;
  b.insert(b.end(), pending_.begin(), pending_.begin() + n);
  pending_.erase(pending_.begin(), pending_.begin() + n);
}

std::vector<Chunk> FrameParser::feed(const Bytes& in, long long nowUs) {
  std::vector<Chunk> out;
  if (!pending_.empty() && nowUs - lastUs_ > kStaleUs) ignore(out, pending_.size());
  lastUs_ = nowUs;
  pending_.insert(pending_.end(), in.begin(), in.end());
  while (!pending_.empty()) {
    if (pending_[0] != kHeader[0]) {
      // Outside a frame a probe byte stands alone; the processor decides
      // whether it is its own.
      if (isProbeByte(pending_[0])) {
        out.push_back({Chunk::Kind::Probe, {pending_[0]}});
        pending_.erase(pending_.begin());
      } else {
        ignore(out, 1);
      }
      continue;
    }
    Verdict v = check();
    if (v == Verdict::NeedMore) break;
    if (v == Verdict::Bad) {
      // The rest of a broken frame is no probe: skip to the next header.
      auto next = std::find(pending_.begin() + 1, pending_.end(), kHeader[0]);
      ignore(out, next - pending_.begin());
      continue;
    }
    std::size_t size = kHeaderSize + 1 + pending_[kHeaderSize];
    out.push_back({Chunk::Kind::Frame, Bytes(pending_.begin(), pending_.begin() + size)});
    pending_.erase(pending_.begin(), pending_.begin() + size);
  }
  return out;
}

}  // namespace kavel::sim
