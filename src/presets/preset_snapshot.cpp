#include "presets/preset_snapshot.h"

namespace kavel {
namespace {

struct LayoutInfo {
  PresetLayout layout;
  const char* marker;
  int lines;
};

constexpr LayoutInfo kLayouts[] = {
    {PresetLayout::Full, "ZV-ORNsyPASS", 206},
    {PresetLayout::NoShelf, "ZV-ORNsy", 204},
    {PresetLayout::NoFilter, "ZV-ORN", 200},
};

const LayoutInfo& info(PresetLayout layout) { return kLayouts[static_cast<int>(layout)]; }

}  // namespace

const char* presetMarker(PresetLayout layout) { return info(layout).marker; }
int presetLineCount(PresetLayout layout) { return info(layout).lines; }

std::optional<PresetLayout> presetLayoutOfMarker(std::string_view line) {
  for (const auto& l : kLayouts) {
    if (line == l.marker) return l.layout;
  }
  return std::nullopt;
}

bool isPresetMarker(std::string_view line) { return presetLayoutOfMarker(line).has_value(); }

PresetLayout presetLayoutFor(int deviceModel, bool altModel3) {
  if (deviceModel < 3) return PresetLayout::Full;
  return altModel3 ? PresetLayout::NoFilter : PresetLayout::NoShelf;
}

const FieldValue* PresetSnapshot::find(const FieldId& id) const {
  for (const auto& f : fields) {
    if (f.id == id) return &f.value;
  }
  return nullptr;
}

std::string describe(const FieldId& id) {
  static constexpr const char* kParts[] = {"text", "position", "caption", "gain", "Q", "frequency"};
  std::string out = id.parameter;
  if (id.band >= 0) out += " band " + std::to_string(id.band);
  return out + " " + kParts[static_cast<int>(id.part)];
}

}  // namespace kavel
