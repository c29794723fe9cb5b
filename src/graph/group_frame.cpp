#include "graph/group_frame.h"

#include <array>
#include <cmath>

namespace kavel {

namespace {

struct ThemeRow {
  Rgb headerLight, headerDark, backLight, backDark, border, text;
};

constexpr std::array<ThemeRow, 12> kThemes{{
    {{211, 224, 247}, {167, 197, 237}, {239, 244, 252}, {220, 232, 250}, {173, 193, 220}, {2, 45, 123}},
    {{211, 220, 236}, {168, 186, 218}, {239, 242, 248}, {221, 229, 241}, {160, 180, 214}, {23, 42, 75}},
    {{200, 229, 216}, {146, 203, 177}, {235, 245, 241}, {213, 235, 225}, {136, 198, 170}, {0, 59, 33}},
    {{232, 234, 224}, {209, 214, 194}, {247, 248, 244}, {237, 239, 231}, {205, 211, 188}, {65, 71, 50}},
    {{200, 227, 241}, {146, 201, 228}, {235, 245, 250}, {213, 234, 245}, {136, 196, 226}, {0, 57, 85}},
    {{227, 242, 218}, {200, 229, 181}, {245, 250, 241}, {234, 245, 227}, {195, 227, 174}, {56, 87, 36}},
    {{253, 226, 210}, {250, 198, 167}, {254, 245, 239}, {253, 233, 221}, {250, 192, 159}, {109, 54, 22}},
    {{214, 227, 227}, {174, 201, 201}, {240, 245, 245}, {224, 234, 234}, {166, 196, 196}, {29, 57, 57}},
    {{223, 215, 234}, {191, 176, 213}, {243, 241, 247}, {230, 225, 239}, {185, 169, 209}, {47, 32, 70}},
    {{251, 210, 214}, {248, 166, 174}, {254, 239, 240}, {252, 221, 224}, {247, 158, 167}, {106, 21, 29}},
    {{233, 234, 236}, {211, 214, 217}, {247, 247, 248}, {238, 239, 241}, {207, 210, 214}, {68, 71, 74}},
    {{252, 250, 228}, {244, 238, 185}, {253, 252, 238}, {250, 247, 220}, {234, 225, 149}, {225, 213, 102}},
}};

// The persisted names, in order, with their defaults (theme 0's colours).
const char* const kColorNames[] = {"HeaderLightColor", "HeaderDarkColor", "BackLightColor",
                                   "BackDarkColor",    "BorderColor",     "TextColor"};

int channelRound(double v) { return static_cast<int>(std::nearbyint(v)); }  // halves to even

}  // namespace

GroupFrame::GroupFrame(std::string name) : Control(std::move(name)) {
  const ThemeRow& t = kThemes[0];
  headerLight_ = t.headerLight;
  headerDark_ = t.headerDark;
  backLight_ = t.backLight;
  backDark_ = t.backDark;
  border_ = t.border;
  text_ = t.text;
  setCaption("XPContainer");
}

void GroupFrame::New_Theme(int theme) {
  theme_ = theme;
  markChanged("Theme");
  if (theme < 0 || theme >= int(kThemes.size())) return;
  const ThemeRow& t = kThemes[theme];
  New_HeaderLightColor(t.headerLight);
  New_HeaderDarkColor(t.headerDark);
  New_BackLightColor(t.backLight);
  New_BackDarkColor(t.backDark);
  New_BorderColor(t.border);
  New_TextColor(t.text);
}

void GroupFrame::resize(int width, int height) {
  Geometry g = geometry();
  g.width = width;
  g.height = height;
  setGeometry(g);
  if (width != 0) {
    header_ = {kHeaderTop, kHeaderTop, width - 2, kHeaderHeight};
    body_ = {kHeaderTop, kBodyTop, header_.width, height - (kHeaderHeight + 2)};
    captionLabel_ = {kCaptionLeft, 0, header_.width - kCaptionLeft, kHeaderHeight};
  }
  redraw();
}

void gradientRows(std::vector<FrameLine>& out, int left, int width, int top, int rows,
                  int divisor, Rgb light, Rgb dark) {
  const double n = divisor - 1;
  // A single row cannot step; it is drawn in the light colour.
  const double dr = n != 0 ? (light.r - dark.r) / n : 0;
  const double dg = n != 0 ? (light.g - dark.g) / n : 0;
  const double db = n != 0 ? (light.b - dark.b) / n : 0;
  double r = light.r, g = light.g, b = light.b;
  for (int row = 0; row < rows; ++row) {
    const int y = top + row;
    out.push_back({left, y, left + width - 1, y, Rgb{channelRound(r), channelRound(g), channelRound(b)}});
    r -= dr;
    g -= dg;
    b -= db;
  }
}

FramePainting GroupFrame::paint() const {
  FramePainting p;
  const int w = geometry().width;
  const int h = geometry().height;
  p.caption = caption();
  p.header = header_;
  p.body = body_;
  p.captionLabel = captionLabel_;
  p.captionColor = text_;
  if (style_ == 0) {
    p.headerVisible = true;
    gradientRows(p.lines, header_.left, header_.width, header_.top, header_.height, header_.height,
                 headerLight_, headerDark_);
    gradientRows(p.lines, body_.left, body_.width, kBodyTop, h - kBodyTop, body_.height, backLight_,
                 backDark_);
  } else {
    gradientRows(p.lines, 0, w, 0, h, h, backLight_, backDark_);
  }
  // The border: the rectangle, then the bottom and right lines drawn again
  // as separate lines (a pen line leaves out its end point).
  p.lines.push_back({0, 0, w - 1, 0, border_});
  p.lines.push_back({0, h - 1, w - 1, h - 1, border_});
  p.lines.push_back({0, 0, 0, h - 1, border_});
  p.lines.push_back({w - 1, 0, w - 1, h - 1, border_});
  p.lines.push_back({0, h - 1, w - 1, h - 1, border_});
  p.lines.push_back({w - 1, 0, w - 1, h - 2, border_});
  return p;
}

std::map<std::string, std::string> GroupFrame::saveProperties() const {
  const Rgb colorsNow[] = {headerLight_, headerDark_, backLight_, backDark_, border_, text_};
  std::map<std::string, std::string> props;
  for (int i = 0; i < 6; ++i) props[kColorNames[i]] = std::to_string(colorsNow[i].value());
  props["Caption"] = caption();
  props["Style"] = std::to_string(style_);
  props["Theme"] = std::to_string(theme_);
  return props;
}

void GroupFrame::loadProperties(const std::map<std::string, std::string>& props) {
  auto number = [&](const char* name, long fallback) {
    auto it = props.find(name);
    if (it == props.end()) return fallback;
    try {
      return std::stol(it->second);
    } catch (...) {
      return fallback;
    }
  };
  const ThemeRow& d = kThemes[0];
  const Rgb defaults[] = {d.headerLight, d.headerDark, d.backLight, d.backDark, d.border, d.text};
  Rgb* fields[] = {&headerLight_, &headerDark_, &backLight_, &backDark_, &border_, &text_};
  for (int i = 0; i < 6; ++i)
    *fields[i] = Rgb::fromValue(int(number(kColorNames[i], defaults[i].value())));
  auto caption = props.find("Caption");
  setCaption(caption == props.end() ? "XPContainer" : caption->second);
  style_ = int(number("Style", 0));
  theme_ = int(number("Theme", 0));
  redraw();
}

}  // namespace kavel
