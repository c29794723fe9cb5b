// The equalizer handlers of the microphone and music panels: band edits,
// band buttons, bypass, shelf mode and reset, with the bytes they send.
#include <gtest/gtest.h>

#include "panel_fixture.h"

namespace kavel {
namespace {

using testing::hexBytes;
using Frames = std::vector<Bytes>;

struct EqHandlers : testing::PanelTest {};

TEST_F(EqHandlers, DraggedBandIsSentAndItsButtonFollowsTheGain) {
  goOnline();
  eq(Eq::Mic).graph.setVal(5, 1000, 3.5, 1.0);
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 08 02 01 05 0A 9B 01 D8 86")});
  EXPECT_EQ(rig.port.writes.front().bytes, Bytes{0xAF}) << "through the probe";
  EXPECT_EQ(eq(Eq::Mic).bandButtons[5].caption(), "ON");
  EXPECT_EQ(eq(Eq::Mic).bandButtons[5].backColor(), colors::green);
  EXPECT_EQ(eq(Eq::Mic).editor(5).db(), 3.5);
  EXPECT_EQ(rig.state().paramIndex, 5);

  eq(Eq::Mic).graph.setVal(5, 1000, 0, 1.0);
  EXPECT_EQ(eq(Eq::Mic).bandButtons[5].caption(), "OFF");
  EXPECT_EQ(eq(Eq::Mic).bandButtons[5].backColor(), colors::darkGrey);
}

TEST_F(EqHandlers, BandButtonSwitchesToZeroAndBackToTheRememberedGain) {
  goOnline();
  eq(Eq::Mic).graph.setVal(4, 1000, 3.5, 1.0);
  settle();
  Button& b = eq(Eq::Mic).bandButtons[4];
  b.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 08 02 01 04 0A 78 01 D8 62")});
  EXPECT_EQ(b.caption(), "OFF");
  settle();
  b.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 08 02 01 04 0A 9B 01 D8 85")});
  EXPECT_EQ(b.caption(), "ON");
  EXPECT_EQ(eq(Eq::Mic).editor(4).db(), 3.5);
}

TEST_F(EqHandlers, OffButtonOfABandNeverRaisedDoesNothing) {
  goOnline();
  eq(Eq::Music).bandButtons[7].click();
  EXPECT_TRUE(sent().empty());
  EXPECT_TRUE(rig.port.writes.empty());
  EXPECT_EQ(eq(Eq::Music).bandButtons[7].caption(), "OFF");
  EXPECT_FALSE(rig.anyTimer());
}

TEST_F(EqHandlers, BypassHoldsBandEditsAndReleasesThemWithAllGains) {
  goOnline();
  panels().dcButton7.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 11 02 0C 78 78 78 78 78 78 78 78 78 78 78 "
                                    "78 78 7F A5")});
  EXPECT_TRUE(eq(Eq::Mic).graph.EQPASS());
  EXPECT_EQ(panels().dcButton7.backColor(), colors::brightGreen);
  settle();
  eq(Eq::Mic).graph.setVal(2, 1000, 6, 1.0);
  EXPECT_TRUE(sent().empty()) << "the bypass holds band edits";
  EXPECT_EQ(eq(Eq::Mic).graph.band(2).db, 6);
  panels().dcButton7.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 11 02 0C 78 78 B4 78 78 78 78 78 78 78 78 "
                                    "78 78 00 62")});
  EXPECT_FALSE(eq(Eq::Mic).graph.EQPASS());
  EXPECT_TRUE(rig.state().micEqActive);
}

// A band edit that may not be sent stops a probe in progress on the music
// EQ; on the microphone EQ it leaves the probe alone.
TEST_F(EqHandlers, HeldBandEditStopsTheProbeOnlyOnTheMusicEq) {
  goOnline();
  panels().dcButton9.click();  // bypass on: a probe for command 102 starts
  eq(Eq::Music).graph.setVal(3, 1000, 2, 1.0);
  EXPECT_TRUE(sent().empty());
  EXPECT_TRUE(rig.port.writes.empty());

  panels().dcButton7.click();  // the same on the microphone EQ
  eq(Eq::Mic).graph.setVal(3, 1000, 2, 1.0);
  const Frames frames = sent();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0][8], 0x0C) << "the bypass command still goes out";
}

