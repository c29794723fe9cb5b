#pragma once
// A connected model-1 window whose panels hold a known state, and the
// helpers that take a preset file apart into lines and put it together.
#include <string>
#include <vector>

#include "protocol/rig.h"

namespace kavel::testing {

// Every band 1000 Hz, 0 dB, Q 10.4, except: microphone band 0 -3.5 dB at
// 1001 Hz, microphone band 12 at 19973.936546506123 Hz, music band 1
// 0.1 + 0.2 dB with Q 0.7, effect band 3 at -0 dB. The microphone limiter
// at -30 ("-30dB"), the microphone phase "0", the echo mode "关", the reverb
// type "房间 A", the microphone shelf button "LH-PASS ON" and the high-pass
// box "20HZ"; everything else as at start-up.
struct PresetRig : Rig {
  PresetRig(int deviceModel = 1, bool altModel3 = false) : Rig(false) {
    goOnline();
    form.state.deviceModel = deviceModel;
    form.state.altModel3 = altModel3;
    for (int e = 0; e < kEqCount; ++e) {
      for (int i = 0; i < bandCount(Eq(e)); ++i) form.eq(Eq(e)).editor(i).setVal(1000, 0, 10.4);
    }
    form.eq(Eq::Mic).editor(0).setVal(1001, -3.5, 10.4);
    form.eq(Eq::Mic).editor(12).setF(19973.936546506123);
    form.eq(Eq::Music).editor(1).setVal(1000, 0.1 + 0.2, 0.7);
    form.eq(Eq::Effect).editor(3).setDb(-0.0);
    Panels& p = form.panels;
    p.VScroll1[0].setValue(-30);
    p.Text1[0].setText("-30dB");
    p.Command3.setCaption("0");
    p.Combo1.setText("关");
    p.Combo2.setText("房间 A");
    p.Command10.setCaption("LH-PASS ON");
    p.MdTxt.setText("20HZ");
  }
};

// The lines of a file split at CR LF; the line end after the last line
// gives no further line.
inline std::vector<std::string> splitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

inline std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

}  // namespace kavel::testing
