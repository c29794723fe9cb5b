#include "qt/sub_settings_view.h"

#include "qt/control_views.h"

namespace kavel {

SubSettingsView::SubSettingsView(QWidget* frame, Form1& form)
    : eq_(frame, form.eq(Eq::Sub), eqPlace(Eq::Sub)) {
  SubSettingsPanel& p = form.panels;
  // The frames first, so that they stay behind the controls they hold.
  makeGroupBox(frame, p.Shape1);
  makeGroupBox(frame, p.Shape2);
  for (int i : {7, 8, 20, 9, 10, 11, 12, 13, 14, 15, 16, 17})
    makeLabel(frame, form.panels.Label7[i]);
  makeLabel(frame, p.Label12);
  for (int i = 0; i < 3; ++i) {
    makeSlider(frame, p.ctSlide4[i], Qt::Horizontal);
    makeValueBox(frame, p.Text12[i]);
  }
  const std::pair<Slider*, TextBox*> volumes[] = {
      {&p.ctSlide5, &p.Text13}, {&p.ctSlide6, &p.Text14}, {&p.ctSlide7, &p.Text15},
      {&p.ctSlide8, &p.Text16}, {&p.ctSlide9, &p.Text17}};
  for (const auto& [slider, box] : volumes) {
    makeSlider(frame, *slider, Qt::Horizontal);
    makeValueBox(frame, *box);
  }
  makeScrollBar(frame, p.VScroll3);
  makeValueBox(frame, p.Text18);
  for (Button* b : {&p.Command2, &p.Command11, &p.Command12, &p.dcButton10}) makeButton(frame, *b);
  for (int i = 0; i < 10; ++i) makeOptionButton(frame, p.mOption[i]);
}

}  // namespace kavel
