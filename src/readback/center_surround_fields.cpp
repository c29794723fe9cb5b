// The center channel (block 0x16 from byte 3 to byte 2 of 0x19) and the
// surround channel (0x21 to 0x23): a 3-band EQ each, the levels fed into
// each channel, the phases and the surround delay.
#include "protocol/display_texts.h"
#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

namespace {

Button& Command14(Form1& f) { return f.panels.Command14; }
Button& Command15(Form1& f) { return f.panels.Command15; }
template <int I> Slider& ctSlide2(Form1& f) { return f.panels.ctSlide2[I]; }
template <int I> TextBox& Text11(Form1& f) { return f.panels.Text11[I]; }
template <int I> Slider& ctSlide3(Form1& f) { return f.panels.ctSlide3[I]; }
template <int I> TextBox& Text10(Form1& f) { return f.panels.Text10[I]; }

}  // namespace

// Bytes 6 and 7 of block 0x17 and byte 7 of 0x23 carry nothing.
const FieldTable& centerSurroundFields() {
  static const FieldTable table{
      {
          // Center band 2: its Q closes block 0x17, the rest opens 0x18.
          {0x17, 5, BandField{Eq::Center, 2, BandPart::Q}},
          {0x18, 2, BandField{Eq::Center, 2, BandPart::Gain}},
          {0x18, 3, BandField{Eq::Center, 2, BandPart::Freq}},
          {0x18, 5, SliderField{ctSlide2<0>, Text11<0>, asIs, levelText}},
          {0x18, 6, SliderField{ctSlide2<1>, Text11<1>, asIs, levelText}},
          {0x18, 7, SliderField{ctSlide2<2>, Text11<2>, asIs, levelText}},
          {0x19, 2, SwitchCaption{Command14, kPhase180, kPhase0}},
          {0x23, 2, SwitchCaption{Command15, kPhase180, kPhase0}},
          {0x23, 3, SliderField{ctSlide3<0>, Text10<0>, asIs, levelText}},
          {0x23, 4, SliderField{ctSlide3<1>, Text10<1>, asIs, levelText}},
          {0x23, 5, SliderField{ctSlide3<2>, Text10<2>, asIs, levelText}},
          {0x23, 6, SliderField{ctSlide3<3>, Text10<3>, asIs, levelText}},
      },
      {
          {Eq::Center, 0, 2, 0x16, 3},
          {Eq::Surround, 0, 3, 0x21, 2},
      }};
  return table;
}

}  // namespace kavel
