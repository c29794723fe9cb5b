#include "panels/parameter_table.h"

#include <algorithm>
#include <charconv>

#include "protocol/codecs.h"
#include "protocol/display_texts.h"
#include "window/form1.h"

namespace kavel {

namespace {

constexpr int kMicPanel = 0, kMusicPanel = 1;
constexpr const char* kShelfOn = "LH-PASS ON";
constexpr int kLowPassBaseKHz = 8;  // ctSlide11 position 0 is 8KHz

bool notAltModel3(const LinkState& s) { return !s.altModel3; }
// Block 0x12 carries the music shelf mode only for models 1 and 2.
bool modelOneOrTwo(const LinkState& s) { return s.deviceModel <= 2; }

#define CONTROL(expr) [](Form1& f) -> Control& { return expr; }
#define SLIDER(expr) [](Form1& f) -> Slider& { return expr; }
#define BOX(expr) [](Form1& f) -> TextBox& { return expr; }

// A slider row whose control is its slider.
constexpr ParameterRow slider(const char* name, int panel, const char* label,
                              Slider& (*s)(Form1&), TextBox& (*box)(Form1&), const char* hint,
                              Wire wire = Wire::Position, Typed typed = Typed::Position) {
  return {name, panel, label, Edit::Slider, nullptr, s, box, wire, typed, nullptr, nullptr, hint};
}

const char kLevel[] = "0..80";
const char kHighPassHint[] = "frequency in Hz as shown, 20..200 (2 Hz steps above 150)";
const char kLimiterHint[] = "-30..0 (dB)";
const char kRatioHint[] =
    "the bar's position 0..63; the panel shows its percent, (position x 100) div 63";
const char kTimeHint[] = "1..127";
const char kPhaseHint[] = "0 or 180";
const char kSwitchHint[] = "ON or OFF";

const ParameterRow kRows[] = {
    // Microphone: the top bar's master volume, then the panel.
    [] {
      ParameterRow r = slider("micVolume", kMicPanel, "麦克风", SLIDER(f.M_VSlide1),
                              BOX(f.M_Vtxt), "0..80, at most the microphone's maximum volume");
      r.ceiling = BOX(f.panels.Text13);
      return r;
    }(),
    slider("micHighPass", kMicPanel, "麦克风高通", SLIDER(f.panels.MdSlide1),
           BOX(f.panels.MdTxt), kHighPassHint, Wire::Position, Typed::Frequency),
    [] {
      ParameterRow r = slider("micLowPass", kMicPanel, "麦克风低通", SLIDER(f.panels.ctSlide11),
                              BOX(f.panels.Text20), "8..20 (kHz)", Wire::Position,
                              Typed::LowPass);
      r.filled = notAltModel3;
      return r;
    }(),
    {"micPhase", kMicPanel, "麦克风相位", Edit::Phase, CONTROL(f.panels.Command3), nullptr,
     nullptr, Wire::Position, Typed::Position, nullptr, nullptr, kPhaseHint},
    {"micFeedbackSuppress", kMicPanel, "话筒反馈抑制开关", Edit::CheckBox,
     CONTROL(f.panels.Check1), nullptr, nullptr, Wire::Position, Typed::Position, nullptr,
     nullptr, kSwitchHint},
    slider("micLimitThreshold", kMicPanel, "限幅值", SLIDER(f.panels.VScroll1[0]),
           BOX(f.panels.Text1[0]), kLimiterHint, Wire::Negated),
    slider("micCompRatio", kMicPanel, "压缩比例", SLIDER(f.panels.VScroll1[1]),
           BOX(f.panels.Text1[1]), kRatioHint),
    slider("micCompRelease", kMicPanel, "释放时间", SLIDER(f.panels.VScroll1[2]),
           BOX(f.panels.Text1[2]), kTimeHint),
    slider("micCompAttack", kMicPanel, "启动时间", SLIDER(f.panels.VScroll1[3]),
           BOX(f.panels.Text1[3]), kTimeHint),
    [] {
      ParameterRow r{"micEqBypass", kMicPanel, "EQ PASS", Edit::Bypass,
                     CONTROL(f.panels.dcButton7)};
      r.hint = "ON (bypassed) or OFF";
      return r;
    }(),
    [] {
      ParameterRow r{"micEqLhPass", kMicPanel, "LH-PASS", Edit::Shelf,
                     CONTROL(f.panels.Command10)};
      r.filled = notAltModel3;
      r.hint = "ON (bands 0 and 1 are low and high shelves) or OFF";
      return r;
    }(),
    // Music: the top bar's master volume, then the panel.
    [] {
      ParameterRow r = slider("musicVolume", kMusicPanel, "音乐", SLIDER(f.Yvslide1),
                              BOX(f.Text2), "0..80, at most the music's maximum volume");
      r.ceiling = BOX(f.panels.Text15);
      return r;
    }(),
    slider("musicHighPass", kMusicPanel, "音乐高通", SLIDER(f.panels.ctSlide10),
           BOX(f.panels.Text19), kHighPassHint, Wire::Position, Typed::Frequency),
    {"musicPhase", kMusicPanel, "音乐相位", Edit::Phase, CONTROL(f.panels.Command4), nullptr,
     nullptr, Wire::Position, Typed::Position, nullptr, nullptr, kPhaseHint},
    slider("musicBalance", kMusicPanel, "音乐平衡", SLIDER(f.panels.YpSlide1),
           BOX(f.panels.Text4),
           "the slider's position 0..100 (50 in the middle: LR 50%; 30 shows L 70%, "
           "70 shows R 70%)",
           Wire::Reversed),
    [] {
      ParameterRow r{"musicKeyShift", kMusicPanel, "音乐变调", Edit::KeyShift,
                     CONTROL(f.panels.Ybcnd[0])};
      r.box = BOX(f.panels.Text5);
      r.hint = "-6..6";
      return r;
    }(),
    slider("musicToLr", kMusicPanel, "音乐到LR音量", SLIDER(f.panels.ySlide1[0]),
           BOX(f.panels.Text3[0]), kLevel),
    slider("micToLr", kMusicPanel, "话筒到LR音量", SLIDER(f.panels.ySlide1[1]),
           BOX(f.panels.Text3[1]), kLevel),
    slider("effectToLr", kMusicPanel, "效果到LR音量", SLIDER(f.panels.ySlide1[2]),
           BOX(f.panels.Text3[2]), kLevel),
    slider("musicLimitThreshold", kMusicPanel, "压限值", SLIDER(f.panels.VScroll2[0]),
           BOX(f.panels.Text6[0]), kLimiterHint, Wire::Negated),
    slider("musicCompRatio", kMusicPanel, "压缩比例", SLIDER(f.panels.VScroll2[1]),
           BOX(f.panels.Text6[1]), kRatioHint),
    slider("musicCompRelease", kMusicPanel, "释放时间", SLIDER(f.panels.VScroll2[2]),
           BOX(f.panels.Text6[2]), kTimeHint),
    slider("musicCompAttack", kMusicPanel, "启动时间", SLIDER(f.panels.VScroll2[3]),
           BOX(f.panels.Text6[3]), kTimeHint),
    [] {
      ParameterRow r{"musicEqBypass", kMusicPanel, "EQ PASS", Edit::Bypass,
                     CONTROL(f.panels.dcButton9)};
      r.hint = "ON (bypassed) or OFF";
      r.eq = Eq::Music;
      return r;
    }(),
    [] {
      ParameterRow r{"musicEqLhPass", kMusicPanel, "LH-PASS", Edit::Shelf,
                     CONTROL(f.panels.dcButton8)};
      r.filled = modelOneOrTwo;
      r.hint = "ON (bands 0 and 1 are low and high shelves) or OFF";
      r.eq = Eq::Music;
      return r;
    }(),
};

const EqualizerRow kEqualizers[] = {
    {"micEqBand", kMicPanel, "麦克风EQ", Eq::Mic},
    {"musicEqBand", kMusicPanel, "音乐EQ", Eq::Music},
};

#undef CONTROL
#undef SLIDER
#undef BOX

Control& controlOf(Form1& f, const ParameterRow& row) {
  return row.control ? row.control(f) : row.slider(f);
}

bool switchedOn(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Phase: return leadingNumber(row.control(f).caption()) == 180;
    case Edit::Shelf: return row.control(f).caption() == kShelfOn;
    case Edit::Bypass: return row.control(f).backColor() != colors::darkGrey;
    case Edit::CheckBox: return static_cast<CheckBox&>(row.control(f)).value() != 0;
    default: return false;
  }
}

// A typed number of a slider row from a position, and back.
int typedOf(const ParameterRow& row, int position) {
  switch (row.typed) {
    case Typed::Frequency: return codeToFreq(position);
    case Typed::LowPass: return position + kLowPassBaseKHz;
    case Typed::Position: break;
  }
  return position;
}

std::optional<int> wholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::span<const ParameterRow> parameterRows() { return kRows; }
std::span<const EqualizerRow> equalizerRows() { return kEqualizers; }

const ParameterRow* findParameter(std::string_view name) {
  for (const ParameterRow& r : kRows)
    if (name == r.name) return &r;
  return nullptr;
}

const EqualizerRow* findEqualizer(std::string_view name) {
  for (const EqualizerRow& r : kEqualizers)
    if (name == r.name) return &r;
  return nullptr;
}

std::string modelName(const LinkState& state) {
  if (state.altModel3) return "3b";
  return std::to_string(state.deviceModel);
}

bool isFilled(const ParameterRow& row, const LinkState& state) {
  return !row.filled || row.filled(state);
}

int wireValue(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Slider: {
      const int p = row.slider(f).value();
      return row.wire == Wire::Negated ? -p : row.wire == Wire::Reversed ? 100 - p : p;
    }
    case Edit::KeyShift: return int(leadingNumber(row.box(f).text())) + 6;
    default: return switchedOn(f, row) ? kSwitchOn : kSwitchOff;
  }
}

