#pragma once
// One preset file in memory: its layout and every field it carries, each
// known by identity (parameter, which of its values, band) so that files of
// different layouts can be compared and applied field by field.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kavel {

// The three layouts, each named by the marker on a file's first line.
enum class PresetLayout {
  Full,      // "ZV-ORNsyPASS", models 1 and 2: 206 lines
  NoShelf,   // "ZV-ORNsy", model 3: 204 lines, without the shelf buttons
  NoFilter,  // "ZV-ORN", model 3 answering "5A79": 200 lines, also without the filters
};

const char* presetMarker(PresetLayout layout);
// The layout a first line names; only an exact marker does (case and blanks count).
std::optional<PresetLayout> presetLayoutOfMarker(std::string_view line);
bool isPresetMarker(std::string_view line);
// The layout the connected device writes.
PresetLayout presetLayoutFor(int deviceModel, bool altModel3);
// Lines of a file of the layout, the marker included.
int presetLineCount(PresetLayout layout);

// Which value of its parameter a line holds.
enum class FieldPart { Text, Position, Caption, Gain, Q, Freq };

struct FieldId {
  std::string parameter;  // "micHighPass", "micEqBand"
  FieldPart part = FieldPart::Text;
  int band = -1;  // the band of a band value; -1 for the others
  bool operator==(const FieldId&) const = default;
};

// A band value, a slider or scroll position, or a text (display text or caption).
using FieldValue = std::variant<double, int, std::string>;

struct PresetField {
  FieldId id;
  FieldValue value;
  bool operator==(const PresetField&) const = default;
};

struct PresetSnapshot {
  PresetLayout layout = PresetLayout::Full;
  std::vector<PresetField> fields;  // in line order, from line 2
  // The value of a field; nullptr when the layout does not carry it.
  const FieldValue* find(const FieldId& id) const;
  bool operator==(const PresetSnapshot&) const = default;
};

// "micEqBand band 3 gain", "micHighPass text": a field as a user reads it.
std::string describe(const FieldId& id);

}  // namespace kavel
