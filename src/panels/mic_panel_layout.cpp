// The microphone panel: the 13-band equalizer on the left; on the right the
// EQ switches, the filters, the phase, the feedback suppression and the
// compressor.
#include "panels/panel_layout.h"
#include "window/form1.h"

namespace kavel {

using namespace panel_layout;

namespace {

constexpr int kLabelWidth = 64;  // "麦克风高通"
constexpr int kBoxWidth = 50;    // "20000", "20KHz"

}  // namespace

void placeMicPanel(Form1& f) {
  MicPanel& p = f.panels;
  const std::vector<Row> rows = {
      {{{&p.dcButton7, 66}, {&p.Command10, 96}, {&p.Command1, 0}}, 0, 24},
      {{{&f.Label1[1], kLabelWidth}, {&p.MdSlide1, 0}, {&p.MdTxt, kBoxWidth}}, kGroupGap},
      {{{&f.Label1[3], kLabelWidth}, {&p.ctSlide11, 0}, {&p.Text20, kBoxWidth}}},
      {{{&f.Label1[2], kLabelWidth}, {&p.Command3, kBoxWidth}}},
      {{{&p.Check1, 0}}},
  };
  const BarGroup compressor = {&p.Frame1,
                               {&p.Label2[0], &p.Label2[1], &p.Label2[2], &p.Label2[3]},
                               {&p.VScroll1[0], &p.VScroll1[1], &p.VScroll1[2], &p.VScroll1[3]},
                               {&p.Text1[0], &p.Text1[1], &p.Text1[2], &p.Text1[3]}};
  placeEqPanel(f, Eq::Mic, p.Label10, rows, compressor,
               {&f.Label1[1], &f.Label1[2], &f.Label1[3], &p.Label10, &p.Label2[0], &p.Label2[1],
                &p.Label2[2], &p.Label2[3], &p.Frame1, &p.Check1});
}

}  // namespace kavel
