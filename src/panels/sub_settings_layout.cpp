// The subwoofer and settings panel: the 5-band subwoofer equalizer on the
// left with the memory mode buttons beside its band editors; on the right
// the subwoofer rows (volume, crossover, low cut, phase) and the framed
// settings: volume limits and start-up volumes, the singing volume, then
// mode, initialisation and key lock beside the switching-time bar.
#include "panels/panel_layout.h"
#include "window/form1.h"

namespace kavel {

using namespace panel_layout;

namespace {

constexpr int kSubLabelWidth = 66;   // "超低音音量"
constexpr int kBoxWidth = 52;        // "400Hz", "150HZ"
constexpr int kSettingLabelWidth = 104;  // "麦克风初始化音量"
constexpr int kVolumeBoxWidth = 36;  // "80"
constexpr int kFrameTitle = 18;
constexpr int kPad = 6;
constexpr int kSwitchLabelWidth = 66;  // "超低音模式"
constexpr int kSwitchWidth = 52;       // "自动", "OFF"
constexpr int kBarColumnWidth = 92;    // "超低音切换时间"
constexpr int kBarWidth = 17;
constexpr int kOptionColumns = 2;
constexpr int kOptionRowHeight = 24;

// The memory modes beside the band editors, two columns of five.
void placeModes(SubSettingsPanel& p, const EqPlace& eq) {
  const int left = eq.editors.back().left + kEditorWidth + 10;
  const int right = eq.graph.left + eq.graph.width;
  const Geometry area{left, kEditorsTop, right - left, kBottom - kEditorsTop};
  p.Shape2.setGeometry(area);
  const int rows = 10 / kOptionColumns;
  const int columnWidth = (area.width - 2 * kPad) / kOptionColumns;
  const int top = area.top + kFrameTitle;
  const int step = (area.height - kFrameTitle - kPad - kOptionRowHeight) / (rows - 1);
  for (int i = 0; i < 10; ++i) {
    const int column = i / rows, row = i % rows;
    p.mOption[i].setGeometry({area.left + kPad + column * columnWidth + 24, top + row * step,
                              columnWidth - 30, kOptionRowHeight});
  }
}

// Inside the settings frame from `top`: the five volumes, then the three
// switches beside the switching-time bar (label, bar, box).
void placeSettings(Form1& f, int top) {
  SubSettingsPanel& p = f.panels;
  auto& l = f.panels.Label7;
  const Geometry frame{kColumnLeft, top, kColumnWidth, kBottom - top};
  p.Shape1.setGeometry(frame);
  const int left = frame.left + kPad, width = frame.width - 2 * kPad;
  std::vector<Row> volumes;
  const std::pair<Slider*, TextBox*> sliders[] = {{&p.ctSlide5, &p.Text13},
                                                  {&p.ctSlide6, &p.Text14},
                                                  {&p.ctSlide7, &p.Text15},
                                                  {&p.ctSlide8, &p.Text16},
                                                  {&p.ctSlide9, &p.Text17}};
  int label = 10;
  for (const auto& [slider, box] : sliders)
    volumes.push_back({{{&l[label++], kSettingLabelWidth}, {slider, 0}, {box, kVolumeBoxWidth}}});
  const int switchesTop = stackRows(volumes, left, width, top + kFrameTitle) + kGroupGap;
  const int switchesWidth = width - kBarColumnWidth - kGap;
  stackRows({{{{&l[16], kSwitchLabelWidth}, {&p.Command11, kSwitchWidth}}},
             {{{&l[17], kSwitchLabelWidth}, {&p.Command12, kSwitchWidth}}},
             {{{&p.Label12, kSwitchLabelWidth}, {&p.dcButton10, kSwitchWidth}}}},
            left, switchesWidth, switchesTop);
  const int barLeft = left + switchesWidth + kGap;
  const int bottom = frame.top + frame.height - kPad;
  l[15].setGeometry({barLeft, switchesTop, kBarColumnWidth, 16});
  p.Text18.setGeometry({barLeft + (kBarColumnWidth - kVolumeBoxWidth) / 2, bottom - kRowHeight,
                        kVolumeBoxWidth, kRowHeight});
  const int barTop = switchesTop + 16 + kGap;
  p.VScroll3.setGeometry({barLeft + (kBarColumnWidth - kBarWidth) / 2, barTop, kBarWidth,
                          bottom - kRowHeight - kGap - barTop});
}

}  // namespace

void placeSubSettingsPanel(Form1& f) {
  SubSettingsPanel& p = f.panels;
  auto& l = f.panels.Label7;
  for (int i : {7, 8, 20, 9, 10, 11, 12, 13, 14, 15, 16, 17})
    l[i].setForeColor(colors::white);
  for (Control* c : {static_cast<Control*>(&p.Label12), static_cast<Control*>(&p.Shape1),
                     static_cast<Control*>(&p.Shape2)})
    c->setForeColor(colors::white);
  for (int i = 0; i < 10; ++i) p.mOption[i].setForeColor(colors::white);
  const EqPlace eq = eqPlace(Eq::Sub);
  placeBandButtons(f, Eq::Sub, eq);
  placeModes(p, eq);
  const std::vector<Row> rows = {
      {{{&l[7], kSubLabelWidth}, {&p.ctSlide4[0], 0}, {&p.Text12[0], kBoxWidth}}, 0},
      {{{&l[8], kSubLabelWidth}, {&p.ctSlide4[1], 0}, {&p.Text12[1], kBoxWidth}}},
      {{{&l[20], kSubLabelWidth}, {&p.ctSlide4[2], 0}, {&p.Text12[2], kBoxWidth}}},
      {{{&l[9], kSubLabelWidth}, {&p.Command2, kBoxWidth}}},
  };
  placeSettings(f, stackRows(rows, kColumnLeft, kColumnWidth, kTop) + kGroupGap);
}

}  // namespace kavel
