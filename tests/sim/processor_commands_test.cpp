// Commands as the editor writes them, and what the processor makes of them.
#include <gtest/gtest.h>

#include "sim/processor.h"
#include "sim_test_util.h"

namespace kavel::sim {
namespace {

using test::hex;

struct ScalarCase {
  const char* frame;
  ParamId param;
  int value;
  const char* ack;
};

// Frames and checksums worked out by hand from the command catalogue.
const ScalarCase kScalarCases[] = {
    {"A5 67 35 31 31 30 04 02 02 50 54", micHighPass, 0x50, "35 82 02 02"},
    {"A5 67 35 31 31 30 04 08 0B 7F 92", keyLock, 0x7F, "35 82 08 0B"},
    {"A5 67 35 31 31 30 05 07 07 00 05 13", reverbLowPass, 5, "35 82 07 07"},
    {"A5 67 35 31 31 30 05 07 0E 01 2C 42", echoHighPass, 300, "35 82 07 0E"},
    {"A5 67 35 31 31 30 04 03 04 28 2F", micToLr, 40, "35 82 03 04"},
    {"A5 67 35 31 31 30 04 06 06 64 70", surroundDelay, 100, "35 82 06 06"},
    {"A5 67 35 31 31 30 04 06 05 7F 8A", surroundPhase, 0x7F, "35 82 06 05"},
    {"A5 67 35 31 31 30 04 07 02 07 10", reverbType, 7, "35 82 07 02"},
    {"A5 67 35 31 31 30 04 03 0C 07 16", musicKeyShift, 7, "35 82 03 0C"},
    {"A5 67 35 31 31 30 04 08 05 02 0F", musicInput, 2, "35 82 08 05"},
    {"A5 67 35 31 31 30 04 05 02 50 57", musicToCenter, 80, "35 82 05 02"},
    {"A5 67 35 31 31 30 04 04 03 82 89", subCrossover, 130, "35 82 04 03"},
    {"A5 67 35 31 31 30 04 02 0D 7F 8E", micFeedbackSuppress, 0x7F, "35 82 02 0D"},
    {"A5 67 35 31 31 30 04 08 09 07 18", subSwitchTime, 7, "35 82 08 09"},
};

TEST(ProcessorCommands, ScalarCommandsAreStoredAndAcknowledged) {
  for (const ScalarCase& c : kScalarCases) {
    Processor p(Model::M1);
    auto out = p.receive(hex(c.frame), 0);
    ASSERT_EQ(out.size(), 1u) << c.frame;
    EXPECT_EQ(out[0].reply, hex(c.ack)) << c.frame;
    EXPECT_EQ(p.current()[c.param], c.value) << c.frame;
    EXPECT_TRUE(out[0].changed);
  }
}

TEST(ProcessorCommands, EqBandCommandSetsThatBand) {
  Processor p(Model::M1);
  // Microphone band 3: Q 1.0, +3.5 dB, 1000 Hz.
  auto out = p.receive(hex("A5 67 35 31 31 30 08 02 01 03 0A 9B 01 D8 84"), 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].reply, hex("35 82 02 01"));
  EXPECT_EQ(p.current().band(micEq, 3), (Band{10, 0x9B, 472}));
  EXPECT_EQ(p.current().band(micEq, 2), Store::factory().band(micEq, 2));
}

TEST(ProcessorCommands, BypassOnKeepsTheGainsAndBypassOffTakesThem) {
  Processor p(Model::M1);
  p.current().band(micEq, 4).gain = 150;
  auto on = p.receive(hex("A5 67 35 31 31 30 11 02 0C 78 78 78 78 78 78 78 78 78 78 78 78 78 "
                          "7F A5"), 0);
  ASSERT_EQ(on.size(), 1u);
  EXPECT_EQ(on[0].reply, hex("35 82 02 0C"));
  EXPECT_EQ(p.current()[micEqBypass], 0x7F);
  EXPECT_EQ(p.current().band(micEq, 4).gain, 150);

  auto off = p.receive(hex("A5 67 35 31 31 30 11 02 0C 82 82 82 82 82 82 82 82 82 82 82 82 82 "
                           "00 A8"), 0);
  ASSERT_EQ(off.size(), 1u);
  EXPECT_EQ(off[0].reply, hex("35 82 02 0C"));
  EXPECT_EQ(p.current()[micEqBypass], 0x00);
  for (const Band& b : p.current().bands[micEq]) EXPECT_EQ(b.gain, 0x82);

  auto music = p.receive(hex("A5 67 35 31 31 30 0F 03 10 78 78 78 78 78 78 78 78 78 78 78 7F BA"), 0);
  ASSERT_EQ(music.size(), 1u);
  EXPECT_EQ(music[0].reply, hex("35 82 03 10"));
  EXPECT_EQ(p.current()[musicEqBypass], 0x7F);
}

TEST(ProcessorCommands, EqResetFlattensTheGainsOnly) {
  Processor p(Model::M1);
  p.current().band(musicEq, 7) = Band{30, 200, 900};
  auto out = p.receive(hex("A5 67 35 31 31 30 04 03 0D 00 10"), 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].reply, hex("35 82 03 0D"));
  EXPECT_EQ(p.current().band(musicEq, 7), (Band{30, 120, 900}));
}

