// The simulator's state file as any text: a document is refused with a
// reason or taken in whole, and what was taken in writes out as a document
// that reads back the same.
#include "fuzz_input.h"
#include "sim/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kavel;
  using fuzz::check;
  const std::string text(reinterpret_cast<const char*>(data), size);
  sim::SimState state;
  std::string error;
  if (!sim::stateFromText(text, state, error)) {
    check(!error.empty());
    return 0;
  }
  sim::Processor unit(state.model.value_or(sim::Model::M1), state.current);
  unit.modes() = state.modes;
  sim::SimState back;
  check(sim::stateFromText(sim::stateToText(unit), back, error));
  check(back.current == state.current);
  check(back.modes == state.modes);
  return 0;
}
