// The send timers on the virtual clock against a scripted processor: the
// probe first, then one frame every 20 ms until the acknowledgement, the
// owner rule, replacement of the pending command and the time-out.
#include "protocol/send_scheduler.h"

#include <gtest/gtest.h>

#include "rig.h"

namespace kavel {
namespace {

using testing::hexBytes;
using testing::Processor;
using testing::Rig;

const Bytes kMicHighPass80 = hexBytes("A5 67 35 31 31 30 04 02 02 50 54");
const Bytes kMicHighPass90 = hexBytes("A5 67 35 31 31 30 04 02 02 5A 5E");

struct Online : ::testing::Test {
  Online() {
    rig.goOnline();
    rig.attach(processor);
  }
  // Moves micHighPass the way its slider's handler does.
  void moveMicHighPass(int code) {
    rig.form.panels.MdSlide1.setValue(code);
    requestCommand(rig.form, 3);
  }
  Rig rig;
  Processor processor;
};

TEST_F(Online, ProbeThenOneFrameEvery20msUntilAcknowledged) {
  processor.acknowledgeFrom = 3;
  moveMicHighPass(80);
  rig.clock.advance(300);
  const auto& w = rig.port.writes;
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[0].bytes, Bytes{0xAF});
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(w[i].bytes, kMicHighPass80) << i;
  EXPECT_EQ(w[2].atMs - w[1].atMs, 20);
  EXPECT_EQ(w[3].atMs - w[2].atMs, 20);
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_EQ(rig.state().sendTicks, 0);
  EXPECT_EQ(rig.state().probeTicks, 0);
  EXPECT_EQ(rig.state().rxHex, "");
  EXPECT_EQ(rig.state().commandKind, 3) << "the kind stays after the step";
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST_F(Online, EachTransmissionCarriesTheValueOfItsMoment) {
  processor.acknowledgeFrom = 3;
  moveMicHighPass(80);
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.framesWritten().size() == 1; }, 200));
  rig.form.panels.MdSlide1.setValue(90);  // moved again, no new request needed
  rig.clock.advance(300);
  EXPECT_EQ(rig.framesWritten(), (std::vector<Bytes>{kMicHighPass80, kMicHighPass90,
                                                     kMicHighPass90}));
}

TEST_F(Online, OnlyTheSecondOfTwoQuickEditsIsSent) {
  processor.acknowledge = false;
  moveMicHighPass(80);
  rig.form.panels.ctSlide11.setValue(4);
  requestCommand(rig.form, 76);  // before the probe was answered
  rig.clock.advance(70);
  const auto frames = rig.framesWritten();
  ASSERT_FALSE(frames.empty());
  for (const Bytes& f : frames) EXPECT_EQ(f, hexBytes("A5 67 35 31 31 30 04 02 0B 04 11"));
  // The first command's acknowledgement, arriving now, fits nothing pending.
  rig.port.deliver({0x35, 0x82, 0x02, 0x02});
  rig.clock.advance(30);
  ASSERT_EQ(rig.dialogs.texts(), (std::vector<std::string>{"通信发生异常!"}));
  EXPECT_FALSE(rig.anyTimer());
}

TEST_F(Online, The101stTransmissionTimesOutOnce) {
  processor.acknowledge = false;
  std::size_t framesWhileOpen = 0;
  rig.dialogs.whileOpen = [&](const auto&) {
    const std::size_t before = rig.framesWritten().size();
    rig.clock.advance(500);  // the operator takes a while to press OK
    framesWhileOpen = rig.framesWritten().size() - before;
  };
  moveMicHighPass(80);
  rig.clock.advance(4000);
  EXPECT_EQ(rig.framesWritten().size(), 101u);
  EXPECT_EQ(framesWhileOpen, 0u) << "no tick while the message is open";
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "通信超时!请稍后重试");
  EXPECT_EQ(rig.dialogs.shown[0].title, "提示2");
  EXPECT_EQ(rig.dialogs.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(rig.timers().timer2->enabled());
  EXPECT_EQ(rig.state().sendTicks, 0);
  EXPECT_EQ(rig.state().probeTicks, 0);
  EXPECT_EQ(rig.state().commandKind, 3);
}

