#pragma once
// The EQ graph on screen: paints an EqGraph model and turns the operator's
// mouse on the band markers into the model's drag steps.
#include <QFont>
#include <QWidget>

#include "graph/eq_graph.h"

class QPainter;

namespace kavel {

// The fonts the graph writes in, one per text role.
struct EqGraphFonts {
  QFont axisLabel, bandNumber, hint, passCaption;
  static EqGraphFonts standard();
  const QFont& of(TextRole role) const;
};

// Paints the whole control (axis labels and plot) with its top-left corner
// at the painter's origin. Used by the widget and for rendering to images.
void paintEqGraph(QPainter& painter, const EqGraph& graph, const EqGraphFonts& fonts);

// Text sizes from real font metrics, for the model's layout.
TextMeasure fontTextMeasure(const EqGraphFonts& fonts);

class EqGraphWidget : public QWidget {
 public:
  // The model outlives the widget.
  explicit EqGraphWidget(EqGraph& graph, QWidget* parent = nullptr);
  EqGraph& graph() { return graph_; }
  QSize sizeHint() const override { return {900, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPointF insideMarker(int j, QPointF widgetPos) const;
  void showPointer();

  EqGraph& graph_;
  EqGraphFonts fonts_ = EqGraphFonts::standard();
  int captured_ = -1;  // the marker the pressed button holds
};

// Mouse buttons and modifiers as the core counts them.
int coreButtons(Qt::MouseButtons buttons);
int coreModifiers(Qt::KeyboardModifiers modifiers);
Qt::CursorShape qtCursor(PointerShape shape);

}  // namespace kavel
