#include "app/kavel_session.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "app/command_line.h"
#include "presets/preset_files.h"

namespace kavel {

namespace {

// Safety nets only: the system gives up on its own much sooner (2 s
// without a probe answer, 100 unanswered frames).
constexpr int kConnectTimeoutMs = 60'000;
constexpr int kCommandTimeoutMs = 15'000;

// What the window shows when a store or a recall has ended.
constexpr const char* kStoredPrefix = "当前数据已保存到模式";
constexpr const char* kRecallDone = "调   用  完  成";
constexpr const char* kImported = "导入成功";

}  // namespace

KavelSession::KavelSession(PortMap map, bool trace) : port_(std::move(map)) {
  SerialPort* port = &port_;
  if (trace) {
    traced_ = std::make_unique<cli::TracedPort>(port_, clock_);
    port = traced_.get();
  }
  dialogs_.showNotes = trace;
  form_ = std::make_unique<Form1>(*port, clock_, dialogs_);
  // Offline first, as the window goes: no later time-out message follows
  // the device's loss.
  port_.onLost = [this](const std::string& reason) {
    form_->handshake.offlineAcknowledged();
    dialogs_.message(reason, Form1::kCaption, MessageIcon::Error, MessageButtons::Ok);
  };
}

KavelSession::~KavelSession() = default;

bool KavelSession::waitFor(const std::function<bool()>& done, int timeoutMs,
                           const std::string& what) {
  QEventLoop loop;
  QTimer poll;
  QTimer::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || dialogs_.failed()) loop.quit();
  });
  QTimer deadline;
  deadline.setSingleShot(true);
  QTimer::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  poll.start(1);
  deadline.start(timeoutMs);
  if (!done() && !dialogs_.failed()) loop.exec();
  if (dialogs_.failed()) return false;
  if (done()) return true;
  std::fprintf(stderr, "kavel: %s: the processor did not finish in %d s\n",
               printable(what).c_str(), timeoutMs / 1000);
  return false;
}

bool KavelSession::connect() {
  dialogs_.startingUp = true;
  form_->Form_Load();
  dialogs_.startingUp = false;
  if (dialogs_.failed() || !form_->port.isOpen()) return false;
  form_->handshake.mnulianji_Click();
  Form1& f = *form_;
  return waitFor([&f] { return f.state.isOnline && !f.timers.anyEnabled(); },
                 kConnectTimeoutMs, "connect");
}

cli::ExitStatus KavelSession::apply(std::span<const cli::Setting> settings) {
  if (const std::string why = cli::checkSettings(*form_, settings); !why.empty()) {
    std::fprintf(stderr, "kavel: %s\n", printable(why).c_str());
    return cli::kUsage;
  }
  Form1& f = *form_;
  for (const cli::Setting& s : settings) {
    for (const cli::Action& act : cli::actions(s)) {
      if (!act(f)) continue;
      // The command is retired when its acknowledgement has stopped every timer.
      if (!waitFor([&f] { return !f.timers.anyEnabled(); }, kCommandTimeoutMs, s.text))
        return cli::kLinkFailure;
    }
  }
  return cli::kSuccess;
}

std::string KavelSession::store(int mode) {
  dialogs_.answer = std::to_string(mode);
  dialogs_.awaited = kStoredPrefix + std::to_string(mode);
  form_->Command8.click();
  if (!waitFor([this] { return dialogs_.awaitedShown(); }, kCommandTimeoutMs, "store"))
    return "";
  return dialogs_.awaited;
}

bool KavelSession::recall(int mode) {
  Form1& f = *form_;
  f.panels.mOption[mode - 1].choose();
  return waitFor([&f] { return f.Label9.caption() == kRecallDone && !f.timers.anyEnabled(); },
                 kConnectTimeoutMs, "recall");
}

bool KavelSession::savePreset(const std::string& path) {
  dialogs_.file = path;
  dialogs_.awaited = kSavedMessage;
  form_->Command7.click();
  return dialogs_.awaitedShown();
}

bool KavelSession::importPreset(const std::string& path) {
  dialogs_.file = path;
  form_->Command9.click();
  Form1& f = *form_;
  return waitFor([&f] { return f.Label9.caption() == kImported && !f.timers.anyEnabled(); },
                 kConnectTimeoutMs, "import");
}

void KavelSession::goOffline() { form_->QueryUnload(); }

}  // namespace kavel
