#include "qt/control_views.h"

#include <QPointer>

namespace kavel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString css(Rgb c) { return QString("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b); }

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
  w->setObjectName(q(model.name()));
  mirror(w, model, [&model](QLabel* l) {
    l->setText(q(model.caption()));
    l->setStyleSheet("background: transparent; color: " + css(model.foreColor()) + ";");
    if (model.autoSize()) l->resize(l->sizeHint().width(), l->height());
  });
  return w;
}

QPushButton* makeButton(QWidget* parent, Button& model) {
  auto* w = new QPushButton(parent);
  w->setObjectName(q(model.name()));
  w->setFocusPolicy(Qt::TabFocus);
  QObject::connect(w, &QPushButton::clicked, [&model] { model.click(); });
  mirror(w, model, [&model](QPushButton* b) { b->setText(q(model.caption())); });
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
  QObject::connect(w, &QLineEdit::textEdited, [&model](const QString& t) { model.type(t.toStdString()); });
  QObject::connect(w, &QLineEdit::returnPressed, [&model] { model.enterPressed.emit(); });
  mirror(w, model, [&model](QLineEdit* e) {
    const QString text = q(model.text());
    if (e->text() != text) e->setText(text);
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

}  // namespace kavel
