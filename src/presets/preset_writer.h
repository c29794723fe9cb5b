#pragma once
// A preset snapshot as the bytes of its file: GBK text, one field a line,
// every line ended by CR LF.
#include <string>

#include "presets/preset_snapshot.h"

namespace kavel {

struct PresetBytes {
  std::string bytes;
  std::string error;  // why the snapshot cannot be written; empty on success
};

PresetBytes formatPreset(const PresetSnapshot& snapshot);

// A band value: rounded to 15 significant digits, plain decimal notation
// without trailing zeros (1000, 0.7, -3.5, 0).
std::string formatBandValue(double value);

}  // namespace kavel
