#include "panels/center_surround_panel.h"

#include "protocol/display_texts.h"

namespace kavel {

CenterSurroundPanel::CenterSurroundPanel() {
  for (int i = 0; i < 3; ++i) {
    ctSlide2[i].setRange(0, 80);
    Text11[i].setText(levelText(0));
    ctSlide3[i].setRange(0, 80);
    Text10[i].setText(levelText(0));
  }
  ctSlide3[3].setRange(0, 200);  // surround delay
  Text10[3].setText(levelText(0));
  Command14.setCaption(kPhase0);
  Command15.setCaption(kPhase0);
}

}  // namespace kavel
