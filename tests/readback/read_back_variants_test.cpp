// A whole connect against each processor model: a hand-written block set is
// read back through the probe, the read requests and the receive path on the
// virtual clock, and the panels must show what the blocks say.
#include <gtest/gtest.h>

#include <map>

#include "block_feed.h"

namespace kavel {
namespace {

using testing::Band;
using testing::expectEditor;
using testing::hexBytes;
using testing::initialiseEqualizers;
using testing::Processor;
using testing::Rig;

// The block set every model shares; block 0x12 is the model's own.
const std::map<int, const char*> kBlocks = {
    {0x01, "10 01 0A 78 00 82 14 B4"},
    {0x02, "10 02 01 2C 1E 50 02 BC"},
    {0x03, "10 03 03 00 00 00 96 F0"},
    {0x04, "10 04 0B 27 68 79 04 E7"},
    {0x05, "10 05 0F 77 00 81 19 8C"},
    {0x06, "10 06 01 31 28 64 02 5D"},
    {0x07, "10 07 32 A0 03 20 05 6E"},
    {0x08, "10 08 05 DC 64 78 08 98"},
    {0x09, "10 09 46 82 7F 7F 55 55"},
    {0x0A, "10 0A 01 F4 83 0A 20 40"},
    {0x0B, "10 0B 05 0C 0A 82 00 32"},
    {0x0C, "10 0C 14 6E 00 64 1E 8C"},
    {0x0D, "10 0D 00 C8 28 64 01 90"},
    {0x0E, "10 0E 32 96 02 58 3C 5A"},
    {0x0F, "10 0F 03 E8 46 A0 04 B0"},
    {0x10, "10 10 50 78 05 DC 5A AA"},
    {0x11, "10 11 07 D0 64 46 09 C4"},
    {0x13, "10 13 03 50 28 00 1E 3F"},
    {0x14, "10 14 7F 02 00 00 00 00"},
    {0x26, "10 26 14 46 1E 02 7F 0A 7F 00"},
    {0x27, "10 27 00 03 3C 32 28 3C 00 00 00 7F 7F"},
};

// Microphone bands as the blocks above encode them (frequency from the code).
const Band kMicBands[13] = {
    {150, 0.0, 1.0},      // code 130
    {490, 6.0, 2.0},      // code 300
    {1780, -4.0, 3.0},    // code 700
    {20, -12.0, 0.3},     // code 0
    {20000, 12.0, 15.0},  // code 2855
    {4000, 0.1, 10.4},    // code 1255
    {149, -0.1, 1.5},     // code 129
    {500, 2.0, 2.5},      // code 305
    {1400, -2.0, 4.0},    // code 605
    {2180, 4.0, 5.0},     // code 800
    {6450, -1.0, 0.5},    // code 1500
    {13450, 0.0, 10.0},   // code 2200
    {1085, 1.0, 7.0},     // code 500, read from block 0x0A
};

const Band kMusicBands[11] = {
    {70, 1.0, 1.0},       // code 50
    {120, -1.0, 2.0},     // code 100
    {290, 2.0, 3.0},      // code 200
    {785, -2.0, 4.0},     // code 400
    {1385, 3.0, 5.0},     // code 600
    {2980, -3.0, 6.0},    // code 1000
    {3780, 4.0, 7.0},     // code 1200
    {6450, 0.0, 8.0},     // code 1500
    {11450, 5.0, 9.0},    // code 2000
    {16450, -5.0, 10.0},  // code 2500
    {20000, 7.0, 11.0},   // code 2855
};

struct Variant {
  const char* name;
  Byte probe;
  Bytes probeReply;
  const char* block12;
  bool micShelf;             // block 0x09 byte 5 is 0x7F, skipped by altModel3
  int lowPass;               // ctSlide11
  const char* lowPassText;   // Text20
  bool musicShelf;           // from block 0x12 for models 1 and 2; left as it was for model 3
  int highPass;              // ctSlide10
  const char* highPassText;  // Text19
  const char* musicPhase;    // Command4
};

const Variant kVariants[] = {
    {"model 1", 0xAF, {0x5A, 0x7F}, "10 12 6E BE 0B 27 7F 82 00", true, 12, "20KHz", true, 130, "150", "0"},
    {"model 2", 0xAC, {0x5A, 0x76}, "10 12 6E BE 0B 27 00 05 7F", true, 12, "20KHz", false, 5, "25", "180"},
    {"model 3", 0xAA, {0x5A, 0x76}, "10 12 6E BE 0B 27 0A 7F 00", true, 12, "20KHz", false, 10, "30", "180"},
    {"model 3b", 0xAA, {0x5A, 0x79}, "10 12 6E BE 0B 27 0A 7F 00", false, 0, "8KHz", false, 10, "30", "180"},
};

// A processor of one model that answers each read request with its block.
struct BlockServer {
  BlockServer(Rig& rig, const Variant& v) {
    p.probe = v.probe;
    p.probeReply = v.probeReply;
    p.answer = [&v](const Bytes& frame) -> std::optional<Bytes> {
      if (frame.size() != 12 || frame[9] != 0x10) return std::nullopt;
      const int n = frame[10];
      if (n == 0x12) return hexBytes(v.block12);
      const auto it = kBlocks.find(n);
      return it != kBlocks.end() ? hexBytes(it->second) : Bytes{0x10, Byte(n)};
    };
    rig.attach(p);
  }
  Processor p;
};

void connect(Rig& rig) {
  initialiseEqualizers(rig);
  rig.form.mnulianji.click();
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.state().isOnline; }, 20000));
}

