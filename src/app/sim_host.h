#pragma once
// Serves the simulated processor on a pseudo-terminal: the editor opens the
// slave side like any serial device, the simulator reads and writes the
// master side. The simulator holds no descriptor on the slave, so it sees
// the editor close the line (the master reports a hang-up), and then clears
// the exclusive-use flag that an editor which died may have left behind.
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "sim/session.h"
#include "sim/state_file.h"

namespace kavel::sim {

struct HostOptions {
  Model model = Model::M1;
  Faults faults;
  std::string link;      // a symlink to the device, made when not empty
  std::string saveTo;    // state file written after every change and at the end
  std::string logPath;   // traffic log; "-" for standard error
};

class SimHost {
 public:
  SimHost(HostOptions options, SimState state);
  ~SimHost();

  // Creates the pseudo-terminal (and the symlink); false with a message on failure.
  bool open(std::string& error);
  const std::string& devicePath() const { return device_; }
  const std::string& linkPath() const { return options_.link; }

  // Serves until stop() or the hang-up fault. Returns a message for the
  // user when serving ended for another reason than stop().
  std::string serve();
  // Safe from a signal handler and from another thread.
  void stop();

  const Processor& processor() const { return processor_; }

  // Called from serve() when the device had to be replaced (see releaseDevice).
  std::function<void(const std::string& device)> onNewDevice;

 private:
  bool createDevice(std::string& error);
  void releaseDevice();
  void log(const char* direction, const Bytes& bytes, const std::string& note);
  void lineChanged(bool open);
  void save();
  long long nowUs() const;

  HostOptions options_;
  Processor processor_;
  Session session_;
  std::string device_;
  int master_ = -1;
  int wake_[2] = {-1, -1};
  bool lineOpen_ = false;
  std::string failed_;  // why serving cannot go on
  bool linked_ = false;
  std::FILE* log_ = nullptr;
  long long startUs_ = 0;
};

}  // namespace kavel::sim
