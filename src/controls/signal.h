#pragma once
// A minimal change notification: views and handlers connect callables, the
// model emits. No disconnect by design: models and their views share a lifetime.
// Qt code is built with QT_NO_KEYWORDS so that `emit` here is not Qt's macro.
#include <functional>
#include <utility>
#include <vector>

namespace kavel {

template <typename... Args>
class Signal {
 public:
  using Slot = std::function<void(Args...)>;
  void connect(Slot slot) { slots_.push_back(std::move(slot)); }
  void emit(Args... args) const {
    // Index loop: a slot may connect another slot while we walk the list.
    for (std::size_t i = 0; i < slots_.size(); ++i) slots_[i](args...);
  }

 private:
  std::vector<Slot> slots_;
};

}  // namespace kavel
