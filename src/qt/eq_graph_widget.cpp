#include "qt/eq_graph_widget.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include "graph/number_text.h"

namespace kavel {
namespace {

QColor qColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Pixel positions round halves to even like the model; rows far outside the
// plot are clipped anyway, so keep them in QPainter's range.
int row(double y) { return int(roundEven(std::clamp(y, -30000.0, 30000.0))); }

QFont graphFont(int points, bool bold, bool italic = false) {
  QFont f;
  // The hint and "EQ PASS" were designed in SimSun; any CJK face stands in.
  f.setFamilies({"SimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC", "DejaVu Sans"});
  f.setPointSize(points);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

void drawText(QPainter& p, const TextItem& t, const QFont& font, Rgb color) {
  if (!t.visible || t.caption.empty()) return;
  p.setFont(font);
  p.setPen(qColor(color));
  p.drawText(QRectF(t.left, t.top, t.width, t.height), Qt::AlignCenter | Qt::TextDontClip,
             QString::fromStdString(t.caption));
}

// A small raised light-blue button.
void drawMarker(QPainter& p, const EqMarker& m, int size) {
  const QRect r(int(std::lround(m.left)), int(std::lround(m.top)), size, size);
  p.fillRect(r, qColor(eq_colors::marker));
  p.setPen(QColor(225, 242, 255));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(40, 90, 150));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

void paintPlot(QPainter& p, const EqGraph& g, const EqGraphFonts& fonts) {
  const EqScene& s = g.scene();
  const int W = int(std::lround(g.plot().W)), H = int(std::lround(g.plot().H));
  p.fillRect(0, 0, W, H, Qt::black);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (const EqGridLine& l : s.grid) {
    p.setPen(QPen(qColor(l.color), 1));
    const int at = row(l.at);
    if (l.vertical) {
      p.drawLine(at, 0, at, H - 1);
    } else {
      p.drawLine(0, at, W - 1, at);
    }
  }
  if (!s.highlight.empty()) {
    // One-pixel columns from the band's own curve to the 0 dB row.
    QVector<QRect> columns;
    columns.reserve(int(s.highlight.size()));
    const int base = row(s.highlightBase);
    for (int x = 0; x < int(s.highlight.size()); ++x) {
      const int y = row(s.highlight[x]);
      columns.append(QRect(x, std::min(y, base), 1, std::abs(base - y) + 1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(qColor(eq_colors::highlight));
    p.drawRects(columns);
    p.setBrush(Qt::NoBrush);
  }
  // The curve: a line 2 pixels wide through (x, Y(x)). The points are one
  // column apart on whole rows, so each segment is a 2-pixel-wide run of
  // rows; filling those runs looks the same as stroking with a wide pen and
  // costs a fraction of it.
  QVector<QRect> runs;
  runs.reserve(int(s.curve.size()));
  for (int x = 0; x + 1 < int(s.curve.size()); ++x) {
    const int a = row(s.curve[x]), b = row(s.curve[x + 1]);
    runs.append(QRect(x, std::min(a, b) - 1, 2, std::abs(b - a) + 2));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(qColor(eq_colors::curve));
  p.drawRects(runs);
  p.setBrush(Qt::NoBrush);
  const int size = int(g.markerSize());
  for (const EqMarker& m : g.imgP()) {
    if (m.visible) drawMarker(p, m, size);
  }
  for (const TextItem& t : g.lblP()) drawText(p, t, fonts.bandNumber, colors::white);
  drawText(p, g.Label1(), fonts.hint, eq_colors::hint);
  drawText(p, g.Label2(), fonts.passCaption, colors::white);
}

}  // namespace

EqGraphFonts EqGraphFonts::standard() {
  return {graphFont(8, false), graphFont(8, false), graphFont(9, true), graphFont(42, true, true)};
}

const QFont& EqGraphFonts::of(TextRole role) const {
  switch (role) {
    case TextRole::kAxisLabel: return axisLabel;
    case TextRole::kBandNumber: return bandNumber;
    case TextRole::kHint: return hint;
    case TextRole::kPassCaption: return passCaption;
  }
  return axisLabel;
}

TextMeasure fontTextMeasure(const EqGraphFonts& fonts) {
  return [fonts](const std::string& text, TextRole role) {
    const QFontMetricsF m(fonts.of(role));
    return TextExtent{m.horizontalAdvance(QString::fromStdString(text)), m.height()};
  };
}

void paintEqGraph(QPainter& p, const EqGraph& g, const EqGraphFonts& fonts) {
  for (const TextItem& t : g.lblF()) drawText(p, t, fonts.axisLabel, eq_colors::axisLabel);
  for (const TextItem& t : g.lblDB()) drawText(p, t, fonts.axisLabel, eq_colors::axisLabel);
  p.save();
  p.translate(EqGraph::kPlotLeft, EqGraph::kPlotTop);
  // Markers, numbers and the hint live inside the plot and are cut at its edge.
  p.setClipRect(QRectF(0, 0, g.plot().W, g.plot().H));
  paintPlot(p, g, fonts);
  p.restore();
}

int coreButtons(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? kLeftButton : 0) | (b & Qt::RightButton ? kRightButton : 0) |
         (b & Qt::MiddleButton ? kMiddleButton : 0);
}

int coreModifiers(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? kShiftKey : 0) | (m & Qt::ControlModifier ? kControlKey : 0) |
         (m & Qt::AltModifier ? kAltKey : 0);
}

Qt::CursorShape qtCursor(PointerShape shape) {
  switch (shape) {
    case PointerShape::kArrow: return Qt::ArrowCursor;
    case PointerShape::kSizeAll: return Qt::SizeAllCursor;
    case PointerShape::kCross: return Qt::CrossCursor;
    case PointerShape::kSizeNorthSouth: return Qt::SizeVerCursor;
  }
  return Qt::ArrowCursor;
}

EqGraphWidget::EqGraphWidget(EqGraph& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
  graph_.setTextMeasure(fontTextMeasure(fonts_));
  graph_.viewChanged.connect([this] { update(); });
}

void EqGraphWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paintEqGraph(p, graph_, fonts_);
}

void EqGraphWidget::resizeEvent(QResizeEvent*) { graph_.resize(width(), height()); }

QPointF EqGraphWidget::insideMarker(int j, QPointF pos) const {
  const EqMarker& m = graph_.imgP()[j];
  return {pos.x() - EqGraph::kPlotLeft - m.left, pos.y() - EqGraph::kPlotTop - m.top};
}

void EqGraphWidget::showPointer() { setCursor(qtCursor(graph_.pointer())); }

void EqGraphWidget::mousePressEvent(QMouseEvent* e) {
  if (captured_ < 0) {
    const QPointF pos = e->position();
    captured_ = graph_.markerAt(pos.x() - EqGraph::kPlotLeft, pos.y() - EqGraph::kPlotTop);
    if (captured_ < 0) return;
  }
  const QPointF in = insideMarker(captured_, e->position());
  graph_.markerMouseDown(captured_, coreButtons(e->button()), in.x(), in.y());
  showPointer();
}

void EqGraphWidget::mouseMoveEvent(QMouseEvent* e) {
  if (captured_ < 0 || captured_ >= graph_.count()) return;
  const QPointF in = insideMarker(captured_, e->position());
  graph_.markerMouseMove(captured_, coreButtons(e->buttons()), in.x(), in.y());
}

void EqGraphWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (captured_ < 0) return;
  if (captured_ < graph_.count()) graph_.markerMouseUp(captured_);
  showPointer();
  if (e->buttons() == Qt::NoButton) captured_ = -1;
}

}  // namespace kavel
