// The music panel's handlers (and the music master volume in the top bar).
// The equalizer's own handlers are shared with the other panels.
#include "panels/music_handlers.h"

#include "panels/control_handlers.h"
#include "protocol/display_texts.h"
#include "protocol/send_scheduler.h"
#include "window/form1.h"

namespace kavel {

namespace {

std::string highPassText(int code) { return freqCodeText(code, ""); }

const SliderRow kCompressor[] = {
    {[](Form1& f) -> Slider& { return f.panels.VScroll2[0]; },
     [](Form1& f) -> TextBox& { return f.panels.Text6[0]; }, limiterText, 13},
    {[](Form1& f) -> Slider& { return f.panels.VScroll2[1]; },
     [](Form1& f) -> TextBox& { return f.panels.Text6[1]; }, compRatioText, 14},
    {[](Form1& f) -> Slider& { return f.panels.VScroll2[2]; },
     [](Form1& f) -> TextBox& { return f.panels.Text6[2]; }, levelText, 15},
    {[](Form1& f) -> Slider& { return f.panels.VScroll2[3]; },
     [](Form1& f) -> TextBox& { return f.panels.Text6[3]; }, levelText, 16},
};
// Music, microphone and effect into the left/right output: one shared command.
const SliderRow kToLr[] = {
    {[](Form1& f) -> Slider& { return f.panels.ySlide1[0]; },
     [](Form1& f) -> TextBox& { return f.panels.Text3[0]; }, levelText, 12},
    {[](Form1& f) -> Slider& { return f.panels.ySlide1[1]; },
     [](Form1& f) -> TextBox& { return f.panels.Text3[1]; }, levelText, 12},
    {[](Form1& f) -> Slider& { return f.panels.ySlide1[2]; },
     [](Form1& f) -> TextBox& { return f.panels.Text3[2]; }, levelText, 12},
};
const SliderRow kHighPass[] = {{[](Form1& f) -> Slider& { return f.panels.ctSlide10; },
                                [](Form1& f) -> TextBox& { return f.panels.Text19; },
                                highPassText, 98}};
const SliderRow kBalance[] = {{[](Form1& f) -> Slider& { return f.panels.YpSlide1; },
                               [](Form1& f) -> TextBox& { return f.panels.Text4; }, balanceText,
                               55}};
const SliderRow kVolume[] = {{[](Form1& f) -> Slider& { return f.Yvslide1; },
                              [](Form1& f) -> TextBox& { return f.Text2; }, levelText, 10,
                              [](Form1& f) -> TextBox& { return f.panels.Text15; }}};

}  // namespace

void connectMusicPanel(Form1& f) {
  connectSliderGroup(f, kCompressor);
  connectSliderGroup(f, kToLr);
  connectSliderGroup(f, kHighPass);
  connectSliderGroup(f, kBalance);
  connectSliderGroup(f, kVolume);
  connectPhaseButton(f, f.panels.Command4, 0, 56);
  for (int i = 0; i <= 12; ++i) {
    f.panels.Ybcnd[i].clicked.connect([&f, i] {
      f.panels.Text5.setText(keyShiftText(MusicPanel::keyShift(i)));
      requestCommand(f, 72);
    });
  }
}

}  // namespace kavel
