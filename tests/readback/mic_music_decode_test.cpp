// The microphone and music blocks decoded into their panels, one block at a
// time through the receive path. Expected values are worked out by hand from
// the block maps.
#include <gtest/gtest.h>

#include "block_feed.h"

namespace kavel {
namespace {

using testing::Band;
using testing::expectEditor;
using testing::feedBlock;
using testing::initialiseEqualizers;
using testing::Rig;

TEST(MicMusicDecode, Block01FillsBand0AndHalfOfBand1) {
  Rig rig;
  Form1& f = rig.form;
  const double band1F = f.eq(Eq::Mic).editor(1).F();
  feedBlock(rig, "10 01 0A 78 00 82 14 B4");
  expectEditor(f, Eq::Mic, 0, {150, 0.0, 1.0});
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).Q(), 2.0);
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).db(), 6.0);
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).F(), band1F) << "band 1's frequency is in block 0x02";
  EXPECT_EQ(rig.state().decodedFreq, 150);
}

TEST(MicMusicDecode, BandsGoThroughTheEditorEventsInTheOrderQGainFrequency) {
  Rig rig;
  BandEditor& ed = rig.form.eq(Eq::Mic).editor(0);
  std::vector<std::string> events;
  ed.QChanged.connect([&](double v) { events.push_back("Q " + std::to_string(v)); });
  ed.DBChanged.connect([&](double v) { events.push_back("dB " + std::to_string(v)); });
  ed.FChanged.connect([&](double v) { events.push_back("F " + std::to_string(v)); });
  feedBlock(rig, "10 01 0A 78 00 82 14 B4");
  EXPECT_EQ(events, (std::vector<std::string>{"Q 1.000000", "dB 0.000000", "F 150.000000"}));
}

TEST(MicMusicDecode, ShortRepliesDecodeMissingBytesAsZero) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 01 0A");
  expectEditor(f, Eq::Mic, 0, {20, -12.0, 1.0});
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).Q(), 0.0);
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).db(), -12.0);

  f.panels.MdSlide1.setValue(40);
  feedBlock(rig, "10 0A 01 F4");
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(12).F(), 1085) << "code 500";
  EXPECT_EQ(f.panels.MdSlide1.value(), 0);
  EXPECT_EQ(f.panels.MdTxt.text(), "20");
  EXPECT_EQ(f.panels.Text1[0].text(), "0dB");
  EXPECT_EQ(f.panels.Text1[1].text(), "0%");
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(MicMusicDecode, FrequencyCodesBeyondTheScaleReadAsItsEnd) {
  Rig rig;
  feedBlock(rig, "10 0A FF FF");
  EXPECT_DOUBLE_EQ(rig.form.eq(Eq::Mic).editor(12).F(), 20000);
  EXPECT_EQ(rig.state().decodedFreq, 20000);
}

// One field of a block and what the panel shows after it. `hex` is the whole
// reply; unlisted bytes of the block are left out (they read as 0).
struct FieldCase {
  const char* name;
  const char* hex;
  std::function<std::string(Form1&)> shown;
  std::string want;
};

std::string text(TextBox& box) { return box.text(); }

