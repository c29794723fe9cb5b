#pragma once
// The six equalizers and the band values their frames carry. The band
// editors themselves are graph controls; the panels reach their values
// through a reader the window connects to them.
#include <functional>
#include <optional>

namespace kavel {

enum class Eq { Mic, Music, Effect, Center, Surround, Sub };
inline constexpr int kEqCount = 6;
inline constexpr int kEqBands[kEqCount] = {13, 11, 7, 3, 3, 5};

inline constexpr int bandCount(Eq eq) { return kEqBands[static_cast<int>(eq)]; }

// One band as its band editor holds it.
struct BandValues {
  double freq = 0;  // Hz
  double gain = 0;  // dB
  double q = 0;
};

// The values of band `band` of one equalizer; empty while no band editor is connected.
using BandReader = std::function<std::optional<BandValues>(int band)>;

}  // namespace kavel
