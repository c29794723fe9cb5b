#pragma once
// kavel-sim as a child process, and the editor's core on the real Qt serial
// adapter, for tests over a pseudo-terminal.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "kavel_process.h"
#include "qt/qt_clock.h"
#include "qt/qt_serial_port.h"
#include "sim/state_file.h"
#include "window/form1.h"
#include "window/scripted_dialogs.h"

namespace kavel::e2e {

// Runs the event loop until `done` holds or `timeoutMs` passes; returns `done()`.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < timeoutMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

class SimProcess {
 public:
  // Starts kavel-sim with `args`, serving on the symlink `link`, saving its
  // state to `stateFile`.
  SimProcess(const QString& link, const QString& stateFile, QStringList args) {
    // Beside this program unless the test environment names the folder.
    const QByteArray dir = qgetenv("KAVEL_BIN_DIR");
    const QString bin =
        (dir.isEmpty() ? QCoreApplication::applicationDirPath() : QString(dir)) + "/kavel-sim";
    args << "--link=" + link << "--save=" + stateFile << "--log=" + stateFile + ".log";
    process_.setProgram(bin);
    process_.setArguments(args);
    process_.start();
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
      device_ = QString(process_.readLine()).trimmed().toStdString();
  }
  // Stops the simulator as Ctrl+C would; it must end cleanly, without a
  // crash and without a sanitizer's report.
  ~SimProcess() {
    bool killed = false;
    if (process_.state() != QProcess::NotRunning) {
      process_.terminate();
      if (!process_.waitForFinished(3000)) {
        killed = true;
        process_.kill();
      }
      process_.waitForFinished(1000);
    }
    const std::string err = process_.readAllStandardError().toStdString();
    EXPECT_FALSE(killed) << "kavel-sim did not stop on SIGTERM";
    EXPECT_FALSE((process_.exitStatus() == QProcess::CrashExit && !killed) || reportsFault(err))
        << "kavel-sim crashed or misbehaved:\n" << err;
  }
  const std::string& device() const { return device_; }
  bool running() const { return process_.state() == QProcess::Running; }

 private:
  QProcess process_;
  std::string device_;
};

// The editor's core on the Qt serial adapter with only COM15 mapped, to the
// simulator's symlink, so the start-up chooses it.
struct Editor {
  explicit Editor(const std::string& device) : port(mapOnly15(device)) {
    port.onLost = [this](const std::string& reason) { lost.push_back(reason); };
  }
  static PortMap mapOnly15(const std::string& device) {
    PortMap map;
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) map.setDevice(n, "");
    map.setDevice(15, device);
    return map;
  }

  QtClock clock;
  QtSerialPort port;
  ScriptedDialogs dialogs;
  Form1 form{port, clock, dialogs};
  std::vector<std::string> lost;
};

// The simulator's saved state, read back; nullopt while it cannot be read.
inline std::optional<sim::SimState> savedState(const QString& file) {
  sim::SimState state;
  std::string error;
  if (!sim::loadStateFile(file.toStdString(), state, error)) return std::nullopt;
  return state;
}

}  // namespace kavel::e2e
