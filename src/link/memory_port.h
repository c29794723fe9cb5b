#pragma once
// An in-memory serial port on a virtual clock, for tests and headless runs.
// Which port numbers open is scripted; what the editor writes is recorded
// and handed to a responder, which can deliver bytes back later.
#include <functional>
#include <map>
#include <vector>

#include "link/serial_port.h"
#include "link/virtual_clock.h"

namespace kavel {

class MemoryPort : public SerialPort {
 public:
  explicit MemoryPort(VirtualClock& clock) : clock_(clock) {}

  // Script: which port numbers can be opened (all others fail as absent).
  void setAvailable(std::vector<int> ports);
  void setOpenError(int port, PortError error) { errors_[port] = std::move(error); }

  void setCommPort(int n) override { commPort_ = n; }
  int commPort() const override { return commPort_; }
  PortError open() override;
  void close() override;
  bool isOpen() const override { return open_; }
  void applySettings(const LinkSettings& settings) override;
  void write(const Bytes& bytes) override;
  Bytes readAll() override;
  void discardInput() override;
  void discardOutput() override { ++outputDiscards; }
  int commEvent() const override { return commEvent_; }
  std::string deviceName(int n) const override { return "mem" + std::to_string(n); }

  // The processor's side: bytes arrive on the line after `delayMs` and raise
  // one receive notification if none is pending.
  void deliver(const Bytes& bytes, long long delayMs = 0);
  // Raises a notification with another reason than received bytes.
  void raiseEvent(int commEvent);
  // Called with every array the editor writes.
  std::function<void(const Bytes&)> responder;

  // What happened, for the tests to read.
  struct Write {
    long long atMs;
    int port;
    Bytes bytes;
  };
  std::vector<Write> writes;
  std::vector<int> openedPorts;   // port number of every successful open
  std::vector<int> triedPorts;    // port number of every open attempt
  int closes = 0;
  int inputDiscards = 0;
  int outputDiscards = 0;
  std::vector<LinkSettings> settingsApplied;
  const Bytes& pendingInput() const { return input_; }

 private:
  VirtualClock& clock_;
  std::vector<int> available_;
  std::map<int, PortError> errors_;
  int commPort_ = 1;
  bool open_ = false;
  bool notifyPending_ = false;
  int commEvent_ = 0;
  Bytes input_;
};

}  // namespace kavel
