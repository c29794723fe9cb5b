// Save, load and import against the simulated processor of every model:
// the panels read back from one unit, saved, loaded into a window connected
// to a unit in another state and imported leave that unit holding exactly
// what was saved.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "presets/preset_files.h"
#include "protocol/rig.h"
#include "sim/processor.h"

namespace kavel {
namespace {

using testing::Rig;

struct Unit {
  const char* name;
  sim::Model model;
  bool micShelf, filters, musicShelf;  // which of these the model keeps
};

const Unit kUnits[] = {
    {"Model1", sim::Model::M1, true, true, true},
    {"Model2", sim::Model::M2, true, true, true},
    {"Model3", sim::Model::M3, false, true, false},
    {"Model3b", sim::Model::M3b, false, false, false},
};

// A unit state unlike the factory one in every kind of field, chosen by hand.
sim::Store tuned(const Unit& u) {
  sim::Store s = sim::Store::factory();
  s[sim::micHighPass] = 33;
  s[sim::micLimitThreshold] = 12;
  s[sim::micCompRatio] = 50;
  s[sim::micCompAttack] = 9;
  s[sim::micPhase] = 0x7F;
  s[sim::musicToLr] = 11;
  s[sim::musicCompRelease] = 100;
  s[sim::musicHighPass] = 99;
  s[sim::subVolume] = 40;
  s[sim::centerPhase] = 0x7F;
  s[sim::echoMode] = 2;
  s[sim::echoDelay] = 60;
  s[sim::reverbType] = 3;
  s[sim::reverbTime] = 25;
  s[sim::effectMix] = 70;
  s[sim::surroundDelay] = 150;
  if (u.filters) s[sim::micLowPass] = 7;
  if (u.micShelf) s[sim::micEqLhPass] = 0x7F;
  if (u.musicShelf) s[sim::musicEqLhPass] = 0x7F;
  s.band(sim::micEq, 0) = {20, 85, sim::frequencyCode(500)};
  s.band(sim::micEq, 12) = {3, 240, sim::frequencyCode(16000)};
  s.band(sim::musicEq, 1) = {150, 0, sim::frequencyCode(2000)};
  s.band(sim::effectEq, 4) = {44, 60, sim::frequencyCode(800)};
  s.band(sim::surroundEq, 2) = {7, 130, sim::frequencyCode(6300)};
  s.band(sim::subEq, 1) = {25, 111, sim::frequencyCode(63)};
  return s;
}

// A window connected to `unit` through its whole read-back.
struct Connected : Rig {
  explicit Connected(sim::Processor& unit) : Rig(false) {
    port.responder = [this, &unit](const Bytes& bytes) {
      for (const sim::Exchange& ex : unit.receive(bytes, clock.nowMs() * 1000))
        if (!ex.reply.empty()) port.deliver(ex.reply, 2);
    };
    form.mnulianji.click();
    EXPECT_TRUE(clock.advanceUntil([this] { return state().isOnline; }, 20000));
  }
};

class PresetRoundTrip : public ::testing::TestWithParam<Unit> {};

TEST_P(PresetRoundTrip, TheUnitHoldsWhatWasSaved) {
  std::string dir = "/tmp/kavel-round-trip-XXXXXX";
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  const std::string path = dir + "/room.ktv";
  const sim::Store saved = tuned(GetParam());

  sim::Processor first(GetParam().model, saved);
  {
    Connected window(first);
    window.dialogs.files = {path};
    window.form.Command7.click();
    ASSERT_EQ(window.dialogs.texts().back(), kSavedMessage);
  }

  sim::Processor second(GetParam().model);  // as from the factory
  Connected window(second);
  window.dialogs.files = {path};
  window.form.Command9.click();
  ASSERT_TRUE(window.clock.advanceUntil([&] { return window.form.Label9.caption() == "导入成功"; }, 2000));
  EXPECT_EQ(window.dialogs.shown.size(), 1u) << window.dialogs.texts().back();
  for (const sim::ParamInfo& p : sim::params())
    EXPECT_EQ(second.current()[p.id], saved[p.id]) << p.name;
  for (const sim::EqInfo& e : sim::eqs())
    for (int k = 0; k < e.bands; ++k)
      EXPECT_EQ(second.current().band(e.id, k), saved.band(e.id, k)) << e.name << " band " << k;

  // The equalizers send again: a band edit reaches the unit.
  window.form.eq(Eq::Center).graph.setDB(2, 4.5);
  ASSERT_TRUE(window.clock.advanceUntil([&] { return !window.anyTimer(); }, 5000));
  EXPECT_EQ(second.current().band(sim::centerEq, 2).gain, 165);
  unlink(path.c_str());
  rmdir(dir.c_str());
}

INSTANTIATE_TEST_SUITE_P(Models, PresetRoundTrip, ::testing::ValuesIn(kUnits),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kavel