void expectBands(Form1& f, Eq eq, const Band* want, int count, const std::string& name) {
  Equalizer& e = f.eq(eq);
  for (int i = 0; i < count; ++i) {
    const std::string where = name + " band " + std::to_string(i);
    EXPECT_DOUBLE_EQ(e.editor(i).F(), want[i].f) << where;
    EXPECT_DOUBLE_EQ(e.editor(i).db(), want[i].gain) << where;
    EXPECT_DOUBLE_EQ(e.editor(i).Q(), want[i].q) << where;
    const EqBand g = e.graph.band(i);
    EXPECT_DOUBLE_EQ(g.F, want[i].f) << where << " on the graph";
    EXPECT_DOUBLE_EQ(g.db, want[i].gain) << where << " on the graph";
    EXPECT_DOUBLE_EQ(g.Q, want[i].q) << where << " on the graph";
    const bool on = want[i].gain != 0;
    EXPECT_EQ(e.bandButtons[i].caption(), on ? "ON" : "OFF") << where;
    EXPECT_EQ(e.bandButtons[i].backColor(), on ? colors::green : colors::darkGrey) << where;
  }
}

void expectShelf(Form1& f, Eq eq, Button& button, bool on, const std::string& name) {
  Equalizer& e = f.eq(eq);
  EXPECT_EQ(button.caption(), on ? "LH-PASS ON" : "LH-PASS OFF") << name;
  EXPECT_EQ(button.backColor(), on ? colors::brightGreen : colors::darkGrey) << name;
  EXPECT_EQ(e.editor(0).QEnabled(), !on) << name;
  EXPECT_EQ(e.editor(1).QEnabled(), !on) << name;
  EXPECT_EQ(e.editor(0).T(), on ? 2 : 0) << name;
  EXPECT_EQ(e.editor(1).T(), on ? 1 : 0) << name;
  EXPECT_EQ(e.graph.band(0).T, on ? 2 : 0) << name;
  EXPECT_EQ(e.graph.band(1).T, on ? 1 : 0) << name;
  EXPECT_EQ(e.graph.ncap(), on ? "低" : "1") << name;
  EXPECT_EQ(e.graph.ncap1(), on ? "高" : "2") << name;
}

