// Read-back blocks as the processor encodes them, checked against the
// decoding examples of the editor's read-back, byte for byte.
#include <gtest/gtest.h>

#include <set>

#include "sim/block_map.h"
#include "sim/processor.h"
#include "sim_test_util.h"

namespace kavel::sim {
namespace {

using test::hex;

TEST(BlockMap, MicrophoneBlocks) {
  Store s = Store::factory();
  s.band(micEq, 0) = Band{0x0A, 0x78, 0x0082};
  s.band(micEq, 1) = Band{0x14, 0xB4, 0x0123};
  EXPECT_EQ(encodeBlock(s, 0x01, Model::M1), hex("10 01 0A 78 00 82 14 B4"));
  EXPECT_EQ(encodeBlock(s, 0x02, Model::M1).at(2), 0x01);
  EXPECT_EQ(encodeBlock(s, 0x02, Model::M1).at(3), 0x23);

  s.band(micEq, 12) = Band{0x1E, 0x64, 0x0456};
  s[micPhase] = 0x7F;
  s[micEqLhPass] = 0x7F;
  EXPECT_EQ(encodeBlock(s, 0x09, Model::M1), hex("10 09 1E 64 7F 7F 00 00"));

  s[micHighPass] = 131;
  s[micLimitThreshold] = 10;
  s[micCompRatio] = 63;
  s[micCompRelease] = 5;
  EXPECT_EQ(encodeBlock(s, 0x0A, Model::M1), hex("10 0A 04 56 83 0A 3F 05"));

  s[micCompAttack] = 9;
  s[micLowPass] = 12;
  s.band(musicEq, 0) = Band{0x0E, 0x78, 0x01D8};
  EXPECT_EQ(encodeBlock(s, 0x0B, Model::M1), hex("10 0B 09 0C 0E 78 01 D8"));
}

TEST(BlockMap, Block12DependsOnTheModel) {
  Store s = Store::factory();
  s.band(musicEq, 10) = Band{0x0A, 0x78, 0x0B27};
  s[musicEqLhPass] = 0x7F;
  s[musicHighPass] = 0x82;
  s[musicPhase] = 0x00;
  EXPECT_EQ(encodeBlock(s, 0x12, Model::M1), hex("10 12 0A 78 0B 27 7F 82 00"));
  EXPECT_EQ(encodeBlock(s, 0x12, Model::M2), hex("10 12 0A 78 0B 27 7F 82 00"));
  s[musicHighPass] = 0x00;
  s[musicPhase] = 0x7F;
  EXPECT_EQ(encodeBlock(s, 0x12, Model::M3), hex("10 12 0A 78 0B 27 00 7F"));
  EXPECT_EQ(encodeBlock(s, 0x12, Model::M3b), hex("10 12 0A 78 0B 27 00 7F"));
}

TEST(BlockMap, MusicSubwooferAndCenterBlocks) {
  Store s = Store::factory();
  s[musicKeyShift] = 6;
  s[musicToLr] = 70;
  s[micToLr] = 60;
  s[effectToLr] = 50;
  s[musicLimitThreshold] = 30;
  s[musicCompRatio] = 32;
  EXPECT_EQ(encodeBlock(s, 0x13, Model::M1), hex("10 13 06 46 3C 32 1E 20"));

  s.band(subEq, 1) = Band{0x0A, 0x6E, 0x0028};
  s[subVolume] = 0x50;
  s[subCrossover] = 130;
  s[subLowCut] = 0x10;
  EXPECT_EQ(encodeBlock(s, 0x15, Model::M1), hex("10 15 0A 6E 00 28 50 82 10"));

  s.band(centerEq, 2) = Band{0x0A, 0x96, 0x0082};
  s[musicToCenter] = 80;
  s[micToCenter] = 40;
  s[effectToCenter] = 0;
  EXPECT_EQ(encodeBlock(s, 0x18, Model::M1), hex("10 18 96 00 82 50 28 00"));

  s.band(centerEq, 1) = Band{0x11, 0x22, 0x0333};
  s.band(centerEq, 2).q = 0x44;
  EXPECT_EQ(encodeBlock(s, 0x17, Model::M1), hex("10 17 22 03 33 44 00 00"));
}

TEST(BlockMap, EffectBlocks) {
  Store s = Store::factory();
  s.band(effectEq, 2).freq = 0x0155;
  s[echoLowPass] = 25;
  s[echoHighPass] = 300;
  EXPECT_EQ(encodeBlock(s, 0x1B, Model::M1), hex("10 1B 01 55 00 19 01 2C"));

  s[echoPhase] = 0x7F;
  s[echoSpeed] = 37;
  s[echoDelay] = 50;
  s[echoMode] = 2;
  s.band(effectEq, 3) = Band{0x0C, 0x80, 0};
  EXPECT_EQ(encodeBlock(s, 0x1C, Model::M1), hex("10 1C 7F 25 32 02 0C 80"));

  s[reverbPhase] = 0;
  s[reverbDelay] = 20;
  s[reverbTime] = 25;
  s[reverbType] = 9;
  s[effectMix] = 50;
  s[effectVolume] = 45;
  EXPECT_EQ(encodeBlock(s, 0x20, Model::M1), hex("10 20 00 14 19 09 32 2D"));
}

TEST(BlockMap, SurroundAndSettingsBlocks) {
  Store s = Store::factory();
  s[surroundPhase] = 0x7E;
  s[musicToSurround] = 1;
  s[micToSurround] = 2;
  s[effectToSurround] = 3;
  s[surroundDelay] = 200;
  EXPECT_EQ(encodeBlock(s, 0x23, Model::M1), hex("10 23 7E 01 02 03 C8 00"));

  s[micInitVolume] = 10;
  s[musicMaxVolume] = 70;
  s[musicInitVolume] = 20;
  s[musicInput] = 3;
  s[initSwitch] = 0x7F;
  s[subSingVolume] = 30;
  s[micEqBypass] = 0x7F;
  s[musicEqBypass] = 0x00;
  EXPECT_EQ(encodeBlock(s, 0x26, Model::M1), hex("10 26 0A 46 14 03 7F 1E 7F 00"));

  s[subMode] = 0x7F;
  s[subSwitchTime] = 0;
  s[micMaxVolume] = 60;
  s[micVolume] = 33;
  s[musicVolume] = 44;
  s[musicBalance] = 20;
  s[micFeedbackSuppress] = 0x7F;
  s[keyLock] = 0x00;
  EXPECT_EQ(encodeBlock(s, 0x27, Model::M1), hex("10 27 7F 00 3C 21 2C 14 00 00 00 7F 00"));
}

TEST(BlockMap, BlockLengthsPerModel) {
  // Reply length of every block: 8 bytes, except these.
  const std::map<int, std::array<int, 4>> kLonger = {
      {0x12, {9, 9, 8, 8}}, {0x15, {9, 9, 9, 9}}, {0x26, {10, 10, 10, 10}},
      {0x27, {13, 13, 13, 13}}};
  const Model kAll[] = {Model::M1, Model::M2, Model::M3, Model::M3b};
  for (int block = 0x01; block <= 0x27; ++block) {
    for (int m = 0; m < 4; ++m) {
      auto it = kLonger.find(block);
      std::size_t expected = it == kLonger.end() ? 8 : it->second[m];
      Bytes reply = encodeBlock(Store::factory(), block, kAll[m]);
      EXPECT_EQ(reply.size(), expected) << "block " << block << " model " << m;
      EXPECT_EQ(reply[0], 0x10);
      EXPECT_EQ(reply[1], block);
    }
  }
}

// Every band byte and every parameter (but the two never read back) leaves
// the unit in exactly one block.
TEST(BlockMap, EveryValueIsSentOnce) {
  std::multiset<std::tuple<int, int, int>> seen;
  for (int block = 0x01; block <= 0x27; ++block)
    for (const Field& f : blockFields(block, Model::M1))
      if (f.kind != Field::Kind::Spare) seen.insert({static_cast<int>(f.kind), f.id, f.band});
  for (const EqInfo& e : eqs())
    for (int b = 0; b < e.bands; ++b)
      for (auto k : {Field::Kind::Q, Field::Kind::Gain, Field::Kind::FreqHigh, Field::Kind::FreqLow})
        EXPECT_EQ(seen.count({static_cast<int>(k), e.id, b}), 1u) << e.name << " band " << b;
  for (const ParamInfo& p : params()) {
    auto kinds = p.width == 2 ? std::vector{Field::Kind::High, Field::Kind::Low}
                              : std::vector{Field::Kind::Scalar};
    for (auto k : kinds) EXPECT_EQ(seen.count({static_cast<int>(k), p.id, 0}), 1u) << p.name;
  }
}

TEST(ProcessorRead, ReadRequestsAnswerFromTheCurrentSetOrAMode) {
  Processor p(Model::M1);
  p.current().band(micEq, 0) = Band{0x0A, 0x78, 0x0082};
  p.current().band(micEq, 1) = Band{0x14, 0xB4, 0x0082};
  auto out = p.receive(hex("A5 67 35 31 31 30 05 00 00 10 01 08"), 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].reply, hex("10 01 0A 78 00 82 14 B4"));
  EXPECT_FALSE(out[0].changed);

  // Mode 4 holds other microphone bands and another master volume.
  p.modes()[3].band(micEq, 0) = Band{0x1E, 0x50, 0x0100};
  p.modes()[3][micVolume] = 11;
  p.modes()[3][subCrossover] = 99;
  p.current()[micVolume] = 66;
  auto first = p.receive(hex("A5 67 35 31 31 30 05 11 04 10 01 08"), 0);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].reply, hex("10 01 1E 50 01 00 0A 78"));
  // The recall makes the mode current, but the master volume is the unit's own.
  EXPECT_EQ(p.current().band(micEq, 0), (Band{0x1E, 0x50, 0x0100}));
  EXPECT_EQ(p.current()[subCrossover], 99);
  EXPECT_EQ(p.current()[micVolume], 66);

  auto next = p.receive(hex("A5 67 35 31 31 30 05 11 04 10 15 08"), 0);
  ASSERT_EQ(next.size(), 1u);
  EXPECT_EQ(next[0].reply.at(7), 99);
}

}  // namespace
}  // namespace kavel::sim
