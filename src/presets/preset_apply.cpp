#include "presets/preset_apply.h"

#include "panels/eq_handlers.h"
#include "panels/parameter_table.h"
#include "presets/preset_lines.h"
#include "window/form1.h"

namespace kavel {
namespace {

constexpr const char* kShelfOn = "LH-PASS ON";

// The microphone, music, subwoofer and center graphs take a band's three
// values at once, after its last line; the effect and surround graphs take
// each value as it comes, the path of an edit in the band editor.
bool takesValuesSingly(Eq eq) { return eq == Eq::Effect || eq == Eq::Surround; }

void applyBand(Form1& f, const FieldId& id, double value) {
  Equalizer& eq = f.eq(findEqualizer(id.parameter)->eq);
  BandEditor& e = eq.editor(id.band);
  const int i = id.band;
  const bool singly = takesValuesSingly(eq.eq());
  switch (id.part) {
    case FieldPart::Gain:
      e.setDb(value);
      if (singly) eq.graph.setDB(i, e.db());
      return;
    case FieldPart::Q:
      e.setQ(value);
      if (singly) eq.graph.setQ(i, e.Q());
      return;
    case FieldPart::Freq:
      e.setF(value);
      if (singly) {
        eq.graph.setF(i, e.F());
      } else {
        // The band keeps its type: a shelf stays a shelf on the graph.
        eq.graph.setVal(i, e.F(), e.db(), e.Q(), e.T());
      }
      return;
    default: return;
  }
}

void applyField(Form1& f, const PresetFieldLine& line, const FieldValue& value) {
  if (line.row->kind == LineKind::BandValue) {
    applyBand(f, line.id, std::get<double>(value));
    return;
  }
  const ParameterRow& row = *findParameter(line.id.parameter);
  switch (line.row->kind) {
    case LineKind::DisplayText: row.box(f).setText(std::get<std::string>(value)); return;
    case LineKind::SliderPosition: row.slider(f).setValue(std::get<int>(value)); return;
    // A compressor bar runs its change handling, which rewrites the boxes
    // of all four bars from their positions.
    case LineKind::ScrollPosition: row.slider(f).moveTo(std::get<int>(value)); return;
    case LineKind::Caption: break;
    case LineKind::BandValue: return;
  }
  const std::string& text = std::get<std::string>(value);
  if (row.edit == Edit::Shelf) return;  // set before the bands
  if (row.edit == Edit::List) {
    static_cast<ComboBox&>(row.control(f)).setText(text);
  } else {
    row.control(f).setCaption(text);  // no click: nothing toggles, nothing is sent
  }
}

}  // namespace

void applyPreset(Form1& f, const PresetSnapshot& preset) {
  const auto lines = presetFieldLines(presetLayoutFor(f.state.deviceModel, f.state.altModel3));
  // Shelf modes first, so that the shelves' band limits are those of the
  // preset while its bands are set.
  for (const PresetFieldLine& line : lines) {
    const ParameterRow* row = findParameter(line.id.parameter);
    if (!row || row->edit != Edit::Shelf) continue;
    if (const FieldValue* v = preset.find(line.id)) {
      setShelfMode(f, row->eq, std::get<std::string>(*v) == kShelfOn);
    }
  }
  for (const PresetFieldLine& line : lines) {
    if (const FieldValue* v = preset.find(line.id)) applyField(f, line, *v);
  }
}

}  // namespace kavel
