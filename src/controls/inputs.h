#pragma once
// Controls that hold a value the operator edits: slider, text box, check box
// and drop-down list.
#include <algorithm>
#include <string>
#include <vector>

#include "controls/control.h"

namespace kavel {

// The panels' slider: an integer position within a range. Setting the
// position from code clamps it into the range and raises no change event;
// only the operator's moves raise `moved`, once per new position.
class Slider : public Control {
 public:
  using Control::Control;
  int value() const { return value_; }
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int lo, int hi) {
    min_ = lo;
    max_ = hi;
    setValue(value_);
    changed.emit();
  }
  void setValue(int v) { update(value_, std::clamp(v, min_, max_)); }
  // The operator moved the thumb to `v`.
  void moveTo(int v) {
    const int before = value_;
    setValue(v);
    if (value_ != before) moved.emit(value_);
  }
  Signal<int> moved;

 private:
  int value_ = 0, min_ = 0, max_ = 100;
};

// A one-line text box. `enterPressed` and `clicked` are the operator's.
class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& text() const { return text_; }
  void setText(std::string v) { update(text_, std::move(v)); }
  // The operator typed: the text changes and `edited` tells the handler.
  void type(std::string v) {
    setText(std::move(v));
    edited.emit();
  }
  Signal<> edited;
  Signal<> enterPressed;
  Signal<> clicked;

 private:
  std::string text_;
};

// A check box: value 0 (clear) or 1 (checked); `clicked` after the operator toggles it.
class CheckBox : public Control {
 public:
  using Control::Control;
  int value() const { return value_; }
  void setValue(int v) { update(value_, v ? 1 : 0); }
  void toggle() {
    setValue(value_ ? 0 : 1);
    clicked.emit();
  }
  Signal<> clicked;

 private:
  int value_ = 0;
};

// An option button: one of a group of which at most one is selected; the
// group's handler clears the others. `clicked` after the operator picks it.
class OptionButton : public Control {
 public:
  using Control::Control;
  bool value() const { return value_; }
  void setValue(bool v) { update(value_, v); }
  void choose() {
    setValue(true);
    clicked.emit();
  }
  Signal<> clicked;

 private:
  bool value_ = false;
};

// A drop-down list: its entries, the selected text and the list index (-1 for none).
class ComboBox : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& items() const { return items_; }
  void addItem(std::string item) {
    items_.push_back(std::move(item));
    changed.emit();
  }
  void clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    changed.emit();
  }
  const std::string& text() const { return text_; }
  void setText(std::string v) {
    const auto it = std::find(items_.begin(), items_.end(), v);
    listIndex_ = it == items_.end() ? -1 : int(it - items_.begin());
    text_ = std::move(v);
    changed.emit();
  }
  int listIndex() const { return listIndex_; }
  void setListIndex(int i) {
    if (i < 0 || i >= int(items_.size())) return;
    setText(items_[i]);
  }
  // The operator picked entry `i`.
  void choose(int i) {
    setListIndex(i);
    clicked.emit();
  }
  Signal<> clicked;

 private:
  std::vector<std::string> items_;
  std::string text_;
  int listIndex_ = -1;
};

}  // namespace kavel
