#pragma once
// The model of one view element of the window. Handlers read and write these
// properties (captions, colours, texts, visibility) and decide by what they
// read, so the models are the truth and the Qt widgets only mirror them.
#include <string>
#include <utility>

#include "controls/color.h"
#include "controls/signal.h"

namespace kavel {

// Position and size in pixels of the parent's client area.
struct Geometry {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Geometry&) const = default;
};

// The window's layout is given in twips; 15 twips make one pixel.
constexpr Geometry fromTwips(int left, int top, int width, int height) {
  return Geometry{left / 15, top / 15, width / 15, height / 15};
}

class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string v) { update(caption_, std::move(v)); }
  bool visible() const { return visible_; }
  void setVisible(bool v) { update(visible_, v); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool v) { update(enabled_, v); }
  Rgb foreColor() const { return foreColor_; }
  void setForeColor(Rgb v) { update(foreColor_, v); }
  Rgb backColor() const { return backColor_; }
  void setBackColor(Rgb v) { update(backColor_, v); }
  const Geometry& geometry() const { return geometry_; }
  void setGeometry(Geometry v) { update(geometry_, v); }
  bool bold() const { return bold_; }
  void setBold(bool v) { update(bold_, v); }
  int fontPoints() const { return fontPoints_; }
  void setFontPoints(int v) { update(fontPoints_, v); }

  // Raised after any property changed; views repaint from the model.
  Signal<> changed;

 protected:
  template <typename T>
  void update(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    changed.emit();
  }

 private:
  std::string name_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  Rgb foreColor_ = colors::black;
  Rgb backColor_ = colors::windowGrey;
  Geometry geometry_;
  bool bold_ = false;
  int fontPoints_ = 9;
};

// A label: a caption; an auto-sized label grows from its left edge to fit
// its caption.
class Label : public Control {
 public:
  using Control::Control;
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v) { update(autoSize_, v); }

 private:
  bool autoSize_ = false;
};

// A push button (command button or the panels' dcButton): caption, back
// colour, visibility and a click.
class Button : public Control {
 public:
  using Control::Control;
  Signal<> clicked;
  void click() { if (enabled()) clicked.emit(); }
};

// A menu item: caption, enabled state and a click.
class MenuItem : public Control {
 public:
  using Control::Control;
  Signal<> clicked;
  void click() { if (enabled()) clicked.emit(); }
};

}  // namespace kavel
