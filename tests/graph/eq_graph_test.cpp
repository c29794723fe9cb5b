#include "graph/eq_graph.h"

#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace kavel {
namespace {

using Event = std::tuple<int, double, double, double>;

// A graph on a control of 900 x 276 pixels (plot 858 x 250) that records its
// Changed events. Text sizes: 6 pixels a character, 12 high (7 for the hint).
struct GraphFixture {
  explicit GraphFixture(EqVariant v, int bands = 7, double width = 900, double height = 276)
      : graph(v, flags) {
    graph.resize(width, height);
    graph.InitEQ(bands);
    graph.Changed.connect([this](int i, double f, double db, double q) {
      events.emplace_back(i, f, db, q);
    });
  }
  EqFlags flags;
  EqGraph graph;
  std::vector<Event> events;
};

TEST(EqGraphInit, CountOutsideOneToThirtyIsRefused) {
  GraphFixture g(EqVariant::ucEQLine, 7);
  g.graph.setVal(2, 500, 3, 1);
  EXPECT_FALSE(g.graph.InitEQ(0));
  EXPECT_FALSE(g.graph.InitEQ(31));
  EXPECT_EQ(g.graph.count(), 7);
  EXPECT_EQ(g.graph.band(2).F, 500);
  ASSERT_TRUE(g.graph.InitEQ(30));
  ASSERT_EQ(g.graph.imgP().size(), 30u);
  for (int i = 0; i < 30; ++i) {
    EXPECT_EQ(g.graph.lblP()[i].caption, std::to_string(i + 1));
    EXPECT_TRUE(g.graph.imgP()[i].visible && g.graph.lblP()[i].visible);
    EXPECT_EQ(g.graph.band(i).F, 0);  // every band starts at 0 / 0 / 0
  }
}

TEST(EqGraphInit, CountChangesRemoveOrAddNumberedMarkers) {
  GraphFixture g(EqVariant::MicEQLine, 13);
  g.graph.setNcap("低");
  ASSERT_TRUE(g.graph.InitEQ(5));
  EXPECT_EQ(g.graph.imgP().size(), 5u);
  EXPECT_EQ(g.graph.lblP().size(), 5u);
  ASSERT_TRUE(g.graph.InitEQ(9));
  ASSERT_EQ(g.graph.lblP().size(), 9u);
  EXPECT_EQ(g.graph.lblP()[0].caption, "1");
  EXPECT_EQ(g.graph.lblP()[8].caption, "9");
  EXPECT_TRUE(g.events.empty());  // nothing is selected, nothing reported
}

TEST(EqGraphSet, EachSetRaisesOneChangedAndDropsTheSelection) {
  GraphFixture g(EqVariant::ucEQLine, 7);
  g.graph.setVal(2, 500, 3, 1.5);
  g.events.clear();
  g.graph.setF(2, 1000);
  ASSERT_EQ(g.events.size(), 1u);
  EXPECT_EQ(g.events[0], Event(2, 1000, 3, 1.5));
  EXPECT_EQ(g.graph.selected(), -1);
  // Band 2 stays shaded and its hint stays up until the next redraw.
  EXPECT_FALSE(g.graph.scene().highlight.empty());
  EXPECT_TRUE(g.graph.Label1().visible);
  g.graph.redraw();
  EXPECT_TRUE(g.graph.scene().highlight.empty());
  EXPECT_FALSE(g.graph.Label1().visible);
  EXPECT_EQ(g.events.size(), 1u);

  g.graph.setDB(4, -2);
  g.graph.setQ(4, 7);
  EXPECT_EQ(g.events.back(), Event(4, 0, -2, 7));
  EXPECT_EQ(g.events.size(), 3u);
}

TEST(EqGraphSet, IndexOutsideTheBandsChangesNothing) {
  GraphFixture g(EqVariant::MicEQLine, 7);
  const std::vector<double> before = g.graph.scene().curve;
  g.graph.setDB(7, 3);
  g.graph.setF(-1, 100);
  g.graph.setQ(99, 1);
  g.graph.setVal(7, 100, 3, 1, 1);
  g.graph.setT(7, 1);
  EXPECT_TRUE(g.events.empty());
  EXPECT_EQ(g.graph.scene().curve, before);
}

TEST(EqGraphSet, NestedSetFromTheChangedHandlerIsDrawnByTheNextRedraw) {
  GraphFixture g(EqVariant::ucEQLine, 3);
  int nested = 0;
  g.graph.Changed.connect([&](int i, double, double, double) {
    if (i == 0 && nested++ == 0) g.graph.setDB(1, 6);  // skipped redraw, value kept
  });
  g.graph.setVal(0, 1000, 2, 1);
  EXPECT_EQ(nested, 1);
  ASSERT_EQ(g.events.size(), 1u);  // the nested set raised nothing
  EXPECT_EQ(g.graph.band(1).db, 6);
  const double centreRowBefore = g.graph.scene().curve[0];
  g.graph.redraw();
  EXPECT_LT(g.graph.scene().curve[0], centreRowBefore);  // band 1 (at 0 Hz) lifts column 0 now
  EXPECT_FALSE(g.graph.busy());
}

TEST(EqGraphSet, MicTypesAndTheirDefault) {
  GraphFixture g(EqVariant::MicEQLine, 13);
  g.graph.setVal(0, 500, 6, 1, kLowShelf);
  EXPECT_EQ(g.graph.band(0).T, kLowShelf);
  g.graph.setVal(0, 500, 6, 1);  // an omitted type is a peak
  EXPECT_EQ(g.graph.band(0).T, kPeak);
  g.graph.setT(1, kHighShelf);
  EXPECT_EQ(g.graph.band(1).T, kHighShelf);
  EXPECT_EQ(std::get<0>(g.events.back()), 1);
  // The other variants keep no types.
  GraphFixture uc(EqVariant::ucEQLine, 3);
  uc.graph.setVal(0, 500, 6, 1, kLowShelf);
  uc.graph.setT(0, kHighShelf);
  EXPECT_EQ(uc.graph.band(0).T, kPeak);
  EXPECT_EQ(uc.events.size(), 1u);
}

TEST(EqGraphHint, CaptionFormats) {
  struct Case {
    EqVariant v;
    bool effect;
    int index;
    EqBand band;
    const char* caption;
  } cases[] = {
      {EqVariant::ucEQLine, false, 0, {20, 12, 0.3}, "(G:12.0,Q:0.3,F:20)"},
      {EqVariant::ucEQLine, false, 3, {1000.7, 3.5, 1.2}, "(G:3.5,Q:1.2,F:1000)"},
      {EqVariant::ucEQLine, true, 1, {1000.7, 3.5, 1.2}, "(ECHO G:3.5,Q:1.2,F:1000)"},
      {EqVariant::ucEQLine, true, 2, {50, -1, 2}, "(ECHO G:-1.0,Q:2.0,F:50)"},
      {EqVariant::ucEQLine, true, 4, {50, -1, 2}, "(REVE G:-1.0,Q:2.0,F:50)"},
      {EqVariant::ucEQLine1, true, 3, {99.9, 0, 10}, "(REVE G:0.0,Q:10.0,F:99)"},
      {EqVariant::MicEQLine, true, 4, {630, -2, 1.4}, "(G:-2.0,Q:1.4,F:630)"},
      {EqVariant::MicEQLine, false, 0, {630, -2, 2}, "(G:-2.0,Q:2,F:630)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(eqHintCaption(c.v, c.effect, c.index, c.band), c.caption);
  }
}

TEST(EqGraphHint, ReadsTheEffectFlagAndSitsBesideTheNumber) {
  GraphFixture g(EqVariant::ucEQLine, 7);
  g.flags.lastEqWasEffect = true;
  g.graph.setVal(4, 100, 0, 1);
  const TextItem& hint = g.graph.Label1();
  EXPECT_EQ(hint.caption.rfind("(REVE G:", 0), 0u) << hint.caption;
  const TextItem& number = g.graph.lblP()[4];
  EXPECT_EQ(hint.top, number.top);
  EXPECT_EQ(hint.left, number.left + 10);
  // Near the right edge the hint goes to the left of the number.
  g.graph.setVal(5, 20000, 0, 1);
  const TextItem& right = g.graph.lblP()[5];
  ASSERT_LT(g.graph.plot().W - 100, right.left);
  EXPECT_EQ(g.graph.Label1().left, right.left - g.graph.Label1().width);
}

TEST(EqGraphLayout, NumberLabelAboveTheMarkerUnlessItsTopIsBelowThree) {
  // Plot height 25: y(g) = 12 - g, so +5 dB puts a 10-pixel marker's top at 2.
  GraphFixture g(EqVariant::ucEQLine, 2, 300, 51);
  g.graph.setVal(0, 1000, 5, 1);
  g.graph.setVal(1, 100, 4, 1);
  ASSERT_EQ(g.graph.imgP()[0].top, 2);
  ASSERT_EQ(g.graph.imgP()[1].top, 3);
  EXPECT_EQ(g.graph.lblP()[0].top, 12);      // 10 below the marker's top
  EXPECT_EQ(g.graph.lblP()[1].top, 3 - 12);  // bottom on the marker's top
  const EqMarker& m = g.graph.imgP()[1];
  EXPECT_EQ(g.graph.lblP()[1].left, m.left + 5 - 3);  // centred over the marker
  EXPECT_EQ(m.left, freqToX(EqVariant::ucEQLine, g.graph.plot().W, 100) - 5);
}

TEST(EqGraphLayout, AxisLabelsFollowTheSize) {
  GraphFixture g(EqVariant::ucEQLine1, 5, 440, 200);
  EXPECT_EQ(g.graph.plot().W, 398);
  EXPECT_EQ(g.graph.plot().H, 174);
  const TextItem& hz100 = g.graph.lblF()[2];
  EXPECT_EQ(hz100.caption, "100Hz");
  EXPECT_DOUBLE_EQ(hz100.left, 40 + 398 / 1.77851 - 15);
  EXPECT_EQ(hz100.top, 10 + 174 + 3);
  const TextItem& db0 = g.graph.lblDB()[3];
  EXPECT_EQ(db0.caption, "0dB");
  EXPECT_EQ(db0.left, 40 - 18 - 2);
  EXPECT_DOUBLE_EQ(db0.top, 10 + 173 / 2.0 - 6);
  g.graph.resize(500, 226);
  EXPECT_EQ(g.graph.plot().W, 458);
  EXPECT_EQ(g.graph.lblF()[2].top, 10 + 200 + 3);
}

TEST(EqGraphGrid, LinesAndColours) {
  GraphFixture uc(EqVariant::ucEQLine, 3);
  GraphFixture mic(EqVariant::MicEQLine, 3);
  const auto count = [](const EqScene& s, bool vertical, Rgb c) {
    int n = 0;
    for (const EqGridLine& l : s.grid) n += l.vertical == vertical && l.color == c;
    return n;
  };
  // 13 rows, three of them (+12, 0, -12) bright.
  EXPECT_EQ(count(uc.graph.scene(), false, eq_colors::gridMajor), 3);
  EXPECT_EQ(count(uc.graph.scene(), false, eq_colors::gridMinor), 10);
  EXPECT_EQ(count(uc.graph.scene(), true, eq_colors::gridMajor), 4);
  EXPECT_EQ(count(mic.graph.scene(), true, eq_colors::gridMajor), 5);  // and 29500 Hz
  EXPECT_EQ(count(mic.graph.scene(), true, eq_colors::gridMinor), 26);
}

TEST(EqGraphPass, CaptionAndNumberCaptions) {
  GraphFixture g(EqVariant::MicEQLine, 13);
  EXPECT_FALSE(g.graph.Label2().visible);
  g.graph.setEQPASS(true);
  EXPECT_TRUE(g.graph.EQPASS());
  EXPECT_TRUE(g.graph.Label2().visible);
  EXPECT_EQ(g.graph.Label2().caption, "EQ PASS");
  g.graph.setNcap("低");
  g.graph.setNcap1("高");
  EXPECT_EQ(g.graph.ncap(), "低");
  EXPECT_EQ(g.graph.lblP()[1].caption, "高");
  EXPECT_EQ(g.graph.lblP()[0].width, 6);  // one character wide
}

TEST(EqGraphDrag, GrabOffsetStaysUnderThePointer) {
  GraphFixture g(EqVariant::ucEQLine, 3);
  g.graph.setVal(1, 1000, 0, 1);
  const EqMarker start = g.graph.imgP()[1];
  g.graph.markerMouseDown(1, kLeftButton, 3.4, 6.6);  // grab (3, 7)
  EXPECT_EQ(g.graph.pointer(), PointerShape::kSizeAll);
  EXPECT_EQ(g.graph.selected(), 1);
  // The press itself moves the marker by the part of a pixel the grab lost.
  const EqMarker pressed = g.graph.imgP()[1];
  EXPECT_DOUBLE_EQ(pressed.left, start.left + 0.4);
  g.events.clear();
  // 20 pixels right and 30 up of the grab point, seen from the marker.
  g.graph.markerMouseMove(1, kLeftButton, 3 + 20, 7 - 30);
  ASSERT_EQ(g.events.size(), 1u);
  const double W = g.graph.plot().W, H = g.graph.plot().H;
  EXPECT_DOUBLE_EQ(std::get<1>(g.events[0]),
                   xToFreq(EqVariant::ucEQLine, W, pressed.left + 20 + 5));
  EXPECT_DOUBLE_EQ(std::get<2>(g.events[0]), yToGain(H, pressed.top - 30 + 5));
  // Other buttons do not drag; the release redraws and reports again.
  g.graph.markerMouseMove(1, kRightButton, 50, 50);
  g.graph.markerMouseMove(1, kLeftButton | kRightButton, 50, 50);
  EXPECT_EQ(g.events.size(), 1u);
  g.graph.markerMouseUp(1);
  EXPECT_EQ(g.graph.pointer(), PointerShape::kArrow);
  EXPECT_EQ(g.events.size(), 2u);
  EXPECT_EQ(g.graph.selected(), 1);
}

TEST(EqGraphDrag, MicShowsTheHintAtPressAndUsesTheCrossHair) {
  GraphFixture g(EqVariant::MicEQLine, 3);
  g.graph.setVal(0, 1000, 0, 1);
  g.graph.redraw();
  ASSERT_FALSE(g.graph.Label1().visible);
  g.graph.markerMouseDown(0, kRightButton, 4, 4);  // no move step with the right button
  EXPECT_TRUE(g.graph.Label1().visible);
  EXPECT_EQ(g.graph.pointer(), PointerShape::kCross);
  EXPECT_EQ(g.graph.band(0).F, 1000);
}

}  // namespace
}  // namespace kavel
