#include "cli/settings.h"

#include <cmath>
#include <cstdlib>
#include <map>

#include "protocol/codecs.h"
#include "window/form1.h"

namespace kavel::cli {

namespace {

constexpr double kShelfSplitHz = 1000;

struct FieldRule {
  const char* name;
  double min, max;
  const char* unit;
};
const FieldRule kFields[] = {
    {"frequency", 20, 0, " Hz"},  // up to the equalizer's own maximum
    {"gain", -12, 12, " dB"},
    {"Q", 0.3, 15, ""},
};

std::optional<double> number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::vector<std::string> split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(sep, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

ParsedSetting parseBand(Setting s, const std::string& name, const std::string& band,
                        const std::string& value) {
  char* end = nullptr;
  const long index = std::strtol(band.c_str(), &end, 10);
  const int bands = bandCount(s.equalizer->eq);
  if (band.empty() || *end != '\0' || index < 0 || index >= bands)
    return {s, name + ": the band is a number from 0 to " + std::to_string(bands - 1)};
  s.band = int(index);
  const std::vector<std::string> fields = split(value, ',');
  if (fields.size() > 3)
    return {s, s.text + ": a band takes frequency,gain,Q (Hz, dB, Q)"};
  bool any = false;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].empty()) continue;
    const FieldRule& rule = kFields[i];
    const double max = i == kFrequency ? s.equalizer->maxHz : rule.max;
    const std::optional<double> v = number(fields[i]);
    if (!v) return {s, s.text + ": the " + rule.name + " \"" + fields[i] + "\" is not a number"};
    if (*v < rule.min || *v > max)
      return {s, s.text + ": the " + rule.name + " " + formatNumber(*v) + " is out of range " +
                     formatNumber(rule.min) + ".." + formatNumber(max) + rule.unit};
    s.bandValues[i] = *v;
    any = true;
  }
  if (!any) return {s, s.text + ": give at least one of frequency,gain,Q"};
  return {s, ""};
}

// The bypass and shelf state of each equalizer as the settings before the
// one being checked leave it.
struct EqSwitches {
  bool bypassed = false;
  bool shelf = false;
};

EqSwitches switchesOf(const Form1& f, Eq eq) {
  const LinkState& s = f.state;
  if (eq == Eq::Mic) return {!s.micEqActive, s.micShelfMode};
  return {!s.musicEqActive, s.musicShelfMode};
}

std::string bypassName(Eq eq) {
  for (const ParameterRow& r : parameterRows())
    if (r.edit == Edit::Bypass && r.eq == eq) return r.name;
  return "";
}

std::string checkBand(const Setting& s, const EqSwitches& sw) {
  const std::string& eqName = s.equalizer->name;
  const std::string prefix = eqName + "." + std::to_string(s.band) + ": ";
  if (sw.bypassed)
    return prefix + "the equalizer is bypassed, so a band edit would not reach the processor; "
                    "set " + bypassName(s.equalizer->eq) + "=OFF first";
  if (!sw.shelf || s.band > 1) return "";
  if (s.bandValues[kQ])
    return prefix + "band " + std::to_string(s.band) +
           " is a shelf while LH-PASS is ON and has no Q to set";
  const std::optional<double> f = s.bandValues[kFrequency];
  if (f && s.band == 0 && *f > kShelfSplitHz)
    return prefix + "band 0 is the low shelf while LH-PASS is ON: at most 1000 Hz";
  if (f && s.band == 1 && *f < kShelfSplitHz)
    return prefix + "band 1 is the high shelf while LH-PASS is ON: at least 1000 Hz";
  return "";
}

// One band value typed into its box of the band editor, then Enter.
Action typeBandValue(Eq eq, int band, BandField field, double value) {
  return [eq, band, field, value](Form1& f) {
    BandEditor& ed = f.eq(eq).editor(band);
    const double now = field == kFrequency ? ed.F() : field == kGain ? ed.db() : ed.Q();
    if (now == value) return false;
    const std::string text = formatNumber(value);
    switch (field) {
      case kFrequency: ed.txtF.setText(text); ed.txtFEnter(); break;
      case kGain: ed.txtDB.setText(text); ed.txtDBEnter(); break;
      case kQ: ed.txtQ.setText(text); ed.txtQEnter(); break;
    }
    return true;
  };
}

}  // namespace

ParsedSetting parseSetting(const std::string& argument) {
  Setting s;
  s.text = argument;
  const std::size_t eq = argument.find('=');
  if (eq == std::string::npos || eq == 0)
    return {s, "\"" + argument + "\" is not NAME=VALUE"};
  const std::string name = argument.substr(0, eq);
  const std::string value = argument.substr(eq + 1);
  const std::size_t dot = name.find('.');
  if (const EqualizerRow* e = findEqualizer(name.substr(0, dot))) {
    s.equalizer = e;
    if (dot == std::string::npos) return {s, name + ": name the band, e.g. " + name + ".5"};
    return parseBand(s, name, name.substr(dot + 1), value);
  }
  s.row = findParameter(name);
  if (!s.row) return {s, "unknown parameter \"" + name + "\""};
  const TypedValue typed = parseTyped(*s.row, value);
  s.value = typed.value;
  return {s, typed.error};
}

std::string checkSettings(Form1& f, std::span<const Setting> settings, bool connected) {
  std::map<Eq, EqSwitches> switches{{Eq::Mic, switchesOf(f, Eq::Mic)},
                                    {Eq::Music, switchesOf(f, Eq::Music)}};
  Pending pending;
  for (const Setting& s : settings) {
    if (s.equalizer) {
      if (std::string why = checkBand(s, switches[s.equalizer->eq]); !why.empty()) return why;
      continue;
    }
    if (std::string why = checkValue(f, *s.row, s.value, connected ? &pending : nullptr); !why.empty()) return why;
    pending[s.row->name] = s.value;
    if (s.row->edit == Edit::Bypass) switches[s.row->eq].bypassed = s.value != 0;
    if (s.row->edit == Edit::Shelf) switches[s.row->eq].shelf = s.value != 0;
  }
  return "";
}

std::vector<Action> actions(const Setting& s) {
  if (s.row) {
    const ParameterRow* row = s.row;
    const int value = s.value;
    return std::vector<Action>(stepsToSet(*row),
                               [row, value](Form1& f) { return operate(f, *row, value); });
  }
  std::vector<Action> out;
  for (BandField field : {kFrequency, kGain, kQ})
    if (s.bandValues[field])
      out.push_back(typeBandValue(s.equalizer->eq, s.band, field, *s.bandValues[field]));
  return out;
}

}  // namespace kavel::cli
