// The shared record's reset operations.
#include "link/link_state.h"

#include <gtest/gtest.h>

namespace kavel {
namespace {

LinkState busyState() {
  LinkState s;
  s.probeTicks = 7;
  s.sendTicks = 9;
  s.paramCode = 127;
  s.paramIndex = 5;
  s.readSource = 17;
  s.readMode = 3;
  s.readBlock = 39;
  s.commandKind = 1;
  s.rxHex = "5A7F";
  return s;
}

TEST(LinkStateResets, OfflineResetKeepsTheCommandKind) {
  LinkState s = busyState();
  s.offlineReset();
  EXPECT_EQ(s.probeTicks, 0);
  EXPECT_EQ(s.sendTicks, 0);
  EXPECT_EQ(s.paramCode, 0);
  EXPECT_EQ(s.paramIndex, 0);
  EXPECT_EQ(s.readSource, 0);
  EXPECT_EQ(s.readMode, 0);
  EXPECT_EQ(s.readBlock, 0);
  EXPECT_EQ(s.commandKind, 1);
  EXPECT_EQ(s.rxHex, "5A7F") << "the offline reset does not clear the reply";
}

TEST(LinkStateResets, ReadBackEndResetKeepsBlockAndKind) {
  LinkState s = busyState();
  s.commandKind = 11;
  s.readBackEndReset();
  EXPECT_EQ(s.paramCode, 0);
  EXPECT_EQ(s.paramIndex, 0);
  EXPECT_EQ(s.readSource, 0);
  EXPECT_EQ(s.readMode, 0);
  EXPECT_EQ(s.readBlock, 39);
  EXPECT_EQ(s.commandKind, 11);
  EXPECT_EQ(s.probeTicks, 7) << "counters are reset separately";
}

TEST(LinkStateResets, CountersAndReply) {
  LinkState s = busyState();
  s.resetCounters();
  s.clearReply();
  EXPECT_EQ(s.probeTicks, 0);
  EXPECT_EQ(s.sendTicks, 0);
  EXPECT_EQ(s.rxHex, "");
  EXPECT_EQ(s.paramCode, 127);
}

}  // namespace
}  // namespace kavel
