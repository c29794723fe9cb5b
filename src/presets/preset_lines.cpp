#include "presets/preset_lines.h"

#include "panels/parameter_table.h"
#include "window/form1.h"

namespace kavel {
namespace {

using K = LineKind;
using G = LineGroup;

constexpr PresetLine bands(const char* parameter, int first, int count) {
  return {parameter, K::BandValue, G::Always, first, count};
}
constexpr PresetLine text(const char* parameter, G group = G::Always) {
  return {parameter, K::DisplayText, group};
}
constexpr PresetLine slider(const char* parameter, G group = G::Always) {
  return {parameter, K::SliderPosition, group};
}
constexpr PresetLine scroll(const char* parameter, int min, int max) {
  return {parameter, K::ScrollPosition, G::Always, 0, 0, min, max};
}
constexpr PresetLine caption(const char* parameter, G group = G::Always) {
  return {parameter, K::Caption, group};
}

// In file order. The scroll ranges are those the compressor bars are given.
constexpr PresetLine kLines[] = {
    bands("micEqBand", 0, 13),
    text("micHighPass"), slider("micHighPass"),
    text("micLowPass", G::Filter), slider("micLowPass", G::Filter),
    text("micLimitThreshold"), scroll("micLimitThreshold", -30, 0),
    text("micCompRatio"), scroll("micCompRatio", 0, 63),
    text("micCompRelease"), scroll("micCompRelease", 1, 127),
    text("micCompAttack"), scroll("micCompAttack", 1, 127),
    caption("micPhase"),
    bands("musicEqBand", 0, 11),
    text("musicToLr"), slider("musicToLr"),
    text("micToLr"), slider("micToLr"),
    text("effectToLr"), slider("effectToLr"),
    text("musicLimitThreshold"), scroll("musicLimitThreshold", -30, 0),
    text("musicCompRatio"), scroll("musicCompRatio", 0, 63),
    text("musicCompRelease"), scroll("musicCompRelease", 1, 127),
    text("musicCompAttack"), scroll("musicCompAttack", 1, 127),
    caption("musicPhase"),
    text("musicHighPass"), slider("musicHighPass"),
    bands("subEqBand", 0, 5),
    text("subVolume"), slider("subVolume"),
    text("subCrossover"), slider("subCrossover"),
    text("subLowCut", G::Filter), slider("subLowCut", G::Filter),
    caption("subPhase"),
    bands("centerEqBand", 0, 3),
    text("musicToCenter"), slider("musicToCenter"),
    text("micToCenter"), slider("micToCenter"),
    text("effectToCenter"), slider("effectToCenter"),
    caption("centerPhase"),
    bands("effectEqBand", 0, 3),
    text("echoDelay"), slider("echoDelay"),
    text("echoSpeed"), slider("echoSpeed"),
    text("echoHighPass"), slider("echoHighPass"),
    text("echoLowPass"), slider("echoLowPass"),
    caption("echoPhase"),
    caption("echoMode"),
    bands("effectEqBand", 3, 4),
    text("reverbDelay"), slider("reverbDelay"),
    text("reverbTime"), slider("reverbTime"),
    text("reverbHighPass"), slider("reverbHighPass"),
    text("reverbLowPass"), slider("reverbLowPass"),
    caption("reverbPhase"),
    caption("reverbType"),
    text("effectVolume"), slider("effectVolume"),
    text("effectMix"), slider("effectMix"),
    bands("surroundEqBand", 0, 3),
    text("musicToSurround"), slider("musicToSurround"),
    text("micToSurround"), slider("micToSurround"),
    text("effectToSurround"), slider("effectToSurround"),
    text("surroundDelay"), slider("surroundDelay"),
    caption("surroundPhase"),
    caption("micEqLhPass", G::Shelf),
    caption("musicEqLhPass", G::Shelf),
};

// What a single-line row holds; band runs hold gain, Q and frequency.
FieldPart partOf(LineKind kind) {
  switch (kind) {
    case K::DisplayText: return FieldPart::Text;
    case K::SliderPosition:
    case K::ScrollPosition: return FieldPart::Position;
    case K::Caption:
    case K::BandValue: break;
  }
  return FieldPart::Caption;
}

const ParameterRow& parameter(const FieldId& id) { return *findParameter(id.parameter); }

FieldValue readField(Form1& form, const PresetFieldLine& line) {
  const FieldId& id = line.id;
  switch (line.row->kind) {
    case K::BandValue: {
      const BandEditor& e = form.eq(findEqualizer(id.parameter)->eq).editor(id.band);
      return id.part == FieldPart::Gain ? e.db() : id.part == FieldPart::Q ? e.Q() : e.F();
    }
    case K::SliderPosition:
    case K::ScrollPosition: return parameter(id).slider(form).value();
    case K::DisplayText: return parameter(id).box(form).text();
    case K::Caption: return displayText(form, parameter(id));
  }
  return 0;
}

}  // namespace

std::span<const PresetLine> presetLines() { return kLines; }

std::string operatorLabel(const FieldId& id) {
  static constexpr const char* kParts[] = {"显示值", "位置", "", "增益", "Q值", "频率"};
  std::string out;
  if (const EqualizerRow* eq = findEqualizer(id.parameter)) {
    out = std::string(eq->label) + " 第" + std::to_string(id.band + 1) + "段";
  } else if (const ParameterRow* row = findParameter(id.parameter)) {
    out = std::string(row->label) + (id.part == FieldPart::Caption ? "" : " ");
  }
  return out + kParts[static_cast<int>(id.part)] + " (" + describe(id) + ")";
}

bool carries(PresetLayout layout, LineGroup group) {
  switch (group) {
    case G::Always: return true;
    case G::Filter: return layout != PresetLayout::NoFilter;
    case G::Shelf: return layout == PresetLayout::Full;
  }
  return false;
}

std::vector<PresetFieldLine> presetFieldLines(PresetLayout layout) {
  std::vector<PresetFieldLine> out;
  for (const PresetLine& row : kLines) {
    if (!carries(layout, row.group)) continue;
    if (row.kind != K::BandValue) {
      out.push_back({{row.parameter, partOf(row.kind)}, &row});
      continue;
    }
    for (int b = row.firstBand; b < row.firstBand + row.bandCount; ++b) {
      for (FieldPart part : {FieldPart::Gain, FieldPart::Q, FieldPart::Freq}) {
        out.push_back({{row.parameter, part, b}, &row});
      }
    }
  }
  return out;
}

PresetSnapshot takeSnapshot(Form1& form, PresetLayout layout) {
  PresetSnapshot snapshot{layout, {}};
  for (const PresetFieldLine& line : presetFieldLines(layout)) {
    snapshot.fields.push_back({line.id, readField(form, line)});
  }
  return snapshot;
}

PresetSnapshot takeSnapshot(Form1& form) {
  return takeSnapshot(form, presetLayoutFor(form.state.deviceModel, form.state.altModel3));
}

}  // namespace kavel
