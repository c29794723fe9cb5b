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
      // Lists and the input cycle by their entries, toggles by their captions.
      {"reverbType=大礼堂B", 7},      {"echoMode=关", 0},
      {"echoMode=立体声回声", 2},     {"musicInput=aux", 1},
      {"musicInput=SPD", 3},          {"keyLock=ON", 1},
      {"initSwitch=关", 0},           {"subMode=手动", 0},
      // Sliders by the number their display shows.
      {"echoSpeed=200", 100},         {"reverbTime=3.7", 37},
      {"reverbTime=10", 100},         {"echoLowPass=4.05", 405},
      {"reverbLowPass=18", 1800},     {"echoHighPass=503", 306},
      {"reverbHighPass=1001", 472},   {"subCrossover=120", 100},
      {"subLowCut=20", 0},            {"subSwitchTime=8", 8},
      {"effectMix=30", 30},           {"surroundDelay=200", 200},
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
      {"echoSpeed=201", "echoSpeed: 201 is not a value the slider shows (steps of 2)"},
      {"reverbTime=3.75", "reverbTime: 3.75 is not a value the slider shows (steps of 0.1)"},
      {"echoLowPass=4.055", "echoLowPass: 4.055 is not a value the slider shows (steps of 0.01)"},
      // 2^32 + 37 tenths: no wrap-around to 3.7 s.
      {"reverbTime=429496733.3", "reverbTime: 429496733.3 is not a value the slider shows (steps of 0.1)"},
      {"reverbTime=3,7", "reverbTime: \"3,7\" is not a number"},
      {"reverbTime=inf", "reverbTime: \"inf\" is not a number"},
      {"echoHighPass=502", "echoHighPass: 502 Hz is not a frequency the slider has"},
      {"reverbType=大礼堂C",
       "reverbType: the value is one of 关, 小房间, 房间 A, 房间 B, 小礼堂A, 小礼堂B, 大礼堂A, "
       "大礼堂B, not \"大礼堂C\""},
      {"musicInput=CD", "musicInput: the value is one of BGM, AUX, VCR, SPD, not \"CD\""},
      {"initSwitch=ON", "initSwitch: the value is 开 or 关, not \"ON\""},
      {"subEqBand.2=500", "subEqBand.2=500: the frequency 500 is out of range 20..400 Hz"},
      {"effectEqBand.7=500", "effectEqBand.7: the band is a number from 0 to 6"},
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

// Sliders the panel clamps to another slider's position: a value the panel
// would change, or one that would move another slider on the panel only, is
// refused, judged after the settings before it on the line.
TEST(CheckSettings, SlidersThePanelWouldClampAreRefused) {
  Window w;
  Form1& f = w.form;
  f.panels.ctSlide4[1].setValue(200);  // crossover 290 Hz
  f.panels.ctSlide4[2].setValue(100);  // low cut 120 Hz
  f.panels.ctSlide5.setValue(80);
  f.panels.ctSlide6.setValue(70);  // microphone power-on volume
  f.M_VSlide1.setValue(60);
  const std::pair<std::vector<std::string>, const char*> kCases[] = {
      {{"subCrossover=120", "subLowCut=120"}, ""},
      {{"subLowCut=290", "subCrossover=290"}, ""},
      {{"subCrossover=100"}, "subCrossover: 100 is out of range 120..400 (subLowCut is 120)"},
      {{"subLowCut=300"}, "subLowCut: 300 is out of range 20..290 (subCrossover is 290)"},
      {{"subCrossover=150", "subLowCut=152"},
       "subLowCut: 152 is out of range 20..150 (subCrossover is 150)"},
      {{"micVolume=50", "micMaxVolume=50"},
       "micMaxVolume: 50 is below micInitVolume 70, which the panel would lower without sending "
       "it; set micInitVolume first"},
      {{"micInitVolume=50", "micMaxVolume=55"},
       "micMaxVolume: 55 is below micVolume 60, which the panel would lower without sending it; "
       "set micVolume first"},
      {{"micInitVolume=50", "micVolume=50", "micMaxVolume=50"}, ""},
      {{"micMaxVolume=75", "micInitVolume=76"},
       "micInitVolume: 76 is out of range 0..75 (micMaxVolume is 75)"},
      {{"musicMaxVolume=30", "musicVolume=31"},
       "musicVolume: 31 is out of range 0..30 (musicMaxVolume is 30)"},
  };
  for (const auto& [arguments, message] : kCases)
    EXPECT_EQ(check(f, arguments), message) << arguments.front();

  // Before a connect the other sliders are not known: only the own range counts.
  std::vector<Setting> early{parsed("subCrossover=100"), parsed("micMaxVolume=10")};
  EXPECT_EQ(checkSettings(f, early, false), "");
  early.push_back(parsed("subCrossover=402"));
  EXPECT_EQ(checkSettings(f, early, false), "subCrossover: 402 is out of range 20..400");
}

