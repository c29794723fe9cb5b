// The subwoofer channel: bands 0 and 1 of its equalizer from block 0x14
// byte 4 into 0x15, volume, crossover and low cut in 0x15, the phase at
// byte 2 of 0x16, and bands 2 to 4 in blocks 0x24 and 0x25.
#include "protocol/display_texts.h"
#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

namespace {

template <int I> Slider& ctSlide4(Form1& f) { return f.panels.ctSlide4[I]; }
template <int I> TextBox& Text12(Form1& f) { return f.panels.Text12[I]; }
Button& Command2(Form1& f) { return f.panels.Command2; }

// The processor's crossover and low cut read "HZ" (the sliders themselves
// write "Hz"); preset files keep whichever text the box holds. Every
// position is written, up to 255 (400HZ), so the box never shows a value
// the slider no longer holds.
std::string subFreqText(int p) { return freqCodeText(p, "HZ"); }

}  // namespace

const FieldTable& subFields() {
  static const FieldTable table{
      {
          {0x15, 6, SliderField{ctSlide4<0>, Text12<0>, asIs, levelText}},
          {0x15, 7, SliderField{ctSlide4<1>, Text12<1>, asIs, subFreqText}},
          // The second variant of model 3 has no low cut.
          {0x15, 8, SliderField{ctSlide4<2>, Text12<2>, asIs, subFreqText}, When::NotAltModel3},
          {0x16, 2, SwitchCaption{Command2, kPhase180, kPhase0}},
      },
      {
          {Eq::Sub, 0, 2, 0x14, 4},
          {Eq::Sub, 2, 3, 0x24, 2},
      }};
  return table;
}

}  // namespace kavel
