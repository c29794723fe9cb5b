#include "app/editor_simulation.h"

namespace kavel {

std::string EditorSimulation::start(const std::string& model, PortMap& map) {
  std::optional<sim::Model> m = sim::modelByName(model);
  if (!m) return "--simulate: 型号必须是 1, 2, 3 或 3b";
  sim::HostOptions options;
  options.model = *m;
  host_ = std::make_unique<sim::SimHost>(options, sim::SimState());
  std::string error;
  if (!host_->open(error)) return "--simulate: 无法建立模拟处理器: " + error;
  // The device itself, no symlink that a killed editor would leave behind.
  // The editor's port is this process's own: it cannot be left locked for
  // the simulator, which therefore never has to move to another device.
  map.setDevice(kPort, host_->devicePath());
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
