#include "panels/control_handlers.h"

#include "protocol/catalogue.h"
#include "protocol/codecs.h"
#include "protocol/display_texts.h"
#include "protocol/send_scheduler.h"
#include "window/form1.h"

namespace kavel {

void startCommand(Form1& f, int command, int row) {
  const Command* c = findCommand(command);
  if (c && c->sets == Sets::RowCode && f.online()) {
    f.state.paramCode = c->rowCodes.at(row);
    f.state.paramIndex = Integer(row);
  }
  requestCommand(f, command);
}

void connectSliderGroup(Form1& f, std::span<const SliderRow> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].slider(f).moved.connect([&f, rows, i](int) {
      const SliderRow& moved = rows[i];
      Slider& slider = moved.slider(f);
      if (moved.ceiling) {
        const double ceiling = leadingNumber(moved.ceiling(f).text());
        if (ceiling < slider.value()) slider.setValue(int(ceiling));
      }
      for (const SliderRow& r : rows) r.box(f).setText(r.text(r.slider(f).value()));
      startCommand(f, moved.command, int(i));
    });
  }
}

void connectPhaseButton(Form1& f, Button& button, int first, int command) {
  button.clicked.connect([&f, &button, first, command] {
    const bool toFirst = leadingNumber(button.caption()) != first;
    const int phase = toFirst ? first : (first == 0 ? 180 : 0);
    button.setCaption(phase == 180 ? kPhase180 : kPhase0);
    f.state.paramCode = phase == 180 ? kSwitchOn : kSwitchOff;
    requestCommand(f, command);
  });
}

}  // namespace kavel
