// The effect panel: the 7-band effect equalizer on the left, its editors
// under the echo heading (bands 0 to 2) and the reverb heading (bands 3 to
// 6); on the right the echo group, the reverb group (each a list, a phase
// and four sliders) and the echo/reverb proportion. No control of this
// panel depends on the device model.
#include "panels/panel_layout.h"
#include "window/form1.h"

namespace kavel {

using namespace panel_layout;

namespace {

constexpr int kLabelWidth = 60;  // "回声延时"
constexpr int kBoxWidth = 66;    // "回声+混响", "4.25KHZ"
constexpr int kEffectRowHeight = 24;
constexpr int kEffectRowGap = 6;
constexpr int kEchoBands = 3;    // bands 0..2 under the echo heading

// A heading over editors `first` .. `last`, in the row between graph and editors.
void placeHeading(Label& heading, const EqPlace& eq, int first, int last) {
  const int graphBottom = eq.graph.top + eq.graph.height;
  const Geometry& a = eq.editors[first];
  const Geometry& b = eq.editors[last];
  heading.setGeometry({a.left, graphBottom, b.left + b.width - a.left, kEditorsTop - graphBottom});
}

// A list, a phase and four sliders with their boxes.
void addEffectRows(std::vector<Row>& rows, int gapBefore, Label& listLabel, Control& list,
                   Label& phaseLabel, Control& phase, std::initializer_list<Label*> labels,
                   ControlArray<Slider>& sliders, ControlArray<TextBox>& boxes) {
  rows.push_back({{{&listLabel, kLabelWidth}, {&list, 0}}, gapBefore, kEffectRowHeight});
  rows.push_back({{{&phaseLabel, kLabelWidth}, {&phase, kBoxWidth}}, kEffectRowGap,
                  kEffectRowHeight});
  int i = 0;
  for (Label* label : labels) {
    rows.push_back({{{label, kLabelWidth}, {&sliders[i], 0}, {&boxes[i], kBoxWidth}},
                    kEffectRowGap, kEffectRowHeight});
    ++i;
  }
}

}  // namespace

void placeEffectPanel(Form1& f) {
  EffectPanel& p = f.panels;
  auto& l = f.Label3;
  for (int i : {6, 18, 9, 10, 11, 12, 13, 20, 14, 15, 16, 17, 8, 21, 22})
    l[i].setForeColor(colors::white);
  const EqPlace eq = eqPlace(Eq::Effect);
  placeHeading(l[21], eq, 0, kEchoBands - 1);
  placeHeading(l[22], eq, kEchoBands, int(eq.editors.size()) - 1);
  placeBandButtons(f, Eq::Effect, eq);
  std::vector<Row> rows;
  addEffectRows(rows, 0, l[6], p.Combo1, l[18], p.Command5, {&l[9], &l[10], &l[11], &l[12]},
                p.HcSlide1, p.Text7);
  addEffectRows(rows, 3 * kEffectRowGap, l[13], p.Combo2, l[20], p.Command6,
                {&l[14], &l[15], &l[16], &l[17]}, p.ReSlide2, p.Text9);
  rows.push_back({{{&l[8], kLabelWidth}, {&f.ctSlide1[1], 0}, {&f.Text8[1], kBoxWidth}},
                  3 * kEffectRowGap, kEffectRowHeight});
  stackRows(rows, kColumnLeft, kColumnWidth, kTop);
}

}  // namespace kavel
