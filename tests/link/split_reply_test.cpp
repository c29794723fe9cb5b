// Replies that cross the 10 ms receive window: the part received waits for
// its rest when it begins a reply the link expects, and a whole connect
// whose every reply arrives in two pieces reads back what an unbroken one
// reads.
#include <gtest/gtest.h>

#include "cli/dump.h"
#include "link/reply_table.h"
#include "protocol/rig.h"
#include "sim/processor.h"

namespace kavel {
namespace {

using testing::Rig;

const char* const kCommError = "通信发生异常!";

struct Piece {
  Bytes bytes;
  int atMs;
};

struct SplitCase {
  const char* what;
  Integer kind;
  std::vector<Piece> pieces;
  bool retired;  // the command's timer stopped without a message
  int errors;    // communication errors shown
};

// Model 1, command kind 2 (a mic band: acknowledged by 35 82 02 01) pending.
const SplitCase kSplits[] = {
    {"acknowledgement in two halves", 2, {{{0x35, 0x82}, 0}, {{0x02, 0x01}, 15}}, true, 0},
    {"acknowledgement one byte at a time", 2,
     {{{0x35}, 0}, {{0x82}, 15}, {{0x02}, 30}, {{0x01}, 45}}, true, 0},
    {"a rest that makes another kind's reply", 2, {{{0x35, 0x82}, 0}, {{0x02, 0x0C}, 15}}, false, 1},
    {"a stray byte, then the whole reply", 2, {{{0x35}, 0}, {{0x35, 0x82, 0x02, 0x01}, 15}}, true, 0},
    {"probe reply in two halves", 1, {{{0x5A}, 0}, {{0x7F}, 15}}, false, 0},
    {"a start that begins no reply, then garbage", 2, {{{0x00, 0x35}, 0}, {{0x82, 0x02, 0x01}, 15}},
     false, 2},
};

TEST(SplitReply, WaitsForTheRestOfAReplyItExpects) {
  for (const SplitCase& c : kSplits) {
    SCOPED_TRACE(c.what);
    Rig rig;
    rig.goOnline();
    rig.state().commandKind = c.kind;
    rig.timers().timer2->setEnabled(true);
    for (const Piece& p : c.pieces) rig.port.deliver(p.bytes, p.atMs);
    rig.clock.advance(c.pieces.back().atMs + 11);
    EXPECT_EQ(rig.dialogs.texts(), std::vector<std::string>(c.errors, kCommError));
    EXPECT_EQ(!rig.timers().timer2->enabled() && c.errors == 0, c.retired);
  }
}

TEST(SplitReply, APartialReplyIsKeptUntilItsRestComes) {
  Rig rig;
  rig.goOnline();
  rig.state().commandKind = 2;
  rig.timers().timer2->setEnabled(true);
  rig.port.deliver({0x35, 0x82});
  rig.clock.advance(11);
  EXPECT_EQ(rig.state().rxHex, "3582");
  EXPECT_EQ(rig.port.inputDiscards, 0);
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

// A window that connects to `unit`, each reply reaching it in two pieces
// `gapMs` apart, split after `firstBytes` bytes (0: unbroken). A block is
// decoded as soon as its code (0x10, its number) has come, so only a split
// after its first byte leaves it whole.
struct Connected : Rig {
  Connected(sim::Processor& unit, std::size_t firstBytes, int gapMs) : Rig(false) {
    port.responder = [this, &unit, firstBytes, gapMs](const Bytes& bytes) {
      for (const sim::Exchange& ex : unit.receive(bytes, clock.nowMs() * 1000)) {
        const std::size_t cut = std::min(firstBytes, ex.reply.size());
        if (cut > 0) port.deliver(Bytes(ex.reply.begin(), ex.reply.begin() + cut), 2);
        if (cut < ex.reply.size()) port.deliver(Bytes(ex.reply.begin() + cut, ex.reply.end()), 2 + gapMs);
      }
    };
    form.mnulianji.click();
    online = clock.advanceUntil([this] { return state().isOnline && !anyTimer(); }, 60000);
  }
  bool online = false;
};

sim::Store tuned() {
  sim::Store s = sim::Store::factory();
  s[sim::micHighPass] = 33;
  s[sim::musicToLr] = 11;
  s[sim::reverbTime] = 25;
  s[sim::surroundDelay] = 150;
  s.band(sim::micEq, 12) = {3, 240, sim::frequencyCode(16000)};
  s.band(sim::subEq, 1) = {25, 111, sim::frequencyCode(63)};
  return s;
}

TEST(SplitReply, AConnectOfSplitRepliesReadsWhatAnUnbrokenOneReads) {
  for (sim::Model model : {sim::Model::M1, sim::Model::M2, sim::Model::M3, sim::Model::M3b}) {
    SCOPED_TRACE(int(model));
    sim::Processor plain(model, tuned());
    Connected reference(plain, 0, 0);
    ASSERT_TRUE(reference.online);
    sim::Processor unit(model, tuned());
    Connected split(unit, 1, 15);
    ASSERT_TRUE(split.online) << ::testing::PrintToString(split.dialogs.texts());
    EXPECT_TRUE(split.dialogs.shown.empty());
    EXPECT_EQ(cli::dumpJson(split.form), cli::dumpJson(reference.form));
  }
}

}  // namespace
}  // namespace kavel
