// The subwoofer channel decoded into its panel: the five bands split across
// blocks 0x14/0x15 and 0x24/0x25, volume, crossover, low cut and phase.
// Expected values are worked out by hand from the block map.
#include <gtest/gtest.h>

#include "block_feed.h"

namespace kavel {
namespace {

using testing::Band;
using testing::expectEditor;
using testing::feedBlock;
using testing::initialiseEqualizers;
using testing::Rig;

TEST(SubDecode, FiveBandsAcrossFourBlocks) {
  Rig rig;
  initialiseEqualizers(rig);
  Form1& f = rig.form;
  feedBlock(rig, "10 14 00 00 68 82 00 50");     // band 0
  feedBlock(rig, "10 15 0A 6E 00 9B 32 82 28");  // band 1, volume, crossover, low cut
  feedBlock(rig, "10 24 03 F0 00 CD 96 00");     // band 2, Q and gain of band 3
  feedBlock(rig, "10 25 00 FF 14 78 00 00");     // frequency of band 3, band 4
  const Band want[] = {
      {100, 1.0, 10.4},  // Q 0x68, gain 0x82, code 80
      {200, -1.0, 1.0},  // code 155
      {300, 12.0, 0.3},  // code 205
      {400, -12.0, 15},  // code 255
      {20, 0.0, 2.0},    // code 0
  };
  for (int band = 0; band < 5; ++band) expectEditor(f, Eq::Sub, band, want[band]);
  EXPECT_EQ(f.panels.ctSlide4[0].value(), 50);
  EXPECT_EQ(f.panels.Text12[0].text(), "50");
  EXPECT_EQ(f.panels.ctSlide4[1].value(), 130);
  EXPECT_EQ(f.panels.Text12[1].text(), "150HZ");
  EXPECT_EQ(f.panels.ctSlide4[2].value(), 40);
  EXPECT_EQ(f.panels.Text12[2].text(), "60HZ");
}

TEST(SubDecode, SectionCaptionBeforeBand0) {
  Rig rig;
  initialiseEqualizers(rig);
  std::string captionAtBand0;
  rig.form.eq(Eq::Sub).editor(0).QChanged.connect(
      [&](double) { captionAtBand0 = rig.form.Label9.caption(); });
  feedBlock(rig, "10 14 00 00 68 82 00 50");
  EXPECT_EQ(captionAtBand0, "正在加载超低音数据......");
}

// The crossover and low cut bytes are frequency codes; the box shows the Hz
// with "HZ", up to the slider's end at 400HZ.
TEST(SubDecode, FrequencyTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"00", "20HZ"},   {"81", "149HZ"}, {"82", "150HZ"},
      {"FA", "390HZ"},  {"FB", "392HZ"}, {"FF", "400HZ"},
  };
  for (const auto& [byte, text] : cases) {
    Rig rig;
    feedBlock(rig, std::string("10 15 00 00 00 00 00 ") + byte + " " + byte);
    EXPECT_EQ(rig.form.panels.Text12[1].text(), text) << "crossover " << byte;
    EXPECT_EQ(rig.form.panels.Text12[2].text(), text) << "low cut " << byte;
  }
}

TEST(SubDecode, VolumeAbove80ShowsWhereTheSliderStopped) {
  Rig rig;
  feedBlock(rig, "10 15 00 00 00 00 FF");
  EXPECT_EQ(rig.form.panels.ctSlide4[0].value(), 80);
  EXPECT_EQ(rig.form.panels.Text12[0].text(), "80");
}

TEST(SubDecode, AltModel3KeepsTheLowCut) {
  for (bool alt : {false, true}) {
    Rig rig;
    Form1& f = rig.form;
    rig.state().deviceModel = 3;
    rig.state().altModel3 = alt;
    feedBlock(rig, "10 15 00 00 00 00 10 C8 64");
    EXPECT_EQ(f.panels.ctSlide4[2].value(), alt ? 0 : 100) << alt;
    EXPECT_EQ(f.panels.Text12[2].text(), alt ? "20HZ" : "120HZ") << alt;
    EXPECT_EQ(f.panels.Text12[1].text(), "290HZ") << "the crossover is read either way";
  }
}

TEST(SubDecode, PhaseIs180OnlyFor0x7F) {
  const std::pair<const char*, const char*> cases[] = {
      {"7F", "180"}, {"00", "0"}, {"01", "0"}, {"FF", "0"},
  };
  Rig rig;
  for (const auto& [byte, caption] : cases) {
    feedBlock(rig, std::string("10 16 ") + byte);
    EXPECT_EQ(rig.form.panels.Command2.caption(), caption) << byte;
  }
}

}  // namespace
}  // namespace kavel
