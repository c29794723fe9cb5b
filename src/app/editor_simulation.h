#pragma once
// The editor's --simulate: a simulated processor served from a thread of the
// editor's own process on a pseudo-terminal, offered as COM15 (the highest
// port the start-up lists, so the start-up chooses it).
#include <memory>
#include <string>
#include <thread>

#include "app/sim_host.h"
#include "link/port_map.h"

namespace kavel {

class EditorSimulation {
 public:
  static constexpr int kPort = 15;

  EditorSimulation() = default;
  ~EditorSimulation();

  // `model` is "1", "2", "3" or "3b". Maps COM15 in `map` to the simulator's
  // device. Returns an empty string, or what went wrong, for the operator.
  std::string start(const std::string& model, PortMap& map);
  // For the status line: says the processor is simulated, and which model.
  std::string notice() const;

 private:
  std::unique_ptr<sim::SimHost> host_;
  std::thread thread_;
  std::string model_;
};

}  // namespace kavel
