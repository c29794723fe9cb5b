#pragma once
// Which Linux device stands behind each of the editor's port numbers COM1 to
// COM16. The default mapping is fixed so that a port number means the same
// device on every machine:
//   COM1  to COM4   /dev/ttyS0   to /dev/ttyS3    built-in UARTs
//   COM5  to COM10  /dev/ttyUSB0 to /dev/ttyUSB5  USB-serial adapters
//   COM11 to COM14  /dev/ttyACM0 to /dev/ttyACM3  USB CDC modems and adapters
//   COM15 and COM16 unmapped, free for overrides
// The operator overrides single entries with "COMn=DEVICE" (the --port
// option), for example COM5=/dev/serial/by-id/usb-FTDI_FT232R-if00-port0.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kavel {

class PortMap {
 public:
  static constexpr int kFirstPort = 1;
  static constexpr int kLastPort = 16;

  PortMap();  // the default mapping

  // The device of port `n`; empty when `n` is unmapped or out of range.
  const std::string& device(int n) const;
  // Maps port `n` (1 to 16) to `device`; an empty `device` unmaps it.
  void setDevice(int n, std::string device);

  // Applies one "COMn=DEVICE" override (COM in any case, n from 1 to 16). A
  // DEVICE without a slash names a file in /dev ("ttyUSB0"). Returns an empty
  // string, or the reason the text is malformed, for the operator.
  std::string applyOverride(std::string_view text);

  struct Entry {
    int port;
    std::string device;  // empty when unmapped
    bool exists;         // the device file (or what a symlink points to) is there
  };
  std::vector<Entry> entries() const;

 private:
  std::array<std::string, kLastPort + 1> devices_;  // index 0 unused
};

// The mapping as the --list-ports option prints it, one port per line:
// "COM5   /dev/ttyUSB0   存在".
std::string formatPortList(const std::vector<PortMap::Entry>& entries);

}  // namespace kavel
