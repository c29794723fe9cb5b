// The effect section: block 0x19 from byte 3 to block 0x20. The effect
// equalizer's bands lie irregularly: bands 0 and 1 run from 0x19 byte 3,
// band 2 follows in 0x1A bytes 5 and 6 with its frequency in 0x1B bytes 2
// and 3 (0x1A byte 7 is not used), and bands 3 to 6 run from 0x1C byte 6.
#include "panels/effect_controls.h"
#include "panels/effect_lists.h"
#include "protocol/display_texts.h"
#include "readback/block_fields.h"
#include "window/form1.h"

namespace kavel {

namespace {

using namespace effect_controls;

Button& Command5(Form1& f) { return f.panels.Command5; }
Button& Command6(Form1& f) { return f.panels.Command6; }

// The low-pass sliders run from 400 (4 kHz); the processor counts from 0.
int fromLowPassBase(int v) { return v + 400; }
std::string highPassText(int p) { return freqCodeText(p, "HZ"); }

template <int L>
void effectChoice(Form1& f, int v) { showEffectChoice(f, effectLists()[L], v); }

}  // namespace

const FieldTable& effectFields() {
  static const FieldTable table{
      {
          {0x1A, 5, BandField{Eq::Effect, 2, BandPart::Q}},
          {0x1A, 6, BandField{Eq::Effect, 2, BandPart::Gain}},
          {0x1B, 2, BandField{Eq::Effect, 2, BandPart::Freq}},
          {0x1B, 4, SliderField{HcSlide1<3>, Text7<3>, fromLowPassBase, effectLowPassText, 2}},
          {0x1B, 6, SliderField{HcSlide1<2>, Text7<2>, asIs, highPassText, 2}},
          {0x1C, 2, SwitchCaption{Command5, kPhase180, kPhase0}},
          {0x1C, 3, SliderField{HcSlide1<1>, Text7<1>, asIs, echoSpeedText}},
          {0x1C, 4, SliderField{HcSlide1<0>, Text7<0>, asIs, percentText}},
          {0x1C, 5, FieldAction{effectChoice<kEchoList>}},
          {0x1F, 4, SliderField{ReSlide2<3>, Text9<3>, fromLowPassBase, effectLowPassText, 2}},
          {0x1F, 6, SliderField{ReSlide2<2>, Text9<2>, asIs, highPassText, 2}},
          {0x20, 2, SwitchCaption{Command6, kPhase180, kPhase0}},
          {0x20, 3, SliderField{ReSlide2<0>, Text9<0>, asIs, millisecondsText}},
          {0x20, 4, SliderField{ReSlide2<1>, Text9<1>, asIs, reverbTimeText}},
          {0x20, 5, FieldAction{effectChoice<kReverbList>}},
          {0x20, 6, SliderField{ctSlide1<1>, Text8<1>, asIs, effectMixText}},
          {0x20, 7, SliderField{ctSlide1<0>, Text8<0>, asIs, levelText}},
      },
      {
          {Eq::Effect, 0, 2, 0x19, 3},
          {Eq::Effect, 3, 4, 0x1C, 6},
      }};
  return table;
}

}  // namespace kavel
