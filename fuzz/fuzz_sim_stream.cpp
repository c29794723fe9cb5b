// The simulated processor's side of the line: any byte stream, cut at
// points and times the input chooses, through the session's faults, the
// parser and the handler. Every byte received is accounted for once, as a
// probe, a frame or skipped bytes, and whatever the stream made of the
// unit's parameters must still write out as a state file and read back the
// same.
#include "fuzz_input.h"
#include "sim/session.h"
#include "sim/state_file.h"

namespace kavel {
namespace {

using fuzz::check;

constexpr int kMaxChunk = 255;
constexpr long long kStepUs = 100;  // a time byte moves up to 25.5 ms, past a stale frame
constexpr sim::Model kModels[] = {sim::Model::M1, sim::Model::M2, sim::Model::M3, sim::Model::M3b};

// The first byte: the model (bits 0-1) and the faults (bits 2-6).
sim::Faults faultsOf(Byte b) {
  sim::Faults f;
  f.garbage = b & 0x04;
  f.paced = b & 0x08;
  f.delayUs = b & 0x10 ? 3000 : 0;
  f.ignoreFirst = b & 0x20 ? 2 : 0;
  f.hangUpAfter = b & 0x40 ? 5 : 0;
  return f;
}

void checkStateRoundTrip(const sim::Processor& unit) {
  sim::SimState back;
  std::string error;
  check(sim::stateFromText(sim::stateToText(unit), back, error));
  check(back.model == unit.model());
  check(back.current == unit.current());
  check(back.modes == unit.modes());
}

}  // namespace
}  // namespace kavel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kavel;
  fuzz::Input in(data, size);
  const Byte setup = in.byte();
  sim::Processor unit(kModels[setup % std::size(kModels)]);
  const sim::Faults faults = faultsOf(setup);
  sim::Session session(unit, faults);
  Bytes sent, accounted;
  long long nowUs = 0;
  bool changed = false;
  auto account = [&](const std::vector<sim::Exchange>& exchanges) {
    for (const sim::Exchange& ex : exchanges) {
      accounted.insert(accounted.end(), ex.request.begin(), ex.request.end());
      changed = changed || ex.changed;
    }
  };
  // Each record: a time byte, a length byte, then the chunk.
  while (!in.empty()) {
    nowUs += in.byte() * kStepUs;
    const Bytes chunk = in.bytes(in.byte() % (kMaxChunk + 1));
    sent.insert(sent.end(), chunk.begin(), chunk.end());
    account(session.receive(chunk, nowUs));
    session.takeDue(nowUs);
  }
  // A partial frame left over goes stale and is skipped as a whole.
  account(session.receive({}, nowUs + sim::FrameParser::kStaleUs + 1));
  if (faults.hangUpAfter == 0) check(accounted == sent);
  if (changed) checkStateRoundTrip(unit);
  return 0;
}
