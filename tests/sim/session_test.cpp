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

TEST(Session, PacedRequestsAndAnswersTakeTheLinesTime) {
  Processor p(Model::M1);
  Session s(p, {.paced = true});
  // 10 bits at 38400 baud: a byte every 260.4 us. The 9-byte frame is heard
  // at 2343.75 us; the answer's bytes follow it one by one.
  s.receive(hex(kConnect), 0);
  EXPECT_EQ(s.takeDue(2604), Bytes{});
  EXPECT_EQ(s.takeDue(2605), hex("35"));
  EXPECT_EQ(s.takeDue(3126), hex("82 01"));
  EXPECT_EQ(s.nextDueUs(), 3386);
  // A probe sent at 500 us queues behind the frame on the way in, and its
  // answer behind the first answer on the way out.
  s.receive({0xAF}, 500);
  EXPECT_EQ(s.takeDue(3386), hex("7F"));
  EXPECT_EQ(s.takeDue(3646), Bytes{});
  EXPECT_EQ(s.takeDue(3907), hex("5A 7F"));
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
