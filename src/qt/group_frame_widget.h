#pragma once
// Paints a group frame from the lines its model works out, with the caption
// in bold 9-point text inside the title strip.
#include <QLabel>
#include <QWidget>

#include "graph/group_frame.h"

namespace kavel {

class GroupFrameWidget : public QWidget {
 public:
  GroupFrameWidget(QWidget* parent, GroupFrame& model);
  GroupFrame& model() { return model_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void refresh();
  GroupFrame& model_;
  QLabel* caption_;
};

}  // namespace kavel
