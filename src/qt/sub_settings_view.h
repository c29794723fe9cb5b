#pragma once
// The subwoofer and settings panel's widgets in its frame, each mirroring its model.
#include <QWidget>

#include "qt/eq_section_view.h"
#include "window/form1.h"

namespace kavel {

class SubSettingsView {
 public:
  // `frame` is the panel's frame widget; the widgets become its children.
  SubSettingsView(QWidget* frame, Form1& form);
  const EqSectionView& eq() const { return eq_; }

 private:
  EqSectionView eq_;
};

}  // namespace kavel
