// The center and surround panel's handlers: the levels fed into each
// channel, the surround delay and the two phases. The equalizers' own
// handlers are shared with the other panels.
#include "panels/center_surround_handlers.h"

#include "panels/control_handlers.h"
#include "protocol/display_texts.h"
#include "window/form1.h"

namespace kavel {

namespace {

template <int I> Slider& ctSlide2(Form1& f) { return f.panels.ctSlide2[I]; }
template <int I> TextBox& Text11(Form1& f) { return f.panels.Text11[I]; }
template <int I> Slider& ctSlide3(Form1& f) { return f.panels.ctSlide3[I]; }
template <int I> TextBox& Text10(Form1& f) { return f.panels.Text10[I]; }

// Music, microphone and effect into the center: one shared command.
const SliderRow kToCenter[] = {
    {ctSlide2<0>, Text11<0>, levelText, 25},
    {ctSlide2<1>, Text11<1>, levelText, 25},
    {ctSlide2<2>, Text11<2>, levelText, 25},
};
// The same into the surround, and its delay, on one shared command too.
const SliderRow kToSurround[] = {
    {ctSlide3<0>, Text10<0>, levelText, 31},
    {ctSlide3<1>, Text10<1>, levelText, 31},
    {ctSlide3<2>, Text10<2>, levelText, 31},
    {ctSlide3<3>, Text10<3>, levelText, 31},
};

}  // namespace

void connectCenterSurroundPanel(Form1& f) {
  connectSliderGroup(f, kToCenter);
  connectSliderGroup(f, kToSurround);
  connectPhaseButton(f, f.panels.Command14, 0, 28);
  connectPhaseButton(f, f.panels.Command15, 0, 34);
}

}  // namespace kavel
