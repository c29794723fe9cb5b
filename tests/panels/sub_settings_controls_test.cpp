// The subwoofer and settings panel's sliders and buttons, and the music
// input selector in the top bar: the displays each one writes, the clamps
// between sliders, and the frame it sends, online and offline.
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

std::string shown(const TextBox& box, const Slider& slider) {
  return box.text() + "@" + std::to_string(slider.value());
}

const ControlCase kCases[] = {
    {"ctSlide4(0) to 55", [](Form1& f) { f.panels.ctSlide4[0].moveTo(55); },
     [](Form1& f) { return f.panels.Text12[0].text(); }, "55", "A5 67 35 31 31 30 04 04 02 37 3D"},
    {"ctSlide4(1) to 60 under a low cut at 100",
     [](Form1& f) {
       f.panels.ctSlide4[2].setValue(100);
       f.panels.ctSlide4[1].moveTo(60);
     },
     [](Form1& f) { return shown(f.panels.Text12[1], f.panels.ctSlide4[1]); }, "120Hz@100",
     "A5 67 35 31 31 30 04 04 03 64 6B"},
    {"ctSlide4(1) to 200 above the low cut", [](Form1& f) { f.panels.ctSlide4[1].moveTo(200); },
     [](Form1& f) { return shown(f.panels.Text12[1], f.panels.ctSlide4[1]); }, "290Hz@200",
     "A5 67 35 31 31 30 04 04 03 C8 CF"},
    {"ctSlide4(2) to 200 above a crossover at 150",
     [](Form1& f) {
       f.panels.ctSlide4[1].setValue(150);
       f.panels.ctSlide4[2].moveTo(200);
     },
     [](Form1& f) { return shown(f.panels.Text12[2], f.panels.ctSlide4[2]); }, "190Hz@150",
     "A5 67 35 31 31 30 04 04 05 96 9F"},
    {"ctSlide4(2) to 40 under a crossover at 150",
     [](Form1& f) {
       f.panels.ctSlide4[1].setValue(150);
       f.panels.ctSlide4[2].moveTo(40);
     },
     [](Form1& f) { return shown(f.panels.Text12[2], f.panels.ctSlide4[2]); }, "60Hz@40",
     "A5 67 35 31 31 30 04 04 05 28 31"},
    {"Command2 from 0", [](Form1& f) { f.panels.Command2.click(); },
     [](Form1& f) { return f.panels.Command2.caption(); }, "180",
     "A5 67 35 31 31 30 04 04 04 7F 87"},
    {"Command2 from 180",
     [](Form1& f) {
       f.panels.Command2.setCaption("180");
       f.panels.Command2.click();
     },
     [](Form1& f) { return f.panels.Command2.caption(); }, "0", "A5 67 35 31 31 30 04 04 04 00 08"},
    {"ctSlide9 to 33", [](Form1& f) { f.panels.ctSlide9.moveTo(33); },
     [](Form1& f) { return f.panels.Text17.text(); }, "33", "A5 67 35 31 31 30 04 08 07 21 30"},
    {"VScroll3 to 8", [](Form1& f) { f.panels.VScroll3.moveTo(8); },
     [](Form1& f) { return f.panels.Text18.text(); }, "8s", "A5 67 35 31 31 30 04 08 09 07 18"},
    {"Command11 from 自动", [](Form1& f) { f.panels.Command11.click(); },
     [](Form1& f) { return f.panels.Command11.caption(); }, "手动",
     "A5 67 35 31 31 30 04 08 08 00 10"},
    {"Command11 from 手动",
     [](Form1& f) {
       f.panels.Command11.setCaption("手动");
       f.panels.Command11.click();
     },
     [](Form1& f) { return f.panels.Command11.caption(); }, "自动",
     "A5 67 35 31 31 30 04 08 08 7F 8F"},
    {"Command12 from 开", [](Form1& f) { f.panels.Command12.click(); },
     [](Form1& f) { return f.panels.Command12.caption(); }, "关",
     "A5 67 35 31 31 30 04 08 06 00 0E"},
    {"Command12 from 关",
     [](Form1& f) {
       f.panels.Command12.setCaption("关");
       f.panels.Command12.click();
     },
     [](Form1& f) { return f.panels.Command12.caption(); }, "开",
     "A5 67 35 31 31 30 04 08 06 7F 8D"},
    {"dcButton10 from OFF", [](Form1& f) { f.panels.dcButton10.click(); },
     [](Form1& f) {
       return f.panels.dcButton10.caption() + "/" +
              std::to_string(f.panels.dcButton10.backColor().value());
     },
     "ON/65280", "A5 67 35 31 31 30 04 08 0B 7F 92", true},
    {"dcButton10 from ON",
     [](Form1& f) {
       f.panels.dcButton10.setCaption("ON");
       f.panels.dcButton10.click();
     },
     [](Form1& f) {
       return f.panels.dcButton10.caption() + "/" +
              std::to_string(f.panels.dcButton10.backColor().value());
     },
     "OFF/192", "A5 67 35 31 31 30 04 08 0B 00 13", true},
    // The maximum volumes pull down what they bound; each moved slider shows
    // its new position.
    {"ctSlide5 to 50 above 70 and 60",
     [](Form1& f) {
       f.panels.ctSlide6.setValue(70);
       f.M_VSlide1.setValue(60);
       f.panels.ctSlide5.moveTo(50);
     },
     [](Form1& f) {
       return shown(f.panels.Text13, f.panels.ctSlide5) + " " +
              shown(f.panels.Text14, f.panels.ctSlide6) + " " + shown(f.M_Vtxt, f.M_VSlide1);
     },
     "50@50 50@50 50@50", "A5 67 35 31 31 30 04 08 01 32 3B"},
    {"ctSlide5 to 50 above the power-on volume only",
     [](Form1& f) {
       f.panels.ctSlide6.setValue(70);
       f.M_VSlide1.setValue(40);
       f.M_Vtxt.setText("40");
       f.panels.ctSlide5.moveTo(50);
     },
     [](Form1& f) {
       return shown(f.panels.Text14, f.panels.ctSlide6) + " " + shown(f.M_Vtxt, f.M_VSlide1);
     },
     "50@50 40@40", "A5 67 35 31 31 30 04 08 01 32 3B"},
    {"ctSlide5 to 50 above the master volume only",
     [](Form1& f) {
       f.panels.ctSlide6.setValue(20);
       f.panels.Text14.setText("20");
       f.M_VSlide1.setValue(60);
       f.panels.ctSlide5.moveTo(50);
     },
     [](Form1& f) {
       return shown(f.panels.Text14, f.panels.ctSlide6) + " " + shown(f.M_Vtxt, f.M_VSlide1);
     },
     "20@20 50@50", "A5 67 35 31 31 30 04 08 01 32 3B"},
    {"ctSlide6 to 70 above a maximum of 50",
     [](Form1& f) {
       f.panels.ctSlide5.setValue(50);
       f.panels.Text13.setText("50");
       f.panels.ctSlide6.moveTo(70);
     },
     [](Form1& f) { return shown(f.panels.Text14, f.panels.ctSlide6); }, "50@50",
     "A5 67 35 31 31 30 04 08 02 32 3C"},
    {"ctSlide6 to 30 under the maximum", [](Form1& f) { f.panels.ctSlide6.moveTo(30); },
     [](Form1& f) { return shown(f.panels.Text14, f.panels.ctSlide6); }, "30@30",
     "A5 67 35 31 31 30 04 08 02 1E 28"},
    {"ctSlide7 to 40 above 60 and 45",
     [](Form1& f) {
       f.panels.ctSlide8.setValue(60);
       f.Yvslide1.setValue(45);
       f.panels.ctSlide7.moveTo(40);
     },
     [](Form1& f) {
       return shown(f.panels.Text15, f.panels.ctSlide7) + " " +
              shown(f.panels.Text16, f.panels.ctSlide8) + " " + shown(f.Text2, f.Yvslide1);
     },
     "40@40 40@40 40@40", "A5 67 35 31 31 30 04 08 03 28 33"},
    {"ctSlide8 to 75 above a maximum of 40",
     [](Form1& f) {
       f.panels.ctSlide7.setValue(40);
       f.panels.Text15.setText("40");
       f.panels.ctSlide8.moveTo(75);
     },
     [](Form1& f) { return shown(f.panels.Text16, f.panels.ctSlide8); }, "40@40",
     "A5 67 35 31 31 30 04 08 04 28 34"},
};

INSTANTIATE_TEST_SUITE_P(SubAndSettings, ControlCases, ::testing::ValuesIn(kCases), caseName);

struct MusicInput : testing::PanelTest {};

TEST_F(MusicInput, FourClicksFromBgmCycleBack) {
  goOnline();
  const std::pair<const char*, const char*> clicks[] = {
      {"AUX", "A5 67 35 31 31 30 04 08 05 02 0F"},
      {"VCR", "A5 67 35 31 31 30 04 08 05 03 10"},
      {"SPD", "A5 67 35 31 31 30 04 08 05 00 0D"},
      {"BGM", "A5 67 35 31 31 30 04 08 05 01 0E"},
  };
  for (const auto& [caption, frame] : clicks) {
    form().Command13.click();
    EXPECT_EQ(form().Command13.caption(), caption);
    EXPECT_EQ(sent(), std::vector<Bytes>{hexBytes(frame)}) << caption;
    settle();
  }
}

TEST_F(MusicInput, AnUnknownCaptionLeadsToBgm) {
  form().Command13.setCaption("???");
  form().Command13.click();
  EXPECT_EQ(form().Command13.caption(), "BGM");
}

}  // namespace
}  // namespace kavel
