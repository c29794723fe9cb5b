#include "sim/session.h"

#include <algorithm>
#include <cmath>

namespace kavel::sim {

Bytes garbageFor(const Bytes& reply) {
  Bytes out(reply.size());
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = i % 2 == 0 ? 0xEE : 0x11;
  return out;
}

std::vector<Exchange> Session::receive(const Bytes& in, long long nowUs) {
  std::vector<Exchange> out;
  // Paced, a request is heard only once its last byte has crossed the line,
  // so the answer starts no earlier: a 224-byte import takes 58 ms to arrive.
  heardUs_ = faults_.paced ? std::max<double>(double(nowUs), heardUs_) + double(in.size()) * kByteUs
                           : double(nowUs);
  const auto heard = static_cast<long long>(std::ceil(heardUs_));
  for (const Chunk& c : processor_.parse(in, nowUs)) {
    if (hangUpPending_) break;
    if (c.kind == Chunk::Kind::Ignored) {
      out.push_back(processor_.handle(c));
      continue;
    }
    ++requests_;
    if (requests_ <= faults_.ignoreFirst) {
      out.push_back({c.bytes, {}, "lost (ignoring the first " +
                                      std::to_string(faults_.ignoreFirst) + " requests)",
                     true, false});
      continue;
    }
    Exchange ex = processor_.handle(c);
    if (faults_.silent && !ex.reply.empty()) {
      ex.reply.clear();
      ex.note += "; answer withheld (silent)";
    } else if (faults_.garbage && !ex.reply.empty()) {
      ex.reply = garbageFor(ex.reply);
      ex.note += "; garbage answered";
    }
    schedule(ex.reply, heard);
    if (faults_.hangUpAfter > 0 && requests_ >= faults_.hangUpAfter) {
      hangUpPending_ = true;
      ex.note += "; hanging up";
    }
    out.push_back(std::move(ex));
  }
  return out;
}

void Session::schedule(const Bytes& reply, long long nowUs) {
  if (reply.empty()) return;
  double start = static_cast<double>(nowUs + faults_.delayUs);
  if (!faults_.paced) {
    for (Byte b : reply) queue_.push_back({static_cast<long long>(start), b});
    return;
  }
  double t = std::max(start, lineFreeUs_);
  for (Byte b : reply) {
    t += kByteUs;  // a byte is there once its stop bit has gone
    queue_.push_back({static_cast<long long>(std::ceil(t)), b});
  }
  lineFreeUs_ = t;
}

Bytes Session::takeDue(long long nowUs) {
  Bytes out;
  while (!queue_.empty() && queue_.front().atUs <= nowUs) {
    out.push_back(queue_.front().byte);
    queue_.pop_front();
  }
  return out;
}

long long Session::nextDueUs() const { return queue_.empty() ? -1 : queue_.front().atUs; }

void Session::lineClosed() {
  queue_.clear();
  processor_.lineClosed();
}

}  // namespace kavel::sim
