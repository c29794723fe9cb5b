#include "graph/view_input.h"

namespace kavel {

TextExtent estimateTextExtent(const std::string& text, TextRole role) {
  int chars = 0;  // code points, not bytes: "低" is one character
  for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
  switch (role) {
    case TextRole::kPassCaption:
      return {chars * 34.0, 56.0};
    case TextRole::kHint:
      return {chars * 7.0, 12.0};
    default:
      return {chars * 6.0, 12.0};
  }
}

}  // namespace kavel
