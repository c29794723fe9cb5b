#include "qt/eq_section_view.h"

#include <QPainter>

#include "qt/control_views.h"

namespace kavel {

namespace {

QRect rect(const Geometry& g) { return {g.left, g.top, g.width, g.height}; }

// A band editor's gain box and knob are centred this far from its left edge
// (the scale takes the right).
constexpr int kEditorCentre = 21;

class BandCaption : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QStringList words = text().split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < words.size(); ++i) {
      const int centre = kEditorCentre + i * panel_layout::kEditorWidth;
      p.drawText(
          QRect(centre - panel_layout::kEditorWidth / 2, 0, panel_layout::kEditorWidth, height()),
          Qt::AlignCenter, words[i]);
    }
  }
};

}  // namespace

QLabel* makeBandCaption(QWidget* parent, Label& model) {
  auto* caption = new BandCaption(parent);
  bindLabel(caption, model);
  return caption;
}

EqSectionView::EqSectionView(QWidget* panel, Equalizer& eq, const EqPlace& place)
    : graph_(new EqGraphWidget(eq.graph, panel)) {
  graph_->setObjectName(QString::fromUtf8(eqNames(eq.eq()).graph));
  graph_->setGeometry(rect(place.graph));
  for (int i = 0; i < eq.bands(); ++i) {
    auto* editor = new BandEditorWidget(eq.editor(i), panel);
    editor->setObjectName(QString("%1(%2)").arg(eqNames(eq.eq()).editors).arg(i));
    editor->move(place.editors.at(i).left, place.editors.at(i).top);
    editors_.push_back(editor);
    buttons_.push_back(makeButton(panel, eq.bandButtons[i]));
  }
}

}  // namespace kavel
