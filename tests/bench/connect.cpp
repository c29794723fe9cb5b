// Time from 联机 to the first read-back block, and to the link being online
// after the whole read-back, against kavel-sim on a pseudo-terminal, with and
// without the pace of a real 38400-baud line.
//
// The protocol's own minimum for this span is two exchanges (the connect,
// then block 0x01), each a probe tick (20 ms) and a send tick (20 ms), with
// the 10 ms receive window after the probe reply and after the answer:
// 2 x (20 + 10 + 20 + 10) = 120 ms. To online it is the connect and 39
// blocks, 40 x 60 ms, plus the closing pause of one second: 3400 ms. A
// recall of a memory mode, from the click on its option button to
// "调   用  完  成", reads 37 blocks and pauses one second: 37 x 60 ms + 1000 ms
// = 3220 ms. A preset load, from the file chosen in 从电脑中调用 to "导入成功",
// is one import frame: Timer4's first tick (50 ms), the 5 ms pause, the
// 224-byte frame on the line (224 x 10 bits / 38400 baud = 58.3 ms), the
// 3-byte answer (0.8 ms) and the 10 ms receive window: 124.1 ms, to the
// moment the caption is set; the window then pauses 100 ms before it takes
// input again (usable_ms). The ratio counter is measured / minimum. rss_mb is the
// process's resident memory once online, with every panel filled.
#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "../e2e/sim_process.h"
#include "presets/memory_modes.h"
#include "presets/preset_files.h"

