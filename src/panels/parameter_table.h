#pragma once
// Every parameter the panels edit, one row each: its name, the panel and the
// label it sits under, the control that shows and edits it, how the number
// the processor holds (the number its command carries) and the display text
// are read from that control, and how an operator sets it. The command-line
// tool's dump and set walk these rows; a panel joins them by adding rows
// (parameter_rows_*.cpp).
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

class Form1;
struct LinkState;

// The kind of control, which decides how it is read and how it is set.
enum class Edit : std::uint8_t {
  Slider,    // a slider or scroll bar, moved to a position; its value box shows it
  Toggle,    // a button with two captions (phase, 开/关, 自动/手动), clicked to turn it over
  Shelf,     // a toggle captioned "LH-PASS ON" or "LH-PASS OFF" that makes bands 0 and 1 shelves
  Bypass,    // a button lit green while its equalizer is bypassed
  CheckBox,  // a check box, checked for on
  KeyShift,  // the thirteen key-shift buttons and the box that shows the shift
  List,      // a drop-down list; its entries are the values
  Cycle,     // a button whose caption steps through its values, one per click
};

// How a slider's position p becomes the number its command carries:
// sign x p + offset.
struct Wire {
  int sign = 1;
  int offset = 0;
};
inline constexpr Wire kPosition{};
inline constexpr Wire kNegated{-1, 0};   // the limiter bars run 0..-30
inline constexpr Wire kReversed{-1, 100};  // the balance

// The number the operator types for a slider, the one its value box shows:
// (p x mul + add) / div, or the frequency of the code p.
struct Shown {
  int mul = 1;
  int add = 0;
  int div = 1;  // 1, 10 or 100: the decimals the number may have
  bool frequency = false;
};
inline constexpr Shown kAsPosition{};
inline constexpr Shown kFrequency{1, 0, 1, true};

// The two captions of a toggle and what the operator types for each.
struct Captions {
  const char* on;
  const char* off;
  const char* typedOn;
  const char* typedOff;
};

struct ParameterRow {
  const char* name;   // the processor's parameter name
  int panel;          // the panel frame Lkframe(i) it belongs to
  const char* label;  // what the panel writes beside the control
  Edit edit;
  // The control the connected model shows or hides; for a slider, the slider.
  Control& (*control)(Form1&) = nullptr;
  // Slider: the slider and its value box; KeyShift: the box only.
  Slider& (*slider)(Form1&) = nullptr;
  TextBox& (*box)(Form1&) = nullptr;
  Wire wire = kPosition;
  Shown shown = kAsPosition;
  // Sliders that the panel clamps to another slider's position: the row
  // whose position this one never exceeds (a maximum volume, the crossover
  // above the low cut) or never falls below.
  const char* ceiling = nullptr;
  const char* floor = nullptr;
  // Whether the connect's read-back fills it on the connected model; nullptr: always.
  bool (*filled)(const LinkState&) = nullptr;
  // What VALUE means, for --help; lists, cycles and toggles add their values.
  const char* hint = "";
  // The equalizer a Bypass or Shelf row switches.
  Eq eq = Eq::Mic;
  // Toggle and Shelf: the captions.
  const Captions* captions = nullptr;
  // List and Cycle: the values, in list order or in the order of the clicks.
  const std::vector<std::string>& (*items)() = nullptr;
  // A slider the panel disables while this List row holds its first entry ("关").
  const char* offWith = nullptr;
};

// One equalizer's bands, read and set through its band editors.
struct EqualizerRow {
  const char* name;  // micEqBand
  int panel;
  const char* label;
  Eq eq;
  int maxHz = 20000;  // the highest frequency its band editors keep
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
// What VALUE may be, for --help.
std::string valueHint(const ParameterRow& row);

// The operator's value of a row: the slider position, 0 or 1 for a toggle
// or switch, the key shift -6..6, the index of a list's or cycle's value.
int operatorValue(Form1& form, const ParameterRow& row);
// Reads what the operator typed for `row`; an error text when it is no value
// of the row's kind. The range is checked against the form (checkValue).
struct TypedValue {
  int value = 0;
  std::string error;
};
TypedValue parseTyped(const ParameterRow& row, std::string_view text);
// Operator values that settings earlier on the same command line will have
// made by the time a setting is applied, by parameter name.
using Pending = std::map<std::string, int>;
// Why `value` cannot be set on the form now, after the `pending` settings
// (out of the control's range, clamped by another slider, the control
// hidden or disabled); empty when it can. Without `pending` the other
// sliders are not known yet (before a connect) and only the control's own
// range is checked.
std::string checkValue(Form1& form, const ParameterRow& row, int value,
                       const Pending* pending);
// Sets the control one step towards `value` as an operator would (a slider
// move, a click, a choice in a list); false when it already shows that
// value and nothing was done. A cycle needs up to `stepsToSet` steps.
bool operate(Form1& form, const ParameterRow& row, int value);
int stepsToSet(const ParameterRow& row);

}  // namespace kavel
