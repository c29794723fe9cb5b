#include "app/editor_simulation.h"

#include <unistd.h>

#include <cstdlib>

namespace kavel {

namespace {

// A fixed path per process, so the port map stays right even if the
// simulator has to move to a new device.
std::string linkPath() {
  const char* dir = std::getenv("XDG_RUNTIME_DIR");
  std::string base = dir && *dir && ::access(dir, W_OK) == 0 ? dir : "/tmp";
  return base + "/kavel-sim-" + std::to_string(::getpid());
}

}  // namespace

std::string EditorSimulation::start(const std::string& model, PortMap& map) {
  std::optional<sim::Model> m = sim::modelByName(model);
  if (!m) return "--simulate: 型号必须是 1, 2, 3 或 3b";
  sim::HostOptions options;
  options.model = *m;
  options.link = linkPath();
  host_ = std::make_unique<sim::SimHost>(options, sim::SimState());
  std::string error;
  if (!host_->open(error)) return "--simulate: 无法建立模拟处理器: " + error;
  map.setDevice(kPort, options.link);
  model_ = model;
  thread_ = std::thread([this] { host_->serve(); });
  return "";
}

std::string EditorSimulation::notice() const {
  if (!host_) return "";
  std::string model = model_ == "3b" ? "3 (第二种)" : model_;
  return "模拟处理器 · 型号 " + model + " · COM" + std::to_string(kPort) + " = " +
         host_->devicePath();
}

EditorSimulation::~EditorSimulation() {
  if (!thread_.joinable()) return;
  host_->stop();
  thread_.join();
}

}  // namespace kavel
