// Whatever the line delivers ends in a defined state: random byte sequences,
// at random moments and in any state of an exchange, go through the receive
// handling on the virtual clock, and the record's invariants are checked
// after each.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "link/handshake.h"
#include "link/reply_dispatcher.h"
#include "link/reply_table.h"
#include "protocol/rig.h"
#include "protocol/send_scheduler.h"

namespace kavel {
namespace {

using testing::Rig;

bool isHexText(const std::string& s) {
  if (s.size() % 2 != 0) return false;
  for (char c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

const std::set<std::string> kKnownMessages = {
    ReplyDispatcher::kCommunicationError, Handshake::kUnsupportedDevice,
    Handshake::kConnectFailed,            Handshake::kOperationFailed,
    SendScheduler::kTimeout,              SendScheduler::kInvalidValue,
};

struct Fuzzer {
  explicit Fuzzer(unsigned seed) : rng(seed) {}

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  // Bytes that are likely to look like the start of a reply, and any byte.
  Byte anyByte() {
    static const Byte pieces[] = {0x5A, 0x7F, 0x76, 0x79, 0x35, 0x82, 0x10, 0x01,
                                  0x02, 0x03, 0x05, 0x0C, 0x12, 0x13, 0x27, 0x00};
    return pick(2) ? pieces[pick(16)] : Byte(pick(256));
  }

  void randomiseState(Rig& rig) {
    static const Integer kinds[] = {0, 1, 2, 3, 11, 12, 19, 25, 65, 70, 71, 77, 79, 100, 103};
    LinkState& s = rig.state();
    s.commandKind = kinds[pick(15)];
    const int model = pick(3);
    s.deviceModel = Integer(model + 1);
    s.probeFrame = Byte(model == 0 ? 0xAF : model == 1 ? 0xAC : 0xAA);
    s.readBlock = Integer(1 + pick(39));
    s.saveModeText = std::to_string(pick(12));
    if (pick(2)) rig.goOnline();
    LinkTimers& t = rig.timers();
    for (Timer* timer : {t.timer1.get(), t.timer2.get(), t.timer3.get(), t.timer4.get()})
      timer->setEnabled(pick(2));
  }

  void deliverSequence(Rig& rig) {
    const int pieces = 1 + pick(6);
    for (int i = 0; i < pieces; ++i) {
      if (pick(10) == 0) {
        rig.port.raiseEvent(1 + pick(7));
        continue;
      }
      Bytes bytes(pick(13));
      for (Byte& b : bytes) b = anyByte();
      rig.port.deliver(bytes, pick(31));
    }
  }

  std::mt19937 rng;
};

void checkInvariants(Rig& rig, const std::string& where) {
  const LinkState& s = rig.state();
  ASSERT_TRUE(isHexText(s.rxHex)) << where << ": " << s.rxHex;
  EXPECT_TRUE(s.rxHex.empty() || replyIncomplete(s.rxHex, s))
      << where << ": every handled reply empties the text; only the start of a reply waits";
  const std::set<int> probes{0xAF, 0xAC, 0xAA};
  ASSERT_TRUE(probes.count(s.probeFrame)) << where;
  ASSERT_EQ(s.deviceModel, s.probeFrame == 0xAF ? 1 : s.probeFrame == 0xAC ? 2 : 3) << where;
  for (const auto& shown : rig.dialogs.shown)
    ASSERT_TRUE(kKnownMessages.count(shown.text)) << where << ": " << shown.text;
}

TEST(Fuzz, RandomBytesInAnyState) {
  Fuzzer fuzz(20261210);
  int errors = 0, handled = 0;
  for (int episode = 0; episode < 500; ++episode) {
    Rig rig;
    // At a communication error every timer has already stopped.
    rig.dialogs.whileOpen = [&](const ScriptedDialogs::Shown& shown) {
      if (shown.text != ReplyDispatcher::kCommunicationError) return;
      ++errors;
      EXPECT_FALSE(rig.anyTimer());
      // Sometimes more bytes arrive while the box is open.
      if (fuzz.pick(4) == 0) {
        fuzz.deliverSequence(rig);
        rig.clock.advance(fuzz.pick(40));
      }
    };
    for (int i = 0; i < 20; ++i) {
      fuzz.randomiseState(rig);
      const std::size_t before = rig.port.inputDiscards;
      fuzz.deliverSequence(rig);
      rig.clock.advance(60);
      handled += int(rig.port.inputDiscards - before);
      checkInvariants(rig, "episode " + std::to_string(episode) + " step " + std::to_string(i));
      if (::testing::Test::HasFatalFailure()) return;
      if (!rig.port.isOpen()) rig.port.open();  // an offline acknowledgement closed it
    }
  }
  EXPECT_GT(errors, 100) << "the sequences reach the communication error";
  EXPECT_GT(handled, 1000);
}

TEST(Fuzz, AStreamFasterThanItsHandling) {
  Rig rig;
  rig.goOnline();
  for (int ms = 0; ms < 300; ++ms) rig.port.deliver({Byte(0x35 + ms % 3)}, ms);
  int notifications = 0;
  rig.form.port.onComm = [&, inner = rig.form.port.onComm] {
    ++notifications;
    inner();
    EXPECT_TRUE(isHexText(rig.state().rxHex));
  };
  rig.clock.advance(400);
  checkInvariants(rig, "stream");
  // Each handling takes its 10 ms, so the stream is taken in chunks.
  EXPECT_LE(notifications, 31);
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.port.pendingInput().empty());
}

}  // namespace
}  // namespace kavel