std::string displayText(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Slider:
    case Edit::KeyShift: return row.box(f).text();
    case Edit::Phase:
    case Edit::Shelf: return row.control(f).caption();
    case Edit::Bypass:
    case Edit::CheckBox: break;
  }
  return switchedOn(f, row) ? "ON" : "OFF";
}

int operatorValue(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Slider: return row.slider(f).value();
    case Edit::KeyShift: return int(leadingNumber(row.box(f).text()));
    case Edit::Phase: return switchedOn(f, row) ? 180 : 0;
    default: return switchedOn(f, row) ? 1 : 0;
  }
}

std::pair<int, int> sliderRange(Form1& f, const ParameterRow& row) {
  const Slider& s = row.slider(f);
  int hi = s.max();
  if (row.ceiling) hi = std::min(hi, int(leadingNumber(row.ceiling(f).text())));
  return {s.min(), hi};
}

TypedValue parseTyped(const ParameterRow& row, std::string_view text) {
  const std::string name = row.name;
  switch (row.edit) {
    case Edit::Slider: {
      const std::optional<int> v = wholeNumber(text);
      if (!v) return {0, name + ": \"" + std::string(text) + "\" is not a whole number"};
      if (row.typed == Typed::LowPass) return {*v - kLowPassBaseKHz, ""};
      if (row.typed == Typed::Position) return {*v, ""};
      const std::optional<FreqCode> code = freqToCode(*v);
      if (!code || codeToFreq(*code) != *v)
        return {0, name + ": " + std::to_string(*v) + " Hz is not a frequency the slider has"};
      return {*code, ""};
    }
    case Edit::KeyShift: {
      const std::optional<int> v = wholeNumber(text);
      if (!v) return {0, name + ": \"" + std::string(text) + "\" is not a whole number"};
      return {*v, ""};
    }
    case Edit::Phase:
      if (text == "0" || text == "180") return {text == "0" ? 0 : 180, ""};
      return {0, name + ": the phase is 0 or 180, not \"" + std::string(text) + "\""};
    default:
      if (upper(text) == "ON" || upper(text) == "OFF") return {upper(text) == "ON" ? 1 : 0, ""};
      return {0, name + ": the value is ON or OFF, not \"" + std::string(text) + "\""};
  }
}

