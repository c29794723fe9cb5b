#pragma once
// The center and surround panel's widgets in its frame, each mirroring its model.
#include <QWidget>

#include "qt/eq_section_view.h"
#include "window/form1.h"

namespace kavel {

class CenterSurroundView {
 public:
  // `frame` is the panel's frame widget; the widgets become its children.
  CenterSurroundView(QWidget* frame, Form1& form);
  const EqSectionView& center() const { return center_; }
  const EqSectionView& surround() const { return surround_; }

 private:
  EqSectionView center_;
  EqSectionView surround_;
};

}  // namespace kavel