TEST(MicMusicDecode, FieldsShowTheirDisplayTexts) {
  const FieldCase cases[] = {
      {"mic phase 0x7F", "10 09 00 00 7F", [](Form1& f) { return f.panels.Command3.caption(); }, "180"},
      {"mic phase 0x7E", "10 09 00 00 7E", [](Form1& f) { return f.panels.Command3.caption(); }, "0"},
      {"mic high-pass 131", "10 0A 00 00 83", [](Form1& f) { return text(f.panels.MdTxt); }, "152"},
      {"mic high-pass 130", "10 0A 00 00 82", [](Form1& f) { return text(f.panels.MdTxt); }, "150"},
      {"mic high-pass 129", "10 0A 00 00 81", [](Form1& f) { return text(f.panels.MdTxt); }, "149"},
      {"mic limiter 10", "10 0A 00 00 00 0A", [](Form1& f) { return text(f.panels.Text1[0]); }, "-10dB"},
      {"mic ratio 63", "10 0A 00 00 00 00 3F", [](Form1& f) { return text(f.panels.Text1[1]); }, "100%"},
      {"mic ratio 32", "10 0A 00 00 00 00 20", [](Form1& f) { return text(f.panels.Text1[1]); }, "50%"},
      {"mic release 64", "10 0A 00 00 00 00 00 40", [](Form1& f) { return text(f.panels.Text1[2]); }, "64"},
      {"mic attack 5", "10 0B 05", [](Form1& f) { return text(f.panels.Text1[3]); }, "5"},
      {"mic low-pass 12", "10 0B 05 0C", [](Form1& f) { return text(f.panels.Text20); }, "20KHz"},
      {"mic low-pass 0", "10 0B 05 00", [](Form1& f) { return text(f.panels.Text20); }, "8KHz"},
      {"key shift byte 6", "10 13 06", [](Form1& f) { return text(f.panels.Text5); }, " 0"},
      {"key shift byte 3", "10 13 03", [](Form1& f) { return text(f.panels.Text5); }, "-3"},
      {"key shift byte 0", "10 13 00", [](Form1& f) { return text(f.panels.Text5); }, "-6"},
      {"key shift byte 12", "10 13 0C", [](Form1& f) { return text(f.panels.Text5); }, " 6"},
      {"music to LR 80", "10 13 00 50", [](Form1& f) { return text(f.panels.Text3[0]); }, "80"},
      {"mic to LR 40", "10 13 00 00 28", [](Form1& f) { return text(f.panels.Text3[1]); }, "40"},
      {"effect to LR 7", "10 13 00 00 00 07", [](Form1& f) { return text(f.panels.Text3[2]); }, "7"},
      {"music limiter 30", "10 13 00 00 00 00 1E", [](Form1& f) { return text(f.panels.Text6[0]); }, "-30dB"},
      {"music ratio 62", "10 13 00 00 00 00 00 3E", [](Form1& f) { return text(f.panels.Text6[1]); }, "98%"},
      {"music release 127", "10 14 7F", [](Form1& f) { return text(f.panels.Text6[2]); }, "127"},
      {"music attack 9", "10 14 01 09", [](Form1& f) { return text(f.panels.Text6[3]); }, "9"},
  };
  for (const FieldCase& c : cases) {
    Rig rig;
    rig.state().deviceModel = 1;
    feedBlock(rig, c.hex);
    EXPECT_EQ(c.shown(rig.form), c.want) << c.name;
  }
}

TEST(MicMusicDecode, SlidersTakeThePositionTheBytesStandFor) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 0A 00 00 83 0A 20 40");
  EXPECT_EQ(f.panels.MdSlide1.value(), 131);
  EXPECT_EQ(f.panels.VScroll1[0].value(), -10);
  EXPECT_EQ(f.panels.VScroll1[1].value(), 32);
  EXPECT_EQ(f.panels.VScroll1[2].value(), 64);
  feedBlock(rig, "10 13 03 50 28 07 1E 3E");
  EXPECT_EQ(f.panels.ySlide1[0].value(), 80);
  EXPECT_EQ(f.panels.ySlide1[1].value(), 40);
  EXPECT_EQ(f.panels.ySlide1[2].value(), 7);
  EXPECT_EQ(f.panels.VScroll2[0].value(), -30);
  EXPECT_EQ(f.panels.VScroll2[1].value(), 62);
}

// A byte outside a slider's range leaves the slider at its end, and the box
// shows that end, not the byte.
TEST(MicMusicDecode, OutOfRangeBytesShowWhereTheSliderStopped) {
  Rig rig;
  Form1& f = rig.form;
  feedBlock(rig, "10 0A 00 00 C8 28 64 00");
  EXPECT_EQ(f.panels.MdSlide1.value(), 155);
  EXPECT_EQ(f.panels.MdTxt.text(), "200");
  EXPECT_EQ(f.panels.VScroll1[0].value(), -30);
  EXPECT_EQ(f.panels.Text1[0].text(), "-30dB");
  EXPECT_EQ(f.panels.Text1[1].text(), "100%");
  EXPECT_EQ(f.panels.VScroll1[2].value(), 1);
  EXPECT_EQ(f.panels.Text1[2].text(), "1");
  feedBlock(rig, "10 0B 05 0D");
  EXPECT_EQ(f.panels.ctSlide11.value(), 12);
  EXPECT_EQ(f.panels.Text20.text(), "20KHz");
}

