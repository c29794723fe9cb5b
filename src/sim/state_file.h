#pragma once
// The simulator's state as a JSON document: the model, the current
// parameters and the ten memory modes, each parameter by its name with its
// wire value, each band as [Q byte, gain byte, frequency code]. A document
// may leave out any parameter, band list or mode; those keep the values of a
// unit fresh from the box.
#include <optional>
#include <string>

#include "sim/processor.h"

namespace kavel::sim {

struct SimState {
  std::optional<Model> model;  // absent when the document does not name one
  Store current = Store::factory();
  std::array<Store, kModeCount> modes;
  SimState() { modes.fill(Store::factory()); }
};

// The document as text: two-space indent, each band on one line.
std::string stateToText(const Processor& p);
// Reads `text` over `out`; on failure says where or which member is wrong.
bool stateFromText(const std::string& text, SimState& out, std::string& error);

// File forms; the write goes through a temporary file and a rename, so a
// reader never sees half a state.
bool loadStateFile(const std::string& path, SimState& out, std::string& error);
bool saveStateFile(const std::string& path, const Processor& p, std::string& error);

}  // namespace kavel::sim
