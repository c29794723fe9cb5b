// The bulk import frame, byte positions written out by hand from its layout.
#include <gtest/gtest.h>

#include "sim/processor.h"
#include "sim_test_util.h"

namespace kavel::sim {
namespace {

using test::hex;

Bytes importFrame(int length) {
  Bytes f = hex("A5 67 35 31 31 30");
  f.push_back(static_cast<Byte>(length));
  f.resize(7 + length, 0x00);
  return f;
}

// Where one value sits in the frame, and what it becomes in the store.
struct Placed {
  int at;
  Byte value;
  std::function<int(const Store&)> read;
  const char* what;
};

std::vector<Placed> layoutSamples() {
  return {
      {7, 0x0E, [](const Store& s) { return s.band(micEq, 0).q; }, "mic band 0 Q"},
      {8, 0x78, [](const Store& s) { return s.band(micEq, 0).gain; }, "mic band 0 gain"},
      {9, 0x01, [](const Store& s) { return s.band(micEq, 0).freq >> 8; }, "mic band 0 FH"},
      {10, 0xD8, [](const Store& s) { return s.band(micEq, 0).freq & 0xFF; }, "mic band 0 FL"},
      {54, 0x33, [](const Store& s) { return s.band(micEq, 11).freq & 0xFF; }, "mic band 11 FL"},
      {55, 0x1E, [](const Store& s) { return s.band(micEq, 12).q; }, "mic band 12 Q"},
      {56, 0x64, [](const Store& s) { return s.band(micEq, 12).gain; }, "mic band 12 gain"},
      {57, 0x7F, [](const Store& s) { return s[micPhase]; }, "micPhase"},
      {59, 0x82, [](const Store& s) { return s.band(micEq, 12).freq & 0xFF; }, "mic band 12 FL"},
      {60, 0x50, [](const Store& s) { return s[micHighPass]; }, "micHighPass"},
      {64, 0x09, [](const Store& s) { return s[micCompAttack]; }, "micCompAttack"},
      {65, 0x0B, [](const Store& s) { return s.band(musicEq, 0).q; }, "music band 0 Q"},
      {108, 0x44, [](const Store& s) { return s.band(musicEq, 10).freq & 0xFF; }, "music 10 FL"},
      {109, 0x7F, [](const Store& s) { return s[musicPhase]; }, "musicPhase"},
      {112, 0x15, [](const Store& s) { return s[effectToLr]; }, "effectToLr"},
      {116, 0x07, [](const Store& s) { return s[musicCompAttack]; }, "musicCompAttack"},
      {121, 0x0C, [](const Store& s) { return s.band(subEq, 1).q; }, "sub band 1 Q"},
      {125, 0x30, [](const Store& s) { return s[subVolume]; }, "subVolume"},
      {126, 0x82, [](const Store& s) { return s[subCrossover]; }, "subCrossover"},
      {127, 0x7F, [](const Store& s) { return s[subPhase]; }, "subPhase"},
      {128, 0x0D, [](const Store& s) { return s.band(centerEq, 0).q; }, "center band 0 Q"},
      {142, 0x12, [](const Store& s) { return s[effectToCenter]; }, "effectToCenter"},
      {143, 0x7F, [](const Store& s) { return s[centerPhase]; }, "centerPhase"},
      {156, 0x05, [](const Store& s) { return s[echoLowPass] >> 8; }, "echoLowPass high"},
      {157, 0x78, [](const Store& s) { return s[echoLowPass] & 0xFF; }, "echoLowPass low"},
      {158, 0x01, [](const Store& s) { return s[echoHighPass] >> 8; }, "echoHighPass high"},
      {159, 0x2C, [](const Store& s) { return s[echoHighPass] & 0xFF; }, "echoHighPass low"},
      {161, 0x25, [](const Store& s) { return s[echoSpeed]; }, "echoSpeed"},
      {163, 0x02, [](const Store& s) { return s[echoMode]; }, "echoMode"},
      {164, 0x0F, [](const Store& s) { return s.band(effectEq, 3).q; }, "effect band 3 Q"},
      {181, 0x05, [](const Store& s) { return s[reverbLowPass] & 0xFF; }, "reverbLowPass low"},
      {186, 0x19, [](const Store& s) { return s[reverbTime]; }, "reverbTime"},
      {187, 0x03, [](const Store& s) { return s[reverbType]; }, "reverbType"},
      {188, 0x46, [](const Store& s) { return s[effectMix]; }, "effectMix"},
      {189, 0x2D, [](const Store& s) { return s[effectVolume]; }, "effectVolume"},
      {190, 0x10, [](const Store& s) { return s.band(surroundEq, 0).q; }, "surround 0 Q"},
      {202, 0x7F, [](const Store& s) { return s[surroundPhase]; }, "surroundPhase"},
      {206, 0xC8, [](const Store& s) { return s[surroundDelay]; }, "surroundDelay"},
      {208, 0x11, [](const Store& s) { return s[musicHighPass]; }, "musicHighPass"},
      {209, 0x12, [](const Store& s) { return s.band(subEq, 2).q; }, "sub band 2 Q"},
      {217, 0x13, [](const Store& s) { return s.band(subEq, 4).q; }, "sub band 4 Q"},
      {220, 0x14, [](const Store& s) { return s.band(subEq, 4).freq & 0xFF; }, "sub 4 FL"},
  };
}

TEST(BulkImport, EveryPlacedByteLandsInItsParameter) {
  Processor p(Model::M1);
  Bytes f = importFrame(0xD9);
  ASSERT_EQ(f.size(), 224u);
  std::vector<Placed> samples = layoutSamples();
  for (const Placed& s : samples) f[s.at] = s.value;
  f[207] = 0x7F;  // micEqLhPass
  f[221] = 0x0C;  // micLowPass
  f[222] = 0x20;  // subLowCut
  f[223] = 0x7F;  // musicEqLhPass
  auto out = p.receive(f, 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].reply, hex("35 82 13"));
  for (const Placed& s : samples) EXPECT_EQ(s.read(p.current()), s.value) << s.what;
  EXPECT_EQ(p.current()[micEqLhPass], 0x7F);
  EXPECT_EQ(p.current()[micLowPass], 0x0C);
  EXPECT_EQ(p.current()[subLowCut], 0x20);
  EXPECT_EQ(p.current()[musicEqLhPass], 0x7F);
  // Not part of the import: the master volumes and the key shift.
  EXPECT_EQ(p.current()[micVolume], Store::factory()[micVolume]);
  EXPECT_EQ(p.current()[musicKeyShift], Store::factory()[musicKeyShift]);
}

TEST(BulkImport, ShorterVariantsLeaveTheMissingValuesAlone) {
  Processor m3(Model::M3);
  Bytes f79 = importFrame(0xD8);
  ASSERT_EQ(f79.size(), 223u);
  f79[207] = 0x7F;  // always 0 from a model-3 editor; not the unit's shelf mode
  f79[221] = 0x05;
  f79[222] = 0x06;
  auto out79 = m3.receive(f79, 0);
  ASSERT_EQ(out79.size(), 1u);
  EXPECT_EQ(out79[0].reply, hex("35 82 13"));
  EXPECT_EQ(m3.current()[micLowPass], 0x05);
  EXPECT_EQ(m3.current()[subLowCut], 0x06);
  EXPECT_EQ(m3.current()[micEqLhPass], 0x00);
  EXPECT_EQ(m3.current()[musicEqLhPass], Store::factory()[musicEqLhPass]);

  Processor m3b(Model::M3b);
  Bytes f77 = importFrame(0xD6);
  ASSERT_EQ(f77.size(), 221u);
  f77[217] = 0x21;
  f77[220] = 0x24;
  auto out77 = m3b.receive(f77, 0);
  ASSERT_EQ(out77.size(), 1u);
  EXPECT_EQ(out77[0].reply, hex("35 82 13"));
  EXPECT_EQ(m3b.current().band(subEq, 4).q, 0x21);
  EXPECT_EQ(m3b.current().band(subEq, 4).freq & 0xFF, 0x24);
  EXPECT_EQ(m3b.current()[micLowPass], Store::factory()[micLowPass]);
}

TEST(BulkImport, AVariantForAnotherModelIsNotAnswered) {
  const std::pair<Model, int> kWrong[] = {
      {Model::M1, 0xD8}, {Model::M2, 0xD6}, {Model::M3, 0xD9}, {Model::M3b, 0xD8}};
  for (auto [model, length] : kWrong) {
    Processor p(model);
    Bytes f = importFrame(length);
    f[7] = 0x33;
    auto out = p.receive(f, 0);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_TRUE(out[0].reply.empty());
    EXPECT_EQ(p.current(), Store::factory());
  }
}

}  // namespace
}  // namespace kavel::sim
