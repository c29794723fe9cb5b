#pragma once
// A control array of the window: elements share a name and are told apart
// by index ("Label1(0)", "Label1(3)"). Elements exist from their first use;
// indices need not be contiguous.
#include <map>
#include <memory>
#include <string>

namespace kavel {

template <typename T>
class ControlArray {
 public:
  explicit ControlArray(std::string name) : name_(std::move(name)) {}

  T& operator[](int i) {
    auto& slot = items_[i];
    if (!slot) slot = std::make_unique<T>(name_ + "(" + std::to_string(i) + ")");
    return *slot;
  }
  bool contains(int i) const { return items_.count(i) != 0; }
  const std::string& name() const { return name_; }

  // Walks the elements in index order: f(index, element).
  template <typename F>
  void forEach(F&& f) {
    for (auto& [i, item] : items_) f(i, *item);
  }

 private:
  std::string name_;
  std::map<int, std::unique_ptr<T>> items_;
};

}  // namespace kavel
