// The effect blocks 0x19 to 0x20 decoded into the effect panel and the top
// bar, one block at a time through the receive path. Expected values are
// worked out by hand from the block map.
#include <gtest/gtest.h>

#include "block_feed.h"

namespace kavel {
namespace {

using testing::Band;
using testing::expectEditor;
using testing::feedBlock;
using testing::initialiseEqualizers;
using testing::Rig;

// Bands 0 and 1 run from 0x19 byte 3, band 2 skips 0x1A byte 7, bands 3 to
// 6 run from 0x1C byte 6 into 0x1F.
TEST(EffectDecode, BandsAtTheirIrregularPlaces) {
  Rig rig;
  initialiseEqualizers(rig);
  Form1& f = rig.form;
  for (const char* block :
       {"10 19 00 0A 78 00 82 14", "10 1A 8C 01 F4 1E 64 FF", "10 1B 00 82 00 00 00 00",
        "10 1C 00 00 00 00 0F 8C", "10 1D 0B 27 28 A0 02 5D", "10 1E 03 00 00 00 96 F0",
        "10 1F 04 E7 00 00 00 00"})
    feedBlock(rig, block);
  expectEditor(f, Eq::Effect, 0, {150, 0.0, 1.0});
  expectEditor(f, Eq::Effect, 1, {1085, 2.0, 2.0});
  expectEditor(f, Eq::Effect, 2, {150, -2.0, 3.0});
  expectEditor(f, Eq::Effect, 3, {20000, 2.0, 1.5});
  expectEditor(f, Eq::Effect, 4, {1400, 4.0, 4.0});
  expectEditor(f, Eq::Effect, 5, {20, -12.0, 0.3});
  expectEditor(f, Eq::Effect, 6, {4000, 12.0, 15.0});
  EXPECT_EQ(f.Label9.caption(), "正在加载效果数据......");
}

TEST(EffectDecode, EchoFields) {
  Rig rig;
  Form1& f = rig.form;
  EffectPanel& p = f.panels;
  feedBlock(rig, "10 1B 00 82 00 19 01 2C");
  EXPECT_EQ(p.HcSlide1[3].value(), 425);
  EXPECT_EQ(p.Text7[3].text(), "4.25KHZ");
  EXPECT_EQ(p.HcSlide1[2].value(), 300);
  EXPECT_EQ(p.Text7[2].text(), "490HZ");

  p.Command5.setCaption("0");
  feedBlock(rig, "10 1C 7F 25 32 01 0A 78");
  EXPECT_EQ(p.Command5.caption(), "180");
  EXPECT_EQ(p.HcSlide1[1].value(), 37);
  EXPECT_EQ(p.Text7[1].text(), "74ms");
  EXPECT_EQ(p.HcSlide1[0].value(), 50);
  EXPECT_EQ(p.Text7[0].text(), "50%");
  EXPECT_EQ(p.Combo1.text(), "单声道回声");
}

TEST(EffectDecode, ReverbProportionAndVolume) {
  Rig rig;
  Form1& f = rig.form;
  EffectPanel& p = f.panels;
  feedBlock(rig, "10 1F 00 00 05 78 01 D8");
  EXPECT_EQ(p.ReSlide2[3].value(), 1800);
  EXPECT_EQ(p.Text9[3].text(), "18KHZ");
  EXPECT_EQ(p.ReSlide2[2].value(), 472);
  EXPECT_EQ(p.Text9[2].text(), "1001HZ");

  p.Command6.setCaption("180");
  feedBlock(rig, "10 20 00 0A 19 07 32 28");
  EXPECT_EQ(p.Command6.caption(), "0");
  EXPECT_EQ(p.ReSlide2[0].value(), 10);
  EXPECT_EQ(p.Text9[0].text(), "10ms");
  EXPECT_EQ(p.ReSlide2[1].value(), 25);
  EXPECT_EQ(p.Text9[1].text(), "2.5s");
  EXPECT_EQ(p.Combo2.text(), "大礼堂B");
  EXPECT_EQ(f.ctSlide1[1].value(), 50);
  EXPECT_EQ(f.Text8[1].text(), "回声+混响");
  EXPECT_EQ(f.ctSlide1[0].value(), 40);
  EXPECT_EQ(f.Text8[0].text(), "40");
}

// A volume beyond the top bar's 0..50 shows where the slider stopped.
TEST(EffectDecode, BoxesShowTheClampedPosition) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 20 00 00 00 00 46 3C");
  EXPECT_EQ(f.ctSlide1[0].value(), 50);
  EXPECT_EQ(f.Text8[0].text(), "50");
  EXPECT_EQ(f.Text8[1].text(), "混响 70%");
  feedBlock(rig, "10 1B 00 00 06 00 02 00");
  EXPECT_EQ(f.panels.HcSlide1[3].value(), 1800);
  EXPECT_EQ(f.panels.Text7[3].text(), "18KHZ");
  EXPECT_EQ(f.panels.HcSlide1[2].value(), 472);
  EXPECT_EQ(f.panels.Text7[2].text(), "1001HZ");
}

std::string enabled(ControlArray<Slider>& sliders) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += sliders[i].enabled() ? "1" : "0";
  return out;
}

// A list the processor reports as "关" holds its sliders, any other entry
// frees them; a value outside the list changes neither text nor sliders.
TEST(EffectDecode, ListsAndTheirSliders) {
  Rig rig;
  EffectPanel& p = rig.form.panels;
  feedBlock(rig, "10 20 00 00 00 00 32 00");
  EXPECT_EQ(p.Combo2.text(), "关");
  EXPECT_EQ(enabled(p.ReSlide2), "0000");
  feedBlock(rig, "10 20 00 00 00 09 32 00");
  EXPECT_EQ(p.Combo2.text(), "关");
  EXPECT_EQ(enabled(p.ReSlide2), "0000");
  feedBlock(rig, "10 20 00 00 00 02 32 00");
  EXPECT_EQ(p.Combo2.text(), "房间 A");
  EXPECT_EQ(enabled(p.ReSlide2), "1111");

  feedBlock(rig, "10 1C 00 00 00 00 0A 78");
  EXPECT_EQ(p.Combo1.text(), "关");
  EXPECT_EQ(enabled(p.HcSlide1), "0000");
  feedBlock(rig, "10 1C 00 00 00 03 0A 78");
  EXPECT_EQ(p.Combo1.text(), "关");
  feedBlock(rig, "10 1C 00 00 00 02 0A 78");
  EXPECT_EQ(p.Combo1.text(), "立体声回声");
  EXPECT_EQ(enabled(p.HcSlide1), "1111");
}

}  // namespace
}  // namespace kavel
