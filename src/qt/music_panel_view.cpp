#include "qt/music_panel_view.h"

#include "qt/control_views.h"

namespace kavel {

MusicPanelView::MusicPanelView(QWidget* frame, Form1& form)
    : eq_(frame, form.eq(Eq::Music), eqPlace(Eq::Music)) {
  MusicPanel& p = form.panels;
  makeBandCaption(frame, p.Label11);
  for (Button* b : {&p.dcButton9, &p.dcButton8, &p.Command16, &p.Command4}) makeButton(frame, *b);
  for (int i : {19, 4, 1, 2, 3, 5}) makeLabel(frame, form.Label3[i]);
  makeLabel(frame, p.Label5);
  makeSlider(frame, p.ctSlide10, Qt::Horizontal);
  makeValueBox(frame, p.Text19);
  makeSlider(frame, p.YpSlide1, Qt::Horizontal);
  makeValueBox(frame, p.Text4);
  makeValueBox(frame, p.Text5);
  for (int i = 0; i <= 12; ++i) makeButton(frame, p.Ybcnd[i]);
  for (int i = 0; i < 3; ++i) {
    makeSlider(frame, p.ySlide1[i], Qt::Horizontal);
    makeValueBox(frame, p.Text3[i]);
  }
  makeCompressor(frame, p.Frame2, p.Label4, p.VScroll2, p.Text6);
}

}  // namespace kavel
