// The microphone and music panels' sliders, scroll bars and buttons: the
// display each one writes and the frame it sends, online and offline.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "control_cases.h"

namespace kavel {
namespace {

using testing::caseName;
using testing::ControlCase;
using testing::ControlCases;

using testing::hexBytes;

const ControlCase kCases[] = {
    {"MdSlide1 to code 130", [](Form1& f) { f.panels.MdSlide1.moveTo(130); },
     [](Form1& f) { return f.panels.MdTxt.text(); }, "150", "A5 67 35 31 31 30 04 02 02 82 86"},
    {"ctSlide11 to 12", [](Form1& f) { f.panels.ctSlide11.moveTo(12); },
     [](Form1& f) { return f.panels.Text20.text(); }, "20KHz", "A5 67 35 31 31 30 04 02 0B 0C 19"},
    {"Command3 from 180", [](Form1& f) { f.panels.Command3.click(); },
     [](Form1& f) { return f.panels.Command3.caption(); }, "0", "A5 67 35 31 31 30 04 02 08 00 0A"},
    {"Check1 ticked", [](Form1& f) { f.panels.Check1.toggle(); },
     [](Form1& f) { return std::to_string(f.panels.Check1.value()); }, "1",
     "A5 67 35 31 31 30 04 02 0D 7F 8E", true},
    {"VScroll1(0) to -30", [](Form1& f) { f.panels.VScroll1[0].moveTo(-30); },
     [](Form1& f) { return f.panels.Text1[0].text(); }, "-30dB", "A5 67 35 31 31 30 04 02 03 1E 23"},
    {"VScroll1(1) to 63", [](Form1& f) { f.panels.VScroll1[1].moveTo(63); },
     [](Form1& f) { return f.panels.Text1[1].text(); }, "100%", "A5 67 35 31 31 30 04 02 04 3F 45"},
    {"VScroll1(2) to 100", [](Form1& f) { f.panels.VScroll1[2].moveTo(100); },
     [](Form1& f) { return f.panels.Text1[2].text(); }, "100", "A5 67 35 31 31 30 04 02 05 64 6B"},
    {"M_VSlide1 to 70 under a maximum of 60",
     [](Form1& f) {
       f.panels.Text13.setText("60");
       f.M_VSlide1.moveTo(70);
     },
     [](Form1& f) { return f.M_Vtxt.text() + "@" + std::to_string(f.M_VSlide1.value()); }, "60@60",
     "A5 67 35 31 31 30 04 02 07 3C 45"},
    {"ctSlide10 to code 131", [](Form1& f) { f.panels.ctSlide10.moveTo(131); },
     [](Form1& f) { return f.panels.Text19.text(); }, "152", "A5 67 35 31 31 30 04 03 0E 83 94"},
    {"Command4 from 0", [](Form1& f) { f.panels.Command4.click(); },
     [](Form1& f) { return f.panels.Command4.caption(); }, "180", "A5 67 35 31 31 30 04 03 0B 7F 8D"},
    {"YpSlide1 to 30", [](Form1& f) { f.panels.YpSlide1.moveTo(30); },
     [](Form1& f) { return f.panels.Text4.text(); }, "L 70%", "A5 67 35 31 31 30 04 03 0A 46 53"},
    {"b3", [](Form1& f) { f.panels.Ybcnd[3].click(); },
     [](Form1& f) { return f.panels.Text5.text(); }, "-3", "A5 67 35 31 31 30 04 03 0C 03 12"},
    {"<>", [](Form1& f) { f.panels.Ybcnd[0].click(); },
     [](Form1& f) { return f.panels.Text5.text(); }, " 0", "A5 67 35 31 31 30 04 03 0C 06 15"},
    {"#1", [](Form1& f) { f.panels.Ybcnd[7].click(); },
     [](Form1& f) { return f.panels.Text5.text(); }, " 1", "A5 67 35 31 31 30 04 03 0C 07 16"},
    {"ySlide1(2) to 45", [](Form1& f) { f.panels.ySlide1[2].moveTo(45); },
     [](Form1& f) { return f.panels.Text3[2].text(); }, "45", "A5 67 35 31 31 30 04 03 05 2D 35"},
    {"VScroll2(0) to -30", [](Form1& f) { f.panels.VScroll2[0].moveTo(-30); },
     [](Form1& f) { return f.panels.Text6[0].text(); }, "-30dB", "A5 67 35 31 31 30 04 03 06 1E 27"},
    {"Yvslide1 to 70", [](Form1& f) { f.Yvslide1.moveTo(70); },
     [](Form1& f) { return f.Text2.text(); }, "70", "A5 67 35 31 31 30 04 03 02 46 4B"},
};

INSTANTIATE_TEST_SUITE_P(MicAndMusic, ControlCases, ::testing::ValuesIn(kCases), caseName);

struct Rows : testing::PanelTest {};

// One compressor bar rewrites all four boxes; one level slider all three.
TEST_F(Rows, AMoveRewritesEveryBoxOfItsGroup) {
  panels().VScroll1[1].setValue(32);  // from code: no event, no display
  panels().VScroll1[3].setValue(9);
  panels().VScroll1[0].moveTo(-12);
  EXPECT_EQ(panels().Text1[0].text(), "-12dB");
  EXPECT_EQ(panels().Text1[1].text(), "50%");
  EXPECT_EQ(panels().Text1[3].text(), "9");
  panels().ySlide1[0].setValue(20);
  panels().ySlide1[1].moveTo(30);
  EXPECT_EQ(panels().Text3[0].text(), "20");
  EXPECT_EQ(panels().Text3[1].text(), "30");
}

// The shared level command takes its row's code and index only when it is sent.
TEST_F(Rows, SharedLevelCommandTakesItsRowOnlyOnline) {
  panels().ySlide1[1].moveTo(30);
  EXPECT_EQ(rig.state().paramCode, 0);
  goOnline();
  processor.acknowledge = false;
  processor.answer = [](const Bytes&) -> std::optional<Bytes> {
    return Bytes{0x35, 0x82, 0x03, 0x99};  // any fourth byte retires it
  };
  panels().ySlide1[1].moveTo(31);
  EXPECT_EQ(sent(), std::vector<Bytes>{hexBytes("A5 67 35 31 31 30 04 03 04 1F 26")});
  EXPECT_EQ(rig.state().paramIndex, 1);
  EXPECT_FALSE(rig.anyTimer());
}

}  // namespace
}  // namespace kavel
