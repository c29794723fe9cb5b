#include "protocol/codecs.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kavel {

double roundHalfEven(double x) {
  const double down = std::floor(x);
  const double diff = x - down;
  if (diff < 0.5) return down;
  if (diff > 0.5) return down + 1;
  return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

namespace {

std::optional<long long> roundedIn(double x, long long hi) {
  if (!std::isfinite(x)) return std::nullopt;
  const double r = roundHalfEven(x);
  if (r < 0 || r > double(hi)) return std::nullopt;
  return static_cast<long long>(r);
}

}  // namespace

std::optional<Byte> toWireByte(double x) {
  const auto r = roundedIn(x, 255);
  if (!r) return std::nullopt;
  return Byte(*r);
}

std::optional<std::uint16_t> toWireWord(double x) {
  const auto r = roundedIn(x, 65535);
  if (!r) return std::nullopt;
  return std::uint16_t(*r);
}

std::optional<FreqCode> freqToCode(double f) {
  if (!std::isfinite(f) || f > 20000) return std::nullopt;
  double code;
  if (f <= 150) {
    code = roundHalfEven(f - 20);
    if (code < 0) return std::nullopt;
  } else if (f <= 500) {
    code = std::trunc(f / 2) + 55;
  } else if (f <= 1400) {
    code = std::trunc(f / 3) + 139;
  } else if (f <= 4000) {
    code = std::trunc(f / 4) + 255;
  } else {
    code = std::trunc(f / 10) + 855;
  }
  return FreqCode(code);
}

int codeToFreq(int c) {
  if (c < 130) return c + 20;
  if (c < 305) return (c - 130) * 2 + 150;
  if (c < 605) return (c - 305) * 3 + 500;
  if (c < 1255) return (c - 605) * 4 + 1400;
  return (c - 1255) * 10 + 4000;
}

std::optional<Byte> gainToByte(double db) { return toWireByte((db + 12) * 10); }
double byteToGain(int b) { return (b - 120) / 10.0; }
std::optional<Byte> qToByte(double q) { return toWireByte(q * 10); }
double byteToQ(int b) { return b / 10.0; }

double leadingNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string number;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) number.push_back(text[i++]);
  bool point = false, digit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    number.push_back(c);
  }
  if (!digit) return 0;
  return std::strtod(number.c_str(), nullptr);
}

std::string formatNumber(double x) {
  if (x == 0) return "0";  // also for -0
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15g", x);
  return buf;
}

std::string formatScaled(long long value, int decimals) {
  long long divisor = 1;
  for (int i = 0; i < decimals; ++i) divisor *= 10;
  const bool negative = value < 0;
  const unsigned long long mag = negative ? 0ULL - value : value;
  std::string out = std::to_string(mag / divisor);
  std::string frac;
  for (long long d = divisor / 10, rest = mag % divisor; d > 0; d /= 10) {
    frac.push_back(char('0' + rest / d));
    rest %= d;
  }
  while (!frac.empty() && frac.back() == '0') frac.pop_back();
  if (!frac.empty()) out += "." + frac;
  if (negative && out != "0") out.insert(0, "-");
  return out;
}

bool put(Bytes& out, std::optional<Byte> b) {
  if (!b) return false;
  out.push_back(*b);
  return true;
}

bool putNumber(Bytes& out, double x, int width) {
  if (width == 1) return put(out, toWireByte(x));
  const auto word = toWireWord(x);
  if (!word) return false;
  const auto [hi, lo] = splitWord(*word);
  out.push_back(hi);
  out.push_back(lo);
  return true;
}

}  // namespace kavel
