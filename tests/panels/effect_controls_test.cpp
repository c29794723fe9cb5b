// The effect panel's lists, phases and sliders and the effect volume in the
// top bar: what each one shows and the frame it sends, online and offline.
// Frames are written by hand: header, length, group 07, code, value, and the
// sum of the bytes from the group on.
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

std::string join(ControlArray<TextBox>& boxes) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += (i ? "|" : "") + boxes[i].text();
  return out;
}

std::string enabled(ControlArray<Slider>& sliders) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += sliders[i].enabled() ? "1" : "0";
  return out;
}

const ControlCase kCases[] = {
    {"Combo2 to 大礼堂B", [](Form1& f) { f.panels.Combo2.choose(7); },
     [](Form1& f) { return f.panels.Combo2.text() + "@" + enabled(f.panels.ReSlide2); },
     "大礼堂B@1111", "A5 67 35 31 31 30 04 07 02 07 10"},
    {"Combo2 to 关", [](Form1& f) { f.panels.Combo2.choose(0); },
     [](Form1& f) { return f.panels.Combo2.text() + "@" + enabled(f.panels.ReSlide2); }, "关@0000",
     "A5 67 35 31 31 30 04 07 02 00 09"},
    {"Combo1 to 立体声回声", [](Form1& f) { f.panels.Combo1.choose(2); },
     [](Form1& f) { return f.panels.Combo1.text() + "@" + enabled(f.panels.HcSlide1); },
     "立体声回声@1111", "A5 67 35 31 31 30 04 07 0A 02 13"},
    {"Combo1 to 关", [](Form1& f) { f.panels.Combo1.choose(0); },
     [](Form1& f) { return f.panels.Combo1.text() + "@" + enabled(f.panels.HcSlide1); }, "关@0000",
     "A5 67 35 31 31 30 04 07 0A 00 11"},
    {"Command5 from 0", [](Form1& f) { f.panels.Command5.click(); },
     [](Form1& f) { return f.panels.Command5.caption(); }, "180", "A5 67 35 31 31 30 04 07 0B 7F 91"},
    {"Command6 from 180",
     [](Form1& f) {
       f.panels.Command6.setCaption("180");
       f.panels.Command6.click();
     },
     [](Form1& f) { return f.panels.Command6.caption(); }, "0", "A5 67 35 31 31 30 04 07 03 00 0A"},
    // One echo slider rewrites all four echo boxes and sends only its own command.
    {"HcSlide1(0) to 40 over stale boxes",
     [](Form1& f) {
       for (int i = 1; i < 4; ++i) f.panels.Text7[i].setText("?");
       f.panels.HcSlide1[0].moveTo(40);
     },
     [](Form1& f) { return join(f.panels.Text7); }, "40%|0ms|20HZ|4KHZ",
     "A5 67 35 31 31 30 04 07 0C 28 3B"},
    {"HcSlide1(1) to 100", [](Form1& f) { f.panels.HcSlide1[1].moveTo(100); },
     [](Form1& f) { return f.panels.Text7[1].text(); }, "200ms", "A5 67 35 31 31 30 04 07 0D 64 78"},
    {"HcSlide1(2) to 306", [](Form1& f) { f.panels.HcSlide1[2].moveTo(306); },
     [](Form1& f) { return f.panels.Text7[2].text(); }, "503HZ",
     "A5 67 35 31 31 30 05 07 0E 01 32 48"},
    {"HcSlide1(3) to 405", [](Form1& f) { f.panels.HcSlide1[3].moveTo(405); },
     [](Form1& f) { return f.panels.Text7[3].text(); }, "4.05KHZ",
     "A5 67 35 31 31 30 05 07 0F 00 05 1B"},
    {"ReSlide2(0) to 100 over stale boxes",
     [](Form1& f) {
       for (int i = 1; i < 4; ++i) f.panels.Text9[i].setText("?");
       f.panels.ReSlide2[0].moveTo(100);
     },
     [](Form1& f) { return join(f.panels.Text9); }, "100ms|0s|20HZ|4KHZ",
     "A5 67 35 31 31 30 04 07 04 64 6F"},
    {"ReSlide2(1) to 37", [](Form1& f) { f.panels.ReSlide2[1].moveTo(37); },
     [](Form1& f) { return f.panels.Text9[1].text(); }, "3.7s", "A5 67 35 31 31 30 04 07 05 25 31"},
    {"ReSlide2(2) to 472", [](Form1& f) { f.panels.ReSlide2[2].moveTo(472); },
     [](Form1& f) { return f.panels.Text9[2].text(); }, "1001HZ",
     "A5 67 35 31 31 30 05 07 06 01 D8 E6"},
    {"ReSlide2(3) to 1800", [](Form1& f) { f.panels.ReSlide2[3].moveTo(1800); },
     [](Form1& f) { return f.panels.Text9[3].text(); }, "18KHZ",
     "A5 67 35 31 31 30 05 07 07 05 78 8B"},
    {"ctSlide1(1) to 50", [](Form1& f) { f.ctSlide1[1].moveTo(50); },
     [](Form1& f) { return f.Text8[1].text(); }, "回声+混响", "A5 67 35 31 31 30 04 07 09 32 42"},
    {"ctSlide1(1) to 80", [](Form1& f) { f.ctSlide1[1].moveTo(80); },
     [](Form1& f) { return f.Text8[1].text(); }, "混响 80%", "A5 67 35 31 31 30 04 07 09 50 60"},
    {"ctSlide1(1) to 20", [](Form1& f) { f.ctSlide1[1].moveTo(20); },
     [](Form1& f) { return f.Text8[1].text(); }, "回声 80%", "A5 67 35 31 31 30 04 07 09 14 24"},
    // The effect volume and the proportion rewrite each other's box.
    {"ctSlide1(0) to 50 beyond a stale proportion box",
     [](Form1& f) {
       f.Text8[1].setText("?");
       f.ctSlide1[0].moveTo(60);
     },
     [](Form1& f) { return f.Text8[0].text() + "|" + f.Text8[1].text(); }, "50|混响 100%",
     "A5 67 35 31 31 30 04 07 08 32 41"},
};

INSTANTIATE_TEST_SUITE_P(Effect, ControlCases, ::testing::ValuesIn(kCases), caseName);

struct EffectOff : testing::PanelTest {};

// Turning an effect off sends only the list's command and leaves the
// proportion where the processor has it, box and slider agreeing; another
// entry makes the sliders usable again.
TEST_F(EffectOff, ListCommandAloneAndProportionKept) {
  goOnline();
  form().ctSlide1[1].moveTo(30);
  settle();
  for (ComboBox* list : {&panels().Combo1, &panels().Combo2}) {
    list->choose(0);
    EXPECT_EQ(form().ctSlide1[1].value(), 30);
    EXPECT_EQ(form().Text8[1].text(), "回声 70%");
    const std::vector<Bytes> frames = sent();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_NE(frames[0][8], 0x09) << "not the proportion's command";
    settle();
  }
  panels().Combo1.choose(1);
  panels().Combo2.choose(3);
  EXPECT_EQ(enabled(panels().HcSlide1), "1111");
  EXPECT_EQ(enabled(panels().ReSlide2), "1111");
}

TEST(EffectStart, ProportionBoxAndSliderAgree) {
  testing::Rig rig;
  EXPECT_EQ(rig.form.ctSlide1[1].value(), 100);
  EXPECT_EQ(rig.form.Text8[1].text(), "混响 100%");
  EXPECT_EQ(rig.form.ctSlide1[0].max(), 50);
}

}  // namespace
}  // namespace kavel
