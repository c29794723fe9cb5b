#pragma once
// Widgets that mirror the core's control models: each one takes its
// geometry, visibility, colours and text from its model on every change and
// reports the operator's actions back to the model.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <functional>

#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "controls/progress_bar.h"

namespace kavel {

QLabel* makeLabel(QWidget* parent, Label& model);
// Makes an existing label (a subclass that draws itself) mirror `model`.
void bindLabel(QLabel* label, Label& model);
// The button shows its model's back colour, with black or white text,
// whichever reads better on it.
QPushButton* makeButton(QWidget* parent, Button& model);
QSlider* makeSlider(QWidget* parent, Slider& model, Qt::Orientation orientation);
// A vertical bar with its largest value at the top.
QScrollBar* makeScrollBar(QWidget* parent, Slider& model);
QCheckBox* makeCheckBox(QWidget* parent, CheckBox& model);
// One option button of a group (the memory modes "模式 1" .. "模式 10"): it
// shows whether its model is selected; a click calls the model's choose(),
// whose handler clears the group's other buttons, so Qt's own exclusivity
// is off.
QRadioButton* makeOptionButton(QWidget* parent, OptionButton& model);
// A bar showing value of maximum, without a percentage text.
QProgressBar* makeProgressBar(QWidget* parent, ProgressBar& model);
QLineEdit* makeTextBox(QWidget* parent, TextBox& model);
// A box that only shows a value (its slider sets it): centred, not editable.
QLineEdit* makeValueBox(QWidget* parent, TextBox& model);
// A captioned frame drawn behind a group of controls, which stay the
// frame's siblings so that their geometry stays that of the panel.
QGroupBox* makeGroupBox(QWidget* parent, Control& model);
// A compressor group "压限器": its frame, and four bars with their labels and value boxes.
void makeCompressor(QWidget* parent, Control& frame, ControlArray<Label>& labels,
                    ControlArray<Slider>& bars, ControlArray<TextBox>& boxes);
// `tooltip` tells, for an entry's text, what stands behind it (a device path).
QComboBox* makeComboBox(QWidget* parent, ComboBox& model,
                        std::function<QString(const QString&)> tooltip = {});
void bindAction(QAction* action, MenuItem& model);

// Applies what every control shares: geometry, visibility, enabled state, font.
void applyCommon(QWidget* widget, const Control& model);

}  // namespace kavel
