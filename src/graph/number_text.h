#pragma once
// Numbers as the graphs and band editors show and read them. Display texts
// are exact decimals: a value is first taken to 15 significant digits and
// then rounded to the shown places with halves to the even neighbour, so 0.35
// shows as "0.4" and 0.25 as "0.2". Nothing here depends on the C locale.
#include <string>
#include <string_view>

namespace kavel {

// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundEven(double v);

// `v` with exactly `decimals` places: "0.0" for one, "0" for none. A value
// that rounds to zero never shows a minus sign.
std::string formatFixed(double v, int decimals);

// Up to 15 significant digits without trailing zeros: 1.4 -> "1.4", 2 -> "2".
std::string formatGeneral(double v);

// The integer part of `v` (truncated toward zero): 1000.7 -> "1000".
std::string formatTruncated(double v);

// True when the whole text (blanks around it allowed) reads as one decimal
// number: optional sign, digits with an optional point, optional exponent.
bool isNumeric(std::string_view text);

// The number the text begins with, after leading blanks; 0 when it begins
// with none ("12abc" -> 12, "abc" -> 0).
double leadingNumber(std::string_view text);

}  // namespace kavel
