// The center and surround blocks decoded into their panel, one block at a
// time through the receive path. Expected values are worked out by hand from
// the block map (code 0x0082 is 150 Hz, code 0x01F4 is 1085 Hz).
#include <gtest/gtest.h>

#include "block_feed.h"

namespace kavel {
namespace {

using testing::Band;
using testing::expectEditor;
using testing::feedBlock;
using testing::Rig;

TEST(CenterSurroundDecode, CenterBandsRunFrom0x16Byte3To0x18) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 16 00 0A 8C 00 82 14");
  EXPECT_EQ(f.Label9.caption(), "正在加载中置数据......");
  expectEditor(f, Eq::Center, 0, {150, 2.0, 1.0});
  EXPECT_DOUBLE_EQ(f.eq(Eq::Center).editor(1).Q(), 2.0);
  // Bytes 6 and 7 of 0x17 carry nothing.
  feedBlock(rig, "10 17 64 01 F4 1E 55 66");
  expectEditor(f, Eq::Center, 1, {1085, -2.0, 2.0});
  EXPECT_DOUBLE_EQ(f.eq(Eq::Center).editor(2).Q(), 3.0);
  feedBlock(rig, "10 18 96 00 82 50 28 00");
  expectEditor(f, Eq::Center, 2, {150, 3.0, 3.0});
  const char* levels[] = {"80", "40", "0"};
  const int positions[] = {80, 40, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(f.panels.Text11[i].text(), levels[i]) << i;
    EXPECT_EQ(f.panels.ctSlide2[i].value(), positions[i]) << i;
  }
  EXPECT_EQ(rig.state().eqSendEnabled, false);
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(CenterSurroundDecode, SurroundBlocks0x21To0x23) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 21 0A 8C 00 82 14 64");
  EXPECT_EQ(f.Label9.caption(), "正在加载环绕部分数据.......");
  expectEditor(f, Eq::Surround, 0, {150, 2.0, 1.0});
  feedBlock(rig, "10 22 01 F4 1E 96 00 82");
  expectEditor(f, Eq::Surround, 1, {1085, -2.0, 2.0});
  expectEditor(f, Eq::Surround, 2, {150, 3.0, 3.0});
  feedBlock(rig, "10 23 7F 50 28 00 C8 99");
  EXPECT_EQ(f.panels.Command15.caption(), "180");
  const char* texts[] = {"80", "40", "0", "200"};
  const int positions[] = {80, 40, 0, 200};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f.panels.Text10[i].text(), texts[i]) << i;
    EXPECT_EQ(f.panels.ctSlide3[i].value(), positions[i]) << i;
  }
}

// Only 0x7F is 180; a level beyond the slider's range shows where the slider
// stopped, so box and slider agree.
TEST(CenterSurroundDecode, PhasesAndOutOfRangeLevels) {
  Rig rig;
  Form1& f = rig.form;
  f.panels.Command14.setCaption("180");
  f.panels.Command15.setCaption("180");
  feedBlock(rig, "10 19 7E");
  feedBlock(rig, "10 23 7E 96 00 00 FF");
  EXPECT_EQ(f.panels.Command14.caption(), "0");
  EXPECT_EQ(f.panels.Command15.caption(), "0");
  EXPECT_EQ(f.panels.ctSlide3[0].value(), 80);
  EXPECT_EQ(f.panels.Text10[0].text(), "80");
  EXPECT_EQ(f.panels.ctSlide3[3].value(), 200);
  EXPECT_EQ(f.panels.Text10[3].text(), "200");
  feedBlock(rig, "10 19 7F");
  EXPECT_EQ(f.panels.Command14.caption(), "180");
}

}  // namespace
}  // namespace kavel
