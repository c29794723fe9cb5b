#include "qt/center_surround_view.h"

#include "qt/control_views.h"

namespace kavel {

CenterSurroundView::CenterSurroundView(QWidget* frame, Form1& form)
    : center_(frame, form.eq(Eq::Center), eqPlace(Eq::Center)),
      surround_(frame, form.eq(Eq::Surround), eqPlace(Eq::Surround)) {
  CenterSurroundPanel& p = form.panels;
  for (int i : {4, 5, 6, 18, 0, 1, 2, 3, 19}) makeLabel(frame, form.panels.Label7[i]);
  for (int i = 0; i < 3; ++i) {
    makeSlider(frame, p.ctSlide2[i], Qt::Horizontal);
    makeValueBox(frame, p.Text11[i]);
  }
  for (int i = 0; i < 4; ++i) {
    makeSlider(frame, p.ctSlide3[i], Qt::Horizontal);
    makeValueBox(frame, p.Text10[i]);
  }
  makeButton(frame, p.Command14);
  makeButton(frame, p.Command15);
}

}  // namespace kavel
