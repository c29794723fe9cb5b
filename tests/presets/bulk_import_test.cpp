#include "presets/bulk_import.h"

#include <gtest/gtest.h>

#include "protocol/rig.h"

namespace kavel {
namespace {

using testing::hexBytes;
using testing::Processor;
using testing::Rig;

// Band k of equalizer e is set to Q (10 + 20e + k) / 10, gain -2 + k / 10 dB
// and (20 + 10e + k) Hz, so that every band block differs from every other:
// bytes Q, G, FH, FL = 10 + 20e + k, 100 + k, 0x00, 10e + k (the frequency
// lies in the 1 Hz segment, where the code is the frequency less 20).
BandValues bandOf(int e, int k) { return {20.0 + 10 * e + k, -2 + k / 10.0, (10 + 20 * e + k) / 10.0}; }
Bytes block(Eq eq, int k) {
  const int e = int(eq);
  return {Byte(10 + 20 * e + k), Byte(100 + k), 0x00, Byte(10 * e + k)};
}
Bytes blocks(Eq eq, int first, int count) {
  Bytes out;
  for (int k = first; k < first + count; ++k) {
    const Bytes b = block(eq, k);
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}
void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// A window whose every imported control holds a value of its own.
struct KnownPanels {
  KnownPanels() {
    for (int e = 0; e < kEqCount; ++e)
      for (int k = 0; k < bandCount(Eq(e)); ++k) rig.band(Eq(e), k) = bandOf(e, k);
    Form1& f = rig.form;
    Panels& p = f.panels;
    // Positions first: some handlers rewrite display boxes, set below.
    p.MdSlide1.setValue(33);
    p.VScroll1[0].setValue(-12);
    p.VScroll1[1].setValue(50);
    p.ySlide1[0].setValue(11);
    p.ySlide1[1].setValue(12);
    p.ySlide1[2].setValue(13);
    p.VScroll2[0].setValue(-30);
    p.VScroll2[1].setValue(63);
    p.ctSlide4[1].setValue(200);
    p.ctSlide4[2].setValue(254);
    p.HcSlide1[2].setValue(472);
    p.ReSlide2[2].setValue(300);
    f.ctSlide1[1].setValue(70);
    p.ctSlide10.setValue(99);
    p.ctSlide11.setValue(7);
    // Display boxes, each with a number no position above shares.
    p.Text1[2].setText("71");
    p.Text1[3].setText("9");
    p.Text6[2].setText("100");
    p.Text6[3].setText("1");
    p.Text12[0].setText("40");
    p.Text11[0].setText("5");
    p.Text11[1].setText("6");
    p.Text11[2].setText("7");
    p.Text7[3].setText("18KHZ");
    p.Text7[1].setText("74ms");
    p.Text7[0].setText("60%");
    p.Text9[3].setText("4.05KHZ");
    p.Text9[0].setText("20ms");
    p.Text9[1].setText("2.5s");
    f.Text8[0].setText("45");
    p.Text10[0].setText("21");
    p.Text10[1].setText("22");
    p.Text10[2].setText("23");
    p.Text10[3].setText("150");
    // Captions and selector texts.
    p.Command3.setCaption("180");
    p.Command4.setCaption("0");
    p.Command2.setCaption("180");
    p.Command14.setCaption("0");
    p.Command5.setCaption("180");
    p.Command6.setCaption("0");
    p.Command15.setCaption("180");
    p.Combo1.setText("立体声回声");
    p.Combo2.setText("房间 B");
    p.Command10.setCaption("LH-PASS ON");
    p.dcButton8.setCaption("LH-PASS ON");
  }

  // The kind-71 frame of these panels, written out from the layout table.
  static Bytes expected71() {
    Bytes x = hexBytes("A5 67 35 31 31 30 D9");       // 0..6 header, 217 bytes follow
    append(x, blocks(Eq::Mic, 0, 12));                // 7..54 mic bands 0..11
    append(x, {Byte(10 + 12), Byte(100 + 12)});       // 55, 56 mic band 12 Q, G
    append(x, {0x7F});                                // 57 mic phase 180
    append(x, {0x00, 12});                            // 58, 59 mic band 12 frequency
    append(x, {33, 12, 50, 71, 9});                   // 60..64 high-pass, |-12|, ratio, release, attack
    append(x, blocks(Eq::Music, 0, 11));              // 65..108 music bands
    append(x, {0x00});                                // 109 music phase 0
    append(x, {11, 12, 13});                          // 110..112 music, mic, effect to L/R
    append(x, {30, 63, 100, 1});                      // 113..116 |-30|, ratio, release, attack
    append(x, blocks(Eq::Sub, 0, 2));                 // 117..124 sub bands 0, 1
    append(x, {40, 200, 0x7F});                       // 125..127 sub volume, crossover, phase
    append(x, blocks(Eq::Center, 0, 3));              // 128..139 center bands
    append(x, {5, 6, 7, 0x00});                       // 140..143 to center, center phase
    append(x, blocks(Eq::Effect, 0, 3));              // 144..155 effect bands 0..2
    append(x, {0x05, 0x78});                          // 156, 157 echo low-pass 18KHZ: 1400
    append(x, {0x01, 0xD8});                          // 158, 159 echo high-pass 472
    append(x, {0x7F, 37, 60, 2});                     // 160..163 phase, 74ms / 2, 60%, stereo echo
    append(x, blocks(Eq::Effect, 3, 4));              // 164..179 effect bands 3..6
    append(x, {0x00, 0x05});                          // 180, 181 reverb low-pass 4.05KHZ: 5
    append(x, {0x01, 0x2C});                          // 182, 183 reverb high-pass 300
    append(x, {0x00, 20, 25, 3, 70, 45});             // 184..189 phase, delay, 2.5s x 10, 房间 B, mix, volume
    append(x, blocks(Eq::Surround, 0, 3));            // 190..201 surround bands
    append(x, {0x7F, 21, 22, 23, 150});               // 202..206 phase, to surround, delay
    append(x, {0x7F, 99});                            // 207 mic shelf on, 208 music high-pass
    append(x, blocks(Eq::Sub, 2, 3));                 // 209..220 sub bands 2..4
    append(x, {7, 254, 0x7F});                        // 221 mic low-pass, 222 sub low cut, 223 music shelf on
    return x;
  }

  Rig rig;
};

struct ImportFrame : KnownPanels, ::testing::Test {};

TEST_F(ImportFrame, Kind71CarriesEveryControlInItsPlace) {
  const Bytes x = expected71();
  ASSERT_EQ(x.size(), 224u) << "the expectation itself";
  EXPECT_EQ(importFrame(71, rig.form), x);
}

TEST_F(ImportFrame, Model3VariantsAreShorterAndNeverCarryTheMicShelf) {
  Bytes x79 = expected71();
  x79.resize(223);
  x79[6] = 0xD8;
  x79[207] = 0x00;  // "LH-PASS ON" on Command10 does not reach model 3
  EXPECT_EQ(importFrame(79, rig.form), x79);

  Bytes x77 = expected71();
  x77.resize(221);
  x77[6] = 0xD6;
  x77[207] = 0x00;
  EXPECT_EQ(importFrame(77, rig.form), x77);
  EXPECT_EQ(Bytes(x77.end() - 4, x77.end()), block(Eq::Sub, 4)) << "ends with sub band 4";
}

TEST_F(ImportFrame, ShelvesOffAndAnyOtherSelectorTextGiveZero) {
  rig.form.panels.Command10.setCaption("LH-PASS OFF");
  rig.form.panels.dcButton8.setCaption("");
  rig.form.panels.Combo1.setText("回声");
  rig.form.panels.Combo2.setText("房间");
  const auto frame = importFrame(71, rig.form);
  ASSERT_TRUE(frame);
  EXPECT_EQ((*frame)[207], 0x00);
  EXPECT_EQ((*frame)[223], 0x00);
  EXPECT_EQ((*frame)[163], 0x00);
  EXPECT_EQ((*frame)[187], 0x00);
}

TEST_F(ImportFrame, BandBlocks) {
  struct Case {
    const char* what;
    BandValues band;
    const char* bytes;
  } cases[] = {
      {"1000 Hz, 0 dB, Q 1.4", {1000, 0, 1.4}, "0E 78 01 D8"},
      {"150 Hz", {150, 0, 1.4}, "0E 78 00 82"},
      {"20000 Hz", {20000, 0, 1.4}, "0E 78 0B 27"},
      {"above 20000 Hz: no code", {20000.6, 0, 1.4}, "0E 78 00 00"},
      {"1403.6 Hz is coded as 1404 Hz: 606", {1403.6, 0, 1.4}, "0E 78 02 5E"},
      {"-12 dB, Q 15", {1000, -12, 15}, "96 00 01 D8"},
      {"+12 dB, Q 0.3", {1000, 12, 0.3}, "03 F0 01 D8"},
  };
  for (const Case& c : cases) {
    rig.band(Eq::Mic, 0) = c.band;
    rig.band(Eq::Mic, 12) = c.band;  // split around the phase byte
    const auto frame = importFrame(71, rig.form);
    ASSERT_TRUE(frame) << c.what;
    const Bytes b = hexBytes(c.bytes);
    EXPECT_EQ(Bytes(frame->begin() + 7, frame->begin() + 11), b) << c.what;
    EXPECT_EQ((Bytes{(*frame)[55], (*frame)[56], (*frame)[58], (*frame)[59]}), b) << c.what;
  }
}

TEST_F(ImportFrame, EffectBoxesAtTheEndsOfTheirRange) {
  rig.form.panels.Text7[3].setText("4KHZ");
  rig.form.panels.Text9[3].setText("18KHZ");
  rig.form.panels.Text9[1].setText("10s");
  const auto frame = importFrame(71, rig.form);
  ASSERT_TRUE(frame);
  EXPECT_EQ((Bytes{(*frame)[156], (*frame)[157]}), hexBytes("00 00"));
  EXPECT_EQ((Bytes{(*frame)[180], (*frame)[181]}), hexBytes("05 78"));
  EXPECT_EQ((*frame)[186], 100);
}

TEST_F(ImportFrame, NoFrameForAValueWithoutAWireByteOrAnotherKind) {
  EXPECT_FALSE(importFrame(2, rig.form));
  rig.form.panels.Text7[3].setText("3KHZ");  // below the low-pass range: -100
  EXPECT_FALSE(importFrame(71, rig.form));
}

TEST(ImportKind, ByModel) {
  EXPECT_EQ(bulkImportKind(1, false), 71);
  EXPECT_EQ(bulkImportKind(2, false), 71);
  EXPECT_EQ(bulkImportKind(3, false), 79);
  EXPECT_EQ(bulkImportKind(3, true), 77);
}

// The import on the line, against a processor that stays silent until told.
struct Importing : KnownPanels, ::testing::Test {
  void SetUp() override {
    rig.goOnline();
    rig.attach(processor);
    processor.answer = [this](const Bytes&) -> std::optional<Bytes> {
      if (int(processor.frames.size()) == acknowledgeAt) return Bytes{0x35, 0x82, 0x13};
      return Bytes{};
    };
    rig.form.Label9.setCaption("请稍后正在下载数据......");
  }
  std::vector<Bytes> importFrames() const {
    std::vector<Bytes> out;
    for (const auto& f : rig.framesWritten())
      if (f.size() > 200) out.push_back(f);
    return out;
  }
  Processor processor;
  int acknowledgeAt = 0;  // 0: never
};

TEST_F(Importing, StartsTimer4WithTheKindOfTheModel) {
  struct Case {
    int model;
    bool alt;
    int kind;
    std::size_t size;
  } cases[] = {{1, false, 71, 224}, {2, false, 71, 224}, {3, false, 79, 223}, {3, true, 77, 221}};
  for (const Case& c : cases) {
    rig.state().deviceModel = Integer(c.model);
    rig.state().altModel3 = c.alt;
    ASSERT_TRUE(startBulkImport(rig.form));
    EXPECT_EQ(rig.state().commandKind, c.kind);
    EXPECT_TRUE(rig.timers().timer4->enabled());
    EXPECT_FALSE(rig.timers().timer1->enabled()) << "no probe first";
    rig.port.writes.clear();
    rig.clock.advance(50);
    ASSERT_EQ(importFrames().size(), 1u);
    EXPECT_EQ(importFrames()[0].size(), c.size);
    rig.timers().timer4->setEnabled(false);
    rig.state().resetCounters();
  }
}

TEST_F(Importing, OfflineNothingStarts) {
  rig.form.mnulianji.setEnabled(true);
  rig.timers().timer4->setEnabled(true);
  EXPECT_FALSE(startBulkImport(rig.form));
  EXPECT_FALSE(rig.timers().timer4->enabled());
  rig.clock.advance(200);
  EXPECT_TRUE(rig.port.writes.empty());
}

TEST_F(Importing, OneFrameEvery50MsEachRebuiltFromThePanels) {
  ASSERT_TRUE(startBulkImport(rig.form));
  const long long start = rig.clock.nowMs();
  rig.clock.advance(120);
  rig.form.panels.MdSlide1.setValue(34);  // changed between the second and third tick
  rig.clock.advance(40);
  const auto frames = importFrames();
  ASSERT_EQ(frames.size(), 3u);
  for (int i = 0; i < 3; ++i)  // each tick pauses 5 ms before the frame goes out
    EXPECT_EQ(rig.port.writes[i].atMs - start, 50 * (i + 1) + kImportPauseMs);
  EXPECT_EQ(frames[0], expected71());
  EXPECT_EQ(frames[1], expected71());
  EXPECT_EQ(frames[2][60], 34);
  EXPECT_EQ(rig.state().sendTicks, 3);
}

TEST_F(Importing, TheAcknowledgementEndsItWithImportDone) {
  acknowledgeAt = 60;
  rig.state().eqSendEnabled = false;  // as the load leaves it
  ASSERT_TRUE(startBulkImport(rig.form));
  rig.clock.advance(6000);
  EXPECT_EQ(importFrames().size(), 60u);
  EXPECT_EQ(rig.form.Label9.caption(), "导入成功");
  EXPECT_TRUE(rig.dialogs.shown.empty()) << "no message, no time-out";
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.state().eqSendEnabled);
  EXPECT_EQ(rig.state().sendTicks, 0);
}

TEST_F(Importing, The101stUnansweredFrameTimesOutOnce) {
  rig.state().eqSendEnabled = false;
  std::size_t framesWhileOpen = 0;
  rig.dialogs.whileOpen = [&](const auto&) {
    const std::size_t before = importFrames().size();
    rig.clock.advance(500);  // the operator takes a while to press OK
    framesWhileOpen = importFrames().size() - before;
  };
  ASSERT_TRUE(startBulkImport(rig.form));
  rig.clock.advance(8000);
  EXPECT_EQ(importFrames().size(), 101u);
  EXPECT_EQ(framesWhileOpen, 0u);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "下载数据超时,请稍后重试!");
  EXPECT_EQ(rig.dialogs.shown[0].title, "提示4");
  EXPECT_EQ(rig.dialogs.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(rig.timers().timer4->enabled());
  EXPECT_TRUE(rig.state().eqSendEnabled);
  EXPECT_EQ(rig.state().sendTicks, 0);
  EXPECT_EQ(rig.state().probeTicks, 0);
  EXPECT_EQ(rig.state().commandKind, 71) << "the kind stays";
  EXPECT_EQ(rig.form.Label9.caption(), "请稍后正在下载数据......");
}

TEST_F(Importing, APanelCommandEndsItSilently) {
  processor.answer = [](const Bytes& f) -> std::optional<Bytes> {
    if (f.size() > 200) return Bytes{};       // the import goes unanswered
    return Bytes{0x35, 0x82, f[7], f[8]};      // a panel command is acknowledged
  };
  ASSERT_TRUE(startBulkImport(rig.form));
  rig.clock.advance(120);
  rig.form.M_VSlide1.moveTo(40);  // the microphone volume
  rig.clock.advance(1000);
  EXPECT_EQ(importFrames().size(), 2u) << "no import frame after the command";
  EXPECT_FALSE(rig.timers().timer4->enabled());
  EXPECT_TRUE(rig.dialogs.shown.empty());
  EXPECT_NE(rig.form.Label9.caption(), "导入成功");
  const auto all = rig.framesWritten();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.back().size(), 11u) << "the volume command went out instead";
}

TEST_F(Importing, AValueWithoutAWireByteStopsItWithAMessage) {
  rig.form.panels.Text9[3].setText("");  // reads 0: (0 - 4) x 100 has no wire word
  ASSERT_TRUE(startBulkImport(rig.form));
  rig.clock.advance(300);
  EXPECT_TRUE(importFrames().empty());
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, SendScheduler::kInvalidValue);
  EXPECT_FALSE(rig.timers().timer4->enabled());
  EXPECT_TRUE(rig.state().eqSendEnabled);
}

}  // namespace
}  // namespace kavel
