#pragma once
// What the graph controls need from the drawing side: the operator's mouse
// buttons and modifier keys, the pointer shapes they ask for, and the size
// of a text in the font it is drawn with.
#include <functional>
#include <string>

namespace kavel {

// Mouse buttons as a bit set: "exactly the left button" is buttons == kLeftButton.
enum MouseButton : int { kNoButton = 0, kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
// Modifier keys as a bit set.
enum ModifierKey : int { kNoModifier = 0, kShiftKey = 1, kControlKey = 2, kAltKey = 4 };

enum class PointerShape { kArrow, kSizeAll, kCross, kSizeNorthSouth };

// The fonts the controls write in; the view maps each to a real font.
enum class TextRole {
  kAxisLabel,    // the graph's frequency and gain labels
  kBandNumber,   // the numbers over the band markers
  kHint,         // the bold hint with the selected band's values
  kPassCaption,  // "EQ PASS" across the plot
};

struct TextExtent {
  double width = 0, height = 0;
};

using TextMeasure = std::function<TextExtent(const std::string& text, TextRole role)>;

// A fixed-pitch estimate for headless use; views supply real font metrics.
TextExtent estimateTextExtent(const std::string& text, TextRole role);

// A text element placed on a control: caption, box and visibility.
struct TextItem {
  std::string caption;
  double left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
};

}  // namespace kavel
