#include "presets/preset_writer.h"

#include <algorithm>
#include <cmath>

#include "graph/number_text.h"
#include "presets/gbk_text.h"
#include "presets/preset_lines.h"

namespace kavel {
namespace {

constexpr const char* kLineEnd = "\r\n";

// The line of one field, in UTF-8; an error text when it cannot be written.
std::string fieldText(const FieldValue& value, std::string& error) {
  if (const double* d = std::get_if<double>(&value)) {
    if (!std::isfinite(*d)) error = "is not a finite number";
    return formatBandValue(*d);
  }
  if (const int* i = std::get_if<int>(&value)) return std::to_string(*i);
  const std::string& s = std::get<std::string>(value);
  if (s.find_first_of("\r\n") != std::string::npos) error = "holds a line break";
  return s;
}

bool sameKind(const FieldValue& value, LineKind kind) {
  switch (kind) {
    case LineKind::BandValue: return std::holds_alternative<double>(value);
    case LineKind::SliderPosition:
    case LineKind::ScrollPosition: return std::holds_alternative<int>(value);
    case LineKind::DisplayText:
    case LineKind::Caption: break;
  }
  return std::holds_alternative<std::string>(value);
}

}  // namespace

std::string formatBandValue(double value) {
  if (value == 0 || !std::isfinite(value)) return formatFixed(value, 0);
  // Enough places for 15 significant digits; formatFixed keeps no more than 15.
  const int places = std::max(0, 15 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
  std::string out = formatFixed(value, places);
  if (out.find('.') != std::string::npos) {
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.') out.pop_back();
  }
  return out;
}

PresetBytes formatPreset(const PresetSnapshot& snapshot) {
  const auto lines = presetFieldLines(snapshot.layout);
  if (snapshot.fields.size() != lines.size()) {
    return {{}, "the preset holds " + std::to_string(snapshot.fields.size()) + " fields; its layout has " +
                    std::to_string(lines.size())};
  }
  std::string bytes = std::string(presetMarker(snapshot.layout)) + kLineEnd;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const PresetField& field = snapshot.fields[n];
    const std::string where = "line " + std::to_string(n + 2) + " (" + describe(lines[n].id) + ")";
    if (!(field.id == lines[n].id) || !sameKind(field.value, lines[n].row->kind)) {
      return {{}, where + " does not match the preset's layout"};
    }
    std::string error;
    const std::string text = fieldText(field.value, error);
    if (!error.empty()) return {{}, where + " " + error};
    const auto gbk = utf8ToGbk(text);
    if (!gbk) return {{}, where + " holds a character that a preset file (GBK) cannot hold: \"" + text + "\""};
    bytes += *gbk + kLineEnd;
  }
  return {bytes, {}};
}

}  // namespace kavel
