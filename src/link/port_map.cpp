#include "link/port_map.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kavel {

namespace {

// The default mapping: consecutive port numbers on consecutive devices of a family.
struct DeviceFamily {
  int firstPort;
  int count;
  const char* prefix;
};
constexpr DeviceFamily kDefaultFamilies[] = {
    {1, 4, "/dev/ttyS"},
    {5, 6, "/dev/ttyUSB"},
    {11, 4, "/dev/ttyACM"},
};

bool inRange(int n) { return n >= PortMap::kFirstPort && n <= PortMap::kLastPort; }

bool startsWithCom(std::string_view text) {
  if (text.size() < 3) return false;
  for (int i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) return false;
  return true;
}

// The port number of "COMn", or 0 when it is not one of COM1 to COM16.
int portNumber(std::string_view name) {
  if (!startsWithCom(name)) return 0;
  std::string_view digits = name.substr(3);
  if (digits.empty() || digits.size() > 2) return 0;
  int n = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    n = n * 10 + (c - '0');
  }
  return inRange(n) ? n : 0;
}

std::string malformed(std::string_view text, const char* reason) {
  return "端口映射“" + std::string(text) + "”写法不对：" + reason +
         "，应写成 COMn=设备，例如 COM5=/dev/ttyUSB0";
}

bool deviceExists(const std::string& device) {
  std::error_code ec;
  return !device.empty() && std::filesystem::exists(device, ec);
}

}  // namespace

PortMap::PortMap() {
  for (const DeviceFamily& family : kDefaultFamilies)
    for (int i = 0; i < family.count; ++i)
      devices_[family.firstPort + i] = family.prefix + std::to_string(i);
}

const std::string& PortMap::device(int n) const {
  static const std::string kNone;
  return inRange(n) ? devices_[n] : kNone;
}

void PortMap::setDevice(int n, std::string device) {
  if (inRange(n)) devices_[n] = std::move(device);
}

std::string PortMap::applyOverride(std::string_view text) {
  const auto eq = text.find('=');
  if (eq == std::string_view::npos) return malformed(text, "缺少等号");
  const int n = portNumber(text.substr(0, eq));
  if (n == 0) return malformed(text, "端口号只能是 COM1 到 COM16");
  std::string device(text.substr(eq + 1));
  if (device.empty()) return malformed(text, "等号后缺少设备路径");
  if (device.find('/') == std::string::npos) device = "/dev/" + device;
  devices_[n] = std::move(device);
  return {};
}

std::vector<PortMap::Entry> PortMap::entries() const {
  std::vector<Entry> out;
  for (int n = kFirstPort; n <= kLastPort; ++n)
    out.push_back({n, devices_[n], deviceExists(devices_[n])});
  return out;
}

std::string formatPortList(const std::vector<PortMap::Entry>& entries) {
  std::size_t width = 0;
  for (const PortMap::Entry& e : entries) width = std::max(width, e.device.size());
  std::string out;
  for (const PortMap::Entry& e : entries) {
    std::string name = "COM" + std::to_string(e.port);
    name.resize(7, ' ');
    if (e.device.empty()) {
      out += name + "（未映射）\n";
      continue;
    }
    std::string device = e.device;
    device.resize(width + 3, ' ');
    out += name + device + (e.exists ? "存在" : "不存在") + "\n";
  }
  return out;
}

}  // namespace kavel
