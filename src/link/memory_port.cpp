#include "link/memory_port.h"

#include <algorithm>

namespace kavel {

void MemoryPort::setAvailable(std::vector<int> ports) { available_ = std::move(ports); }

PortError MemoryPort::open() {
  triedPorts.push_back(commPort_);
  if (open_) return PortError{PortError::Kind::Busy, "port already open"};
  if (auto it = errors_.find(commPort_); it != errors_.end()) return it->second;
  if (std::find(available_.begin(), available_.end(), commPort_) == available_.end())
    return PortError{PortError::Kind::NotFound, "no such device"};
  open_ = true;
  openedPorts.push_back(commPort_);
  return {};
}

void MemoryPort::close() {
  if (!open_) return;
  open_ = false;
  ++closes;
  input_.clear();
}

void MemoryPort::applySettings(const LinkSettings& settings) {
  settingsApplied.push_back(settings);
}

void MemoryPort::write(const Bytes& bytes) {
  if (!open_) return;
  writes.push_back({clock_.nowMs(), commPort_, bytes});
  if (responder) responder(bytes);
}

Bytes MemoryPort::readAll() {
  Bytes out;
  out.swap(input_);
  return out;
}

void MemoryPort::discardInput() {
  ++inputDiscards;
  input_.clear();
}

void MemoryPort::deliver(const Bytes& bytes, long long delayMs) {
  clock_.atWorld(delayMs, [this, bytes] {
    if (!open_) return;
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    if (notifyPending_) return;
    notifyPending_ = true;
    clock_.post(0, [this] {
      notifyPending_ = false;
      commEvent_ = kCommEventReceive;
      if (onComm) onComm();
    });
  });
}

void MemoryPort::raiseEvent(int commEvent) {
  clock_.post(0, [this, commEvent] {
    commEvent_ = commEvent;
    if (onComm) onComm();
  });
}

}  // namespace kavel