TEST(MicMusicDecode, AltModel3SkipsTheMicShelfAndLowPassBytes) {
  for (bool alt : {false, true}) {
    Rig rig;
    Form1& f = rig.form;
    rig.state().deviceModel = 3;
    rig.state().altModel3 = alt;
    feedBlock(rig, "10 09 46 82 7F 7F");
    feedBlock(rig, "10 0B 05 0C");
    EXPECT_EQ(rig.state().micShelfMode, !alt) << alt;
    EXPECT_EQ(f.panels.Command10.caption(), alt ? "LH-PASS OFF" : "LH-PASS ON") << alt;
    EXPECT_EQ(f.panels.Command3.caption(), "180") << "the phase byte is read either way";
    EXPECT_EQ(f.panels.ctSlide11.value(), alt ? 0 : 12) << alt;
    EXPECT_EQ(f.panels.Text20.text(), alt ? "8KHz" : "20KHz") << alt;
    EXPECT_EQ(f.panels.Text1[3].text(), "5") << "the attack byte before it is read either way";
  }
}

TEST(MicMusicDecode, MicShelfByteSetsTheShelfStateOnlyFor0x7F) {
  Rig rig;
  initialiseEqualizers(rig);
  Form1& f = rig.form;
  rig.state().deviceModel = 1;
  feedBlock(rig, "10 09 46 82 00 7F");
  EXPECT_TRUE(rig.state().micShelfMode);
  EXPECT_EQ(f.panels.Command10.backColor().value(), 65280);
  EXPECT_FALSE(f.eq(Eq::Mic).editor(0).QEnabled());
  EXPECT_EQ(f.eq(Eq::Mic).editor(0).T(), 2);
  EXPECT_EQ(f.eq(Eq::Mic).editor(1).T(), 1);
  EXPECT_EQ(f.eq(Eq::Mic).graph.ncap(), "低");
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(12).Q(), 7.0) << "band 12's Q and gain come first";
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(12).db(), 1.0);

  feedBlock(rig, "10 09 46 82 00 7E");
  EXPECT_FALSE(rig.state().micShelfMode);
  EXPECT_EQ(f.panels.Command10.caption(), "LH-PASS OFF");
  EXPECT_EQ(f.panels.Command10.backColor().value(), 4210752);
  EXPECT_TRUE(f.eq(Eq::Mic).editor(1).QEnabled());
  EXPECT_EQ(f.eq(Eq::Mic).editor(0).T(), 0);
  EXPECT_EQ(f.eq(Eq::Mic).graph.ncap1(), "2");
}

// Block 0x12 after music band 10, by model.
struct Block12Case {
  int model;
  const char* hex;
  bool shelfBefore;
  int highPass;
  const char* highPassText;
  const char* phase;
  bool shelfAfter;
};

TEST(MicMusicDecode, Block12ByModel) {
  const Block12Case cases[] = {
      // Model 3: byte 6 high-pass, 7 phase; byte 8 is not read and the shelf stays.
      {3, "10 12 6E BE 0B 27 00 7F 00", true, 0, "20", "180", true},
      {3, "10 12 6E BE 0B 27 0A 00 7F", false, 10, "30", "0", false},
      // Models 1 and 2: byte 6 shelf, 7 high-pass, 8 phase.
      {1, "10 12 6E BE 0B 27 7F 82 00", false, 130, "150", "0", true},
      {2, "10 12 6E BE 0B 27 00 05 7F", true, 5, "25", "180", false},
  };
  for (const Block12Case& c : cases) {
    Rig rig;
    Form1& f = rig.form;
    rig.state().deviceModel = c.model;
    rig.state().musicShelfMode = c.shelfBefore;
    feedBlock(rig, c.hex);
    EXPECT_EQ(f.panels.ctSlide10.value(), c.highPass) << c.hex;
    EXPECT_EQ(f.panels.Text19.text(), c.highPassText) << c.hex;
    EXPECT_EQ(f.panels.Command4.caption(), c.phase) << c.hex;
    EXPECT_EQ(rig.state().musicShelfMode, c.shelfAfter) << c.hex;
    expectEditor(f, Eq::Music, 10, {20000, 7.0, 11.0});
  }
}

TEST(MicMusicDecode, MusicShelfOnForModels1And2) {
  Rig rig;
  initialiseEqualizers(rig);
  Form1& f = rig.form;
  rig.state().deviceModel = 2;
  feedBlock(rig, "10 12 6E BE 0B 27 7F 82 00");
  EXPECT_EQ(f.panels.dcButton8.caption(), "LH-PASS ON");
  EXPECT_EQ(f.panels.dcButton8.backColor().value(), 65280);
  EXPECT_FALSE(f.eq(Eq::Music).editor(1).QEnabled());
  EXPECT_EQ(f.eq(Eq::Music).editor(0).T(), 2);
  EXPECT_EQ(f.eq(Eq::Music).graph.ncap1(), "高");
}

}  // namespace
}  // namespace kavel
