// The import against the simulated processor: its own reading of the frame
// must put every panel value into the parameter the panel edits.
#include <gtest/gtest.h>

#include "presets/bulk_import.h"
#include "presets/import_fixture.h"
#include "sim/processor.h"

namespace kavel {
namespace {

using testing::bandOf;
using testing::KnownPanels;

// The wire value each parameter of the known panels has, by hand.
struct Expected {
  sim::ParamId id;
  int value;
};
constexpr Expected kCommon[] = {
    {sim::micHighPass, 33},      {sim::micLimitThreshold, 12}, {sim::micCompRatio, 50},
    {sim::micCompRelease, 71},   {sim::micCompAttack, 9},      {sim::micPhase, 0x7F},
    {sim::musicPhase, 0},        {sim::musicToLr, 11},         {sim::micToLr, 12},
    {sim::effectToLr, 13},       {sim::musicLimitThreshold, 30}, {sim::musicCompRatio, 63},
    {sim::musicCompRelease, 100}, {sim::musicCompAttack, 1},   {sim::subVolume, 40},
    {sim::subCrossover, 200},    {sim::subPhase, 0x7F},        {sim::musicToCenter, 5},
    {sim::micToCenter, 6},       {sim::effectToCenter, 7},     {sim::centerPhase, 0},
    {sim::echoLowPass, 1400},    {sim::echoHighPass, 472},     {sim::echoPhase, 0x7F},
    {sim::echoSpeed, 37},        {sim::echoDelay, 60},         {sim::echoMode, 2},
    {sim::reverbLowPass, 5},     {sim::reverbHighPass, 300},   {sim::reverbPhase, 0},
    {sim::reverbDelay, 20},      {sim::reverbTime, 25},        {sim::reverbType, 3},
    {sim::effectMix, 70},        {sim::effectVolume, 45},      {sim::surroundPhase, 0x7F},
    {sim::musicToSurround, 21},  {sim::micToSurround, 22},     {sim::effectToSurround, 23},
    {sim::surroundDelay, 150},   {sim::musicHighPass, 99},
};

struct Unit {
  sim::Model model;
  int deviceModel;
  bool altModel3;
  // The parameters only some variants carry; the others keep the factory value.
  bool micShelf, micLowPassAndSubLowCut, musicShelf;
};

struct ImportIntoSimulator : KnownPanels, ::testing::TestWithParam<Unit> {};

TEST_P(ImportIntoSimulator, EveryValueLandsInItsParameter) {
  const Unit u = GetParam();
  sim::Processor unit(u.model);
  rig.goOnline();
  rig.state().deviceModel = Integer(u.deviceModel);
  rig.state().altModel3 = u.altModel3;
  rig.port.responder = [&](const Bytes& bytes) {
    for (const sim::Exchange& ex : unit.receive(bytes, rig.clock.nowMs() * 1000))
      if (!ex.reply.empty()) rig.port.deliver(ex.reply, 2);
  };
  ASSERT_TRUE(startBulkImport(rig.form));
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.form.Label9.caption() == "导入成功"; }, 1000));
  EXPECT_TRUE(rig.dialogs.shown.empty());

  const sim::Store& s = unit.current();
  const sim::Store factory = sim::Store::factory();
  for (const Expected& e : kCommon) EXPECT_EQ(s[e.id], e.value) << sim::param(e.id).name;
  const auto carried = [&](sim::ParamId id, bool carries, int value) {
    EXPECT_EQ(s[id], carries ? value : factory[id]) << sim::param(id).name;
  };
  carried(sim::micEqLhPass, u.micShelf, 0x7F);
  carried(sim::micLowPass, u.micLowPassAndSubLowCut, 7);
  carried(sim::subLowCut, u.micLowPassAndSubLowCut, 254);
  carried(sim::musicEqLhPass, u.musicShelf, 0x7F);
  for (int e = 0; e < kEqCount; ++e)
    for (int k = 0; k < bandCount(Eq(e)); ++k) {
      const sim::Band want{10 + 20 * e + k, 100 + k, 10 * e + k};
      EXPECT_EQ(s.band(sim::EqId(e), k), want) << sim::eq(sim::EqId(e)).name << " band " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, ImportIntoSimulator,
                         ::testing::Values(Unit{sim::Model::M1, 1, false, true, true, true},
                                           Unit{sim::Model::M2, 2, false, true, true, true},
                                           Unit{sim::Model::M3, 3, false, false, true, false},
                                           Unit{sim::Model::M3b, 3, true, false, false, false}));

}  // namespace
}  // namespace kavel
