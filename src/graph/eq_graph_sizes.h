#pragma once
// The sizes of the six EQ graphs on their panels, in pixels of the control
// (the plot is 42 pixels narrower and 26 pixels lower). A panel is 929 x 481
// pixels: its title strip, a graph 200 pixels high and a row of band editors
// (245 pixels) fit one above the other.
namespace kavel {

struct EqGraphSize {
  int width, height;
};

inline constexpr EqGraphSize kMicEQLine1Size{900, 200};   // microphone, 13 bands
inline constexpr EqGraphSize kMicEQLine2Size{900, 200};   // music, 11 bands
inline constexpr EqGraphSize kucEQLine3Size{560, 200};    // effect, 7 bands
inline constexpr EqGraphSize kucEQLine4Size{440, 200};    // center, 3 bands
inline constexpr EqGraphSize kucEQLine5Size{440, 200};    // surround, 3 bands
inline constexpr EqGraphSize kucEQLine11Size{440, 200};   // subwoofer, 5 bands

}  // namespace kavel
