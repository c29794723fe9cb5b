// The settings blocks 0x26 and 0x27 decoded into the panels and the top
// bar. Expected values are worked out by hand from the block map.
#include <gtest/gtest.h>

#include "block_feed.h"

namespace kavel {
namespace {

using testing::feedBlock;
using testing::initialiseEqualizers;
using testing::Rig;

TEST(SettingsDecode, Block26) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 26 14 46 1E 02 7F 0A 7F 00");
  EXPECT_EQ(f.panels.ctSlide6.value(), 20);
  EXPECT_EQ(f.panels.Text14.text(), "20");
  EXPECT_EQ(f.panels.ctSlide7.value(), 70);
  EXPECT_EQ(f.panels.Text15.text(), "70");
  EXPECT_EQ(f.panels.ctSlide8.value(), 30);
  EXPECT_EQ(f.panels.Text16.text(), "30");
  EXPECT_EQ(f.Command13.caption(), "AUX");
  EXPECT_EQ(f.panels.Command12.caption(), "开");
  EXPECT_EQ(f.panels.ctSlide9.value(), 10);
  EXPECT_EQ(f.panels.Text17.text(), "10");
}

TEST(SettingsDecode, MusicInputByte) {
  const std::pair<const char*, const char*> cases[] = {
      {"01", "BGM"}, {"02", "AUX"}, {"03", "VCR"}, {"00", "SPD"}, {"04", "SPD"}, {"FF", "SPD"},
  };
  Rig rig;
  // Each case follows the previous one; a byte that names no input keeps the caption.
  for (const auto& [byte, caption] : cases) {
    feedBlock(rig, std::string("10 26 00 00 00 ") + byte);
    EXPECT_EQ(rig.form.Command13.caption(), caption) << byte;
  }
}

TEST(SettingsDecode, SwitchCaptionsOnlyFor0x7F) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 26 00 00 00 01 7E");
  EXPECT_EQ(f.panels.Command12.caption(), "关");
  feedBlock(rig, "10 27 7F");
  EXPECT_EQ(f.panels.Command11.caption(), "自动");
  feedBlock(rig, "10 27 01");
  EXPECT_EQ(f.panels.Command11.caption(), "手动");
}

TEST(SettingsDecode, EqBypassBytes) {
  Rig rig;
  initialiseEqualizers(rig);
  Form1& f = rig.form;
  LinkState& s = rig.state();
  feedBlock(rig, "10 26 00 00 00 01 00 00 7F 00");
  EXPECT_FALSE(s.micEqActive) << "microphone EQ edits are no longer sent";
  EXPECT_TRUE(s.musicEqActive);
  EXPECT_EQ(f.panels.dcButton7.backColor().value(), 65280);
  EXPECT_EQ(f.panels.dcButton9.backColor().value(), 4210752);
  EXPECT_TRUE(f.eq(Eq::Mic).graph.EQPASS());
  EXPECT_FALSE(f.eq(Eq::Music).graph.EQPASS());

  feedBlock(rig, "10 26 00 00 00 01 00 00 01 7F");
  EXPECT_TRUE(s.micEqActive) << "only 0x7F bypasses";
  EXPECT_FALSE(s.musicEqActive);
  EXPECT_EQ(f.panels.dcButton7.backColor().value(), 4210752);
  EXPECT_EQ(f.panels.dcButton9.backColor().value(), 65280);
  EXPECT_FALSE(f.eq(Eq::Mic).graph.EQPASS());
  EXPECT_TRUE(f.eq(Eq::Music).graph.EQPASS());
}

TEST(SettingsDecode, Block27) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 27 00 03 3C 32 28 3C 11 22 33 7F 7F");
  EXPECT_EQ(f.panels.Command11.caption(), "手动");
  EXPECT_EQ(f.panels.VScroll3.value(), 4);
  EXPECT_EQ(f.panels.Text18.text(), "4s");
  EXPECT_EQ(f.panels.ctSlide5.value(), 60);
  EXPECT_EQ(f.panels.Text13.text(), "60");
  EXPECT_EQ(f.M_VSlide1.value(), 50);
  EXPECT_EQ(f.M_Vtxt.text(), "50");
  EXPECT_EQ(f.Yvslide1.value(), 40);
  EXPECT_EQ(f.Text2.text(), "40");
  EXPECT_EQ(f.panels.YpSlide1.value(), 40);
  EXPECT_EQ(f.panels.Text4.text(), "L 60%");
  EXPECT_EQ(f.panels.Check1.value(), 1);
  EXPECT_EQ(f.panels.dcButton10.caption(), "ON");
  EXPECT_EQ(f.panels.dcButton10.backColor().value(), 65280);
}

// Block 0x27 one byte at a time: the byte, the position it leaves and the text.
struct SliderCase {
  const char* hex;
  int position;
  const char* text;
};

TEST(SettingsDecode, BalanceAndSwitchingTime) {
  const SliderCase balance[] = {
      {"10 27 00 00 00 00 00 32", 50, "LR 50%"},
      {"10 27 00 00 00 00 00 14", 80, "R 80%"},
      {"10 27 00 00 00 00 00 3C", 40, "L 60%"},
      {"10 27 00 00 00 00 00 00", 100, "R 100%"},
      {"10 27 00 00 00 00 00 C8", 0, "L 100%"},  // beyond 100: the slider stops at 0
  };
  for (const SliderCase& c : balance) {
    Rig rig;
    feedBlock(rig, c.hex);
    EXPECT_EQ(rig.form.panels.YpSlide1.value(), c.position) << c.hex;
    EXPECT_EQ(rig.form.panels.Text4.text(), c.text) << c.hex;
  }
  const SliderCase switchTime[] = {
      {"10 27 00 00", 1, "1s"},
      {"10 27 00 07", 8, "8s"},
      {"10 27 00 09", 8, "8s"},
  };
  for (const SliderCase& c : switchTime) {
    Rig rig;
    feedBlock(rig, c.hex);
    EXPECT_EQ(rig.form.panels.VScroll3.value(), c.position) << c.hex;
    EXPECT_EQ(rig.form.panels.Text18.text(), c.text) << c.hex;
  }
}

TEST(SettingsDecode, FeedbackSuppressionAndKeyLock) {
  struct Case {
    const char* byte;
    int checked;
    const char* lock;
    int lockColour;
  };
  // In turn, so that each byte changes what the one before left.
  const Case cases[] = {{"7F", 1, "ON", 65280}, {"00", 0, "OFF", 192}, {"01", 1, "ON", 65280}};
  Rig rig;
  for (const Case& c : cases) {
    const std::string b = c.byte;
    feedBlock(rig, "10 27 00 00 00 00 00 32 00 00 00 " + b + " " + b);
    EXPECT_EQ(rig.form.panels.Check1.value(), c.checked) << b;
    EXPECT_EQ(rig.form.panels.dcButton10.caption(), c.lock) << b;
    EXPECT_EQ(rig.form.panels.dcButton10.backColor().value(), c.lockColour) << b;
  }
}

}  // namespace
}  // namespace kavel
