// Receive handling: what each reply does to the timers, the counters and the
// reply text, the communication error, the 10 ms assembly window, the final
// discard and the notification that carries no bytes.
#include "link/reply_dispatcher.h"

#include <gtest/gtest.h>

#include <functional>

#include "link/reply_table.h"
#include "protocol/rig.h"

namespace kavel {
namespace {

using testing::Rig;

// A link in the middle of an exchange: every timer running, counters at work.
struct Busy {
  Busy(Integer kind, Integer model = 1) {
    rig.goOnline();
    LinkState& s = rig.state();
    s.commandKind = kind;
    s.deviceModel = model;
    s.probeTicks = 5;
    s.sendTicks = 7;
    for (Timer* t : timers()) t->setEnabled(true);
  }
  std::vector<Timer*> timers() {
    LinkTimers& t = rig.timers();
    return {t.timer1.get(), t.timer2.get(), t.timer3.get(), t.timer4.get()};
  }
  // Which of Timer1..Timer4 are enabled, as "1234" with "-" for a stopped one.
  std::string running() {
    std::string out;
    for (int i = 0; i < 4; ++i) out += timers()[i]->enabled() ? char('1' + i) : '-';
    return out;
  }
  // Delivers `bytes` and handles them before any timer ticks.
  void receive(const Bytes& bytes) {
    rig.port.deliver(bytes);
    rig.clock.advance(11);
  }
  Rig rig;
};

struct Case {
  const char* what;
  Bytes bytes;
  Integer kind;
  Integer model;
  const char* running;  // timers left enabled
  bool countersReset;
  const char* message;  // "" for none
};

const char* const kCommError = "通信发生异常!";

const Case kCases[] = {
    {"mic band acknowledged", {0x35, 0x82, 0x02, 0x01}, 2, 1, "1-34", true, ""},
    {"another kind's acknowledgement", {0x35, 0x82, 0x02, 0x01}, 3, 1, "----", false, kCommError},
    {"six-digit entry, any fourth byte", {0x35, 0x82, 0x03, 0x77}, 12, 1, "1-34", true, ""},
    {"mic bypass on", {0x35, 0x82, 0x02, 0x0C}, 100, 1, "1-34", true, ""},
    {"mic bypass off", {0x35, 0x82, 0x02, 0x0C}, 101, 1, "1-34", true, ""},
    {"bypass reply for a band", {0x35, 0x82, 0x02, 0x0C}, 2, 1, "----", false, kCommError},
    {"music bypass off", {0x35, 0x82, 0x03, 0x10}, 103, 1, "1-34", true, ""},
    {"center level, six digits", {0x35, 0x82, 0x05, 0x09}, 25, 1, "12-4", true, ""},
    {"mic reset is Timer3's", {0x35, 0x82, 0x02, 0x09}, 73, 1, "12-4", true, ""},
    {"key lock", {0x35, 0x82, 0x08, 0x0B}, 65, 1, "12-4", true, ""},
    {"bulk import, model 1", {0x35, 0x82, 0x13}, 71, 1, "123-", true, ""},
    {"bulk import, model 3", {0x35, 0x82, 0x13}, 79, 3, "123-", true, ""},
    {"bulk import, second variant", {0x35, 0x82, 0x13}, 77, 3, "123-", true, ""},
    {"not the import's answer", {0x12, 0x34}, 71, 1, "----", false, kCommError},
    {"a lone byte that begins no reply", {0x00}, 2, 1, "----", false, kCommError},
    {"probe reply, model 1", {0x5A, 0x7F}, 2, 1, "-234", false, ""},
    {"probe reply, model 2", {0x5A, 0x76}, 2, 2, "-234", false, ""},
    {"model 1's reply after the probe moved on", {0x5A, 0x7F}, 2, 2, "----", false, kCommError},
    {"unsupported device", {0x5A, 0x79}, 2, 1, "----", true, "当前设备无效！"},
    {"a reply with nothing pending", {0x35, 0x82, 0x02, 0x02}, 0, 1, "----", false, kCommError},
    {"garbage", {0xFF, 0x00, 0x12}, 3, 1, "----", false, kCommError},
};

TEST(Dispatch, EachReply) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Busy b(c.kind, c.model);
    b.receive(c.bytes);
    LinkState& s = b.rig.state();
    EXPECT_EQ(b.running(), c.running);
    EXPECT_EQ(s.rxHex, "");
    if (c.countersReset) {
      EXPECT_EQ(s.probeTicks, 0);
      EXPECT_EQ(s.sendTicks, 0);
    } else {
      EXPECT_EQ(s.probeTicks, 5);
      EXPECT_EQ(s.sendTicks, 7);
    }
    EXPECT_EQ(s.commandKind, c.kind);
    if (*c.message) {
      ASSERT_EQ(b.rig.dialogs.shown.size(), 1u);
      EXPECT_EQ(b.rig.dialogs.shown[0].text, c.message);
      EXPECT_EQ(b.rig.dialogs.shown[0].icon, MessageIcon::Error);
    } else {
      EXPECT_TRUE(b.rig.dialogs.shown.empty());
    }
    EXPECT_TRUE(b.rig.form.online()) << "no reply changes the link state here";
  }
}

TEST(Dispatch, CommunicationErrorIsTitledSystemPrompt) {
  Busy b(3);
  b.receive({0x00});
  EXPECT_EQ(b.rig.dialogs.shown.at(0).title, "系统提示");
}

TEST(Dispatch, UnsupportedDeviceIsTitledWithTheWindowCaptionAndSkipsTheDiscard) {
  Busy b(1, 2);
  b.receive({0x5A, 0x79});
  EXPECT_EQ(b.rig.dialogs.shown.at(0).title, "KAVEL-7");
  EXPECT_EQ(b.rig.port.inputDiscards, 0);
  EXPECT_EQ(b.rig.port.outputDiscards, 0);
}

