#include "panels/parameter_table.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "panels/parameter_rows.h"
#include "protocol/codecs.h"
#include "protocol/display_texts.h"
#include "window/form1.h"

namespace kavel {

namespace {

const EqualizerRow kEqualizers[] = {
    {"micEqBand", rows::kMicPanel, "麦克风EQ", Eq::Mic},
    {"musicEqBand", rows::kMusicPanel, "音乐EQ", Eq::Music},
    {"effectEqBand", rows::kEffectPanel, "效果EQ", Eq::Effect},
    {"centerEqBand", rows::kCenterSurroundPanel, "中置EQ", Eq::Center},
    {"surroundEqBand", rows::kCenterSurroundPanel, "环绕EQ", Eq::Surround},
    // The subwoofer's band editors set a frequency above 400 Hz back to 400 Hz.
    {"subEqBand", rows::kSubSettingsPanel, "超低音EQ", Eq::Sub, 400},
};

Control& controlOf(Form1& f, const ParameterRow& row) {
  return row.control ? row.control(f) : row.slider(f);
}

bool switchedOn(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Toggle:
    case Edit::Shelf: return row.control(f).caption() == row.captions->on;
    case Edit::Bypass: return row.control(f).backColor() != colors::darkGrey;
    case Edit::CheckBox: return static_cast<CheckBox&>(row.control(f)).value() != 0;
    default: return false;
  }
}

int indexOf(const std::vector<std::string>& items, const std::string& text) {
  const auto it = std::find(items.begin(), items.end(), text);
  return it == items.end() ? -1 : int(it - items.begin());
}

// The number a slider's display shows for position p, in units of 1/div.
long long shownUnits(const ParameterRow& row, int p) {
  if (row.shown.frequency) return codeToFreq(p);
  return static_cast<long long>(p) * row.shown.mul + row.shown.add;
}

int decimalsOf(const Shown& s) { return s.div == 100 ? 2 : s.div == 10 ? 1 : 0; }

// The number a slider's display shows for position p, as the operator types it.
std::string shownText(const ParameterRow& row, int p) {
  return formatScaled(shownUnits(row, p), decimalsOf(row.shown));
}

// The position that shows `units`; none when the slider never shows it.
std::optional<int> positionOf(const ParameterRow& row, long long units) {
  if (row.shown.frequency) {
    const std::optional<FreqCode> code = freqToCode(double(units));
    if (!code || codeToFreq(*code) != units) return std::nullopt;
    return int(*code);
  }
  const long long steps = units - row.shown.add;
  const long long position = steps / row.shown.mul;
  // A number far beyond any slider must not wrap around into its range.
  if (steps % row.shown.mul != 0 || position > INT_MAX || position < INT_MIN) return std::nullopt;
  return int(position);
}

std::optional<int> wholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// A number written in decimals ("3.7", "-4", "+18"); none for anything else.
std::optional<double> decimalNumber(std::string_view text) {
  if (text.empty() || text.find_first_not_of("+-.0123456789") != std::string_view::npos)
    return std::nullopt;
  const std::string s(text);
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v) || std::fabs(v) > 1e9) return std::nullopt;
  return v;
}

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
  return out;
}

TypedValue parseSlider(const ParameterRow& row, std::string_view text) {
  const std::string name = row.name;
  const std::string quoted = "\"" + std::string(text) + "\"";
  const int div = row.shown.div;
  std::optional<int> position;
  if (div == 1) {
    const std::optional<int> whole = wholeNumber(text);
    if (!whole) return {0, name + ": " + quoted + " is not a whole number"};
    position = positionOf(row, *whole);
    if (!position && row.shown.frequency)
      return {0, name + ": " + std::to_string(*whole) + " Hz is not a frequency the slider has"};
  } else {
    const std::optional<double> v = decimalNumber(text);
    if (!v) return {0, name + ": " + quoted + " is not a number"};
    // Units of 1/div: only a number with no more decimals than the display has.
    const double units = *v * div;
    if (std::fabs(units - std::round(units)) < 1e-6) position = positionOf(row, std::llround(units));
  }
  if (position) return {*position, ""};
  return {0, name + ": " + std::string(text) + " is not a value the slider shows (steps of " +
                 formatScaled(row.shown.mul, decimalsOf(row.shown)) + ")"};
}

// The operator value `name` will have when a setting is applied.
int valueOf(Form1& f, const std::string& name, const Pending& pending) {
  const auto it = pending.find(name);
  return it != pending.end() ? it->second : operatorValue(f, *findParameter(name));
}

std::string checkSlider(Form1& f, const ParameterRow& row, int value, const Pending* known) {
  const Slider& s = row.slider(f);
  int lo = s.min(), hi = s.max();
  if (!known) {
    if (value >= lo && value <= hi) return "";
    return std::string(row.name) + ": " + shownText(row, value) + " is out of range " +
           shownText(row, lo) + ".." + shownText(row, hi);
  }
  const Pending& pending = *known;
  std::string why;
  if (row.ceiling && valueOf(f, row.ceiling, pending) < hi) {
    hi = valueOf(f, row.ceiling, pending);
    why = std::string(" (") + row.ceiling + " is " + shownText(*findParameter(row.ceiling), hi) + ")";
  }
  if (row.floor && valueOf(f, row.floor, pending) > lo) {
    lo = valueOf(f, row.floor, pending);
    why = std::string(" (") + row.floor + " is " + shownText(*findParameter(row.floor), lo) + ")";
  }
  if (value < lo || value > hi)
    return std::string(row.name) + ": " + shownText(row, value) + " is out of range " +
           shownText(row, lo) + ".." + shownText(row, hi) + why;
  // A maximum lowered below a slider it caps would move that slider on the
  // panel only; the processor would keep the old value.
  for (const ParameterRow& capped : parameterRows()) {
    if (!capped.ceiling || capped.ceiling != std::string_view(row.name)) continue;
    const int held = valueOf(f, capped.name, pending);
    if (value < held && controlOf(f, capped).visible())
      return std::string(row.name) + ": " + shownText(row, value) + " is below " + capped.name +
             " " + shownText(capped, held) + ", which the panel would lower without sending it; "
             "set " + capped.name + " first";
  }
  return "";
}

}  // namespace

