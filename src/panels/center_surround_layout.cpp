// The center and surround panel: two halves side by side, center on the
// left and surround on the right, each a 3-band equalizer (graph across the
// half, band editors under it at the left) with its levels, delay and phase
// in a column beside the band editors.
#include "graph/eq_graph_sizes.h"
#include "panels/panel_layout.h"
#include "window/form1.h"

namespace kavel {

using namespace panel_layout;

namespace {

constexpr int kHalfWidth = 448;   // the graph's 440 and a margin
constexpr int kHalfGap = 17;      // between the halves
constexpr int kColumnGap = 16;    // between the band editors and the levels
constexpr int kLabelWidth = 84;   // "麦克风到中置"
constexpr int kBoxWidth = 48;     // "200"

int halfLeft(Eq eq) { return eq == Eq::Center ? kLeft : kLeft + kHalfWidth + kHalfGap; }

void placeHalf(Form1& f, Eq eq, const std::vector<Row>& rows) {
  const EqPlace place = eqPlace(eq);
  placeBandButtons(f, eq, place);
  const int left = place.editors.back().left + kEditorWidth + kColumnGap;
  const int right = place.graph.left + place.graph.width;
  stackRows(rows, left, right - left, kEditorsTop + kGroupGap);
}

Row levelRow(Label& label, Slider& slider, TextBox& box, int gap = kGap) {
  return {{{&label, kLabelWidth}, {&slider, 0}, {&box, kBoxWidth}}, gap};
}

}  // namespace

EqPlace centerSurroundPlace(Eq eq) {
  const int left = halfLeft(eq);
  const EqGraphSize size = eq == Eq::Center ? kucEQLine4Size : kucEQLine5Size;
  EqPlace p{{left, kTop, size.width, size.height}, {}};
  for (int i = 0; i < bandCount(eq); ++i)
    p.editors.push_back({left + i * kEditorWidth, kEditorsTop, kEditorWidth, kEditorHeight});
  return p;
}

void placeCenterSurroundPanel(Form1& f) {
  CenterSurroundPanel& p = f.panels;
  ControlArray<Label>& l = f.panels.Label7;
  placeHalf(f, Eq::Center,
            {levelRow(l[4], p.ctSlide2[0], p.Text11[0], 0),
             levelRow(l[5], p.ctSlide2[1], p.Text11[1]),
             levelRow(l[6], p.ctSlide2[2], p.Text11[2]),
             {{{&l[18], kLabelWidth}, {&p.Command14, kBoxWidth}}, kGroupGap}});
  placeHalf(f, Eq::Surround,
            {levelRow(l[0], p.ctSlide3[0], p.Text10[0], 0),
             levelRow(l[1], p.ctSlide3[1], p.Text10[1]),
             levelRow(l[2], p.ctSlide3[2], p.Text10[2]),
             levelRow(l[3], p.ctSlide3[3], p.Text10[3], kGroupGap),
             {{{&l[19], kLabelWidth}, {&p.Command15, kBoxWidth}}, kGroupGap}});
  for (int i : {0, 1, 2, 3, 4, 5, 6, 18, 19}) l[i].setForeColor(colors::white);
}

}  // namespace kavel
