#include "panels/mic_panel.h"

#include "protocol/display_texts.h"

namespace kavel {

MicPanel::MicPanel() {
  for (Button* b : {&dcButton7, &Command10}) b->setBackColor(colors::darkGrey);
  dcButton7.setCaption("EQ PASS");
  Command10.setCaption("LH-PASS OFF");
  Command1.setCaption("REST");
  MdSlide1.setRange(0, 155);
  MdTxt.setText(freqCodeText(0, ""));
  ctSlide11.setRange(0, 12);
  Text20.setText(micLowPassText(0));
  Command3.setCaption(kPhase180);
  Check1.setCaption("话筒反馈抑制开关");
  // The limiter bar runs from 0 at the top to -30; the other three are
  // upside down as well, the largest value at the top.
  VScroll1[0].setRange(-30, 0);
  VScroll1[1].setRange(0, 63);
  VScroll1[2].setRange(1, 127);
  VScroll1[3].setRange(1, 127);
  Text1[0].setText(limiterText(VScroll1[0].value()));
  Text1[1].setText(compRatioText(VScroll1[1].value()));
  Text1[2].setText(levelText(VScroll1[2].value()));
  Text1[3].setText(levelText(VScroll1[3].value()));
  Frame1.setCaption("压限器");
  const char* const bars[] = {"限幅值", "压缩比例", "释放时间", "启动时间"};
  for (int i = 0; i < 4; ++i) Label2[i].setCaption(bars[i]);
  Label10.setCaption("低架     高架");
}

}  // namespace kavel
