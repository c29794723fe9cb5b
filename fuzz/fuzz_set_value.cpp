// kavel's `set` arguments as any text: NAME=VALUE through the setting
// parser, and the value alone through the typed-value parser of a row the
// first byte chooses. A value taken in must be the number typed: a slider's
// position shows exactly that number, a band field lies in its range.
#include <cmath>
#include <cstdlib>

#include "cli/settings.h"
#include "fuzz_input.h"
#include "protocol/codecs.h"

namespace kavel {
namespace {

using fuzz::check;

// What a slider at `position` shows: (p x mul + add) / div, or the frequency of code p.
double shownAt(const ParameterRow& row, int position) {
  if (row.shown.frequency) return codeToFreq(position);
  return (double(position) * row.shown.mul + row.shown.add) / row.shown.div;
}

void checkTyped(const ParameterRow& row, const std::string& text) {
  const TypedValue typed = parseTyped(row, text);
  if (!typed.error.empty() || row.edit != Edit::Slider) return;
  const double typedNumber = std::strtod(text.c_str(), nullptr);
  check(std::fabs(shownAt(row, typed.value) - typedNumber) < 1e-6 * std::max(1.0, std::fabs(typedNumber)));
}

void checkSetting(const std::string& argument) {
  const cli::ParsedSetting parsed = cli::parseSetting(argument);
  const cli::Setting& s = parsed.setting;
  check(s.text == argument);
  if (!parsed.error.empty()) return;
  check((s.row != nullptr) != (s.equalizer != nullptr));
  if (s.row) {
    checkTyped(*s.row, argument.substr(argument.find('=') + 1));
    return;
  }
  check(s.band >= 0 && s.band < bandCount(s.equalizer->eq));
  bool any = false;
  for (const auto& v : s.bandValues) any = any || v.has_value();
  check(any);
  if (const auto& hz = s.bandValues[cli::kFrequency]) check(*hz >= 20 && *hz <= s.equalizer->maxHz);
  if (const auto& db = s.bandValues[cli::kGain]) check(*db >= -12 && *db <= 12);
}

}  // namespace
}  // namespace kavel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kavel;
  fuzz::Input in(data, size);
  const auto rows = parameterRows();
  const ParameterRow& row = rows[in.pick(int(rows.size()))];
  const std::string text = in.rest();
  checkSetting(text);
  checkTyped(row, text);
  return 0;
}
