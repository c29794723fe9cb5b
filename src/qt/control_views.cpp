#include "qt/control_views.h"

#include <QPointer>
#include <algorithm>
#include <cmath>

namespace kavel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString css(Rgb c) { return QString("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b); }

// Relative luminance of a colour, 0 (black) to 1 (white).
double luminance(Rgb c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// Black or white, whichever contrasts more with `back`.
Rgb textOn(Rgb back) {
  const double l = luminance(back);
  return (l + 0.05) / 0.05 > 1.05 / (l + 0.05) ? colors::black : colors::white;
}

Rgb shade(Rgb c, int delta) {
  auto clamp = [](int v) { return std::clamp(v, 0, 255); };
  return {clamp(c.r + delta), clamp(c.g + delta), clamp(c.b + delta)};
}

QString buttonStyle(Rgb back) {
  return QString(
             "QPushButton { background: %1; color: %2; border: 1px solid %3;"
             " border-top-color: %4; border-left-color: %4; border-radius: 2px;"
             " padding: 0px 2px; }"
             "QPushButton:pressed { background: %3; }"
             "QPushButton:disabled { color: rgb(140,140,140); }"
             "QPushButton:focus { border-color: rgb(0,150,255); }")
      .arg(css(back), css(textOn(back)), css(shade(back, -40)), css(shade(back, 50)));
}

// Calls `refresh` now and after every change of the model, for as long as
// the widget lives.
template <typename W, typename M, typename F>
void mirror(W* widget, M& model, F refresh) {
  QPointer<W> guard(widget);
  auto apply = [guard, &model, refresh] {
    if (!guard) return;
    applyCommon(guard, model);
    refresh(guard.data());
  };
  model.changed.connect(apply);
  apply();
}

}  // namespace

void applyCommon(QWidget* widget, const Control& model) {
  const Geometry& g = model.geometry();
  widget->setGeometry(g.left, g.top, g.width, g.height);
  widget->setVisible(model.visible());
  widget->setEnabled(model.enabled());
  QFont font = widget->font();
  font.setBold(model.bold());
  font.setPointSize(model.fontPoints());
  widget->setFont(font);
}

QLabel* makeLabel(QWidget* parent, Label& model) {
  auto* w = new QLabel(parent);
  bindLabel(w, model);
  return w;
}

void bindLabel(QLabel* w, Label& model) {
  w->setObjectName(q(model.name()));
  mirror(w, model, [&model](QLabel* l) {
    l->setText(q(model.caption()));
    l->setStyleSheet("background: transparent; color: " + css(model.foreColor()) + ";");
    if (model.autoSize()) l->resize(l->sizeHint().width(), l->height());
  });
}

QPushButton* makeButton(QWidget* parent, Button& model) {
  auto* w = new QPushButton(parent);
  w->setObjectName(q(model.name()));
  w->setFocusPolicy(Qt::TabFocus);
  QObject::connect(w, &QPushButton::clicked, [&model] { model.click(); });
  mirror(w, model, [&model](QPushButton* b) {
    b->setText(q(model.caption()));
    b->setStyleSheet(buttonStyle(model.backColor()));
  });
  return w;
}

QScrollBar* makeScrollBar(QWidget* parent, Slider& model) {
  auto* w = new QScrollBar(Qt::Vertical, parent);
  w->setObjectName(q(model.name()));
  w->setInvertedAppearance(true);
  w->setInvertedControls(false);
  w->setPageStep(1);
  QObject::connect(w, &QScrollBar::valueChanged, [&model, w](int v) {
    if (!w->signalsBlocked()) model.moveTo(v);
  });
  mirror(w, model, [&model](QScrollBar* s) {
    const QSignalBlocker block(s);
    s->setRange(model.min(), model.max());
    s->setValue(model.value());
  });
  return w;
}

QCheckBox* makeCheckBox(QWidget* parent, CheckBox& model) {
  auto* w = new QCheckBox(parent);
  w->setObjectName(q(model.name()));
  QObject::connect(w, &QCheckBox::clicked, [&model] { model.toggle(); });
  mirror(w, model, [&model](QCheckBox* c) {
    const QSignalBlocker block(c);
    c->setText(q(model.caption()));
    c->setChecked(model.value() != 0);
    QPalette pal = c->palette();
    pal.setColor(QPalette::WindowText,
                 QColor(model.foreColor().r, model.foreColor().g, model.foreColor().b));
    c->setPalette(pal);
  });
  return w;
}

QRadioButton* makeOptionButton(QWidget* parent, OptionButton& model) {
  auto* w = new QRadioButton(parent);
  w->setObjectName(q(model.name()));
  w->setAutoExclusive(false);
  QObject::connect(w, &QRadioButton::clicked, [&model] { model.choose(); });
  mirror(w, model, [&model](QRadioButton* r) {
    const QSignalBlocker block(r);
    r->setText(q(model.caption()));
    r->setChecked(model.value());
    QPalette pal = r->palette();
    pal.setColor(QPalette::WindowText,
                 QColor(model.foreColor().r, model.foreColor().g, model.foreColor().b));
    r->setPalette(pal);
  });
  return w;
}

QProgressBar* makeProgressBar(QWidget* parent, ProgressBar& model) {
  auto* w = new QProgressBar(parent);
  w->setObjectName(q(model.name()));
  w->setTextVisible(false);
  mirror(w, model, [&model](QProgressBar* p) {
    p->setRange(0, model.maximum());
    p->setValue(model.value());
  });
  return w;
}

QSlider* makeSlider(QWidget* parent, Slider& model, Qt::Orientation orientation) {
  auto* w = new QSlider(orientation, parent);
  w->setObjectName(q(model.name()));
  // Only the operator's moves reach the model; positions set from code
  // arrive through the mirror with the signals blocked.
  QObject::connect(w, &QSlider::valueChanged, [&model, w](int v) {
    if (!w->signalsBlocked()) model.moveTo(v);
  });
  mirror(w, model, [&model](QSlider* s) {
    const QSignalBlocker block(s);
    s->setRange(model.min(), model.max());
    s->setValue(model.value());
  });
  return w;
}

QLineEdit* makeTextBox(QWidget* parent, TextBox& model) {
  auto* w = new QLineEdit(parent);
  w->setObjectName(q(model.name()));
  QObject::connect(w, &QLineEdit::textEdited,
                   [&model](const QString& t) { model.type(t.toStdString()); });
  QObject::connect(w, &QLineEdit::returnPressed, [&model] { model.enterPressed.emit(); });
  mirror(w, model, [&model](QLineEdit* e) {
    const QString text = q(model.text());
    if (e->text() != text) e->setText(text);
  });
  return w;
}

QLineEdit* makeValueBox(QWidget* parent, TextBox& model) {
  QLineEdit* w = makeTextBox(parent, model);
  w->setReadOnly(true);
  w->setFocusPolicy(Qt::NoFocus);
  w->setAlignment(Qt::AlignCenter);
  w->setTextMargins(0, 0, 0, 0);
  // A dark read-out, unlike the boxes an operator types into.
  w->setStyleSheet(
      "QLineEdit { background: rgb(24,24,24); color: rgb(120,230,255); border: 1px solid "
      "rgb(40,40,40);"
      " border-bottom-color: rgb(140,140,140); border-right-color: rgb(140,140,140); padding: 0px; "
      "}");
  return w;
}

QGroupBox* makeGroupBox(QWidget* parent, Control& model) {
  auto* w = new QGroupBox(parent);
  w->setObjectName(q(model.name()));
  w->setAttribute(Qt::WA_TransparentForMouseEvents);
  mirror(w, model, [&model](QGroupBox* g) {
    g->setTitle(q(model.caption()));
    g->setStyleSheet(
        "QGroupBox { color: " + css(model.foreColor()) +
        "; border: 1px solid rgb(70,70,70); border-radius: 3px; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0px 3px; }");
    g->lower();
  });
  return w;
}

QComboBox* makeComboBox(QWidget* parent, ComboBox& model,
                        std::function<QString(const QString&)> tooltip) {
  auto* w = new QComboBox(parent);
  w->setObjectName(q(model.name()));
  QObject::connect(w, &QComboBox::activated, [&model](int i) { model.choose(i); });
  mirror(w, model, [&model, tooltip](QComboBox* c) {
    const QSignalBlocker block(c);
    c->clear();
    for (const std::string& item : model.items()) {
      c->addItem(q(item));
      if (tooltip) c->setItemData(c->count() - 1, tooltip(q(item)), Qt::ToolTipRole);
    }
    c->setCurrentIndex(model.listIndex());
    c->setToolTip(tooltip && !model.text().empty() ? tooltip(q(model.text())) : QString());
  });
  return w;
}

void bindAction(QAction* action, MenuItem& model) {
  QObject::connect(action, &QAction::triggered, [&model] { model.click(); });
  QPointer<QAction> guard(action);
  auto apply = [guard, &model] {
    if (!guard) return;
    guard->setText(q(model.caption()));
    guard->setEnabled(model.enabled());
    guard->setVisible(model.visible());
  };
  model.changed.connect(apply);
  apply();
}

void makeCompressor(QWidget* parent, Control& frame, ControlArray<Label>& labels,
                    ControlArray<Slider>& bars, ControlArray<TextBox>& boxes) {
  makeGroupBox(parent, frame);
  for (int i = 0; i < 4; ++i) {
    makeLabel(parent, labels[i])->setAlignment(Qt::AlignCenter);
    makeScrollBar(parent, bars[i]);
    makeValueBox(parent, boxes[i]);
  }
}

}  // namespace kavel
