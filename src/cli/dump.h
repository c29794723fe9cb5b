#pragma once
// What `kavel dump` prints: every parameter the connect's read-back filled,
// grouped by panel, with its panel label and display text; or one JSON
// object with the wire value and display text of each parameter and the
// bands of each equalizer.
#include <string>

namespace kavel {
class Form1;
}

namespace kavel::cli {

std::string dumpText(Form1& form);
std::string dumpJson(Form1& form);

}  // namespace kavel::cli
