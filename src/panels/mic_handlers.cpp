// The microphone panel's handlers (and the microphone master volume in the
// top bar). The equalizer's own handlers are shared with the other panels.
#include "panels/mic_handlers.h"

#include "panels/control_handlers.h"
#include "protocol/codecs.h"
#include "protocol/display_texts.h"
#include "protocol/send_scheduler.h"
#include "window/form1.h"

namespace kavel {

namespace {

std::string highPassText(int code) { return freqCodeText(code, ""); }

// The compressor's four bars: every move rewrites all four boxes.
const SliderRow kCompressor[] = {
    {[](Form1& f) -> Slider& { return f.panels.VScroll1[0]; },
     [](Form1& f) -> TextBox& { return f.panels.Text1[0]; }, limiterText, 4},
    {[](Form1& f) -> Slider& { return f.panels.VScroll1[1]; },
     [](Form1& f) -> TextBox& { return f.panels.Text1[1]; }, compRatioText, 5},
    {[](Form1& f) -> Slider& { return f.panels.VScroll1[2]; },
     [](Form1& f) -> TextBox& { return f.panels.Text1[2]; }, levelText, 6},
    {[](Form1& f) -> Slider& { return f.panels.VScroll1[3]; },
     [](Form1& f) -> TextBox& { return f.panels.Text1[3]; }, levelText, 7},
};
const SliderRow kHighPass[] = {{[](Form1& f) -> Slider& { return f.panels.MdSlide1; },
                                [](Form1& f) -> TextBox& { return f.panels.MdTxt; },
                                highPassText, 3}};
const SliderRow kLowPass[] = {{[](Form1& f) -> Slider& { return f.panels.ctSlide11; },
                               [](Form1& f) -> TextBox& { return f.panels.Text20; },
                               micLowPassText, 76}};
const SliderRow kVolume[] = {{[](Form1& f) -> Slider& { return f.M_VSlide1; },
                              [](Form1& f) -> TextBox& { return f.M_Vtxt; }, levelText, 8,
                              [](Form1& f) -> TextBox& { return f.panels.Text13; }}};

}  // namespace

void connectMicPanel(Form1& f) {
  connectSliderGroup(f, kCompressor);
  connectSliderGroup(f, kHighPass);
  connectSliderGroup(f, kLowPass);
  connectSliderGroup(f, kVolume);
  connectPhaseButton(f, f.panels.Command3, 180, 53);
  f.panels.Check1.clicked.connect([&f] {
    f.state.paramCode = f.panels.Check1.value() ? kSwitchOn : kSwitchOff;
    requestCommand(f, 18);
  });
}

}  // namespace kavel
