#include "link/port_scan.h"

#include <array>
#include <string>

namespace kavel {

PortError scanPorts(SerialPort& port, ComboBox& list, LinkState& state) {
  std::array<bool, kScanPorts + 1> failed{};
  PortError refused;
  for (int n = 1; n <= kScanPorts; ++n) {
    port.setCommPort(n);
    if (PortError error = port.open()) {
      failed[n] = true;
      if (error.kind == PortError::Kind::PermissionDenied && !refused) refused = std::move(error);
    }
    port.close();  // a failed open is still followed by the close
  }
  for (int n = 1; n <= kListPorts; ++n) {
    if (failed[n]) continue;
    state.portName = "COM" + std::to_string(n);
    list.addItem(state.portName);
    list.setText(state.portName);
  }
  return refused;
}

}  // namespace kavel
