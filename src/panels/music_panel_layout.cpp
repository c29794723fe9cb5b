// The music panel: the 11-band equalizer on the left with the key shift pad
// beside its band editors; on the right the EQ switches, the high-pass, the
// phase, the balance, the three levels into the L/R output and the
// compressor.
#include "panels/panel_layout.h"
#include "window/form1.h"

namespace kavel {

using namespace panel_layout;

namespace {

constexpr int kLabelWidth = 80;  // "音乐到LR音量"
constexpr int kBoxWidth = 58;    // "LR 100%"
constexpr int kKeyRowHeight = 26;
constexpr int kKeyRowGap = 8;

// The key shift pad: its label and display, "<>", then b1 beside #1 down to
// b6 beside #6; it stands beside the band editors, between them and the
// graph's right edge.
void placeKeyShift(Form1& f, const EqPlace& eq) {
  MusicPanel& p = f.panels;
  const int left = eq.editors.back().left + kEditorWidth + 10;
  const int right = eq.graph.left + eq.graph.width;
  std::vector<Row> rows = {
      {{{&f.Label3[5], 0}, {&p.Text5, 36}}, 0},
      // The pad's last row stands on the bottom, beside the band buttons.
      {{{&p.Ybcnd[0], 0}},
       kBottom - kEditorsTop - kRowHeight - 7 * kKeyRowHeight - 6 * kKeyRowGap,
       kKeyRowHeight},
  };
  for (int k = 1; k <= 6; ++k)
    rows.push_back({{{&p.Ybcnd[k], 0}, {&p.Ybcnd[k + 6], 0}}, kKeyRowGap, kKeyRowHeight});
  stackRows(rows, left, right - left, kEditorsTop);
}

}  // namespace

void placeMusicPanel(Form1& f) {
  MusicPanel& p = f.panels;
  const std::vector<Row> rows = {
      {{{&p.dcButton9, 66}, {&p.dcButton8, 96}, {&p.Command16, 0}}, 0, 24},
      {{{&f.Label3[19], kLabelWidth}, {&p.ctSlide10, 0}, {&p.Text19, kBoxWidth}}, kGroupGap},
      {{{&p.Label5, kLabelWidth}, {&p.Command4, kBoxWidth}}},
      {{{&f.Label3[4], kLabelWidth}, {&p.YpSlide1, 0}, {&p.Text4, kBoxWidth}}},
      {{{&f.Label3[1], kLabelWidth}, {&p.ySlide1[0], 0}, {&p.Text3[0], kBoxWidth}}, kGroupGap},
      {{{&f.Label3[2], kLabelWidth}, {&p.ySlide1[1], 0}, {&p.Text3[1], kBoxWidth}}},
      {{{&f.Label3[3], kLabelWidth}, {&p.ySlide1[2], 0}, {&p.Text3[2], kBoxWidth}}},
  };
  const BarGroup compressor = {&p.Frame2,
                               {&p.Label4[0], &p.Label4[1], &p.Label4[2], &p.Label4[3]},
                               {&p.VScroll2[0], &p.VScroll2[1], &p.VScroll2[2], &p.VScroll2[3]},
                               {&p.Text6[0], &p.Text6[1], &p.Text6[2], &p.Text6[3]}};
  placeEqPanel(f, Eq::Music, p.Label11, rows, compressor,
               {&f.Label3[19], &p.Label5, &f.Label3[4], &f.Label3[1], &f.Label3[2], &f.Label3[3],
                &f.Label3[5], &p.Label11, &p.Label4[0], &p.Label4[1], &p.Label4[2], &p.Label4[3],
                &p.Frame2});
  placeKeyShift(f, eqPlace(Eq::Music));
}

}  // namespace kavel
