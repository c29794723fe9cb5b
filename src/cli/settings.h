#pragma once
// The NAME=VALUE arguments of `kavel set`: read before anything is opened,
// checked against the connected processor before anything is sent, and
// turned into the operator's actions on the panels, one command each.
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "panels/parameter_table.h"

namespace kavel::cli {

struct Setting {
  std::string text;  // as typed, for messages
  // A parameter with its operator value (parseTyped), or
  const ParameterRow* row = nullptr;
  int value = 0;
  // a band of an equalizer: "micEqBand.5=1000,3.5,1.4", frequency in Hz,
  // gain in dB and Q, an empty field leaving that value as it is.
  const EqualizerRow* equalizer = nullptr;
  int band = 0;
  std::array<std::optional<double>, 3> bandValues;
};

// Band fields in the order they are typed.
enum BandField { kFrequency, kGain, kQ };

struct ParsedSetting {
  Setting setting;
  std::string error;  // empty when the argument is a setting
};
ParsedSetting parseSetting(const std::string& argument);

// Why the settings, applied in order, cannot all be made on the connected
// processor (a control it hides or disables, a value beyond a control's
// range now or after the settings before it, a band edit the bypass would
// hold back); empty when they can. Before a connect (`connected` false)
// only what holds for every processor is checked.
std::string checkSettings(Form1& form, std::span<const Setting> settings, bool connected = true);

// The operator's actions for one setting, in order. Each either starts one
// command (and returns true) or finds the control already showing the value
// (and returns false); the caller waits for each command's acknowledgement
// before the next action.
using Action = std::function<bool(Form1&)>;
std::vector<Action> actions(const Setting& setting);

}  // namespace kavel::cli
