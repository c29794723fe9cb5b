#pragma once
// Colours as the processor's editor stores them: red + 256 * green + 65536 * blue.
#include <cstdint>

namespace kavel {

struct Rgb {
  int r = 0, g = 0, b = 0;
  constexpr bool operator==(const Rgb&) const = default;
  constexpr std::int32_t value() const { return r + 256 * g + 65536 * b; }
  static constexpr Rgb fromValue(std::int32_t v) {
    return Rgb{v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF};
  }
};

namespace colors {
inline constexpr Rgb red{255, 0, 0};           // 255: offline link label
inline constexpr Rgb brightGreen{0, 255, 0};   // 65280: online, a switch that is on
inline constexpr Rgb green{0, 192, 0};         // a band that is on
inline constexpr Rgb darkGrey{64, 64, 64};     // 4210752: a switched-off button
inline constexpr Rgb darkRed{192, 0, 0};       // 192
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb windowGrey{101, 101, 101};
}  // namespace colors

}  // namespace kavel
