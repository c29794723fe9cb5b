#include "qt/band_editor_widget.h"

#include <cmath>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "qt/control_views.h"
#include "qt/eq_graph_widget.h"

namespace kavel {
namespace {

namespace layout = band_editor_layout;
constexpr double kTwips = 15;  // twips to a pixel
constexpr double kKnobLeft = 45;  // twips inside the track; the scale sits to the right

QFont smallFont(int points, bool bold = false) {
  QFont f;
  f.setFamilies({"DejaVu Sans", "WenQuanYi Micro Hei"});
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

// The knob on its track: a fader cap in a groove with the +12 / 0 / -12 scale.
class KnobTrack : public QWidget {
 public:
  KnobTrack(BandEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setFocusPolicy(Qt::StrongFocus);  // the knob takes the keyboard
    setMouseTracking(true);           // Alt alone moves the knob
    editor_.viewChanged.connect([this] {
      setCursor(qtCursor(editor_.trackPointer()));
      update();
    });
  }

  QRectF knobRect() const {
    return QRectF(kKnobLeft / kTwips, editor_.knobTop() / kTwips, layout::kKnobWidth / kTwips,
                  layout::kKnobHeight / kTwips);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF knob = knobRect();
    const double grooveX = knob.center().x();
    const double top = (layout::kKnobTopMost + layout::kKnobHeight / 2) / kTwips;
    const double bottom = (layout::kKnobBottomMost + layout::kKnobHeight / 2) / kTwips;
    p.fillRect(QRectF(grooveX - 1.5, top - 2, 3, bottom - top + 4), QColor(30, 30, 30));
    p.setPen(QColor(150, 150, 150));
    p.setFont(smallFont(6));
    const struct { double top; const char* text; } marks[] = {
        {layout::kMarkPlus12Top, "+12"}, {layout::kMarkZeroTop, "0"}, {layout::kMarkMinus12Top, "-12"}};
    for (const auto& m : marks) {
      const QRectF r(knob.right() + 1, m.top / kTwips - 3, width() - knob.right() - 1, 12);
      p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, m.text);
      p.drawLine(QPointF(grooveX + 3, r.center().y()), QPointF(grooveX + 5, r.center().y()));
    }
    QLinearGradient cap(knob.topLeft(), knob.bottomLeft());
    cap.setColorAt(0, QColor(215, 215, 215));
    cap.setColorAt(1, QColor(120, 120, 120));
    p.setPen(QColor(40, 40, 40));
    p.setBrush(cap);
    p.drawRoundedRect(knob.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.setPen(QPen(hasFocus() ? QColor(0, 200, 255) : QColor(30, 30, 30), 1.5));
    p.drawLine(QPointF(knob.left() + 3, knob.center().y()), QPointF(knob.right() - 3, knob.center().y()));
  }

  void mousePressEvent(QMouseEvent* e) override {
    if (!knobRect().contains(e->position())) return;
    setFocus(Qt::MouseFocusReason);
    grabbed_ = true;
    editor_.knobMouseDown(coreButtons(e->button()), yInKnob(e));
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (grabbed_ || knobRect().contains(e->position())) {
      editor_.knobMouseMove(coreButtons(e->buttons()), coreModifiers(e->modifiers()), yInKnob(e));
    }
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (!grabbed_) return;
    editor_.knobMouseUp();
    if (e->buttons() == Qt::NoButton) grabbed_ = false;
  }
  void keyPressEvent(QKeyEvent* e) override {
    const BandEditor::Key key = e->key() == Qt::Key_Up     ? BandEditor::Key::kUp
                                : e->key() == Qt::Key_Down ? BandEditor::Key::kDown
                                                           : BandEditor::Key::kOther;
    editor_.knobKeyDown(key);
  }

 private:
  double yInKnob(QMouseEvent* e) const { return (e->position().y() - knobRect().top()) * kTwips; }

  BandEditor& editor_;
  bool grabbed_ = false;
};

// A "<" or ">" button that mirrors its model.
class StepButtonWidget : public QAbstractButton {
 public:
  StepButtonWidget(Button& model, QWidget* parent) : QAbstractButton(parent), model_(model) {
    setFocusPolicy(Qt::NoFocus);
    model_.changed.connect([this] { mirror(); });
    mirror();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, isDown() ? QColor(60, 60, 60) : QColor(82, 82, 82));
    p.setPen(isDown() ? QColor(40, 40, 40) : QColor(140, 140, 140));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(30, 30, 30));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(isEnabled() ? QColor(255, 255, 255) : QColor(130, 130, 130));
    p.setFont(smallFont(7, true));
    p.drawText(rect(), Qt::AlignCenter, text());
  }