TEST(Dispatch, EveryOtherHandlingEndsWithTheDiscard) {
  Busy b(2);
  b.receive({0x35, 0x82, 0x02, 0x01});
  b.receive({0x00});
  EXPECT_EQ(b.rig.port.inputDiscards, 2);
  EXPECT_EQ(b.rig.port.outputDiscards, 2);
}

TEST(Dispatch, ANotificationWithoutBytesChangesNothing) {
  Busy b(2);
  b.rig.port.raiseEvent(3);
  b.rig.clock.advance(11);
  EXPECT_EQ(b.running(), "1234");
  EXPECT_EQ(b.rig.port.inputDiscards + b.rig.port.outputDiscards, 0);
  EXPECT_EQ(b.rig.clock.pausedMs(), 0);
  EXPECT_TRUE(b.rig.dialogs.shown.empty());
}

TEST(Dispatch, BulkImportDoneShowsItAndPauses) {
  Busy b(71);
  b.rig.form.Label9.setCaption("正在导入");
  b.receive({0x35, 0x82, 0x13});
  EXPECT_EQ(b.rig.form.Label9.caption(), "导入成功");
  EXPECT_TRUE(b.rig.state().eqSendEnabled);
  EXPECT_EQ(b.rig.clock.pausedMs(), 10 + 100);
}

TEST(Dispatch, SavedToAMemoryMode) {
  Busy b(70);
  b.rig.state().saveModeText = " 3 ";
  b.receive({0x35, 0x82, 0x12, 0x03});
  EXPECT_EQ(b.running(), "12-4");
  ASSERT_EQ(b.rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(b.rig.dialogs.shown[0].text, "当前数据已保存到模式3");
  EXPECT_EQ(b.rig.dialogs.shown[0].title, "提示");
  EXPECT_EQ(b.rig.dialogs.shown[0].icon, MessageIcon::None);
}

TEST(Dispatch, ABlockReplyAsksForTheBlockAfterItsOwnNumber) {
  Busy b(11);
  b.rig.state().readBlock = 3;
  b.receive({0x10, 0x05, 0x01, 0x02});
  LinkState& s = b.rig.state();
  EXPECT_EQ(s.readBlock, 6);
  EXPECT_EQ(s.commandKind, 11);
  EXPECT_EQ(b.running(), "1-34");
  EXPECT_EQ(s.probeTicks, 0);
  EXPECT_EQ(s.rxHex, "");
  EXPECT_TRUE(b.rig.dialogs.shown.empty());
}

TEST(Dispatch, NothingIsAskedForAfterTheLastBlock) {
  Busy b(11);
  b.receive({0x10, 0x27});
  EXPECT_EQ(b.running(), "----");
  EXPECT_EQ(b.rig.state().readBlock, 0) << "unchanged";
  EXPECT_EQ(b.rig.state().sendTicks, 0);
}

TEST(Dispatch, ABlockReplyGoesToTheReadBack) {
  Busy b(11);
  int decoded = -1;
  b.rig.form.dispatcher.readBackBlock = [&](int block) {
    decoded = block;
    EXPECT_EQ(b.rig.state().rxHex, "1027AABB") << "the decoder reads the whole reply";
    b.rig.state().clearReply();
    return ReceiveEnd::AtOnce;
  };
  b.receive({0x10, 0x27, 0xAA, 0xBB});
  EXPECT_EQ(decoded, 0x27);
  EXPECT_EQ(b.rig.port.inputDiscards, 0) << "the read-back may end the handling at once";
}

TEST(Assembly, BytesWithin10msAreOneReply) {
  Busy b(2);
  b.rig.port.deliver({0x35, 0x82});
  b.rig.port.deliver({0x02, 0x01}, 6);
  b.rig.clock.advance(11);
  EXPECT_EQ(b.running(), "1-34");
  EXPECT_TRUE(b.rig.dialogs.shown.empty())
      << "the second notification finds its bytes taken and is no reply";
  EXPECT_EQ(b.rig.port.inputDiscards, 1);
}

TEST(Assembly, ALateRestCompletesTheReply) {
  Busy b(2);
  b.rig.port.deliver({0x35, 0x82});
  b.rig.port.deliver({0x02, 0x01}, 15);
  b.rig.clock.advance(40);
  EXPECT_TRUE(b.rig.dialogs.shown.empty());
  EXPECT_FALSE(b.rig.timers().timer2->enabled()) << "the command is acknowledged";
  EXPECT_EQ(b.rig.port.inputDiscards, 1) << "only the whole reply ends with the discard";
}

TEST(Assembly, TheHandlerNeverRunsInsideItself) {
  Busy b(3);
  int messagesWhileOpen = -1;
  b.rig.dialogs.whileOpen = [&](const auto&) {
    // More bytes arrive while the operator reads the error.
    const std::size_t before = b.rig.dialogs.shown.size();
    b.rig.port.deliver({0x00});
    b.rig.clock.advance(50);
    messagesWhileOpen = int(b.rig.dialogs.shown.size() - before);
  };
  b.receive({0x00});
  EXPECT_EQ(messagesWhileOpen, 0);
  EXPECT_TRUE(b.rig.port.pendingInput().empty()) << "discarded when the handling ends";
  b.rig.dialogs.whileOpen = nullptr;
  b.receive({0x00});
  EXPECT_EQ(b.rig.dialogs.shown.size(), 2u) << "the next bytes are handled again";
}

}  // namespace
}  // namespace kavel
