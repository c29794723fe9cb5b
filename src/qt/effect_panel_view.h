#pragma once
// The effect panel's widgets in its frame, each mirroring its model.
#include <QWidget>

#include "qt/eq_section_view.h"
#include "window/form1.h"

namespace kavel {

class EffectPanelView {
 public:
  // `frame` is the panel's frame widget; the widgets become its children.
  EffectPanelView(QWidget* frame, Form1& form);
  const EqSectionView& eq() const { return eq_; }

 private:
  EqSectionView eq_;
};

}  // namespace kavel
