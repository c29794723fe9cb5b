// Faults for reliability work, on explicit times (microseconds).
#include <gtest/gtest.h>

#include "sim/session.h"
#include "sim_test_util.h"

namespace kavel::sim {
namespace {

using test::hex;

const char* kConnect = "A5 67 35 31 31 30 02 01 7F";

TEST(Session, AnswersAreDueAtOnceWithoutFaults) {
  Processor p(Model::M1);
  Session s(p, {});
  s.receive({0xAF}, 1000);
  EXPECT_EQ(s.nextDueUs(), 1000);
  EXPECT_EQ(s.takeDue(1000), hex("5A 7F"));
  EXPECT_EQ(s.nextDueUs(), -1);
}

TEST(Session, SilentAndGarbageReplaceTheAnswerButTheStoreStillChanges) {
  Processor quiet(Model::M1);
  Session silent(quiet, {.silent = true});
  silent.receive(hex(kConnect), 0);
  EXPECT_EQ(silent.nextDueUs(), -1);
  EXPECT_TRUE(quiet.connected());

  Processor noisy(Model::M1);
  Session garbage(noisy, {.garbage = true});
  garbage.receive(hex(kConnect), 0);
  EXPECT_EQ(garbage.takeDue(0), hex("EE 11 EE 11"));
}

TEST(Session, DelayedAnswersLeaveLater) {
  Processor p(Model::M1);
  Session s(p, {.delayUs = 30'000});
  s.receive({0xAF}, 5'000);
  EXPECT_TRUE(s.takeDue(34'999).empty());
  EXPECT_EQ(s.takeDue(35'000), hex("5A 7F"));
}

TEST(Session, TheFirstRequestsAreLostWhole) {
  Processor p(Model::M1);
  Session s(p, {.ignoreFirst = 2});
  s.receive(hex(kConnect), 0);
  s.receive({0xAF}, 20'000);
  EXPECT_EQ(s.nextDueUs(), -1);
  EXPECT_FALSE(p.connected());  // a lost frame never reached the unit
  s.receive({0xAF}, 40'000);
  EXPECT_EQ(s.takeDue(40'000), hex("5A 7F"));
}

TEST(Session, PacedOutputLeavesAtLineSpeed) {
  Processor p(Model::M1);
  Session s(p, {.paced = true});
  s.receive(hex(kConnect), 0);
  // 10 bits at 38400 baud: a byte every 260.4 us.
  EXPECT_EQ(s.takeDue(260), Bytes{});
  EXPECT_EQ(s.takeDue(261), hex("35"));
  EXPECT_EQ(s.takeDue(782), hex("82 01"));
  EXPECT_EQ(s.nextDueUs(), 1042);
  // A second answer queues behind the first.
  s.receive({0xAF}, 500);
  EXPECT_EQ(s.takeDue(1042), hex("7F"));
  EXPECT_EQ(s.takeDue(1563), hex("5A 7F"));
}

TEST(Session, HangsUpAfterTheNthRequestOnceItsAnswerIsOut) {
  Processor p(Model::M1);
  Session s(p, {.hangUpAfter = 2});
  s.receive({0xAF}, 0);
  s.takeDue(0);
  EXPECT_FALSE(s.hungUp());
  s.receive(hex(std::string(kConnect) + " AF"), 20'000);
  EXPECT_FALSE(s.hungUp());
  EXPECT_EQ(s.takeDue(20'000), hex("35 82 01 7F"));  // the probe after it is not answered
  EXPECT_TRUE(s.hungUp());
}

TEST(Session, ClosingTheLineDropsUnsentAnswers) {
  Processor p(Model::M1);
  Session s(p, {.delayUs = 10'000});
  s.receive({0xAF}, 0);
  s.lineClosed();
  EXPECT_EQ(s.nextDueUs(), -1);
}

}  // namespace
}  // namespace kavel::sim
