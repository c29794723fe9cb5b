#include "qt/mic_panel_view.h"

#include "qt/control_views.h"

namespace kavel {

MicPanelView::MicPanelView(QWidget* frame, Form1& form)
    : eq_(frame, form.eq(Eq::Mic), eqPlace(Eq::Mic)) {
  MicPanel& p = form.panels;
  makeBandCaption(frame, p.Label10);
  for (Button* b : {&p.dcButton7, &p.Command10, &p.Command1, &p.Command3}) makeButton(frame, *b);
  for (int i : {1, 2, 3}) makeLabel(frame, form.Label1[i]);
  makeSlider(frame, p.MdSlide1, Qt::Horizontal);
  makeValueBox(frame, p.MdTxt);
  makeSlider(frame, p.ctSlide11, Qt::Horizontal);
  makeValueBox(frame, p.Text20);
  makeCheckBox(frame, p.Check1);
  makeCompressor(frame, p.Frame1, p.Label2, p.VScroll1, p.Text1);
}

}  // namespace kavel