std::span<const ParameterRow> parameterRows() {
  static const std::vector<ParameterRow> all = [] {
    std::vector<ParameterRow> out;
    for (auto part : {rows::micMusic(), rows::effect(), rows::centerSurround(),
                      rows::subSettings()})
      out.insert(out.end(), part.begin(), part.end());
    return out;
  }();
  return all;
}

std::span<const EqualizerRow> equalizerRows() { return kEqualizers; }

const ParameterRow* findParameter(std::string_view name) {
  for (const ParameterRow& r : parameterRows())
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
    case Edit::Slider: return row.wire.sign * row.slider(f).value() + row.wire.offset;
    case Edit::KeyShift: return int(leadingNumber(row.box(f).text())) + 6;
    case Edit::List: return static_cast<ComboBox&>(row.control(f)).listIndex();
    // The music input is the only cycle.
    case Edit::Cycle: return musicInputByte(row.control(f).caption()).value_or(kSwitchOff);
    default: return switchedOn(f, row) ? kSwitchOn : kSwitchOff;
  }
}

std::string displayText(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Slider:
    case Edit::KeyShift: return row.box(f).text();
    case Edit::List: return static_cast<ComboBox&>(row.control(f)).text();
    case Edit::Toggle:
    case Edit::Shelf:
    case Edit::Cycle: return row.control(f).caption();
    case Edit::Bypass:
    case Edit::CheckBox: break;
  }
  return switchedOn(f, row) ? "ON" : "OFF";
}

std::string valueHint(const ParameterRow& row) {
  if (row.items) return joined(row.items());
  if (!row.captions) return row.hint;
  std::string out = std::string(row.captions->typedOn) + " or " + row.captions->typedOff;
  return *row.hint ? out + " " + row.hint : out;
}

int operatorValue(Form1& f, const ParameterRow& row) {
  switch (row.edit) {
    case Edit::Slider: return row.slider(f).value();
    case Edit::KeyShift: return int(leadingNumber(row.box(f).text()));
    case Edit::List: return indexOf(row.items(), static_cast<ComboBox&>(row.control(f)).text());
    case Edit::Cycle: return indexOf(row.items(), row.control(f).caption());
    default: return switchedOn(f, row) ? 1 : 0;
  }
}

TypedValue parseTyped(const ParameterRow& row, std::string_view text) {
  const std::string name = row.name;
  const std::string quoted = "\"" + std::string(text) + "\"";
  switch (row.edit) {
    case Edit::Slider: return parseSlider(row, text);
    case Edit::KeyShift: {
      const std::optional<int> v = wholeNumber(text);
      if (!v) return {0, name + ": " + quoted + " is not a whole number"};
      return {*v, ""};
    }
    case Edit::List:
    case Edit::Cycle: {
      const std::vector<std::string>& items = row.items();
      for (int i = 0; i < int(items.size()); ++i)
        if (upper(text) == upper(items[i])) return {i, ""};
      return {0, name + ": the value is one of " + joined(items) + ", not " + quoted};
    }
    case Edit::Toggle:
    case Edit::Shelf:
      if (upper(text) == upper(row.captions->typedOn)) return {1, ""};
      if (upper(text) == upper(row.captions->typedOff)) return {0, ""};
      return {0, name + ": the value is " + row.captions->typedOn + " or " +
                     row.captions->typedOff + ", not " + quoted};
    case Edit::Bypass:
    case Edit::CheckBox: break;
  }
  if (upper(text) == "ON" || upper(text) == "OFF") return {upper(text) == "ON" ? 1 : 0, ""};
  return {0, name + ": the value is ON or OFF, not " + quoted};
}

std::string checkValue(Form1& f, const ParameterRow& row, int value, const Pending* pending) {
  const std::string name = row.name;
  if (!controlOf(f, row).visible())
    return name + ": model " + modelName(f.state) + " has no such control (the editor hides it)";
  if (row.offWith) {
    const ParameterRow& list = *findParameter(row.offWith);
    const bool on = pending && pending->count(list.name) ? pending->at(list.name) != 0
                                                         : controlOf(f, row).enabled();
    if (!on)
      return name + ": the slider is disabled while " + list.name + " is " + list.items()[0] +
             "; choose another " + list.name + " first";
  }
  if (row.edit == Edit::Slider) return checkSlider(f, row, value, pending);
  if (row.edit == Edit::KeyShift && (value < -6 || value > 6))
    return name + ": " + std::to_string(value) + " is out of range -6..6";
  return "";  // a typed toggle, switch, list entry or input is always one the control can show
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
    case Edit::List: static_cast<ComboBox&>(row.control(f)).choose(value); break;
    default: static_cast<Button&>(row.control(f)).click(); break;
  }
  return true;
}

int stepsToSet(const ParameterRow& row) {
  return row.edit == Edit::Cycle ? int(row.items().size()) - 1 : 1;
}

}  // namespace kavel
