#pragma once
// A processor on a line, with the faults that reliability work needs: no
// answers, garbage answers, late answers, the first requests ignored, output
// at the pace of a real 38400-baud 8N1 line, and a hang-up after a number of
// requests. Requests are probe bytes and whole frames. Time is in
// microseconds on any steady clock; the caller writes what falls due.
#include <deque>
#include <vector>

#include "sim/processor.h"

namespace kavel::sim {

struct Faults {
  bool silent = false;     // never answer
  bool garbage = false;    // answer with bytes that mean nothing
  long long delayUs = 0;   // every answer leaves this much later
  int ignoreFirst = 0;     // the first N requests are lost
  bool paced = false;      // bytes leave one by one at line speed
  int hangUpAfter = 0;     // hang up once N requests are answered (0: never)
};

// One start bit, eight data bits, one stop bit at 38400 baud.
inline constexpr double kByteUs = 10.0 * 1e6 / 38400.0;

class Session {
 public:
  Session(Processor& processor, Faults faults) : processor_(processor), faults_(faults) {}

  // Bytes from the editor; returns what became of them, for the log.
  std::vector<Exchange> receive(const Bytes& in, long long nowUs);
  // The output due at `nowUs`, oldest first, taken off the queue.
  Bytes takeDue(long long nowUs);
  // When the next byte falls due; -1 when nothing waits.
  long long nextDueUs() const;
  // True once the hang-up is due: every answer before it has left.
  bool hungUp() const { return hangUpPending_ && queue_.empty(); }
  // The editor closed the line: unsent answers and a partial frame are lost.
  void lineClosed();
  int requests() const { return requests_; }

 private:
  struct Due {
    long long atUs;
    Byte byte;
  };
  void schedule(const Bytes& reply, long long nowUs);

  Processor& processor_;
  Faults faults_;
  std::deque<Due> queue_;
  double lineFreeUs_ = 0;  // when the line has sent its last queued byte
  double heardUs_ = 0;     // when the last byte received so far has come in, paced
  int requests_ = 0;
  bool hangUpPending_ = false;
};

// What a garbage answer looks like: as long as the real one, matching no reply.
Bytes garbageFor(const Bytes& reply);

}  // namespace kavel::sim