TEST(ProcessorCommands, LinkCommandsAreAcknowledged) {
  Processor p(Model::M2);
  auto on = p.receive(hex("A5 67 35 31 31 30 02 01 7F"), 0);
  ASSERT_EQ(on.size(), 1u);
  EXPECT_EQ(on[0].reply, hex("35 82 01 7F"));
  EXPECT_TRUE(p.connected());
  auto off = p.receive(hex("A5 67 35 31 31 30 02 01 00"), 0);
  ASSERT_EQ(off.size(), 1u);
  EXPECT_EQ(off[0].reply, hex("35 82 01 00"));
  EXPECT_FALSE(p.connected());
}

TEST(ProcessorCommands, StoreToMemoryModeCopiesTheCurrentSet) {
  Processor p(Model::M1);
  p.current()[micVolume] = 77;
  auto out = p.receive(hex("A5 67 35 31 31 30 02 12 03"), 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].reply, hex("35 82 12 03"));
  EXPECT_EQ(p.modes()[2], p.current());
  EXPECT_EQ(p.modes()[1], Store::factory());

  auto ten = p.receive(hex("A5 67 35 31 31 30 02 12 0A"), 0);
  EXPECT_EQ(ten[0].reply, hex("35 82 12 0A"));
}

// Frames that must not be answered, and leave the store as it was.
TEST(ProcessorCommands, FramesThatFailTheirChecksAreNotAnswered) {
  const char* kBad[] = {
      "A5 67 35 31 31 30 04 02 02 50 55",           // checksum off by one
      "A5 67 35 31 31 30 04 02 0E 01 11",           // no such command
      "A5 67 35 31 31 30 05 02 02 00 50 54",        // one-byte value sent as two
      "A5 67 35 31 31 30 08 02 01 0D 0A 78 00 82 14",  // band 13 of 13 (0..12)
      "A5 67 35 31 31 30 02 12 0B",                 // mode 11
      "A5 67 35 31 31 30 02 12 00",                 // mode 0
      "A5 67 35 31 31 30 02 01 55",                 // neither connect nor offline
      "A5 67 35 31 31 30 05 00 00 10 28 08",        // block 0x28
      "A5 67 35 31 31 30 05 11 0B 10 01 08",        // read from mode 11
  };
  for (const char* frame : kBad) {
    Processor p(Model::M1);
    auto out = p.receive(hex(frame), 0);
    for (const Exchange& ex : out) EXPECT_TRUE(ex.reply.empty()) << frame << ": " << ex.note;
    EXPECT_EQ(p.current(), Store::factory()) << frame;
    EXPECT_EQ(p.modes()[0], Store::factory()) << frame;
  }
}

struct ProbeCase {
  Model model;
  const char* answers[3];  // to 0xAF, 0xAC, 0xAA; "" for silence
};

TEST(ProcessorProbe, EachModelAnswersOnlyItsOwnProbe) {
  const ProbeCase kCases[] = {
      {Model::M1, {"5A 7F", "", ""}},
      {Model::M2, {"", "5A 76", ""}},
      {Model::M3, {"", "", "5A 76"}},
      {Model::M3b, {"", "", "5A 79"}},
  };
  const Byte kProbes[] = {0xAF, 0xAC, 0xAA};
  for (const ProbeCase& c : kCases) {
    for (int i = 0; i < 3; ++i) {
      Processor p(c.model);
      auto out = p.receive({kProbes[i]}, 0);
      ASSERT_EQ(out.size(), 1u);
      EXPECT_EQ(out[0].reply, hex(c.answers[i]))
          << modelInfo(c.model).name << " probe " << int(kProbes[i]);
    }
  }
}

}  // namespace
}  // namespace kavel::sim
