#pragma once
// The center and surround panel's controls.
#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

struct CenterSurroundPanel {
  CenterSurroundPanel();

  BandReader ucSlider4;            // center band editors 0..2
  BandReader ucSlider5;            // surround band editors 0..2
  ControlArray<Slider> ctSlide2{"ctSlide2"};  // music, mic, effect to center
  ControlArray<TextBox> Text11{"Text11"};
  Button Command14{"Command14"};   // center phase
  ControlArray<Slider> ctSlide3{"ctSlide3"};  // music, mic, effect to surround; delay
  ControlArray<TextBox> Text10{"Text10"};
  Button Command15{"Command15"};   // surround phase
};

}  // namespace kavel
