#include "panels/effect_panel.h"

#include "protocol/display_texts.h"

namespace kavel {

EffectPanel::EffectPanel() {
  for (const char* item : {"关", "单声道回声", "立体声回声"}) Combo1.addItem(item);
  for (const char* item : {"关", "小房间", "房间 A", "房间 B", "小礼堂A", "小礼堂B", "大礼堂A", "大礼堂B"})
    Combo2.addItem(item);
  Command5.setCaption(kPhase0);
  Command6.setCaption(kPhase0);
  HcSlide1[0].setRange(0, 100);
  HcSlide1[1].setRange(0, 200);
  HcSlide1[2].setRange(0, 472);
  HcSlide1[3].setRange(400, 1800);
  Text7[0].setText(percentText(0));
  Text7[1].setText(echoSpeedText(0));
  Text7[2].setText(freqCodeText(0, "HZ"));
  Text7[3].setText(effectLowPassText(400));
  ReSlide2[0].setRange(0, 100);
  ReSlide2[1].setRange(0, 100);
  ReSlide2[2].setRange(0, 472);
  ReSlide2[3].setRange(400, 1800);
  Text9[0].setText(millisecondsText(0));
  Text9[1].setText(reverbTimeText(0));
  Text9[2].setText(freqCodeText(0, "HZ"));
  Text9[3].setText(effectLowPassText(400));
}

}  // namespace kavel
