#pragma once
// One run of kavel against a processor: the editor's own core (Form1 with
// its handlers, timers and frames) on the Qt serial port, driven as an
// operator would drive the window: start-up on the chosen port, 联机 until
// online, edits on the panels' controls, and the exit's offline frame.
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "cli/cli_dialogs.h"
#include "cli/settings.h"
#include "cli/traced_port.h"
#include "link/port_map.h"
#include "qt/qt_clock.h"
#include "qt/qt_serial_port.h"
#include "window/form1.h"

namespace kavel {

class KavelSession {
 public:
  // `trace`: every byte written and received goes to standard error.
  KavelSession(PortMap map, bool trace);
  ~KavelSession();

  // Start-up on the mapped port, then connect and read back until online.
  // False after a failure, which the system's message has named.
  bool connect();
  // Checks the settings, then makes them one by one, each acknowledged
  // before the next.
  cli::ExitStatus apply(std::span<const cli::Setting> settings);
  // 保存参数到设备 with `mode` typed into its box; the processor's
  // confirmation, or empty after a failure the system or kavel has named.
  std::string store(int mode);
  // A click on the option button 模式 `mode`; true once the recall's
  // read-back has ended.
  bool recall(int mode);
  // 保存参数到电脑 into `path`; true once 参数已保存完成 was shown. A save
  // that fails has said why and kept the old file.
  bool savePreset(const std::string& path);
  // 从电脑中调用 with `path`; true once the processor has acknowledged the
  // bulk import (导入成功).
  bool importPreset(const std::string& path);
  // The window's exit: the offline frame once, and the port closed.
  void goOffline();

  Form1& form() { return *form_; }
  // kSuccess, or the status of the first failure the system reported.
  cli::ExitStatus status() const { return dialogs_.status(); }

 private:
  // Runs the event loop until `done` holds; false when a failure was
  // reported first or after `timeoutMs` (said on standard error as `what`).
  bool waitFor(const std::function<bool()>& done, int timeoutMs, const std::string& what);

  QtClock clock_;
  QtSerialPort port_;
  std::unique_ptr<cli::TracedPort> traced_;
  cli::CliDialogs dialogs_;
  std::unique_ptr<Form1> form_;
};

}  // namespace kavel
