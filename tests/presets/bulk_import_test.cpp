#include "presets/bulk_import.h"
#include "presets/memory_modes.h"

#include <gtest/gtest.h>

#include "presets/import_fixture.h"

namespace kavel {
namespace {

using testing::block;
using testing::hexBytes;
using testing::KnownPanels;
using testing::Processor;

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
  rig.state().eqSendEnabled = false;  // as the load leaves it
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
  EXPECT_TRUE(rig.state().eqSendEnabled) << "later equalizer edits must still be sent";
}

TEST_F(Importing, ARecallThatEndsItKeepsTheEqualizersHeld) {
  rig.state().eqSendEnabled = false;
  ASSERT_TRUE(startBulkImport(rig.form));
  rig.clock.advance(60);
  recallDeviceMode(rig.form, 2);  // its read-back holds the equalizers until it ends
  rig.form.timers.timer1->setEnabled(false);
  rig.clock.advance(100);
  EXPECT_FALSE(rig.timers().timer4->enabled());
  EXPECT_FALSE(rig.state().eqSendEnabled);
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