TEST_F(EqHandlers, ShelfOnMovesBand1To1000HzWithoutABandCommand) {
  goOnline();
  eq(Eq::Mic).graph.setVal(1, 500, 0, 10.4);
  settle();
  panels().Command10.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 04 02 0A 7F 8B")});
  EXPECT_GT(rig.port.writes.front().bytes.size(), 1u) << "Timer2 starts without a probe";
  EXPECT_EQ(eq(Eq::Mic).editor(1).F(), 1000);
  EXPECT_EQ(eq(Eq::Mic).graph.band(1).F, 1000);
  EXPECT_EQ(eq(Eq::Mic).graph.band(1).T, kHighShelf);
  EXPECT_EQ(eq(Eq::Mic).editor(0).T(), kLowShelf);
  EXPECT_FALSE(eq(Eq::Mic).editor(0).QEnabled());
  EXPECT_EQ(eq(Eq::Mic).graph.ncap(), "低");
  EXPECT_EQ(panels().Command10.caption(), "LH-PASS ON");
  EXPECT_EQ(panels().Command10.backColor(), colors::brightGreen);
  EXPECT_TRUE(rig.state().eqSendEnabled);

  // While the shelves are on, band 0 cannot rise above 1000 Hz.
  settle();
  eq(Eq::Mic).editor(0).setF(4000);
  eq(Eq::Mic).editor(0).FChanged.emit(4000);
  EXPECT_EQ(eq(Eq::Mic).editor(0).F(), 1000);
  EXPECT_EQ(eq(Eq::Mic).graph.band(0).F, 1000);

  settle();
  panels().Command10.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 04 02 0A 00 0C")});
  EXPECT_EQ(panels().Command10.caption(), "LH-PASS OFF");
  EXPECT_EQ(eq(Eq::Mic).graph.ncap1(), "2");
  EXPECT_TRUE(eq(Eq::Mic).editor(1).QEnabled());
  EXPECT_EQ(eq(Eq::Mic).editor(1).T(), kPeak);
}

TEST_F(EqHandlers, MusicShelfOnlineStartsTimer2AtOnce) {
  goOnline();
  panels().dcButton8.click();
  EXPECT_TRUE(rig.timers().timer2->enabled());
  EXPECT_FALSE(rig.timers().timer1->enabled());
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 04 03 0F 7F 91")});
  EXPECT_TRUE(rig.state().musicShelfMode);
}

TEST_F(EqHandlers, ResetSendsOneCommandAndKeepsTheRememberedGains) {
  goOnline();
  eq(Eq::Mic).graph.setVal(3, 1000, 5, 1.0);
  settle();
  panels().Command1.click();
  EXPECT_EQ(sent(), Frames{hexBytes("A5 67 35 31 31 30 04 02 09 00 0B")});
  for (int band = 0; band < 13; ++band) {
    EXPECT_EQ(eq(Eq::Mic).graph.band(band).db, 0) << band;
    EXPECT_EQ(eq(Eq::Mic).bandButtons[band].caption(), "OFF") << band;
  }
  EXPECT_EQ(rig.state().savedGainMic[3], 5);
  EXPECT_TRUE(panels().Command1.enabled());
  eq(Eq::Mic).bandButtons[3].click();
  EXPECT_EQ(eq(Eq::Mic).editor(3).db(), 5) << "the band comes back to its last gain";
}

TEST_F(EqHandlers, OfflineEditsChangeOnlyThePanel) {
  eq(Eq::Mic).graph.setVal(6, 2000, -4, 2);
  panels().Command10.click();
  panels().dcButton9.click();
  panels().Command16.click();
  rig.clock.advance(300);
  EXPECT_TRUE(rig.port.writes.empty());
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_EQ(eq(Eq::Mic).bandButtons[6].caption(), "ON");
  EXPECT_EQ(panels().Command10.caption(), "LH-PASS ON");
  EXPECT_TRUE(eq(Eq::Music).graph.EQPASS());
}

}  // namespace
}  // namespace kavel
