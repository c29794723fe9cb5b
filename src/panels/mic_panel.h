#pragma once
// The microphone panel's controls. The master volume M_VSlide1 / M_Vtxt and
// the label array Label1 sit in the window's top bar and belong to the window.
#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

struct MicPanel {
  MicPanel();

  BandReader ucSlider1;            // band editors 0..12
  Button dcButton7{"dcButton7"};   // EQ bypass
  Button Command10{"Command10"};   // shelf mode "LH-PASS ON" / "LH-PASS OFF"
  Button Command1{"Command1"};     // EQ reset "REST"
  Slider MdSlide1{"MdSlide1"};     // high-pass, frequency code 0..155
  TextBox MdTxt{"MdTxt"};
  Slider ctSlide11{"ctSlide11"};   // low-pass 0..12
  TextBox Text20{"Text20"};
  Button Command3{"Command3"};     // phase
  CheckBox Check1{"Check1"};       // feedback suppression
  ControlArray<Slider> VScroll1{"VScroll1"};  // limiter, ratio, release, attack
  ControlArray<TextBox> Text1{"Text1"};
  Control Frame1{"Frame1"};            // the compressor group "压限器"
  ControlArray<Label> Label2{"Label2"};  // its bars' labels
  Label Label10{"Label10"};            // over band editors 0 and 1
};

}  // namespace kavel
