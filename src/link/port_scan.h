#pragma once
// The port scan of the start-up: which serial ports can be opened.
#include "controls/inputs.h"
#include "link/link_state.h"
#include "link/serial_port.h"

namespace kavel {

inline constexpr int kScanPorts = 16;  // COM1 to COM16 are tried
inline constexpr int kListPorts = 15;  // COM16 is never listed

// Opens and closes COM1 to COM16 in turn and appends the openable ones up to
// COM15 to `list`, in ascending order. `portName` and the list's text end as
// the highest of them; `portName` stays empty when none opens. The port is
// left closed. Returns the refusal of the first port that exists but may not
// be opened (no kind when there is none), so that the operator can be told
// how to get access.
PortError scanPorts(SerialPort& port, ComboBox& list, LinkState& state);

}  // namespace kavel
