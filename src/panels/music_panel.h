#pragma once
// The music panel's controls. The master volume Yvslide1 / Text2 sits in the
// window's top bar and belongs to the window.
#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

struct MusicPanel {
  MusicPanel();

  // The key shift of button Ybcnd(i): 0, then -1..-6, then +1..+6.
  static int keyShift(int button) { return button == 0 ? 0 : button <= 6 ? -button : button - 6; }

  BandReader ucSlider2;            // band editors 0..10
  Button dcButton9{"dcButton9"};   // EQ bypass
  Button dcButton8{"dcButton8"};   // shelf mode
  Button Command16{"Command16"};   // EQ reset "REST"
  Slider ctSlide10{"ctSlide10"};   // high-pass, frequency code 0..155
  TextBox Text19{"Text19"};
  Button Command4{"Command4"};     // phase
  Slider YpSlide1{"YpSlide1"};     // balance 0..100
  TextBox Text4{"Text4"};
  ControlArray<Button> Ybcnd{"Ybcnd"};  // key shift buttons 0..12
  TextBox Text5{"Text5"};
  ControlArray<Slider> ySlide1{"ySlide1"};  // music, mic and effect to L/R
  ControlArray<TextBox> Text3{"Text3"};
  ControlArray<Slider> VScroll2{"VScroll2"};  // limiter, ratio, release, attack
  ControlArray<TextBox> Text6{"Text6"};
  Label Label5{"Label5"};              // "音乐相位"
  Control Frame2{"Frame2"};            // the compressor group "压限器"
  ControlArray<Label> Label4{"Label4"};  // its bars' labels
  Label Label11{"Label11"};            // over band editors 0 and 1
};

}  // namespace kavel