TEST_F(Online, Timer3TimesOutWithItsOwnTitle) {
  processor.acknowledge = false;
  rig.form.panels.ctSlide4[1].setValue(100);
  requestCommand(rig.form, 21);
  rig.clock.advance(4000);
  EXPECT_EQ(rig.framesWritten().size(), 101u);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].title, "提示3");
  EXPECT_FALSE(rig.timers().timer3->enabled());
}

TEST_F(Online, TransmissionsCountAcrossReplacements) {
  processor.acknowledge = false;
  moveMicHighPass(80);
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.framesWritten().size() == 60; }, 2000));
  rig.form.panels.VScroll1[1].setValue(10);
  requestCommand(rig.form, 5);
  rig.clock.advance(4000);
  const auto frames = rig.framesWritten();
  ASSERT_EQ(frames.size(), 101u);
  EXPECT_EQ(frames.back(), hexBytes("A5 67 35 31 31 30 04 02 04 0A 10"));
  EXPECT_EQ(rig.dialogs.texts(), (std::vector<std::string>{"通信超时!请稍后重试"}));
}

TEST_F(Online, OnlyTheOwnerSends) {
  processor.acknowledge = false;
  rig.form.panels.ctSlide4[1].setValue(100);
  requestCommand(rig.form, 21);  // a Timer3 command
  // Probe at 20 ms, its answer handled at 32 ms, the send timers' first ticks at 52 ms.
  rig.clock.advance(53);
  EXPECT_FALSE(rig.timers().timer2->enabled()) << "Timer2 stops itself";
  EXPECT_TRUE(rig.timers().timer3->enabled());
  EXPECT_EQ(rig.framesWritten(), (std::vector<Bytes>{hexBytes("A5 67 35 31 31 30 04 04 03 64 6B")}));
  EXPECT_EQ(rig.state().sendTicks, 1);
  rig.clock.advance(30);
  EXPECT_FALSE(rig.timers().timer4->enabled()) << "Timer4 stops itself";
}

TEST_F(Online, KeyLockSkipsTheProbe) {
  rig.state().paramCode = 0x7F;
  requestCommand(rig.form, 65);
  EXPECT_TRUE(rig.timers().timer3->enabled());
  EXPECT_FALSE(rig.timers().timer1->enabled());
  rig.clock.advance(100);
  EXPECT_EQ(rig.written(), (std::vector<Bytes>{hexBytes("A5 67 35 31 31 30 04 08 0B 7F 92")}));
  EXPECT_FALSE(rig.anyTimer());
}

TEST_F(Online, AValueWithoutAWireByteIsNotSent) {
  rig.band(Eq::Mic, 2).freq = 5;
  rig.state().paramIndex = 2;
  requestCommand(rig.form, 2);
  rig.clock.advance(200);
  EXPECT_TRUE(rig.framesWritten().empty());
  EXPECT_EQ(rig.dialogs.texts(), (std::vector<std::string>{SendScheduler::kInvalidValue}));
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_EQ(rig.state().sendTicks, 0);
}

TEST_F(Online, Timer4TicksGoToTheImport) {
  int ticks = 0;
  rig.form.sender.bulkImportTick = [&] { ++ticks; };
  rig.state().commandKind = 77;
  rig.timers().timer4->setEnabled(true);
  rig.clock.advance(160);
  EXPECT_EQ(ticks, 3);
  // Replaced by a panel command, the import still gets the tick that ends it.
  rig.state().commandKind = 2;
  rig.clock.advance(60);
  EXPECT_EQ(ticks, 4);
  rig.form.sender.bulkImportTick = nullptr;
  rig.clock.advance(60);
  EXPECT_FALSE(rig.timers().timer4->enabled());
}

TEST(Offline, AnEditSendsNothing) {
  Rig rig;  // port open, but never connected
  rig.timers().timer1->setEnabled(true);
  rig.timers().timer3->setEnabled(true);
  EXPECT_FALSE(requestCommand(rig.form, 3));
  EXPECT_FALSE(requestCommand(rig.form, 65));
  EXPECT_FALSE(rig.timers().timer1->enabled()) << "the probe timer is stopped";
  EXPECT_FALSE(rig.timers().timer3->enabled());
  EXPECT_EQ(rig.state().commandKind, 0);
  rig.port.close();
  rig.form.mnulianji.setEnabled(false);
  EXPECT_FALSE(requestCommand(rig.form, 3)) << "a closed port is offline too";
  rig.clock.advance(100);
  EXPECT_TRUE(rig.port.writes.empty());
}

}  // namespace
}  // namespace kavel
