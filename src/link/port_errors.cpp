#include "link/port_errors.h"

#include <cerrno>
#include <cstring>

namespace kavel {

namespace {

std::string portLabel(int port, const std::string& device) {
  return "COM" + std::to_string(port) + "（" + device + "）";
}

PortError::Kind kindOfErrno(int err) {
  switch (err) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
      return PortError::Kind::NotFound;
    case EACCES:
    case EPERM:
      return PortError::Kind::PermissionDenied;
    case EBUSY:
      return PortError::Kind::Busy;
    default:
      return PortError::Kind::Other;
  }
}

}  // namespace

PortError unmappedPortError(int port) {
  const std::string name = "COM" + std::to_string(port);
  return {PortError::Kind::NotFound,
          name + " 没有对应的串口设备（可用 --port " + name + "=设备路径 指定）"};
}

PortError portError(PortError::Kind kind, int port, const std::string& device,
                    const std::string& detail) {
  const std::string label = portLabel(port, device);
  switch (kind) {
    case PortError::Kind::None:
      return {};
    case PortError::Kind::NotFound:
      return {kind, "找不到串口设备 " + label};
    case PortError::Kind::PermissionDenied:
      // Serial devices belong to the dialout group on Debian-like systems.
      return {kind,
              "权限不足：请把当前用户加入 dialout 组（sudo usermod -aG dialout $USER）后重新登录。"
              "设备：" + label};
    case PortError::Kind::Busy:
      return {kind, "串口设备 " + label + "正被其他程序占用"};
    case PortError::Kind::Other:
      break;
  }
  return {kind, "无法打开串口设备 " + label + (detail.empty() ? "" : "：" + detail)};
}

PortError portErrorFromErrno(int err, int port, const std::string& device) {
  return portError(kindOfErrno(err), port, device, std::strerror(err));
}

std::string portLostMessage(int port, const std::string& device) {
  return "串口 " + portLabel(port, device) + "已断开：请检查串口线或 USB 转串口适配器，"
         "然后重新选择通信端口";
}

}  // namespace kavel
