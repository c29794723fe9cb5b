// Complete frames as the controls stand: the worked examples, the edge cases
// of the panels, and the values that have no wire byte.
#include <gtest/gtest.h>

#include <functional>

#include "protocol/build_frame.h"
#include "protocol/command_frame.h"
#include "rig.h"

namespace kavel {
namespace {

using testing::hexBytes;
using testing::Rig;

TEST(Checksum, WorkedExamples) {
  EXPECT_EQ(makeFrame(0x02, 0x02, {0x50}, true), hexBytes("A5 67 35 31 31 30 04 02 02 50 54"));
  const Bytes keyLock = makeFrame(0x08, 0x0B, {0x7F}, true);
  ASSERT_EQ(keyLock.size(), 11u);
  EXPECT_EQ(keyLock[6], 0x04);
  EXPECT_EQ(keyLock[10], 0x92);
  EXPECT_EQ(frameChecksum(hexBytes("A5 67 35 31 31 30 05 07 07 00 05 00")), 0x13);
}

struct Case {
  const char* what;
  int kind;
  std::function<void(Rig&)> set;  // the controls and fields as the handler leaves them
  const char* frame;              // expected, checksums worked out by hand
};

const Case kCases[] = {
    {"micHighPass at code 80", 3, [](Rig& r) { r.form.panels.MdSlide1.setValue(80); },
     "A5 67 35 31 31 30 04 02 02 50 54"},
    {"limiter at the bottom sends 30", 4, [](Rig& r) { r.form.panels.VScroll1[0].setValue(-30); },
     "A5 67 35 31 31 30 04 02 03 1E 23"},
    {"ratio at 63", 5, [](Rig& r) { r.form.panels.VScroll1[1].setValue(63); },
     "A5 67 35 31 31 30 04 02 04 3F 45"},
    {"micVolume from M_Vtxt", 8, [](Rig& r) { r.form.M_Vtxt.setText("60"); },
     "A5 67 35 31 31 30 04 02 07 3C 45"},
    {"micEqReset carries 0x00", 73, [](Rig&) {}, "A5 67 35 31 31 30 04 02 09 00 0B"},
    {"ySlide1(2) at 45", 12,
     [](Rig& r) {
       r.form.panels.Text3[2].setText("45");
       r.state().paramCode = 0x05;
       r.state().paramIndex = 2;
     },
     "A5 67 35 31 31 30 04 03 05 2D 35"},
    {"balance at 30 sends 70", 55, [](Rig& r) { r.form.panels.YpSlide1.setValue(30); },
     "A5 67 35 31 31 30 04 03 0A 46 53"},
    {"key shift #1", 72, [](Rig& r) { r.form.panels.Text5.setText(" 1"); },
     "A5 67 35 31 31 30 04 03 0C 07 16"},
    {"key shift b3", 72, [](Rig& r) { r.form.panels.Text5.setText("-3"); },
     "A5 67 35 31 31 30 04 03 0C 03 12"},
    {"key shift <>", 72, [](Rig& r) { r.form.panels.Text5.setText(" 0"); },
     "A5 67 35 31 31 30 04 03 0C 06 15"},
    {"subCrossover at 100", 21, [](Rig& r) { r.form.panels.ctSlide4[1].setValue(100); },
     "A5 67 35 31 31 30 04 04 03 64 6B"},
    {"ctSlide2(1) at 80", 25,
     [](Rig& r) {
       r.form.panels.Text11[1].setText("80");
       r.state().paramCode = 0x03;
       r.state().paramIndex = 1;
     },
     "A5 67 35 31 31 30 04 05 03 50 58"},
    {"surroundDelay at 200 uses code 06", 31,
     [](Rig& r) {
       r.form.panels.Text10[3].setText("200");
       r.state().paramCode = 0x06;
       r.state().paramIndex = 3;
     },
     "A5 67 35 31 31 30 04 06 06 C8 D4"},
    {"reverb type 大礼堂B", 37, [](Rig& r) { r.state().paramIndex = 7; },
     "A5 67 35 31 31 30 04 07 02 07 10"},
    {"reverb type 关", 37, [](Rig& r) { r.state().paramIndex = 0; },
     "A5 67 35 31 31 30 04 07 02 00 09"},
    {"reverbTime 3.7s", 41, [](Rig& r) { r.form.panels.Text9[1].setText("3.7s"); },
     "A5 67 35 31 31 30 04 07 05 25 31"},
    {"reverbHighPass at code 472", 42, [](Rig& r) { r.form.panels.ReSlide2[2].setValue(472); },
     "A5 67 35 31 31 30 05 07 06 01 D8 E6"},
    {"reverbLowPass 4.05KHZ", 43, [](Rig& r) { r.form.panels.Text9[3].setText("4.05KHZ"); },
     "A5 67 35 31 31 30 05 07 07 00 05 13"},
    {"effectMix at 80", 45, [](Rig& r) { r.form.ctSlide1[1].setValue(80); },
     "A5 67 35 31 31 30 04 07 09 50 60"},
    {"echoSpeed 200ms", 50, [](Rig& r) { r.form.panels.Text7[1].setText("200ms"); },
     "A5 67 35 31 31 30 04 07 0D 64 78"},
    {"echoHighPass at code 306", 51, [](Rig& r) { r.form.panels.HcSlide1[2].setValue(306); },
     "A5 67 35 31 31 30 05 07 0E 01 32 48"},
    {"echoLowPass 18KHZ", 52, [](Rig& r) { r.form.panels.Text7[3].setText("18KHZ"); },
     "A5 67 35 31 31 30 05 07 0F 05 78 93"},
    {"micMaxVolume 50", 59, [](Rig& r) { r.form.panels.Text13.setText("50"); },
     "A5 67 35 31 31 30 04 08 01 32 3B"},
    {"music input AUX", 63, [](Rig& r) { r.state().paramCode = 2; },
     "A5 67 35 31 31 30 04 08 05 02 0F"},
    {"switching time 8s", 69, [](Rig& r) { r.form.panels.Text18.setText("8s"); },
     "A5 67 35 31 31 30 04 08 09 07 18"},
    {"key lock on", 65, [](Rig& r) { r.state().paramCode = 0x7F; },
     "A5 67 35 31 31 30 04 08 0B 7F 92"},
    {"mic band 3", 2,
     [](Rig& r) {
       r.band(Eq::Mic, 3) = {1000, 3.5, 1.0};
       r.state().paramIndex = 3;
     },
     "A5 67 35 31 31 30 08 02 01 03 0A 9B 01 D8 84"},
    {"a band above 20000 Hz has no frequency bytes", 24,
     [](Rig& r) {
       r.band(Eq::Center, 1) = {20001, 0, 1.0};
       r.state().paramIndex = 1;
     },
     "A5 67 35 31 31 30 08 05 01 01 0A 78 00 00 89"},
    {"mic EQ bypassed, whatever the gains", 100, [](Rig& r) { r.band(Eq::Mic, 4).gain = 6; },
     "A5 67 35 31 31 30 11 02 0C 78 78 78 78 78 78 78 78 78 78 78 78 78 7F A5"},
    {"mic EQ in use carries the gains", 101, [](Rig& r) { r.band(Eq::Mic, 0).gain = 3.5; },
     "A5 67 35 31 31 30 11 02 0C 9B 78 78 78 78 78 78 78 78 78 78 78 78 00 49"},
    {"music EQ bypassed", 102, [](Rig&) {},
     "A5 67 35 31 31 30 0F 03 10 78 78 78 78 78 78 78 78 78 78 78 7F BA"},
    {"connect", 1, [](Rig& r) { r.state().paramCode = 127; }, "A5 67 35 31 31 30 02 01 7F"},
    {"go offline", 1, [](Rig& r) { r.state().paramCode = 0; }, "A5 67 35 31 31 30 02 01 00"},
    {"first read request of a connect", 11, [](Rig& r) { r.state().readBlock = 1; },
     "A5 67 35 31 31 30 05 00 00 10 01 08"},
    {"first read request of a recall of mode 3", 11,
     [](Rig& r) {
       r.state().readSource = 17;
       r.state().readMode = 3;
       r.state().readBlock = 1;
     },
     "A5 67 35 31 31 30 05 11 03 10 01 08"},
    {"save to memory mode 3", 70, [](Rig& r) { r.state().saveModeText = "3"; },
     "A5 67 35 31 31 30 02 12 03"},
};

TEST(Frames, AsTheControlsStand) {
  for (const Case& c : kCases) {
    Rig rig;
    c.set(rig);
    EXPECT_EQ(buildFrame(c.kind, rig.form), hexBytes(c.frame)) << c.what;
  }
}

TEST(Frames, NoFrameFromAValueWithoutAWireByte) {
  const struct {
    const char* what;
    int kind;
    std::function<void(Rig&)> set;
  } cases[] = {
      {"band below 19.5 Hz", 2, [](Rig& r) { r.band(Eq::Mic, 0).freq = 10; }},
      {"band gain above the scale", 9, [](Rig& r) { r.band(Eq::Music, 0).gain = 14; }},
      {"band Q above the scale", 36, [](Rig& r) { r.band(Eq::Effect, 0).q = 30; }},
      {"band number beyond the equalizer", 19, [](Rig& r) { r.state().paramIndex = 5; }},
      {"negative band number", 2, [](Rig& r) { r.state().paramIndex = -1; }},
      {"no band editor connected", 30, [](Rig& r) { r.reader(Eq::Surround) = nullptr; }},
      {"a gain of the bypass-off frame", 103, [](Rig& r) { r.band(Eq::Music, 10).gain = -13; }},
      {"row beyond the slider array", 12,
       [](Rig& r) {
         r.state().paramCode = 3;
         r.state().paramIndex = 3;
       }},
      {"code byte above 255", 25, [](Rig& r) { r.state().paramCode = 300; }},
      {"switch value above 255", 53, [](Rig& r) { r.state().paramCode = 256; }},
      {"negative list index", 46, [](Rig& r) { r.state().paramIndex = -1; }},
      {"box showing 300", 59, [](Rig& r) { r.form.panels.Text13.setText("300"); }},
      {"box showing a negative number", 10, [](Rig& r) { r.form.Text2.setText("-1"); }},
      {"low-pass below 4 kHz", 43, [](Rig& r) { r.form.panels.Text9[3].setText("3KHZ"); }},
      {"memory mode typed as 999", 70, [](Rig& r) { r.state().saveModeText = "999"; }},
      {"an unassigned number", 17, [](Rig&) {}},
  };
  for (const auto& c : cases) {
    Rig rig;
    c.set(rig);
    EXPECT_EQ(buildFrame(c.kind, rig.form), std::nullopt) << c.what;
  }
}

TEST(Frames, AnEmptyOrTextualBoxReadsAsZero) {
  Rig rig;
  rig.form.panels.Text12[0].setText("");
  EXPECT_EQ(buildFrame(20, rig.form), hexBytes("A5 67 35 31 31 30 04 04 02 00 06"));
  rig.form.panels.Text12[0].setText("abc");
  EXPECT_EQ(buildFrame(20, rig.form), hexBytes("A5 67 35 31 31 30 04 04 02 00 06"));
}

}  // namespace
}  // namespace kavel
