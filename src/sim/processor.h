#pragma once
// The processor's side of the link: bytes and time in, answers out. It keeps
// the current parameter set and ten memory modes as wire values, answers its
// own probe byte, applies and acknowledges every command it knows, answers
// read requests with the block encoded from the store or a memory mode, and
// takes in the bulk import of its own model. A frame it cannot verify gets no
// answer.
#include <array>
#include <string>
#include <vector>

#include "sim/frame_parser.h"
#include "sim/models.h"
#include "sim/params.h"

namespace kavel::sim {

inline constexpr int kModeCount = 10;

// What became of one piece of the input.
struct Exchange {
  Bytes request;      // a probe byte, a whole frame, or bytes that were skipped
  Bytes reply;        // the answer; empty when there is none
  std::string note;   // what happened, for the traffic log
  bool isRequest = false;  // a probe byte or a frame (skipped bytes are not)
  bool changed = false;    // the current set or a memory mode changed
};

class Processor {
 public:
  explicit Processor(Model model, Store current = Store::factory());

  // Parses and handles everything received at `nowUs`.
  std::vector<Exchange> receive(const Bytes& in, long long nowUs);
  // Parsing only, for callers that decide per request whether to handle it.
  std::vector<Chunk> parse(const Bytes& in, long long nowUs) { return parser_.feed(in, nowUs); }
  Exchange handle(const Chunk& chunk);
  // The editor closed the line: a partial frame is forgotten.
  void lineClosed() { parser_.reset(); }

  Model model() const { return model_; }
  bool connected() const { return connected_; }
  Store& current() { return current_; }
  const Store& current() const { return current_; }
  std::array<Store, kModeCount>& modes() { return modes_; }
  const std::array<Store, kModeCount>& modes() const { return modes_; }

 private:
  Exchange handleProbe(Byte b);
  Exchange handleFrame(const Bytes& f);
  void handleLink(const Bytes& f, Exchange& ex);
  void handleSave(const Bytes& f, Exchange& ex);
  void handleRead(const Bytes& f, Exchange& ex);
  void handleImport(const Bytes& f, Exchange& ex);
  void handleCommand(const Bytes& f, Exchange& ex);
  bool handleEqCommand(const Bytes& f, Exchange& ex);
  void recall(int mode);

  Model model_;
  Store current_;
  std::array<Store, kModeCount> modes_;
  FrameParser parser_;
  bool connected_ = false;
};

// The acknowledgement of a command: 0x35 0x82, group, code.
Bytes ackOf(Byte group, Byte code);

}  // namespace kavel::sim
