// The EQ graph widget driven by synthesized mouse events, and its pixels.
#include <cmath>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "graph/eq_graph.h"
#include "qt/eq_graph_widget.h"

namespace kavel {
namespace {

struct Reported {
  int index;
  double F, db, Q;
};

// A graph widget of 900 x 226 pixels (plot 858 x 200) with its model.
struct GraphView {
  explicit GraphView(EqVariant v, int bands = 3) : graph(v, flags), view(graph) {
    view.resize(900, 226);
    graph.resize(900, 226);
    graph.InitEQ(bands);
    graph.Changed.connect([this](int i, double f, double db, double q) {
      reported.push_back({i, f, db, q});
    });
  }
  // The marker's centre in widget pixels.
  QPointF centre(int j) const {
    const EqMarker& m = graph.imgP()[j];
    const double half = graph.markerSize() / 2;
    return {EqGraph::kPlotLeft + m.left + half, EqGraph::kPlotTop + m.top + half};
  }
  void send(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, pos, view.mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &e);
  }
  // Grabs marker j at its centre, moves the pointer by (dx, dy) in steps and lets go.
  void drag(int j, double dx, double dy) {
    const QPointF start = centre(j);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    for (int k = 1; k <= 10; ++k) {
      send(QEvent::MouseMove, start + QPointF(dx * k / 10, dy * k / 10), Qt::NoButton,
           Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, start + QPointF(dx, dy), Qt::LeftButton, Qt::NoButton);
  }
  double centreX(int j) const { return centre(j).x() - EqGraph::kPlotLeft; }
  double x(double hz) const { return freqToX(graph.variant(), graph.plot().W, hz); }

  EqFlags flags;
  EqGraph graph;
  EqGraphWidget view;
  std::vector<Reported> reported;
};

TEST(EqGraphWidget, DragToTheRightStopsAtTheUpperFrequency) {
  struct Case {
    EqVariant v;
    double upper;
  } cases[] = {{EqVariant::ucEQLine, 20000}, {EqVariant::MicEQLine, 20000},
               {EqVariant::ucEQLine1, 400}};
  for (const Case& c : cases) {
    GraphView g(c.v);
    g.graph.setVal(1, 100, 0, 2);
    g.reported.clear();
    g.drag(1, 2000, 0);
    ASSERT_FALSE(g.reported.empty());
    EXPECT_EQ(g.reported.back().index, 1);
    EXPECT_EQ(g.reported.back().F, c.upper);
    EXPECT_NEAR(g.centreX(1), g.x(c.upper), 1e-9);
    g.drag(1, -3000, 0);
    EXPECT_NEAR(g.reported.back().F, 20, 1e-9);
    EXPECT_NEAR(g.centreX(1), g.x(20), 1e-9);
  }
}

TEST(EqGraphWidget, DragAboveOrBelowThePlotStopsOnItsEdge) {
  GraphView g(EqVariant::ucEQLine);
  g.graph.setVal(0, 1000, 0, 2);
  g.drag(0, 0, -500);
  EXPECT_EQ(g.reported.back().db, 12);
  EXPECT_DOUBLE_EQ(g.graph.imgP()[0].top, gainToY(200, 12) - 5);
  g.drag(0, 0, 900);
  EXPECT_EQ(g.reported.back().db, -12);
}

TEST(EqGraphWidget, MicShelfBandsKeepToTheirSideOf1kHz) {
  struct Case {
    bool shelf, micShown, musicShelf, musicShown;
    int band;
    double dx;        // pixels of the drag
    double expectHz;  // where it stops (0: not held, anywhere inside)
  } cases[] = {
      {true, true, false, false, 0, 2000, 1000},   // low shelf not above 1 kHz
      {true, true, false, false, 1, -2000, 1000},  // high shelf not below
      {true, true, false, false, 1, 2000, 20000},
      {true, true, false, false, 0, -2000, 20},
      {false, false, true, true, 0, 2000, 1000},   // the music panel's shelf mode
      {false, true, false, false, 0, 2000, 20000},  // shelf off: full range
      {false, true, false, false, 1, -2000, 20},
      {true, false, false, false, 0, 2000, 20000},  // microphone panel not shown
      {true, true, false, false, 2, 2000, 20000},   // other bands are never held
  };
  for (const Case& c : cases) {
    GraphView g(EqVariant::MicEQLine);
    g.flags = {c.shelf, c.musicShelf, c.micShown, c.musicShown, false};
    g.graph.setVal(c.band, c.band == 1 ? 5000 : 200, 0, 2);
    g.drag(c.band, c.dx, 0);
    EXPECT_NEAR(g.reported.back().F, c.expectHz, 1e-9) << c.band << " " << c.dx;
    EXPECT_NEAR(g.centreX(c.band), g.x(c.expectHz), 1e-9);
  }
}

TEST(EqGraphWidget, PressAndReleaseSetTheCursorAndOnlyMarkersCatchThePointer) {
  GraphView g(EqVariant::ucEQLine1);
  g.graph.setVal(0, 100, 0, 2);
  g.send(QEvent::MouseButtonPress, QPointF(300, 150), Qt::LeftButton, Qt::LeftButton);
  g.send(QEvent::MouseMove, QPointF(320, 150), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(g.reported.size(), 1u);  // a press beside the markers does nothing
  g.send(QEvent::MouseButtonRelease, QPointF(320, 150), Qt::LeftButton, Qt::NoButton);
  g.send(QEvent::MouseButtonPress, g.centre(0), Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(g.view.cursor().shape(), Qt::CrossCursor);
  g.send(QEvent::MouseButtonRelease, g.centre(0), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(g.view.cursor().shape(), Qt::ArrowCursor);
  GraphView uc(EqVariant::ucEQLine);
  uc.send(QEvent::MouseButtonPress, uc.centre(2), Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(uc.view.cursor().shape(), Qt::SizeAllCursor);
  EXPECT_EQ(uc.graph.selected(), 2);
}

TEST(EqGraphWidget, RenderedGridAndCurveColours) {
  GraphView g(EqVariant::ucEQLine, 1);
  g.graph.setVal(0, 1000, 6, 2);
  g.graph.redraw();  // no highlight
  QImage img(g.view.size(), QImage::Format_RGB32);
  g.view.render(&img);
  const auto at = [&](double plotX, double plotY) {
    return QColor(img.pixel(int(EqGraph::kPlotLeft + plotX), int(EqGraph::kPlotTop + plotY)));
  };
  const int col50 = int(std::lround(g.x(50)));     // a dim vertical line
  const int col100 = int(std::lround(g.x(100)));   // a bright one
  const double y2 = gainToY(200, 2), y12 = gainToY(200, 12);
  // Rows: y(2) = 91.54 -> 92 is dim; y(12) = 0 is bright. Off the curve, far left.
  EXPECT_EQ(at(col50, 30), QColor(0, 64, 0));
  EXPECT_EQ(at(col100, 30), QColor(0, 128, 0));
  EXPECT_EQ(at(3, std::lround(y2)), QColor(0, 64, 0));
  EXPECT_EQ(at(3, y12), QColor(0, 128, 0));
  EXPECT_EQ(at(0, 50), QColor(0, 128, 0));  // the left edge line
  EXPECT_EQ(at(3, 30), QColor(0, 0, 0));
  // The curve's own colour at the band's column and far from it.
  const int peak = int(std::lround(g.x(1000))) + 15;  // clear of the marker
  const int curveRow = int(g.graph.scene().curve[peak]);
  bool found = false;
  for (int dy = -1; dy <= 1; ++dy) found |= at(peak, curveRow + dy) == QColor(26, 172, 255);
  EXPECT_TRUE(found) << curveRow;
  const int flatRow = int(g.graph.scene().curve[800]);
  EXPECT_TRUE(at(800, flatRow) == QColor(26, 172, 255) || at(800, flatRow - 1) == QColor(26, 172, 255));
}

TEST(EqGraphWidget, HighlightShadesTheSelectedBand) {
  GraphView g(EqVariant::ucEQLine, 1);
  g.graph.setVal(0, 1000, 10, 2);  // stays shaded
  QImage img(g.view.size(), QImage::Format_RGB32);
  g.view.render(&img);
  const int col = int(std::lround(g.x(1000))) + 20;
  const int mid = int((g.graph.scene().highlight[col] + gainToY(200, 0)) / 2);
  EXPECT_EQ(QColor(img.pixel(int(EqGraph::kPlotLeft) + col, int(EqGraph::kPlotTop) + mid)),
            QColor(60, 50, 50));
}

}  // namespace
}  // namespace kavel
