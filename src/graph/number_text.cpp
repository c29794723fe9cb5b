#include "graph/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kavel {
namespace {

// The longest prefix of `s` that is a decimal number; empty when none.
std::string_view numberPrefix(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return {};
  std::size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expStart = j;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    if (j > expStart) end = j;
  }
  return s.substr(0, end);
}

std::string_view trimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

double parse(std::string_view number) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double v = 0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
  if (ec == std::errc::result_out_of_range) {
    return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return v;
}

}  // namespace

// The default floating-point rounding mode rounds halves to even.
double roundEven(double v) { return std::nearbyint(v); }

std::string formatFixed(double v, int decimals) {
  if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v < 0 ? "-Inf" : "Inf");
  // 15 significant digits: d.dddddddddddddde±x
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v),
                                 std::chars_format::scientific, 14);
  const std::string_view sci(buf, res.ptr - buf);
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, ePos)) if (c != '.') digits += c;
  const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
  // digits[i] has the weight 10^(exponent - i); keep the weights >= 10^-decimals.
  const int keep = exponent + decimals + 1;
  std::string kept;  // the value times 10^decimals, as decimal digits
  if (keep >= int(digits.size())) {
    kept = digits + std::string(keep - digits.size(), '0');
  } else if (keep >= 0) {
    kept = digits.substr(0, keep);
    const std::string_view rest = std::string_view(digits).substr(keep);
    const bool above = rest[0] > '5' ||
                       (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    const bool half = rest[0] == '5' && !above;
    const bool lastOdd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
    if (above || (half && lastOdd)) {
      int i = int(kept.size()) - 1;
      while (i >= 0 && kept[i] == '9') kept[i--] = '0';
      if (i >= 0) ++kept[i]; else kept.insert(kept.begin(), '1');
    }
  }
  if (int(kept.size()) < decimals + 1) kept.insert(0, decimals + 1 - kept.size(), '0');
  const std::size_t intLen = kept.size() - decimals;
  std::string out = kept.substr(0, intLen);
  if (decimals > 0) out += "." + kept.substr(intLen);
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  return (v < 0 && !zero) ? "-" + out : out;
}

std::string formatGeneral(double v) {
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  std::string out(buf, res.ptr - buf);
  return out == "-0" ? "0" : out;
}

std::string formatTruncated(double v) { return formatFixed(std::trunc(v), 0); }

bool isNumeric(std::string_view text) {
  const std::string_view t = trimBlanks(text);
  return !t.empty() && numberPrefix(t).size() == t.size();
}

double leadingNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  const std::string_view number = numberPrefix(text);
  return number.empty() ? 0.0 : parse(number);
}

}  // namespace kavel
