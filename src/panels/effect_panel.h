#pragma once
// The effect panel's controls (echo, reverb, effect EQ). The effect volume and
// proportion sliders ctSlide1(0..1) with Text8(0..1) belong to the window.
#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

struct EffectPanel {
  EffectPanel();

  BandReader ucSlider3;            // band editors 0..6
  ComboBox Combo1{"Combo1"};       // echo mode
  ComboBox Combo2{"Combo2"};       // reverb type
  Button Command5{"Command5"};     // echo phase
  Button Command6{"Command6"};     // reverb phase
  ControlArray<Slider> HcSlide1{"HcSlide1"};  // echo delay, speed, high-pass, low-pass
  ControlArray<TextBox> Text7{"Text7"};
  ControlArray<Slider> ReSlide2{"ReSlide2"};  // reverb delay, time, high-pass, low-pass
  ControlArray<TextBox> Text9{"Text9"};
};

}  // namespace kavel
