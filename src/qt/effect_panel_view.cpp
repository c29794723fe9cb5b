#include "qt/effect_panel_view.h"

#include "qt/control_views.h"

namespace kavel {

EffectPanelView::EffectPanelView(QWidget* frame, Form1& form)
    : eq_(frame, form.eq(Eq::Effect), eqPlace(Eq::Effect)) {
  EffectPanel& p = form.panels;
  // The echo and reverb headings stand centred over their editors.
  for (int i : {21, 22}) makeLabel(frame, form.Label3[i])->setAlignment(Qt::AlignCenter);
  for (int i : {6, 18, 9, 10, 11, 12, 13, 20, 14, 15, 16, 17, 8}) makeLabel(frame, form.Label3[i]);
  makeComboBox(frame, p.Combo1);
  makeComboBox(frame, p.Combo2);
  makeButton(frame, p.Command5);
  makeButton(frame, p.Command6);
  for (int i = 0; i < 4; ++i) {
    makeSlider(frame, p.HcSlide1[i], Qt::Horizontal);
    makeValueBox(frame, p.Text7[i]);
    makeSlider(frame, p.ReSlide2[i], Qt::Horizontal);
    makeValueBox(frame, p.Text9[i]);
  }
  makeSlider(frame, form.ctSlide1[1], Qt::Horizontal);
  makeValueBox(frame, form.Text8[1]);
}

}  // namespace kavel
