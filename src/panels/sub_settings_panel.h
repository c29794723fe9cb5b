#pragma once
// The subwoofer and settings panel's controls. The music input selector
// Command13 sits in the window's top bar and belongs to the window.
#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

struct SubSettingsPanel {
  SubSettingsPanel();

  BandReader ucSlider6;            // band editors 0..4
  ControlArray<Slider> ctSlide4{"ctSlide4"};  // volume, crossover, low cut
  ControlArray<TextBox> Text12{"Text12"};
  Button Command2{"Command2"};     // subwoofer phase
  Slider ctSlide5{"ctSlide5"};     // microphone maximum volume
  TextBox Text13{"Text13"};
  Slider ctSlide6{"ctSlide6"};     // microphone power-on volume
  TextBox Text14{"Text14"};
  Slider ctSlide7{"ctSlide7"};     // music maximum volume
  TextBox Text15{"Text15"};
  Slider ctSlide8{"ctSlide8"};     // music power-on volume
  TextBox Text16{"Text16"};
  Slider ctSlide9{"ctSlide9"};     // subwoofer singing volume
  TextBox Text17{"Text17"};
  Slider VScroll3{"VScroll3"};     // switching time 1..8
  TextBox Text18{"Text18"};
  Button Command11{"Command11"};   // subwoofer mode "自动" / "手动"
  Button Command12{"Command12"};   // "初始化" switch "开" / "关"
  Button dcButton10{"dcButton10"}; // key lock "ON" / "OFF"
  Label Label12{"Label12"};
  // The frames of the settings and of the memory mode buttons.
  Control Shape1{"Shape1"};
  Control Shape2{"Shape2"};
  // The memory modes "模式 1" .. "模式 10": recall a mode of the processor.
  ControlArray<OptionButton> mOption{"mOption"};
};

}  // namespace kavel
