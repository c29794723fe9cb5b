// The effect panel's handlers: echo mode and reverb type, the two phases,
// the four echo and four reverb sliders, the echo/reverb proportion, and the
// effect volume in the top bar. The effect equalizer's own handlers are
// shared with the other panels.
#include "panels/effect_handlers.h"

#include "panels/control_handlers.h"
#include "panels/effect_lists.h"
#include "protocol/display_texts.h"
#include "protocol/send_scheduler.h"
#include "panels/effect_controls.h"
#include "window/form1.h"

namespace kavel {

namespace {

using namespace effect_controls;

std::string highPassText(int code) { return freqCodeText(code, "HZ"); }

// Moving any slider of a group rewrites all of the group's boxes.
const SliderRow kEcho[] = {
    {HcSlide1<0>, Text7<0>, percentText, 49},
    {HcSlide1<1>, Text7<1>, echoSpeedText, 50},
    {HcSlide1<2>, Text7<2>, highPassText, 51},
    {HcSlide1<3>, Text7<3>, effectLowPassText, 52},
};
const SliderRow kReverb[] = {
    {ReSlide2<0>, Text9<0>, millisecondsText, 40},
    {ReSlide2<1>, Text9<1>, reverbTimeText, 41},
    {ReSlide2<2>, Text9<2>, highPassText, 42},
    {ReSlide2<3>, Text9<3>, effectLowPassText, 43},
};
// The effect volume (top bar) and the proportion rewrite each other's box.
const SliderRow kVolumeAndMix[] = {
    {ctSlide1<0>, Text8<0>, levelText, 44},
    {ctSlide1<1>, Text8<1>, effectMixText, 45},
};

// A list's choice: its sliders are usable unless the effect is off ("关",
// the first entry); the list index goes to the processor. The proportion
// is left as it is: the processor keeps its own, and moving the slider here
// would need a second command that the list's command would override.
void connectList(Form1& f, const EffectList& list) {
  ComboBox& combo = list.combo(f);
  combo.clicked.connect([&f, &list, &combo] {
    const int index = combo.listIndex();
    enableEffectSliders(f, list, index != kEffectOff);
    if (f.online()) f.state.paramIndex = Integer(index);
    requestCommand(f, list.command);
  });
}

}  // namespace

void connectEffectPanel(Form1& f) {
  connectSliderGroup(f, kEcho);
  connectSliderGroup(f, kReverb);
  connectSliderGroup(f, kVolumeAndMix);
  connectPhaseButton(f, f.panels.Command5, 0, 47);
  connectPhaseButton(f, f.panels.Command6, 0, 38);
  for (const EffectList& list : effectLists()) connectList(f, list);
}

}  // namespace kavel
