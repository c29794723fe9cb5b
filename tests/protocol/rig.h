#pragma once
// A window on a virtual clock and an in-memory port, with plain band values
// standing in for the band editors and a scripted processor on the line.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/bytes.h"
#include "link/memory_port.h"
#include "link/virtual_clock.h"
#include "window/form1.h"
#include "window/scripted_dialogs.h"

namespace kavel::testing {

// The processor's side of the line, as a test scripts it.
struct Processor {
  // The probe byte it answers and its answer; an empty answer means silence.
  Byte probe = 0xAF;
  Bytes probeReply{0x5A, 0x7F};
  // Answers every command frame with 0x35 0x82 group code, when set.
  bool acknowledge = true;
  // Acknowledges only from this transmission of a frame on (1 = the first).
  int acknowledgeFrom = 1;
  int delayMs = 2;
  // Overrides the answer to a frame; nullopt means the default.
  std::function<std::optional<Bytes>(const Bytes& frame)> answer;

  std::vector<Bytes> frames;  // frames received, in order
};

struct Rig {
  // With `plainBands` the frames read the bands below instead of the
  // window's band editors; without it the equalizers are set up as at start-up.
  explicit Rig(bool plainBands = true) : port(clock) {
    port.setAvailable({1});
    port.setCommPort(1);
    port.open();
    if (!plainBands) {
      for (int e = 0; e < kEqCount; ++e) form.eq(Eq(e)).initialise();
      return;
    }
    for (int e = 0; e < kEqCount; ++e) {
      for (auto& b : bands[e]) b = BandValues{1000, 0, 10.4};
      reader(Eq(e)) = [this, e](int i) -> std::optional<BandValues> {
        if (i < 0 || i >= bandCount(Eq(e))) return std::nullopt;
        return bands[e][i];
      };
    }
  }

  BandReader& reader(Eq eq) {
    Panels& p = form.panels;
    BandReader* readers[] = {&p.ucSlider1, &p.ucSlider2, &p.ucSlider3,
                             &p.ucSlider4, &p.ucSlider5, &p.ucSlider6};
    return *readers[int(eq)];
  }
  BandValues& band(Eq eq, int i) { return bands[int(eq)][i]; }

  // As after a connect to a model-1 processor: the online guard holds
  // (port open, connect item disabled) and the probe addresses model 1.
  void goOnline() {
    form.mnulianji.setEnabled(false);
    form.state.isOnline = true;
    form.state.probeFrame = 0xAF;
    form.state.deviceModel = 1;
  }

  // Puts `p` on the line: it answers what the editor writes.
  void attach(Processor& p) {
    port.responder = [this, &p](const Bytes& bytes) {
      if (bytes.size() == 1) {
        if (bytes[0] == p.probe && !p.probeReply.empty()) port.deliver(p.probeReply, p.delayMs);
        return;
      }
      p.frames.push_back(bytes);
      if (p.answer) {
        if (auto a = p.answer(bytes)) {
          if (!a->empty()) port.deliver(*a, p.delayMs);
          return;
        }
      }
      if (!p.acknowledge || int(p.frames.size()) < p.acknowledgeFrom || bytes.size() < 9) return;
      port.deliver({0x35, 0x82, bytes[7], bytes[8]}, p.delayMs);
    };
  }

  // Every byte array written so far, and only the probes / only the frames.
  std::vector<Bytes> written() const {
    std::vector<Bytes> out;
    for (const auto& w : port.writes) out.push_back(w.bytes);
    return out;
  }
  std::vector<Bytes> framesWritten() const {
    std::vector<Bytes> out;
    for (const auto& w : port.writes)
      if (w.bytes.size() > 1) out.push_back(w.bytes);
    return out;
  }
  Bytes probesWritten() const {
    Bytes out;
    for (const auto& w : port.writes)
      if (w.bytes.size() == 1) out.push_back(w.bytes[0]);
    return out;
  }
  bool anyTimer() const { return form.timers.anyEnabled(); }
  LinkState& state() { return form.state; }
  LinkTimers& timers() { return form.timers; }

  VirtualClock clock;
  MemoryPort port;
  ScriptedDialogs dialogs;
  Form1 form{port, clock, dialogs};
  std::array<std::array<BandValues, 13>, kEqCount> bands{};
};

// "A5 67 35 31 31 30 04 02 02 50 54" as bytes.
inline Bytes hexBytes(const std::string& text) {
  Bytes out;
  std::string digits;
  for (char c : text)
    if (c != ' ') digits.push_back(c);
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
    out.push_back(Byte(std::stoi(digits.substr(i, 2), nullptr, 16)));
  return out;
}

}  // namespace kavel::testing
