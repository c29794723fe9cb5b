// The receive path with the whole window behind it: from a state chosen by
// the first bytes, the rest of the input arrives on the line as (delay,
// chunk) records while the virtual clock runs the timers. After each input
// the link record, the timers and the message boxes must still make sense.
#include <algorithm>
#include <string>

#include "fuzz_input.h"
#include "link/handshake.h"
#include "link/reply_dispatcher.h"
#include "link/reply_table.h"
#include "presets/bulk_import.h"
#include "presets/memory_modes.h"
#include "protocol/rig.h"
#include "protocol/send_scheduler.h"
#include "sim/processor.h"

namespace kavel {
namespace {

using fuzz::check;

constexpr int kMaxRecords = 128;  // a whole connect with its read-back
constexpr int kMaxDelayMs = 63;      // longer than a timer's period, shorter than a time-out
constexpr int kSettleMs = 120;       // every timer ticks at least twice
constexpr int kConnectMs = 20000;

enum class Start { Probing, Connecting, ReadingBlock, Importing, Recalling, Command, Count };

constexpr sim::Model kModels[] = {sim::Model::M1, sim::Model::M2, sim::Model::M3, sim::Model::M3b};

bool isUpperHex(const std::string& s) {
  if (s.size() % 2 != 0) return false;
  for (char c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

// The boxes the receive path and the timers can show.
bool isKnownMessage(const std::string& text) {
  static const std::string kSavedToMode = "当前数据已保存到模式";
  for (const char* known : {ReplyDispatcher::kCommunicationError, Handshake::kUnsupportedDevice,
                            Handshake::kConnectFailed, Handshake::kOperationFailed,
                            SendScheduler::kTimeout, SendScheduler::kInvalidValue, kImportTimeout})
    if (text == known) return true;
  if (text.rfind(kSavedToMode, 0) != 0) return false;
  const std::string number = text.substr(kSavedToMode.size());
  return !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
}

// A send timer runs only while it owns the pending command, and the probe
// never runs beside the command it probes for.
void checkTimers(const Form1& f) {
  const LinkTimers& t = f.timers;
  const auto owner = ownerOf(f.state.commandKind);
  const std::pair<const Timer*, Owner> senders[] = {
      {t.timer2.get(), Owner::Timer2}, {t.timer3.get(), Owner::Timer3}, {t.timer4.get(), Owner::Timer4}};
  for (const auto& [timer, own] : senders) {
    if (!timer->enabled()) continue;
    check(owner == own);
    check(!t.timer1->enabled());
  }
}

// A window on a line to the simulated processor, which answers until detached.
struct Window : testing::Rig {
  Window() : Rig(false) {}

  void attach(sim::Processor& unit) {
    port.responder = [this, &unit](const Bytes& bytes) {
      for (const sim::Exchange& ex : unit.receive(bytes, clock.nowMs() * 1000))
        if (!ex.reply.empty()) port.deliver(ex.reply, 2);
    };
  }
  void detach() { port.responder = nullptr; }

  // Connects and stops once `at` holds; false when it never does.
  bool connectUntil(sim::Model model, const std::function<bool()>& at) {
    sim::Processor unit(model);
    attach(unit);
    form.mnulianji.click();
    const bool reached = clock.advanceUntil(at, kConnectMs);
    detach();
    return reached;
  }
  bool connect(sim::Model model) {
    return connectUntil(model, [this] { return state().isOnline && !anyTimer(); });
  }
};

// Puts the window in the chosen state; false for a state it cannot reach.
// The first byte chooses the state, the second the model, the third a
// block, memory mode or command kind.
bool start(Window& w, fuzz::Input& in) {
  const auto what = Start(in.pick(int(Start::Count)));
  const sim::Model model = kModels[in.pick(std::size(kModels))];
  const int arg = in.byte();
  LinkState& s = w.state();
  switch (what) {
    case Start::Probing:
      w.form.mnulianji.click();
      return true;
    case Start::Connecting:
      return w.connectUntil(model, [&] { return w.timers().timer2->enabled() && s.commandKind == 1; });
    case Start::ReadingBlock: {
      const int block = 1 + arg % kReadBackBlocks;
      return w.connectUntil(model, [&] { return s.commandKind == kReadBackKind && s.readBlock == block; });
    }
    case Start::Importing:
      return w.connect(model) && startBulkImport(w.form);
    case Start::Recalling:
      if (!w.connect(model)) return false;
      recallDeviceMode(w.form, arg % kMemoryModes);
      return true;
    case Start::Command:
      return w.connect(model) && requestCommand(w.form, arg);
    case Start::Count:
      break;
  }
  return false;
}

}  // namespace
}  // namespace kavel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kavel;
  fuzz::Input in(data, size);
  Window w;
  if (!start(w, in)) return -1;  // not a state worth keeping in the corpus
  // Each record: a delay byte, the chunk's length - 1, then the chunk. The
  // delays count on the line's own time, which the editor's pauses do not move.
  long long lineMs = w.clock.nowMs();
  for (int r = 0; r < kMaxRecords && !in.empty(); ++r) {
    lineMs += in.byte() % (kMaxDelayMs + 1);
    const Bytes chunk = in.bytes(1 + in.byte());
    const long long wait = std::max(0LL, lineMs - w.clock.nowMs());
    w.port.deliver(chunk, wait);
    w.clock.advance(wait);
  }
  w.clock.advance(kSettleMs);
  check(isUpperHex(w.state().rxHex));
  checkTimers(w.form);
  for (const auto& shown : w.dialogs.shown) check(isKnownMessage(shown.text));
  return 0;
}
