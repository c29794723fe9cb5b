// The byte stream as it really arrives: garbage, frames cut off when the
// editor drops its output, frames split over reads, repeats.
#include <gtest/gtest.h>

#include "sim/processor.h"
#include "sim_test_util.h"

namespace kavel::sim {
namespace {

using test::hex;

const char* kMicHighPass = "A5 67 35 31 31 30 04 02 02 50 54";

std::vector<Bytes> replies(const std::vector<Exchange>& out) {
  std::vector<Bytes> r;
  for (const Exchange& ex : out)
    if (!ex.reply.empty()) r.push_back(ex.reply);
  return r;
}

TEST(FrameParser, GarbageBeforeAFrameIsSkipped) {
  Processor p(Model::M1);
  auto out = p.receive(hex(std::string("00 13 FF A5 A5 67 ") + kMicHighPass), 0);
  EXPECT_EQ(replies(out), std::vector<Bytes>{hex("35 82 02 02")});
  EXPECT_EQ(p.current()[micHighPass], 0x50);
}

TEST(FrameParser, ACutOffFrameGivesWayToTheNextHeader) {
  Processor p(Model::M1);
  // The first copy lost its last three bytes; the repeat follows at once.
  auto out = p.receive(hex(std::string("A5 67 35 31 31 30 04 02 ") + kMicHighPass), 0);
  EXPECT_EQ(replies(out), std::vector<Bytes>{hex("35 82 02 02")});
}

TEST(FrameParser, AStaleHalfFrameDoesNotSwallowTheNextProbe) {
  Processor p(Model::M1);
  EXPECT_TRUE(replies(p.receive(hex("A5 67 35 31 31 30 08 02 01"), 0)).empty());
  auto out = p.receive({0xAF}, 20'000);
  EXPECT_EQ(replies(out), std::vector<Bytes>{hex("5A 7F")});
}

TEST(FrameParser, AFrameSplitAcrossReadsIsJoined) {
  Processor p(Model::M1);
  EXPECT_TRUE(p.receive(hex("A5 67 35 31 31"), 0).empty());
  auto out = p.receive(hex("30 04 02 02 50 54"), 300);
  EXPECT_EQ(replies(out), std::vector<Bytes>{hex("35 82 02 02")});
}

TEST(FrameParser, RepeatsAndQueuedProbesAreEachAnswered) {
  Processor p(Model::M1);
  auto out = p.receive(hex(std::string("AF AF ") + kMicHighPass + " " + kMicHighPass), 0);
  EXPECT_EQ(replies(out), (std::vector<Bytes>{hex("5A 7F"), hex("5A 7F"), hex("35 82 02 02"),
                                               hex("35 82 02 02")}));
}

TEST(FrameParser, TheRestOfABrokenFrameIsNoProbe) {
  Processor p(Model::M1);
  // A band frame with a wrong checksum whose payload holds 0xAF.
  auto out = p.receive(hex("A5 67 35 31 31 30 08 02 01 03 AF AF 01 D8 00"), 0);
  EXPECT_TRUE(replies(out).empty());
  EXPECT_EQ(p.current(), Store::factory());
}

}  // namespace
}  // namespace kavel::sim
