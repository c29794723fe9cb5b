// The center and surround panel's level sliders, delay and phases: the
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
    {"ctSlide2(0) to 30", [](Form1& f) { f.panels.ctSlide2[0].moveTo(30); },
     [](Form1& f) { return f.panels.Text11[0].text(); }, "30", "A5 67 35 31 31 30 04 05 02 1E 25"},
    {"ctSlide2(1) to 80", [](Form1& f) { f.panels.ctSlide2[1].moveTo(80); },
     [](Form1& f) { return f.panels.Text11[1].text(); }, "80", "A5 67 35 31 31 30 04 05 03 50 58"},
    {"ctSlide2(2) past its end", [](Form1& f) { f.panels.ctSlide2[2].moveTo(95); },
     [](Form1& f) { return f.panels.Text11[2].text(); }, "80", "A5 67 35 31 31 30 04 05 04 50 59"},
    {"ctSlide3(0) to 10", [](Form1& f) { f.panels.ctSlide3[0].moveTo(10); },
     [](Form1& f) { return f.panels.Text10[0].text(); }, "10", "A5 67 35 31 31 30 04 06 02 0A 12"},
    {"ctSlide3(1) to 20", [](Form1& f) { f.panels.ctSlide3[1].moveTo(20); },
     [](Form1& f) { return f.panels.Text10[1].text(); }, "20", "A5 67 35 31 31 30 04 06 03 14 1D"},
    {"ctSlide3(2) to 80", [](Form1& f) { f.panels.ctSlide3[2].moveTo(80); },
     [](Form1& f) { return f.panels.Text10[2].text(); }, "80", "A5 67 35 31 31 30 04 06 04 50 5A"},
    // The delay is code 0x06; 0x05 is the surround phase.
    {"ctSlide3(3) to 200", [](Form1& f) { f.panels.ctSlide3[3].moveTo(200); },
     [](Form1& f) { return f.panels.Text10[3].text(); }, "200", "A5 67 35 31 31 30 04 06 06 C8 D4"},
    {"Command14 from 0", [](Form1& f) { f.panels.Command14.click(); },
     [](Form1& f) { return f.panels.Command14.caption(); }, "180", "A5 67 35 31 31 30 04 05 05 7F 89"},
    {"Command15 from 0", [](Form1& f) { f.panels.Command15.click(); },
     [](Form1& f) { return f.panels.Command15.caption(); }, "180", "A5 67 35 31 31 30 04 06 05 7F 8A"},
};

INSTANTIATE_TEST_SUITE_P(CenterSurround, ControlCases, ::testing::ValuesIn(kCases), caseName);

struct CenterSurroundRows : testing::PanelTest {};

TEST_F(CenterSurroundRows, AMoveRewritesEveryBoxOfItsGroup) {
  panels().ctSlide2[0].setValue(40);  // from code: no event, no display
  panels().ctSlide2[2].moveTo(7);
  EXPECT_EQ(panels().Text11[0].text(), "40");
  EXPECT_EQ(panels().Text11[2].text(), "7");
  panels().ctSlide3[3].setValue(150);
  panels().ctSlide3[0].moveTo(5);
  EXPECT_EQ(panels().Text10[3].text(), "150");
  EXPECT_EQ(panels().Text10[0].text(), "5");
}

// A reply "358205" with any fourth byte retires the shared level command.
TEST_F(CenterSurroundRows, SharedCommandRetiredOnSixCharacters) {
  goOnline();
  processor.acknowledge = false;
  processor.answer = [](const Bytes&) -> std::optional<Bytes> {
    return Bytes{0x35, 0x82, 0x05, 0x77};
  };
  panels().ctSlide2[1].moveTo(80);
  EXPECT_EQ(sent(), std::vector<Bytes>{hexBytes("A5 67 35 31 31 30 04 05 03 50 58")});
  EXPECT_EQ(rig.state().paramCode, 0x03);
  EXPECT_EQ(rig.state().paramIndex, 1);
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST_F(CenterSurroundRows, SurroundPhaseTwiceSends180Then0) {
  goOnline();
  panels().Command15.click();
  EXPECT_EQ(panels().Command15.caption(), "180");
  rig.clock.advance(300);
  panels().Command15.click();
  EXPECT_EQ(panels().Command15.caption(), "0");
  EXPECT_EQ(sent(), (std::vector<Bytes>{hexBytes("A5 67 35 31 31 30 04 06 05 7F 8A"),
                                        hexBytes("A5 67 35 31 31 30 04 06 05 00 0B")}));
}

}  // namespace
}  // namespace kavel
