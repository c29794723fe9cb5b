#pragma once
// What kavel's printouts share: columns that line up in a terminal and
// numbers in JSON as a person would write them.
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

namespace kavel::cli {

using Json = nlohmann::ordered_json;

// `text` followed by blanks to `width` terminal cells (a CJK character takes
// two), and at least one blank.
std::string padded(const std::string& text, std::size_t width);

// A whole number prints without a decimal point (1000, not 1000.0).
Json jsonNumber(double v);

}  // namespace kavel::cli