namespace kavel::e2e {
namespace {

constexpr double kProtocolMinimumMs = 120.0;
constexpr double kOnlineMinimumMs = 40 * 60.0 + 1000.0;
constexpr double kRecallMinimumMs = 37 * 60.0 + 1000.0;
constexpr double kImportMinimumMs = 50 + 5 + 224 * 10 / 38.4 + 3 * 10 / 38.4 + 10;
constexpr const char* kRecallDone = "调   用  完  成";

QCoreApplication& app();

// Resident memory of this process in MB, from the kernel's own account.
double residentMb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kb = 0;
      status >> kb;
      return kb / 1024;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

// kavel-sim (paced like a real line or not) and an editor started up on it.
struct Bench {
  explicit Bench(bool paced) {
    app();
    QStringList args{"--model=1"};
    if (paced) args << "--paced";
    sim = std::make_unique<SimProcess>(dir.filePath("kavel"), dir.filePath("state.json"), args);
    if (sim->device().empty()) {
      error = "kavel-sim did not start";
      return;
    }
    editor = std::make_unique<Editor>(dir.filePath("kavel").toStdString());
    editor->form.Form_Load();
    if (!editor->port.isOpen()) error = "the start-up did not open the port";
  }
  QTemporaryDir dir;
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<Editor> editor;
  std::string error;
};

QCoreApplication& app() {
  static int argc = 1;
  static char name[] = "bench_connect";
  static char* argv[] = {name, nullptr};
  static QCoreApplication instance(argc, argv);
  return instance;
}

// Runs one measurement's rounds: `begin` starts a round and `done` tells
// its end (at `endedAt`, or when it is seen). Each round's time goes to the
// benchmark, their mean's ratio to `minimumMs` to its counters.
void timeRounds(benchmark::State& state, Form1& form, double minimumMs, int timeoutMs,
                const char* failure, const std::function<void()>& begin,
                const std::function<bool()>& done,
                const std::function<long long()>& endedAt = {}) {
  double totalMs = 0;
  for (auto _ : state) {
    const long long start = form.clock.nowMs();
    begin();
    if (!waitFor(done, timeoutMs)) return state.SkipWithError(failure);
    const long long end = endedAt ? endedAt() : form.clock.nowMs();
    const double ms = static_cast<double>(end - start);
    totalMs += ms;
    state.SetIterationTime(ms / 1000.0);
    // Let stray bytes settle before the next round.
    waitFor([] { return false; }, 30);
  }
  state.counters["minimum_ms"] = minimumMs;
  state.counters["ratio"] = totalMs / state.iterations() / minimumMs;
}

void BM_ConnectToFirstBlock(benchmark::State& state) {
  Bench bench(state.range(0) != 0);
  if (!bench.error.empty()) return state.SkipWithError(bench.error.c_str());
  Form1& f = bench.editor->form;

  // The first block ends the measurement: note the time and stop there.
  long long answeredAt = -1;
  f.dispatcher.readBackBlock = [&](int) {
    answeredAt = f.clock.nowMs();
    f.timers.stopAll();
    f.state.resetCounters();
    f.state.clearReply();
    return ReceiveEnd::Normally;
  };
  timeRounds(
      state, f, kProtocolMinimumMs, 5000, "no block reply within 5 s",
      [&] {
        answeredAt = -1;
        f.handshake.mnulianji_Click();
      },
      [&] { return answeredAt >= 0; }, [&] { return answeredAt; });
}

void BM_ConnectToOnline(benchmark::State& state) {
  Bench bench(state.range(0) != 0);
  if (!bench.error.empty()) return state.SkipWithError(bench.error.c_str());
  Form1& f = bench.editor->form;
  timeRounds(
      state, f, kOnlineMinimumMs, 15000, "not online within 15 s",
      [&] {
        // Back to offline by hand, so every round is a first connect.
        f.state.isOnline = false;
        f.mnulianji.setEnabled(true);
        f.handshake.mnulianji_Click();
      },
      [&] { return f.state.isOnline; });
  state.counters["rss_mb"] = residentMb();
}

// Connects the bench's editor before its rounds; false, with the benchmark
// skipped, when it does not go online.
bool connectFirst(benchmark::State& state, Bench& bench) {
  if (!bench.error.empty()) {
    state.SkipWithError(bench.error.c_str());
    return false;
  }
  Form1& f = bench.editor->form;
  f.handshake.mnulianji_Click();
  if (waitFor([&] { return f.state.isOnline && !f.timers.anyEnabled(); }, 15000)) return true;
  state.SkipWithError("not online within 15 s");
  return false;
}

void BM_RecallToDone(benchmark::State& state) {
  Bench bench(state.range(0) != 0);
  if (!connectFirst(state, bench)) return;
  Form1& f = bench.editor->form;
  timeRounds(
      state, f, kRecallMinimumMs, 15000, "the recall did not end within 15 s",
      [&] {
        // The caption stays after a recall; clear it so that the next one shows.
        f.Label9.setCaption("");
        recallDeviceMode(f, 3);
      },
      [&] { return f.Label9.caption() == kRecallDone; });
}

void BM_LoadToImported(benchmark::State& state) {
  Bench bench(state.range(0) != 0);
  if (!connectFirst(state, bench)) return;
  Form1& f = bench.editor->form;
  const std::string file = bench.dir.filePath("room.ktv").toStdString();
  bench.editor->dialogs.files = {file};
  savePresetToComputer(f);
  long long shownAt = -1, usableAt = -1;
  f.Label9.changed.connect([&] {
    if (shownAt < 0 && f.Label9.caption() == "导入成功") shownAt = f.clock.nowMs();
  });
  double usableMs = 0;
  long long startedAt = 0;
  timeRounds(
      state, f, kImportMinimumMs, 15000, "no 导入成功 within 15 s",
      [&] {
        f.Label9.setCaption("");
        shownAt = usableAt = -1;
        startedAt = f.clock.nowMs();
        bench.editor->dialogs.files = {file};
        loadPresetFromComputer(f);
      },
      [&] {
        if (shownAt < 0 || f.timers.anyEnabled()) return false;
        if (usableAt < 0) usableAt = f.clock.nowMs();
        return true;
      },
      [&] {
        usableMs += double(usableAt - startedAt);
        return shownAt;
      });
  state.counters["usable_ms"] = usableMs / double(state.iterations());
}

BENCHMARK(BM_LoadToImported)
    ->ArgName("paced")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ConnectToOnline)
    ->ArgName("paced")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_RecallToDone)
    ->ArgName("paced")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ConnectToFirstBlock)
    ->ArgName("paced")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavel::e2e
