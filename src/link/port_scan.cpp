#include "link/port_scan.h"

#include <array>
#include <string>

namespace kavel {

void scanPorts(SerialPort& port, ComboBox& list, LinkState& state) {
  std::array<bool, kScanPorts + 1> failed{};
  for (int n = 1; n <= kScanPorts; ++n) {
    port.setCommPort(n);
    if (port.open()) failed[n] = true;
    port.close();  // a failed open is still followed by the close
  }
  for (int n = 1; n <= kListPorts; ++n) {
    if (failed[n]) continue;
    state.portName = "COM" + std::to_string(n);
    list.addItem(state.portName);
    list.setText(state.portName);
  }
}

}  // namespace kavel