 private:
  void mirror() {
    const Geometry& g = model_.geometry();
    setGeometry(g.left, g.top, g.width, g.height);
    setText(QString::fromStdString(model_.caption()));
    setEnabled(model_.enabled());
    setVisible(model_.visible());
  }
  Button& model_;
};

}  // namespace

BandEditorWidget::BandEditorWidget(BandEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setFixedSize(int(layout::kControl.width / kTwips), int(layout::kControl.height / kTwips));
  txtDB_ = makeBox(editor_.txtDB);
  txtF_ = makeBox(editor_.txtF);
  txtQ_ = makeBox(editor_.txtQ);
  txtF_->setToolTip(QString::fromUtf8(layout::kBoxToolTip));
  txtQ_->setToolTip(QString::fromUtf8(layout::kBoxToolTip));
  const Geometry bar = fromTwips(layout::kPicBar.left, layout::kPicBar.top, layout::kPicBar.width,
                                 layout::kPicBar.height);
  track_ = new KnobTrack(editor_, this);
  track_->setGeometry(bar.left, bar.top, bar.width, bar.height);
  Button* models[4] = {&editor_.Command1, &editor_.Command2, &editor_.Command3, &editor_.Command4};
  for (int i = 0; i < 4; ++i) {
    const auto which = BandEditor::StepButton(i);
    auto* b = new StepButtonWidget(*models[i], this);
    connect(b, &QAbstractButton::pressed, this, [this, which] { startStep(which); });
    connect(b, &QAbstractButton::released, this, [this] { endStep(); });
    steps_[i] = b;
  }
  repeat_.setSingleShot(false);
  connect(&repeat_, &QTimer::timeout, this, [this] { repeatStep(); });
}

QLineEdit* BandEditorWidget::makeBox(TextBox& model) {
  model.setFontPoints(7);
  QLineEdit* box = makeTextBox(this, model);
  box->setAlignment(Qt::AlignCenter);
  box->setFrame(false);
  box->setTextMargins(0, 0, 0, 0);
  box->setStyleSheet(
      "QLineEdit { background: rgb(64,64,64); color: white; border: none; padding: 0px; }"
      "QLineEdit:disabled { color: rgb(140,140,140); }");
  box->installEventFilter(this);
  box->lower();  // the step buttons overlap the ends of the boxes
  return box;
}

QWidget* BandEditorWidget::stepButton(BandEditor::StepButton which) const {
  return steps_[int(which)];
}

void BandEditorWidget::setRepeatTiming(int delayMs, int intervalMs) {
  repeatDelay_ = delayMs;
  repeatInterval_ = intervalMs;
}

bool BandEditorWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == txtDB_) editor_.txtDB.clicked.emit();
    if (watched == txtF_) editor_.txtF.clicked.emit();
    if (watched == txtQ_) editor_.txtQ.clicked.emit();
  }
  return QWidget::eventFilter(watched, event);
}

void BandEditorWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(layout::kBackColor.r, layout::kBackColor.g, layout::kBackColor.b));
}

void BandEditorWidget::startStep(BandEditor::StepButton which) {
  if (!editor_.stepPress(which)) return;
  repeat_.start(repeatDelay_);
}

void BandEditorWidget::repeatStep() {
  repeat_.setInterval(repeatInterval_);
  if (!editor_.stepRepeat()) repeat_.stop();
}

void BandEditorWidget::endStep() {
  repeat_.stop();
  editor_.stepRelease();
}

}  // namespace kavel