TEST(ReadBackVariants, EachModelFillsTheMicrophoneAndMusicPanels) {
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(v.name);
    Rig rig;
    Form1& f = rig.form;
    BlockServer server(rig, v);
    connect(rig);
    const LinkState& s = rig.state();

    expectBands(f, Eq::Mic, kMicBands, 13, "mic");
    expectBands(f, Eq::Music, kMusicBands, 11, "music");
    EXPECT_EQ(s.micShelfMode, v.micShelf);
    expectShelf(f, Eq::Mic, f.panels.Command10, v.micShelf, "mic shelf");
    EXPECT_EQ(s.musicShelfMode, v.musicShelf);
    expectShelf(f, Eq::Music, f.panels.dcButton8, v.musicShelf, "music shelf");

    const std::pair<TextBox*, const char*> texts[] = {
        {&f.panels.MdTxt, "152"},    {&f.panels.Text1[0], "-10dB"}, {&f.panels.Text1[1], "50%"},
        {&f.panels.Text1[2], "64"},  {&f.panels.Text1[3], "5"},     {&f.panels.Text20, v.lowPassText},
        {&f.panels.Text19, v.highPassText},
        {&f.panels.Text5, "-3"},     {&f.panels.Text3[0], "80"},    {&f.panels.Text3[1], "40"},
        {&f.panels.Text3[2], "0"},   {&f.panels.Text6[0], "-30dB"}, {&f.panels.Text6[1], "100%"},
        {&f.panels.Text6[2], "127"}, {&f.panels.Text6[3], "2"},
        {&f.panels.Text14, "20"},    {&f.panels.Text15, "70"},      {&f.panels.Text16, "30"},
        {&f.panels.Text17, "10"},    {&f.panels.Text18, "4s"},      {&f.panels.Text13, "60"},
        {&f.M_Vtxt, "50"},           {&f.Text2, "40"},              {&f.panels.Text4, "L 60%"},
    };
    for (const auto& [box, text] : texts) EXPECT_EQ(box->text(), text) << box->name();

    const std::pair<Slider*, int> sliders[] = {
        {&f.panels.MdSlide1, 131},    {&f.panels.VScroll1[0], -10}, {&f.panels.VScroll1[1], 32},
        {&f.panels.VScroll1[2], 64},  {&f.panels.VScroll1[3], 5},   {&f.panels.ctSlide11, v.lowPass},
        {&f.panels.ctSlide10, v.highPass},
        {&f.panels.ySlide1[0], 80},   {&f.panels.ySlide1[1], 40},   {&f.panels.ySlide1[2], 0},
        {&f.panels.VScroll2[0], -30}, {&f.panels.VScroll2[1], 63},  {&f.panels.VScroll2[2], 127},
        {&f.panels.VScroll2[3], 2},
        {&f.panels.ctSlide6, 20},     {&f.panels.ctSlide7, 70},     {&f.panels.ctSlide8, 30},
        {&f.panels.ctSlide9, 10},     {&f.panels.VScroll3, 4},      {&f.panels.ctSlide5, 60},
        {&f.M_VSlide1, 50},           {&f.Yvslide1, 40},            {&f.panels.YpSlide1, 40},
    };
    for (const auto& [slider, position] : sliders) EXPECT_EQ(slider->value(), position) << slider->name();

    EXPECT_EQ(f.panels.Command3.caption(), "180");
    EXPECT_EQ(f.panels.Command4.caption(), v.musicPhase);
    EXPECT_EQ(f.Command13.caption(), "AUX");
    EXPECT_EQ(f.panels.Command12.caption(), "开");
    EXPECT_EQ(f.panels.Command11.caption(), "手动");
    EXPECT_EQ(f.panels.Check1.value(), 1);
    EXPECT_EQ(f.panels.dcButton10.caption(), "ON");
    EXPECT_FALSE(s.micEqActive);
    EXPECT_TRUE(s.musicEqActive);
    EXPECT_TRUE(f.eq(Eq::Mic).graph.EQPASS());
    EXPECT_FALSE(f.eq(Eq::Music).graph.EQPASS());

    // Nothing but the connect and the 39 read requests went out.
    const std::vector<Bytes> frames = rig.framesWritten();
    ASSERT_EQ(frames.size(), 40u);
    for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_EQ(frames[i].size(), 12u) << i;
    EXPECT_TRUE(rig.dialogs.shown.empty());
  }
}

TEST(ReadBackVariants, Model3LeavesTheMusicShelfAsItWas) {
  Rig rig;
  BlockServer server(rig, kVariants[2]);
  rig.state().musicShelfMode = true;
  connect(rig);
  EXPECT_TRUE(rig.state().musicShelfMode);
}

// The section captions land at their byte positions: recorded in one list
// with the fields decoded just before and after them.
TEST(ReadBackVariants, SectionCaptionsAppearAtTheirBytes) {
  Rig rig;
  Form1& f = rig.form;
  BlockServer server(rig, kVariants[0]);
  std::vector<std::string> events;
  f.Label9.changed.connect([&] {
    const std::string& c = f.Label9.caption();
    if (!c.empty() && (events.empty() || events.back() != c)) events.push_back(c);
  });
  auto mark = [&](Slider& s) { s.changed.connect([&events, &s] { events.push_back(s.name()); }); };
  mark(f.panels.VScroll1[3]);   // 0x0B byte 2
  mark(f.panels.ctSlide11);     // 0x0B byte 3
  mark(f.panels.VScroll2[3]);   // 0x14 byte 3
  mark(f.panels.ctSlide6);      // 0x26 byte 2
  f.eq(Eq::Mic).editor(0).QChanged.connect([&](double) { events.push_back("mic band 0"); });
  f.eq(Eq::Music).editor(0).QChanged.connect([&](double) { events.push_back("music band 0"); });
  connect(rig);
  EXPECT_EQ(events, (std::vector<std::string>{
                       "正在加载麦克风数据......", "mic band 0", "VScroll1(3)", "ctSlide11",
                       "正在加载音乐数据......", "music band 0", "VScroll2(3)",
                       "正在加载超低音数据......", "正在加载中置数据......", "正在加载效果数据......",
                       "正在加载环绕部分数据.......", "正在加载配置部分数据......", "ctSlide6",
                       "数据加载完成..."}));
}

}  // namespace
}  // namespace kavel
