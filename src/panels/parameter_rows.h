#pragma once
// The rows of the parameter table, one list per panel, and the shorthands
// the lists are written with.
#include <span>

#include "panels/parameter_table.h"
#include "window/form1.h"

namespace kavel::rows {

constexpr int kMicPanel = 0, kMusicPanel = 1, kEffectPanel = 2, kCenterSurroundPanel = 3,
              kSubSettingsPanel = 4;

inline constexpr Captions kPhase{"180", "0", "180", "0"};
inline constexpr Captions kOnOff{"ON", "OFF", "ON", "OFF"};

std::span<const ParameterRow> micMusic();
std::span<const ParameterRow> effect();
std::span<const ParameterRow> centerSurround();
std::span<const ParameterRow> subSettings();

inline bool notAltModel3(const LinkState& s) { return !s.altModel3; }

}  // namespace kavel::rows

// Accessors of one control of the window, for the rows' function pointers.
#define KAVEL_CONTROL(expr) [](Form1& f) -> Control& { return expr; }
#define KAVEL_SLIDER(expr) [](Form1& f) -> Slider& { return expr; }
#define KAVEL_BOX(expr) [](Form1& f) -> TextBox& { return expr; }
