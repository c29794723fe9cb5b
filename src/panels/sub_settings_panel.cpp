#include "panels/sub_settings_panel.h"

#include "protocol/display_texts.h"

namespace kavel {

SubSettingsPanel::SubSettingsPanel() {
  ctSlide4[0].setRange(0, 80);
  ctSlide4[1].setRange(0, 255);
  ctSlide4[2].setRange(0, 255);
  Text12[0].setText(levelText(0));
  Text12[1].setText("20HZ");
  Text12[2].setText("20HZ");
  Command2.setCaption(kPhase0);
  struct Volume {
    Slider& slider;
    TextBox& box;
    int initial;
  };
  for (const Volume& v : {Volume{ctSlide5, Text13, 80}, Volume{ctSlide6, Text14, 0},
                          Volume{ctSlide7, Text15, 80}, Volume{ctSlide8, Text16, 0},
                          Volume{ctSlide9, Text17, 0}}) {
    v.slider.setRange(0, 80);
    v.slider.setValue(v.initial);
    v.box.setText(levelText(v.initial));
  }
  VScroll3.setRange(1, 8);
  Text18.setText(switchTimeText(VScroll3.value()));
  Command11.setCaption("自动");
  Command12.setCaption("开");
  dcButton10.setCaption("OFF");
  dcButton10.setBackColor(colors::darkRed);
  Label12.setCaption("键盘锁");
  Shape1.setCaption("设定");
  Shape2.setCaption("记忆模式");
  for (int i = 0; i < 10; ++i) mOption[i].setCaption("模式 " + std::to_string(i + 1));
}

}  // namespace kavel
