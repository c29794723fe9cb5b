#include "panels/music_panel.h"

#include <cstdlib>

#include "protocol/display_texts.h"

namespace kavel {

MusicPanel::MusicPanel() {
  for (Button* b : {&dcButton9, &dcButton8}) b->setBackColor(colors::darkGrey);
  dcButton9.setCaption("EQ PASS");
  dcButton8.setCaption("LH-PASS OFF");
  Command16.setCaption("REST");
  ctSlide10.setRange(0, 155);
  Text19.setText(freqCodeText(0, ""));
  Command4.setCaption(kPhase0);
  YpSlide1.setRange(0, 100);
  YpSlide1.setValue(50);
  Text4.setText(balanceText(50));
  for (int i = 0; i <= 12; ++i) {
    const int shift = keyShift(i);
    Ybcnd[i].setCaption(shift == 0 ? "<>" : (shift < 0 ? "b" : "#") + std::to_string(std::abs(shift)));
  }
  Text5.setText(keyShiftText(0));
  for (int i = 0; i < 3; ++i) {
    ySlide1[i].setRange(0, 80);
    Text3[i].setText(levelText(0));
  }
  VScroll2[0].setRange(-30, 0);
  VScroll2[1].setRange(0, 63);
  VScroll2[2].setRange(1, 127);
  VScroll2[3].setRange(1, 127);
  Text6[0].setText(limiterText(VScroll2[0].value()));
  Text6[1].setText(compRatioText(VScroll2[1].value()));
  Text6[2].setText(levelText(VScroll2[2].value()));
  Text6[3].setText(levelText(VScroll2[3].value()));
  Label5.setCaption("音乐相位");
  Frame2.setCaption("压限器");
  const char* const bars[] = {"压限值", "压缩比例", "释放时间", "启动时间"};
  for (int i = 0; i < 4; ++i) Label4[i].setCaption(bars[i]);
  Label11.setCaption("低架     高架");
}

}  // namespace kavel