std::string checkValue(Form1& f, const ParameterRow& row, int value) {
  const std::string name = row.name;
  if (!controlOf(f, row).visible())
    return name + ": model " + modelName(f.state) + " has no such control (the editor hides it)";
  int lo = 0, hi = 0;
  if (row.edit == Edit::Slider) {
    std::tie(lo, hi) = sliderRange(f, row);
    lo = typedOf(row, lo);
    hi = typedOf(row, hi);
    value = typedOf(row, value);
  } else if (row.edit == Edit::KeyShift) {
    lo = -6;
    hi = 6;
  } else {
    return "";  // a typed phase or switch is always one the control can show
  }
  if (value >= lo && value <= hi) return "";
  std::string why = name + ": " + std::to_string(value) + " is out of range " +
                    std::to_string(lo) + ".." + std::to_string(hi);
  if (row.ceiling && hi < typedOf(row, row.slider(f).max()))
    why += " (the maximum volume is set to " + std::to_string(hi) + ")";
  return why;
}

bool operate(Form1& f, const ParameterRow& row, int value) {
  if (operatorValue(f, row) == value) return false;
  switch (row.edit) {
    case Edit::Slider: row.slider(f).moveTo(value); break;
    case Edit::KeyShift: {
      for (int i = 0; i <= 12; ++i)
        if (MusicPanel::keyShift(i) == value) f.panels.Ybcnd[i].click();
      break;
    }
    case Edit::CheckBox: static_cast<CheckBox&>(row.control(f)).toggle(); break;
    default: static_cast<Button&>(row.control(f)).click(); break;
  }
  return true;
}

}  // namespace kavel
