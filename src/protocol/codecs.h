#pragma once
// Wire values of the processor's parameters: how a number the operator sees
// becomes one or two unsigned bytes, and back. Pure functions without state.
// A value that has no wire byte comes back as an empty optional, so that no
// frame can be built from it.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "controls/bytes.h"

namespace kavel {

using FreqCode = std::uint16_t;  // 0 (20 Hz) to 2855 (20000 Hz)

inline constexpr FreqCode kMaxFreqCode = 2855;

// Rounds to the nearest integer, an exact half to the even neighbour
// (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double x);

// `x` rounded half to even, when that lies in 0..255.
std::optional<Byte> toWireByte(double x);
// The same for the two-byte values, 0..65535.
std::optional<std::uint16_t> toWireWord(double x);

// Appends a wire byte; false (and nothing appended) when there is none.
bool put(Bytes& out, std::optional<Byte> b);
// Appends x as one wire byte or, with width 2, as a word high byte first;
// false when it has no wire value.
bool putNumber(Bytes& out, double x, int width);

// High byte first.
inline std::pair<Byte, Byte> splitWord(std::uint16_t code) {
  return {Byte(code >> 8), Byte(code & 0xFF)};
}

// Frequency in Hz to its code on the five-segment scale. Empty below 19.5 Hz
// (the code would be negative), above 20000 Hz and for a value that is not a number.
std::optional<FreqCode> freqToCode(double hz);
// Code to the frequency in Hz; the inverse of freqToCode on the grid.
int codeToFreq(int code);

// EQ band gain -12..+12 dB: (gain + 12) x 10.
std::optional<Byte> gainToByte(double db);
double byteToGain(int b);
// EQ band Q 0.3..15: Q x 10.
std::optional<Byte> qToByte(double q);
double byteToQ(int b);

// The number at the start of a display box's text: leading blanks skipped,
// then an optional sign, digits and at most one decimal point up to the
// first other character. An empty or non-numeric text reads as 0
// ("37%" gives 37, "4.05KHZ" 4.05, " 3" 3, "-12dB" -12).
double leadingNumber(const std::string& text);

// The shortest decimal form: integers without a point, reals without
// trailing zeros (2.5, 4.05, 10, -3).
std::string formatNumber(double x);
// value / 10^decimals written exactly in the shortest decimal form
// (formatScaled(405, 2) gives "4.05", formatScaled(-30, 1) gives "-3").
std::string formatScaled(long long value, int decimals);

}  // namespace kavel
