#pragma once
// An equalizer on its panel: the graph, a band editor per band and the
// band's ON/OFF button, placed where the panel's layout puts them.
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "panels/equalizer.h"
#include "panels/panel_layout.h"
#include "qt/band_editor_widget.h"
#include "qt/eq_graph_widget.h"

namespace kavel {

// A caption over the first band editors whose words stand one editor
// apart, each centred over its own editor ("低架" over band 0, "高架" over
// band 1), whatever the blanks between them measure in the font.
QLabel* makeBandCaption(QWidget* parent, Label& model);

class EqSectionView {
 public:
  // The widgets are children of `panel`; the equalizer outlives them.
  EqSectionView(QWidget* panel, Equalizer& eq, const EqPlace& place);

  EqGraphWidget* graph() const { return graph_; }
  BandEditorWidget* editor(int band) const { return editors_.at(band); }
  QPushButton* bandButton(int band) const { return buttons_.at(band); }

 private:
  EqGraphWidget* graph_;
  std::vector<BandEditorWidget*> editors_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace kavel
