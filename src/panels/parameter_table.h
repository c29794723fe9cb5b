#pragma once
// Every parameter the panels edit, one row each: its name, the panel and the
// label it sits under, the control that shows and edits it, how the number
// the processor holds (the number its command carries) and the display text
// are read from that control, and how an operator sets it. The command-line
// tool's dump and set walk these rows; a panel joins them by adding rows.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "controls/control.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

class Form1;
struct LinkState;

// The kind of control, which decides how it is read and how it is set.
enum class Edit : std::uint8_t {
  Slider,    // a slider or scroll bar, moved to a position; its value box shows it
  Phase,     // a button captioned "0" or "180", clicked to turn it over
  Shelf,     // a button captioned "LH-PASS ON" or "LH-PASS OFF"
  Bypass,    // a button lit green while its equalizer is bypassed
  CheckBox,  // a check box, checked for on
  KeyShift,  // the thirteen key-shift buttons and the box that shows the shift
};

// How a slider's position becomes the number its command carries.
enum class Wire : std::uint8_t {
  Position,  // the position itself
  Negated,   // minus the position (the limiter bars run 0..-30)
  Reversed,  // 100 - position (the balance)
};

// What the operator types for a slider: the number the value box shows,
// which maps to a position.
enum class Typed : std::uint8_t {
  Position,   // the position itself
  Frequency,  // a frequency in Hz: the position whose frequency code gives it
  LowPass,    // kilohertz 8..20 at positions 0..12
};

struct ParameterRow {
  const char* name;   // the processor's parameter name
  int panel;          // the panel frame Lkframe(i) it belongs to
  const char* label;  // what the panel writes beside the control
  Edit edit;
  // The control the connected model shows or hides.
  Control& (*control)(Form1&);
  // Slider: the slider and its value box; KeyShift: the box only.
  Slider& (*slider)(Form1&) = nullptr;
  TextBox& (*box)(Form1&) = nullptr;
  Wire wire = Wire::Position;
  Typed typed = Typed::Position;
  // A box whose number the slider may not exceed (the maximum volumes).
  TextBox& (*ceiling)(Form1&) = nullptr;
  // Whether the connect's read-back fills it on the connected model; nullptr: always.
  bool (*filled)(const LinkState&) = nullptr;
  // What VALUE means, for --help.
  const char* hint = "";
  // The equalizer a Bypass or Shelf row switches.
  Eq eq = Eq::Mic;
};

// One equalizer's bands, read and set through its band editors.
struct EqualizerRow {
  const char* name;  // micEqBand
  int panel;
  const char* label;
  Eq eq;
};

std::span<const ParameterRow> parameterRows();
std::span<const EqualizerRow> equalizerRows();
const ParameterRow* findParameter(std::string_view name);
const EqualizerRow* findEqualizer(std::string_view name);

// The connected model as the simulator and the dump name it: "1", "2", "3", "3b".
std::string modelName(const LinkState& state);
bool isFilled(const ParameterRow& row, const LinkState& state);
// The number the processor holds for the parameter, read from its control.
int wireValue(Form1& form, const ParameterRow& row);
// Exactly what the panel shows; "ON"/"OFF" for the bypass and the check box,
// whose captions do not change.
std::string displayText(Form1& form, const ParameterRow& row);

// The operator's value of a row: the slider position, 0 or 180 for a phase,
// 0 or 1 for a switch, the key shift -6..6.
int operatorValue(Form1& form, const ParameterRow& row);
// The range of operator values a slider row accepts now (its slider's range,
// capped by its ceiling box).
std::pair<int, int> sliderRange(Form1& form, const ParameterRow& row);
// Reads what the operator typed for `row`; an error text when it is no value
// of the row's kind. The range is checked against the form (checkValue).
struct TypedValue {
  int value = 0;
  std::string error;
};
TypedValue parseTyped(const ParameterRow& row, std::string_view text);
// Why `value` cannot be set on the form now (out of the control's range,
// the control hidden); empty when it can.
std::string checkValue(Form1& form, const ParameterRow& row, int value);
// Sets the control to `value` as an operator would (a slider move, a click,
// a toggle); false when it already shows that value and nothing was done.
bool operate(Form1& form, const ParameterRow& row, int value);

}  // namespace kavel
