#pragma once
// The framed container that holds each panel and the top bar: a title strip
// with a vertical gradient and a caption, a body with a second gradient and
// a one-pixel border. The painting is worked out here as a list of lines;
// the widget only draws them.
#include <map>
#include <string>
#include <vector>

#include "controls/control.h"

namespace kavel {

struct FrameLine {
  int x0, y0, x1, y1;  // from (x0, y0) to (x1, y1), end point excluded as in a pen line
  Rgb color;
};

struct FramePainting {
  std::vector<FrameLine> lines;  // in drawing order
  bool headerVisible = false;
  Geometry header;               // the title strip
  Geometry body;
  Geometry captionLabel;         // inside the title strip
  Rgb captionColor;
  std::string caption;
};

class GroupFrame : public Control {
 public:
  static constexpr int kHeaderTop = 1;
  static constexpr int kHeaderHeight = 23;
  static constexpr int kBodyTop = 24;
  static constexpr int kCaptionLeft = 10;

  explicit GroupFrame(std::string name);

  Rgb HeaderLightColor() const { return headerLight_; }
  Rgb HeaderDarkColor() const { return headerDark_; }
  Rgb BackLightColor() const { return backLight_; }
  Rgb BackDarkColor() const { return backDark_; }
  Rgb BorderColor() const { return border_; }
  Rgb TextColor() const { return text_; }
  int Style() const { return style_; }
  int Theme() const { return theme_; }

  void New_HeaderLightColor(Rgb c) { setProperty("HeaderLightColor", headerLight_, c); }
  void New_HeaderDarkColor(Rgb c) { setProperty("HeaderDarkColor", headerDark_, c); }
  void New_BackLightColor(Rgb c) { setProperty("BackLightColor", backLight_, c); }
  void New_BackDarkColor(Rgb c) { setProperty("BackDarkColor", backDark_, c); }
  void New_BorderColor(Rgb c) { setProperty("BorderColor", border_, c); }
  void New_TextColor(Rgb c) { setProperty("TextColor", text_, c); }
  void New_Caption(std::string c) { markChanged("Caption"); setCaption(std::move(c)); redraw(); }
  void New_Style(int s) { setProperty("Style", style_, s); }
  // Theme 0 to 11 sets the six colours of its row; any other value sets none.
  void New_Theme(int theme);

  // The control's size changed: lay out strip, body and caption, then redraw.
  void resize(int width, int height);

  // The rows, lines and label of one redraw at the current size.
  FramePainting paint() const;

  // Persistence: the nine property names with their values; reading fills
  // every missing name with its default.
  std::map<std::string, std::string> saveProperties() const;
  void loadProperties(const std::map<std::string, std::string>& props);
  bool changedForSaving(const std::string& property) const { return dirty_.count(property) != 0; }

 private:
  template <typename T>
  void setProperty(const char* name, T& field, T value) {
    field = value;
    markChanged(name);
    redraw();
  }
  void markChanged(const char* name) { dirty_[name] = true; }
  void redraw() { changed.emit(); }

  Rgb headerLight_, headerDark_, backLight_, backDark_, border_, text_;
  int style_ = 0;
  int theme_ = 0;
  Geometry header_, body_, captionLabel_;
  std::map<std::string, bool> dirty_;
};

// One vertical gradient: a one-pixel row per line from `top`, `rows` rows,
// stepping each channel by (light - dark) / (divisor - 1) without rounding
// the running value; each row's colour is rounded half to even.
void gradientRows(std::vector<FrameLine>& out, int left, int width, int top, int rows,
                  int divisor, Rgb light, Rgb dark);

}  // namespace kavel
