#pragma once
// The lines of a preset file after its marker: what each holds, in which
// form it is written and read, and which layouts carry it.
#include <span>
#include <string>
#include <vector>

#include "presets/preset_snapshot.h"

namespace kavel {

class Form1;

enum class LineKind {
  BandValue,       // a band editor's gain, Q or frequency, a 64-bit float
  SliderPosition,  // a slider's position, read by the leading-number rule
  ScrollPosition,  // a scroll bar's position, which must lie within its range
  DisplayText,     // the text box beside a slider or scroll bar, as shown
  Caption,         // a phase or shelf button's caption, a selector's text
};

// The optional line groups; a layout without one omits its lines.
enum class LineGroup { Always, Filter, Shelf };

// One row of the table: one line, or for a band run three lines (gain, Q,
// frequency) for each of its bands.
struct PresetLine {
  const char* parameter;
  LineKind kind;
  LineGroup group = LineGroup::Always;
  int firstBand = 0, bandCount = 0;  // a band run
  int min = 0, max = 0;              // a scroll bar's range
};

std::span<const PresetLine> presetLines();
bool carries(PresetLayout layout, LineGroup group);

// One line of a layout's file, band runs spread out.
struct PresetFieldLine {
  FieldId id;
  const PresetLine* row;
};
// Lines 2 to the last of the layout, in file order.
std::vector<PresetFieldLine> presetFieldLines(PresetLayout layout);

// A field as the window names it, with its parameter name after:
// "麦克风EQ 第4段增益 (micEqBand band 3 gain)".
std::string operatorLabel(const FieldId& id);

// The panels' state as a file of the connected device's layout would hold it.
PresetSnapshot takeSnapshot(Form1& form);
PresetSnapshot takeSnapshot(Form1& form, PresetLayout layout);

}  // namespace kavel