// The echo sliders cannot be moved while the echo mode is "关", nor the
// reverb sliders while the reverb type is; choosing an effect first enables them.
TEST(CheckSettings, SlidersOfAnEffectThatIsOffAreRefused) {
  Window w;
  Form1& f = w.form;
  for (int i = 0; i < 4; ++i) f.panels.HcSlide1[i].setEnabled(false);
  EXPECT_EQ(check(f, {"echoSpeed=200"}),
            "echoSpeed: the slider is disabled while echoMode is 关; choose another echoMode first");
  EXPECT_EQ(check(f, {"echoMode=单声道回声", "echoSpeed=200", "reverbTime=3.7"}), "");
  EXPECT_EQ(check(f, {"reverbType=关", "reverbDelay=20"}),
            "reverbDelay: the slider is disabled while reverbType is 关; choose another "
            "reverbType first");
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
      {"effectVolume=45", 45, "45"},
      {"effectMix=30", 30, "回声 70%"},
      {"effectMix=80", 80, "混响 80%"},
      {"reverbType=大礼堂B", 7, "大礼堂B"},
      {"echoMode=立体声回声", 2, "立体声回声"},
      {"echoPhase=180", 0x7F, "180"},
      {"echoSpeed=200", 100, "200ms"},
      {"echoHighPass=503", 306, "503HZ"},
      {"echoLowPass=4.05", 5, "4.05KHZ"},
      {"reverbTime=3.7", 37, "3.7s"},
      {"reverbLowPass=18", 1400, "18KHZ"},
      {"micToCenter=80", 80, "80"},
      {"surroundDelay=200", 200, "200"},
      {"surroundPhase=180", 0x7F, "180"},
      {"subVolume=33", 33, "33"},
      {"subCrossover=120", 100, "120Hz"},
      {"subSwitchTime=8", 7, "8s"},
      {"micMaxVolume=70", 70, "70"},
      {"subMode=手动", 0x00, "手动"},
      {"initSwitch=关", 0x00, "关"},
      {"keyLock=ON", 0x7F, "ON"},
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

// The music input steps through its captions one click at a time, each
// click a command of its own.
TEST(ParameterTable, TheMusicInputIsClickedUntilItShowsTheValue) {
  Window w;
  const Setting spd = parsed("musicInput=SPD");
  const std::vector<Action> clicks = actions(spd);
  ASSERT_EQ(clicks.size(), 3u);
  const char* kShown[] = {"AUX", "VCR", "SPD"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(clicks[i](w.form));
    EXPECT_EQ(w.form.Command13.caption(), kShown[i]);
  }
  EXPECT_EQ(wireValue(w.form, *spd.row), 0);
  const std::vector<Action> back = actions(parsed("musicInput=BGM"));
  EXPECT_TRUE(back[0](w.form));
  EXPECT_FALSE(back[1](w.form));
  EXPECT_EQ(displayText(w.form, *spd.row), "BGM");
  EXPECT_EQ(wireValue(w.form, *spd.row), 1);
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
  EXPECT_FALSE(filled("micLowPass") || filled("micEqLhPass") || filled("musicEqLhPass") ||
               filled("subLowCut"));
  EXPECT_TRUE(filled("keyLock") && filled("subCrossover"));
  EXPECT_EQ(modelName(s), "3b");
}

}  // namespace
}  // namespace kavel::cli
