#pragma once
// Widgets that mirror the core's control models: each one takes its
// geometry, visibility, colours and text from its model on every change and
// reports the operator's actions back to the model.
#include <functional>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "controls/control.h"
#include "controls/inputs.h"

namespace kavel {

QLabel* makeLabel(QWidget* parent, Label& model);
QPushButton* makeButton(QWidget* parent, Button& model);
QSlider* makeSlider(QWidget* parent, Slider& model, Qt::Orientation orientation);
QLineEdit* makeTextBox(QWidget* parent, TextBox& model);
// `tooltip` tells, for an entry's text, what stands behind it (a device path).
QComboBox* makeComboBox(QWidget* parent, ComboBox& model,
                        std::function<QString(const QString&)> tooltip = {});
void bindAction(QAction* action, MenuItem& model);

// Applies what every control shares: geometry, visibility, enabled state, font.
void applyCommon(QWidget* widget, const Control& model);

}  // namespace kavel
