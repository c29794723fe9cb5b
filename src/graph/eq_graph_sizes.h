#pragma once
// The sizes of the six EQ graphs on their panels, in pixels of the control
// (the plot is 42 pixels narrower and 26 pixels lower). A panel is 929 x 481
// pixels; the microphone and music graphs stand above a row of band editors
// (245 pixels high, 51 wide each: thirteen fill the graph's width) with
// their band buttons, and leave the right of the panel to the settings.
// The default band frequencies step a whole number of pixels, so the width
// decides where the last one lands: at 668 pixels it is 19974 Hz for both 13
// and 11 bands, inside the 20 .. 20000 Hz a band may hold (at 663 it would be
// 21116 Hz).
namespace kavel {

struct EqGraphSize {
  int width, height;
};

inline constexpr EqGraphSize kMicEQLine1Size{668, 165};   // microphone, 13 bands
inline constexpr EqGraphSize kMicEQLine2Size{668, 165};   // music, 11 bands
inline constexpr EqGraphSize kucEQLine3Size{668, 165};   // effect, 7 bands
inline constexpr EqGraphSize kucEQLine4Size{440, 165};    // center, 3 bands
inline constexpr EqGraphSize kucEQLine5Size{440, 165};    // surround, 3 bands
inline constexpr EqGraphSize kucEQLine11Size{668, 165};  // subwoofer, 5 bands

}  // namespace kavel
