// kavel's parameter table and its NAME=VALUE reader, on an offline window:
// what an argument means, what the connected window refuses, and what the
// controls read back after an operator's edit.
#include <gtest/gtest.h>

#include "cli/settings.h"
#include "link/memory_port.h"
#include "link/virtual_clock.h"
#include "window/form1.h"
#include "window/scripted_dialogs.h"

namespace kavel::cli {
namespace {

struct Window {
  Window() {
    for (int e = 0; e < kEqCount; ++e) form.eq(Eq(e)).initialise();
  }
  VirtualClock clock;
  MemoryPort port{clock};
  ScriptedDialogs dialogs;
  Form1 form{port, clock, dialogs};
};

Setting parsed(const std::string& argument) {
  const ParsedSetting p = parseSetting(argument);
  EXPECT_EQ(p.error, "") << argument;
  return p.setting;
}

TEST(ParseSetting, ScalarValuesBecomeTheOperatorsValue) {
  const std::pair<const char*, int> kCases[] = {
      {"micVolume=40", 40},          {"micVolume=+40", 40},
      {"micLimitThreshold=-10", -10}, {"micHighPass=20", 0},
      {"micHighPass=150", 130},       {"micHighPass=152", 131},
      {"micLowPass=8", 0},            {"micLowPass=12", 4},
      {"micPhase=180", 1},            {"micPhase=0", 0},
      {"micEqLhPass=ON", 1},          {"musicEqBypass=off", 0},
      {"micFeedbackSuppress=On", 1},  {"musicKeyShift=-3", -3},
      {"musicKeyShift=+6", 6},        {"musicBalance=30", 30},
  };
  for (auto [argument, value] : kCases) EXPECT_EQ(parsed(argument).value, value) << argument;
}

TEST(ParseSetting, MistakesAreNamed) {
  const std::pair<const char*, const char*> kCases[] = {
      {"micVolum=1", "unknown parameter \"micVolum\""},
      {"micVolume", "\"micVolume\" is not NAME=VALUE"},
      {"=3", "\"=3\" is not NAME=VALUE"},
      {"micVolume=4.5", "micVolume: \"4.5\" is not a whole number"},
      {"micVolume=", "micVolume: \"\" is not a whole number"},
      {"micHighPass=151", "micHighPass: 151 Hz is not a frequency the slider has"},
      {"micPhase=90", "micPhase: the value is 180 or 0, not \"90\""},
      {"micEqBypass=yes", "micEqBypass: the value is ON or OFF, not \"yes\""},
      {"micEqBand=1000", "micEqBand: name the band, e.g. micEqBand.5"},
      {"micEqBand.13=1000", "micEqBand.13: the band is a number from 0 to 12"},
      {"musicEqBand.x=1000", "musicEqBand.x: the band is a number from 0 to 10"},
      {"musicEqBand.3=10", "musicEqBand.3=10: the frequency 10 is out of range 20..20000 Hz"},
      {"micEqBand.2=1000,12.5", "micEqBand.2=1000,12.5: the gain 12.5 is out of range -12..12 dB"},
      {"micEqBand.2=,,0.2", "micEqBand.2=,,0.2: the Q 0.2 is out of range 0.3..15"},
      {"micEqBand.2=1k", "micEqBand.2=1k: the frequency \"1k\" is not a number"},
      {"micEqBand.2=,,", "micEqBand.2=,,: give at least one of frequency,gain,Q"},
      {"micEqBand.2=1,2,3,4", "micEqBand.2=1,2,3,4: a band takes frequency,gain,Q (Hz, dB, Q)"},
  };
  for (auto [argument, message] : kCases) EXPECT_EQ(parseSetting(argument).error, message) << argument;
}

TEST(ParseSetting, ABandTakesTheFieldsGiven) {
  const Setting all = parsed("micEqBand.5=1000,3.5,1.4");
  EXPECT_EQ(all.equalizer->eq, Eq::Mic);
  EXPECT_EQ(all.band, 5);
  EXPECT_EQ(all.bandValues[kFrequency], 1000);
  EXPECT_EQ(all.bandValues[kGain], 3.5);
  EXPECT_EQ(all.bandValues[kQ], 1.4);
  const Setting gain = parsed("musicEqBand.10=,-2,");
  EXPECT_FALSE(gain.bandValues[kFrequency]);
  EXPECT_EQ(gain.bandValues[kGain], -2);
  EXPECT_FALSE(gain.bandValues[kQ]);
}

std::string check(Form1& form, std::vector<std::string> arguments) {
  std::vector<Setting> settings;
  for (const std::string& a : arguments) settings.push_back(parsed(a));
  return checkSettings(form, settings);
}

TEST(CheckSettings, TheWindowRefusesWhatItsControlsCannotShow) {
  Window w;
  Form1& f = w.form;
  EXPECT_EQ(check(f, {"micVolume=80", "micHighPass=200", "musicKeyShift=-6"}), "");
  EXPECT_EQ(check(f, {"micVolume=81"}), "micVolume: 81 is out of range 0..80");
  EXPECT_EQ(check(f, {"micHighPass=250"}), "micHighPass: 250 is out of range 20..200");
  EXPECT_EQ(check(f, {"micLowPass=21"}), "micLowPass: 21 is out of range 8..20");
  EXPECT_EQ(check(f, {"micLimitThreshold=5"}), "micLimitThreshold: 5 is out of range -30..0");
  EXPECT_EQ(check(f, {"musicKeyShift=7"}), "musicKeyShift: 7 is out of range -6..6");
  // The master volume never goes above the maximum volume the settings hold.
  f.panels.ctSlide5.setValue(60);
  EXPECT_EQ(check(f, {"micVolume=61"}), "micVolume: 61 is out of range 0..60 (micMaxVolume is 60)");
  // A control the model hides.
  f.state.deviceModel = 2;
  f.panels.Check1.setVisible(false);
  EXPECT_EQ(check(f, {"micVolume=3", "micFeedbackSuppress=ON"}),
            "micFeedbackSuppress: model 2 has no such control (the editor hides it)");
}

TEST(CheckSettings, BandEditsTheBypassOrTheShelvesWouldHoldBack) {
  Window w;
  Form1& f = w.form;
  f.state.micEqActive = false;  // bypassed
  f.state.musicEqActive = true;
  EXPECT_EQ(check(f, {"micEqBand.5=,3"}),
            "micEqBand.5: the equalizer is bypassed, so a band edit would not reach the "
            "processor; set micEqBypass=OFF first");
  EXPECT_EQ(check(f, {"micEqBypass=OFF", "micEqBand.5=,3", "musicEqBand.5=,3"}), "");
  EXPECT_NE(check(f, {"musicEqBypass=ON", "musicEqBand.5=,3"}), "");

  f.state.micEqActive = true;
  f.state.micShelfMode = true;
  EXPECT_EQ(check(f, {"micEqBand.0=1000", "micEqBand.1=1000,3", "micEqBand.2=,,2"}), "");
  EXPECT_EQ(check(f, {"micEqBand.0=1200"}),
            "micEqBand.0: band 0 is the low shelf while LH-PASS is ON: at most 1000 Hz");
  EXPECT_EQ(check(f, {"micEqBand.1=900"}),
            "micEqBand.1: band 1 is the high shelf while LH-PASS is ON: at least 1000 Hz");
  EXPECT_EQ(check(f, {"micEqBand.1=,,2"}),
            "micEqBand.1: band 1 is a shelf while LH-PASS is ON and has no Q to set");
  EXPECT_EQ(check(f, {"micEqLhPass=OFF", "micEqBand.1=900,,2"}), "");
}

// The operator's edit runs the panel's handler offline (displays only); the
// table then reads the number the command would carry and the display text.
TEST(ParameterTable, AnEditReadsBackAsItsWireValueAndDisplayText) {
  struct Case {
    const char* argument;
    int wire;
    const char* text;
  };
  const Case kCases[] = {
      {"micVolume=33", 33, "33"},
      {"micHighPass=152", 131, "152"},
      {"micLowPass=12", 4, "12KHz"},
      {"micPhase=0", 0x00, "0"},
      {"micFeedbackSuppress=ON", 0x7F, "ON"},
      {"micLimitThreshold=-10", 10, "-10dB"},
      {"micCompRatio=63", 63, "100%"},
      {"micEqBypass=ON", 0x7F, "ON"},
      {"micEqLhPass=ON", 0x7F, "LH-PASS ON"},
      {"musicPhase=180", 0x7F, "180"},
      {"musicBalance=30", 70, "L 70%"},
      {"musicBalance=100", 0, "R 100%"},
      {"musicKeyShift=-3", 3, "-3"},
      {"musicKeyShift=3", 9, " 3"},
      {"effectToLr=45", 45, "45"},
      {"musicLimitThreshold=-30", 30, "-30dB"},
  };
  for (const Case& c : kCases) {
    Window w;
    const Setting s = parsed(c.argument);
    const std::vector<Action> edit = actions(s);
    ASSERT_EQ(edit.size(), 1u);
    EXPECT_TRUE(edit[0](w.form)) << c.argument;
    EXPECT_EQ(wireValue(w.form, *s.row), c.wire) << c.argument;
    EXPECT_EQ(displayText(w.form, *s.row), c.text) << c.argument;
    EXPECT_FALSE(edit[0](w.form)) << c.argument << ": a second edit finds the value in place";
  }
}

TEST(ParameterTable, ABandIsTypedIntoItsEditorOneChangedValueAtATime) {
  Window w;
  const Setting s = parsed("micEqBand.5=1000,3.5,1.4");
  const std::vector<Action> edit = actions(s);
  ASSERT_EQ(edit.size(), 3u);
  for (const Action& a : edit) EXPECT_TRUE(a(w.form));
  const BandEditor& ed = w.form.eq(Eq::Mic).editor(5);
  EXPECT_EQ(ed.F(), 1000);
  EXPECT_EQ(ed.db(), 3.5);
  EXPECT_EQ(ed.Q(), 1.4);
  EXPECT_EQ(w.form.eq(Eq::Mic).bandButtons[5].caption(), "ON");
  for (const Action& a : edit) EXPECT_FALSE(a(w.form));
}

TEST(ParameterTable, TheReadBackFillsRowsByModel) {
  Window w;
  LinkState& s = w.form.state;
  auto filled = [&s](const char* name) { return isFilled(*findParameter(name), s); };
  s.deviceModel = 1;
  EXPECT_TRUE(filled("micLowPass") && filled("micEqLhPass") && filled("musicEqLhPass"));
  s.deviceModel = 3;
  EXPECT_TRUE(filled("micLowPass") && filled("micEqLhPass"));
  EXPECT_FALSE(filled("musicEqLhPass"));
  s.altModel3 = true;
  EXPECT_FALSE(filled("micLowPass") || filled("micEqLhPass") || filled("musicEqLhPass"));
  EXPECT_EQ(modelName(s), "3b");
}

}  // namespace
}  // namespace kavel::cli
