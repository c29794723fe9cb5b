#pragma once
// The processor models: the probe byte each one answers, its probe reply,
// and which of the window's model-dependent controls it shows.
#include <array>
#include <vector>

#include "controls/bytes.h"
#include "controls/control.h"
#include "link/link_state.h"

namespace kavel {

class Form1;

struct DeviceModel {
  Integer deviceModel;
  Byte probe;         // the one-byte probe that addresses it
  const char* reply;  // its probe reply, first two bytes as hex text
  bool altModel3;     // the second variant of model 3
};

// One column per model, in this order; the column is the model's index here.
inline constexpr DeviceModel kDeviceModels[] = {
    {1, 0xAF, "5A7F", false},
    {2, 0xAC, "5A76", false},
    {3, 0xAA, "5A76", false},
    {3, 0xAA, "5A79", true},
};
inline constexpr int kModelColumns = 4;

struct ModelControl {
  const char* name;
  Control& (*control)(Form1&);
  std::array<bool, kModelColumns> visible;
};

// The thirteen controls that depend on the model, in the order they are set.
const std::vector<ModelControl>& modelControls();

// Shows and hides the model-dependent controls for the model of `column`.
void applyModel(Form1& form, int column);

}  // namespace kavel
