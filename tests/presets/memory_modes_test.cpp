// Storing into and recalling the processor's memory modes on the virtual
// clock, and the read-back's progress bar.
#include "presets/memory_modes.h"

#include <gtest/gtest.h>

#include "protocol/rig.h"

namespace kavel {
namespace {

using testing::hexBytes;
using testing::Processor;
using testing::Rig;

constexpr const char* kInvalid = "对不起,你要保存的位置无效";

// A processor that acknowledges commands and answers a read request
// (A5 67 35 31 31 30 05 src mode 10 N 08) with block N.
struct Line {
  explicit Line(Rig& rig) {
    p.answer = [this](const Bytes& frame) -> std::optional<Bytes> {
      if (frame.size() != 12 || frame[9] != 0x10) return std::nullopt;
      requests.push_back(frame);
      return Bytes{0x10, frame[10], 0x0A, 0x78, 0x00, 0x82, 0x0A, 0x78};
    };
    rig.attach(p);
  }
  Processor p;
  std::vector<Bytes> requests;
};

struct Store {
  std::optional<std::string> entry;
  const char* frame;  // nullptr: refused, nothing sent
  const char* message;
};

const Store kStores[] = {
    {"3", "A5 67 35 31 31 30 02 12 03", "当前数据已保存到模式3"},
    {"10", "A5 67 35 31 31 30 02 12 0A", "当前数据已保存到模式10"},
    {" 7 ", "A5 67 35 31 31 30 02 12 07", "当前数据已保存到模式7"},
    {"7abc", "A5 67 35 31 31 30 02 12 07", "当前数据已保存到模式7"},
    {"11", nullptr, kInvalid},
    {"0", nullptr, kInvalid},
    {"-1", nullptr, kInvalid},
    {"2.5", nullptr, kInvalid},
    {"abc", nullptr, kInvalid},
    {std::nullopt, nullptr, kInvalid},  // cancelled
};

struct StoreToMode : ::testing::TestWithParam<Store> {};

TEST_P(StoreToMode, OnlineSendsTheModeOrRefusesTheEntry) {
  const Store& c = GetParam();
  Rig rig;
  rig.goOnline();
  Processor processor;
  rig.attach(processor);
  rig.form.panels.mOption[4].setValue(true);
  rig.dialogs.inputs.push_back(c.entry);
  rig.form.Command8.click();
  rig.clock.advance(300);

  EXPECT_FALSE(rig.form.panels.mOption[4].value()) << "storing clears the selection";
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "请输入你要保存的位置1---10");
  EXPECT_EQ(rig.dialogs.shown[0].title, "保存到设备");
  EXPECT_EQ(rig.dialogs.shown[1].text, c.message);
  EXPECT_EQ(rig.dialogs.shown[1].title, "提示");
  EXPECT_EQ(rig.dialogs.shown[1].icon, MessageIcon::None);
  const std::vector<Bytes> want = c.frame ? std::vector<Bytes>{hexBytes(c.frame)} : std::vector<Bytes>{};
  EXPECT_EQ(rig.framesWritten(), want);
  EXPECT_FALSE(rig.anyTimer());
}

INSTANTIATE_TEST_SUITE_P(Entries, StoreToMode, ::testing::ValuesIn(kStores),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(MemoryModes, StoringOfflineAsksThenRefuses) {
  Rig rig;
  rig.dialogs.inputs.push_back("3");
  rig.form.Command8.click();
  rig.clock.advance(300);
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[0].title, "保存到设备") << "the question comes first";
  EXPECT_EQ(rig.dialogs.shown[1].text, "对不起,此功能在联机状态下才可以使用");
  EXPECT_EQ(rig.dialogs.shown[1].title, "系统提示");
  EXPECT_EQ(rig.dialogs.shown[1].icon, MessageIcon::Error);
  EXPECT_TRUE(rig.port.writes.empty());
  EXPECT_FALSE(rig.anyTimer());
}

// A refused second entry while a store waits for its acknowledgement
// neither changes the mode being sent nor the one confirmed.
TEST(MemoryModes, ARefusedEntryLeavesAPendingStoreAlone) {
  Rig rig;
  rig.goOnline();
  Processor processor;
  processor.acknowledge = false;
  rig.attach(processor);
  rig.dialogs.inputs = {std::string("3"), std::string("11")};
  rig.form.Command8.click();
  rig.clock.advance(100);
  rig.form.Command8.click();
  rig.clock.advance(100);
  processor.acknowledge = true;
  rig.clock.advance(100);
  for (const Bytes& frame : rig.framesWritten()) EXPECT_EQ(frame.back(), 0x03);
  EXPECT_EQ(rig.dialogs.texts().back(), "当前数据已保存到模式3");
  EXPECT_FALSE(rig.anyTimer());
}

TEST(MemoryModes, RecallOfModeFourReadsBlocks1To0x25) {
  Rig rig;
  rig.goOnline();
  Line line(rig);
  Form1& f = rig.form;
  f.panels.mOption[0].setValue(true);
  f.Lkframe[1].setVisible(true);
  std::vector<int> progress;
  f.readBack.progress.changed.connect([&] {
    if (f.readBack.progress.visible() && (progress.empty() || progress.back() != f.readBack.progress.value()))
      progress.push_back(f.readBack.progress.value());
  });
  f.panels.mOption[3].choose();
  EXPECT_EQ(f.Label9.caption(), "请稍后......");
  EXPECT_FALSE(f.Lkframe[1].visible());
  EXPECT_FALSE(rig.state().eqSendEnabled);
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return !rig.anyTimer() && line.requests.size() == 37u; }, 10000));
  rig.clock.advance(200);

  ASSERT_EQ(line.requests.size(), 37u);
  for (int i = 0; i < 37; ++i) {
    Bytes want = hexBytes("A5 67 35 31 31 30 05 11 04 10 01 08");
    want[10] = Byte(i + 1);
    EXPECT_EQ(line.requests[i], want) << i;
  }
  EXPECT_EQ(f.Label9.caption(), "调   用  完  成");
  EXPECT_TRUE(f.Label9.visible());
  for (int i = 0; i < Form1::kPanelCount; ++i) EXPECT_FALSE(f.Lkframe[i].visible()) << i;
  for (int i = 0; i < kMemoryModes; ++i) EXPECT_EQ(f.panels.mOption[i].value(), i == 3) << i;
  EXPECT_TRUE(rig.state().eqSendEnabled);
  EXPECT_EQ(f.eq(Eq::Mic).editor(0).F(), 150) << "the blocks reach the panels";
  std::vector<int> blocks;
  for (int b = 1; b <= 37; ++b) blocks.push_back(b);
  EXPECT_EQ(progress, blocks) << "the bar grows block by block";
  EXPECT_EQ(f.readBack.progress.maximum(), 37);
  EXPECT_TRUE(f.readBack.progress.visible());
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(MemoryModes, RecallOfflineSelectsAndSendsNothing) {
  Rig rig;
  rig.form.panels.mOption[2].setValue(true);
  rig.form.panels.mOption[6].choose();
  rig.clock.advance(300);
  for (int i = 0; i < kMemoryModes; ++i) EXPECT_EQ(rig.form.panels.mOption[i].value(), i == 6) << i;
  EXPECT_TRUE(rig.port.writes.empty());
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.dialogs.shown.empty());
  EXPECT_FALSE(rig.form.Label9.visible());
}

// A connect's bar counts to 39 and hides with Label9; the next read-back
// starts from an empty bar.
TEST(ReadBackProgress, ConnectCountsTo39ThenHides) {
  Rig rig;
  Line line(rig);
  Form1& f = rig.form;
  ProgressBar& bar = f.readBack.progress;
  std::vector<int> seen;
  bar.changed.connect([&] {
    if (bar.visible() && (seen.empty() || seen.back() != bar.value())) seen.push_back(bar.value());
  });
  f.mnulianji.click();
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.state().isOnline; }, 10000));
  rig.clock.advance(100);
  ASSERT_EQ(seen.size(), 39u);
  for (int i = 0; i < 39; ++i) EXPECT_EQ(seen[i], i + 1) << i;
  EXPECT_EQ(bar.maximum(), 39);
  EXPECT_FALSE(bar.visible());

  f.panels.mOption[0].choose();
  EXPECT_EQ(bar.value(), 0);
  EXPECT_FALSE(bar.visible()) << "nothing read yet";
  rig.clock.advance(100);
  EXPECT_TRUE(bar.visible());
  EXPECT_GE(bar.value(), 1);
}

}  // namespace
}  // namespace kavel
