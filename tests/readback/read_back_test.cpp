// The read-back sequence on the virtual clock against a scripted processor
// that answers each read request with the requested block.
#include "readback/read_back.h"

#include <gtest/gtest.h>

#include "protocol/rig.h"

namespace kavel {
namespace {

using testing::hexBytes;
using testing::Processor;
using testing::Rig;

// A processor that answers a read request (A5 67 35 31 31 30 05 src mode 10 N 08)
// with block N, or with the block `answerFor` maps N to.
struct Reader {
  explicit Reader(Rig& rig) {
    p.answer = [this](const Bytes& frame) -> std::optional<Bytes> {
      if (frame.size() != 12 || frame[9] != 0x10) return std::nullopt;
      requests.push_back(frame);
      const Byte n = answerFor ? answerFor(frame[10]) : frame[10];
      return Bytes{0x10, n, 1, 2, 3, 4, 5, 6};
    };
    rig.attach(p);
  }
  Processor p;
  std::vector<Bytes> requests;
  std::function<Byte(Byte)> answerFor;
};

// Records the captions `label` shows, in order, without repeats.
void recordCaptions(Label& label, std::vector<std::string>& seen) {
  label.changed.connect([&label, &seen] {
    if (seen.empty() || seen.back() != label.caption()) seen.push_back(label.caption());
  });
}

TEST(ReadBack, ConnectReadsAllBlocksAndGoesOnline) {
  Rig rig;
  Reader reader(rig);
  std::vector<std::string> captions;
  recordCaptions(rig.form.Label9, captions);
  rig.form.mnulianji.click();
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.state().isOnline; }, 10000));
  rig.clock.advance(100);

  ASSERT_EQ(reader.requests.size(), 39u);
  EXPECT_EQ(reader.requests[0], hexBytes("A5 67 35 31 31 30 05 00 00 10 01 08"));
  for (int i = 0; i < 39; ++i) EXPECT_EQ(reader.requests[i][10], i + 1) << i;

  Form1& f = rig.form;
  EXPECT_EQ(f.Label8.caption(), "联 机 状 态");
  EXPECT_EQ(f.Label8.foreColor().value(), 65280);
  EXPECT_FALSE(f.mnulianji.enabled());
  EXPECT_TRUE(f.mnutuoji.enabled());
  EXPECT_TRUE(rig.state().eqSendEnabled);
  EXPECT_FALSE(f.Label9.visible());
  for (int i = 0; i < Form1::kPanelCount; ++i) EXPECT_EQ(f.Lkframe[i].visible(), i == 2) << i;
  EXPECT_FALSE(rig.anyTimer());
  const LinkState& s = rig.state();
  EXPECT_EQ(s.readBlock, 39);
  EXPECT_EQ(s.commandKind, 11);
  EXPECT_EQ(s.paramCode, 0);
  EXPECT_EQ(s.paramIndex, 0);
  EXPECT_EQ(s.readSource, 0);
  EXPECT_EQ(s.readMode, 0);
  EXPECT_EQ(s.probeTicks, 0);
  EXPECT_EQ(s.sendTicks, 0);
  EXPECT_EQ(s.rxHex, "");
  EXPECT_EQ(captions, (std::vector<std::string>{
                          "", "正在加载麦克风数据......", "正在加载音乐数据......",
                          "正在加载超低音数据......", "正在加载中置数据......",
                          "正在加载效果数据......", "正在加载环绕部分数据.......",
                          "正在加载配置部分数据......", "数据加载完成..."}));
  EXPECT_GE(rig.clock.pausedMs(), 1000) << "the closing pause of one second";
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(ReadBack, TheReplysOwnBlockNumberDecidesTheNextRequest) {
  Rig rig;
  Reader reader(rig);
  reader.answerFor = [](Byte n) -> Byte { return n == 3 ? 5 : n; };
  rig.form.mnulianji.click();
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.state().isOnline; }, 10000));
  ASSERT_GE(reader.requests.size(), 4u);
  EXPECT_EQ(reader.requests[2][10], 3);
  EXPECT_EQ(reader.requests[3][10], 6) << "block 5 answered the request for 3";
  EXPECT_EQ(reader.requests.size(), 37u);
}

TEST(ReadBack, RecallOfModeThreeEndsAfterBlock25) {
  Rig rig;
  rig.goOnline();
  Reader reader(rig);
  LinkState& s = rig.state();
  // As the recall of a memory mode starts it.
  s.commandKind = 11;
  s.readBlock = 1;
  s.readSource = 17;
  s.readMode = 3;
  for (int i = 0; i < Form1::kPanelCount; ++i) rig.form.Lkframe[i].setVisible(false);
  rig.form.Label9.setVisible(true);
  rig.timers().timer1->setEnabled(true);
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return !rig.anyTimer() && reader.requests.size() == 37u; }, 10000));
  rig.clock.advance(200);

  ASSERT_EQ(reader.requests.size(), 37u);
  EXPECT_EQ(reader.requests[0], hexBytes("A5 67 35 31 31 30 05 11 03 10 01 08"));
  EXPECT_EQ(reader.requests.back()[10], 0x25);
  EXPECT_EQ(rig.form.Label9.caption(), "调   用  完  成");
  EXPECT_TRUE(rig.form.Label9.visible());
  for (int i = 0; i < Form1::kPanelCount; ++i) EXPECT_FALSE(rig.form.Lkframe[i].visible()) << i;
  EXPECT_TRUE(s.eqSendEnabled);
  EXPECT_EQ(s.readSource, 17) << "a recall keeps its source and mode";
  EXPECT_EQ(s.readMode, 3);
  EXPECT_EQ(s.probeTicks, 0);
  EXPECT_EQ(s.sendTicks, 0);
  EXPECT_EQ(s.rxHex, "");
}

TEST(ReadBack, ARecallEndsItsHandlingWithoutTheDiscard) {
  Rig rig;
  rig.goOnline();
  LinkState& s = rig.state();
  s.commandKind = 11;
  s.readSource = 17;
  s.readMode = 1;
  const int discards = rig.port.inputDiscards;
  rig.port.deliver({0x10, 0x25, 0, 0, 0, 0, 0, 0});
  rig.clock.advance(1100);
  EXPECT_EQ(rig.port.inputDiscards, discards);
  EXPECT_EQ(rig.form.Label9.caption(), "调   用  完  成");
}

TEST(ReadBack, WithoutABlockReplyTheReadBackTimesOutAndStaysOffline) {
  Rig rig;
  Processor quiet;
  quiet.acknowledge = true;
  quiet.answer = [](const Bytes& frame) -> std::optional<Bytes> {
    if (frame.size() == 12) return Bytes{};  // read requests go unanswered
    return std::nullopt;
  };
  rig.attach(quiet);
  rig.form.mnulianji.click();
  rig.clock.advance(5000);
  ASSERT_FALSE(rig.dialogs.shown.empty());
  EXPECT_EQ(rig.dialogs.last()->text, "通信超时!请稍后重试");
  EXPECT_EQ(rig.form.Label8.caption(), "请稍后.....");
  EXPECT_FALSE(rig.state().isOnline);
  EXPECT_FALSE(rig.state().eqSendEnabled);
}

}  // namespace
}  // namespace kavel
