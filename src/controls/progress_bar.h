#pragma once
// A progress bar: how far a long operation has come, `value` of `maximum`.
#include <algorithm>

#include "controls/control.h"

namespace kavel {

class ProgressBar : public Control {
 public:
  using Control::Control;
  int value() const { return value_; }
  int maximum() const { return maximum_; }
  void setMaximum(int v) {
    update(maximum_, std::max(v, 1));
    setValue(value_);
  }
  // Clamped into 0 .. maximum.
  void setValue(int v) { update(value_, std::clamp(v, 0, maximum_)); }

 private:
  int value_ = 0;
  int maximum_ = 100;
};

}  // namespace kavel
