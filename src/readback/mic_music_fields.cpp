// The microphone channel (blocks 0x01 to 0x0A and bytes 2 and 3 of 0x0B) and
// the music channel (0x0B from byte 4 to 0x13, bytes 2 and 3 of 0x14).
#include "panels/eq_handlers.h"
#include "protocol/display_texts.h"
#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

namespace {

// The controls the rows write, by their window names.
Slider& MdSlide1(Form1& f) { return f.panels.MdSlide1; }
TextBox& MdTxt(Form1& f) { return f.panels.MdTxt; }
Slider& ctSlide11(Form1& f) { return f.panels.ctSlide11; }
TextBox& Text20(Form1& f) { return f.panels.Text20; }
Slider& ctSlide10(Form1& f) { return f.panels.ctSlide10; }
TextBox& Text19(Form1& f) { return f.panels.Text19; }
TextBox& Text5(Form1& f) { return f.panels.Text5; }
Button& Command3(Form1& f) { return f.panels.Command3; }
Button& Command4(Form1& f) { return f.panels.Command4; }
template <int I> Slider& VScroll1(Form1& f) { return f.panels.VScroll1[I]; }
template <int I> TextBox& Text1(Form1& f) { return f.panels.Text1[I]; }
template <int I> Slider& VScroll2(Form1& f) { return f.panels.VScroll2[I]; }
template <int I> TextBox& Text6(Form1& f) { return f.panels.Text6[I]; }
template <int I> Slider& ySlide1(Form1& f) { return f.panels.ySlide1[I]; }
template <int I> TextBox& Text3(Form1& f) { return f.panels.Text3[I]; }

// The high-pass sliders hold the frequency code; the box shows the Hz.
std::string highPassText(int p) { return freqCodeText(p, ""); }

// The processor keeps the key shift as the key-shift command sends it, the
// shift plus 6, so that a shift written and read back shows the same number.
std::string keyShiftOfByte(int v) { return keyShiftText(v - 6); }

template <Eq E>
void shelfMode(Form1& f, int v) { setShelfMode(f, E, v == kSwitchOn); }

}  // namespace

// The compressor bars (VScroll1, VScroll2): writing a bar runs its change
// handling, which rewrites all four boxes from their bars. The other three
// boxes already show their bars, so writing this bar's box is the same; the
// handling's command would be overridden by the request for the next block.
const FieldTable& micMusicFields() {
  static const FieldTable table{
      {
          // Microphone band 12: Q and gain here, its frequency in the next block.
          {0x09, 2, BandField{Eq::Mic, 12, BandPart::Q}},
          {0x09, 3, BandField{Eq::Mic, 12, BandPart::Gain}},
          {0x09, 4, SwitchCaption{Command3, kPhase180, kPhase0}},
          {0x09, 5, FieldAction{shelfMode<Eq::Mic>}, When::NotAltModel3},
          {0x0A, 2, BandField{Eq::Mic, 12, BandPart::Freq}},
          {0x0A, 4, SliderField{MdSlide1, MdTxt, asIs, highPassText}},
          {0x0A, 5, SliderField{VScroll1<0>, Text1<0>, negated, limiterText}},
          {0x0A, 6, SliderField{VScroll1<1>, Text1<1>, asIs, compRatioText}},
          {0x0A, 7, SliderField{VScroll1<2>, Text1<2>, asIs, levelText}},
          {0x0B, 2, SliderField{VScroll1<3>, Text1<3>, asIs, levelText}},
          {0x0B, 3, SliderField{ctSlide11, Text20, asIs, micLowPassText}, When::NotAltModel3},
          // Block 0x12 after music band 10 differs by model.
          {0x12, 6, FieldAction{shelfMode<Eq::Music>}, When::Models1And2},
          {0x12, 6, SliderField{ctSlide10, Text19, asIs, highPassText}, When::Model3},
          {0x12, 7, SliderField{ctSlide10, Text19, asIs, highPassText}, When::Models1And2},
          {0x12, 7, SwitchCaption{Command4, kPhase180, kPhase0}, When::Model3},
          {0x12, 8, SwitchCaption{Command4, kPhase180, kPhase0}, When::Models1And2},
          {0x13, 2, TextField{Text5, keyShiftOfByte}},
          {0x13, 3, SliderField{ySlide1<0>, Text3<0>, asIs, levelText}},
          {0x13, 4, SliderField{ySlide1<1>, Text3<1>, asIs, levelText}},
          {0x13, 5, SliderField{ySlide1<2>, Text3<2>, asIs, levelText}},
          {0x13, 6, SliderField{VScroll2<0>, Text6<0>, negated, limiterText}},
          {0x13, 7, SliderField{VScroll2<1>, Text6<1>, asIs, compRatioText}},
          {0x14, 2, SliderField{VScroll2<2>, Text6<2>, asIs, levelText}},
          {0x14, 3, SliderField{VScroll2<3>, Text6<3>, asIs, levelText}},
      },
      {
          {Eq::Mic, 0, 12, 0x01, 2},
          {Eq::Music, 0, 11, 0x0B, 4},
      }};
  return table;
}

}  // namespace kavel
