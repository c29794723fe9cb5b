#include "protocol/display_texts.h"

#include "protocol/codecs.h"

namespace kavel {

std::string levelText(int v) { return std::to_string(v); }
std::string limiterText(int v) { return std::to_string(v) + "dB"; }
std::string compRatioText(int v) { return std::to_string(v * 100 / 63) + "%"; }
std::string percentText(int v) { return std::to_string(v) + "%"; }
std::string echoSpeedText(int v) { return std::to_string(2 * v) + "ms"; }
std::string millisecondsText(int v) { return std::to_string(v) + "ms"; }
std::string reverbTimeText(int v) { return formatScaled(v, 1) + "s"; }
std::string effectLowPassText(int v) { return formatScaled(v, 2) + "KHZ"; }
std::string micLowPassText(int v) { return std::to_string(v + 8) + "KHz"; }

std::string balanceText(int v) {
  if (v == 50) return "LR 50%";
  if (v > 50) return "R " + std::to_string(v) + "%";
  return "L " + std::to_string(100 - v) + "%";
}

std::string effectMixText(int v) {
  if (v == 50) return "回声+混响";
  if (v > 50) return "混响 " + std::to_string(v) + "%";
  return "回声 " + std::to_string(100 - v) + "%";
}

std::string keyShiftText(int shift) {
  return shift < 0 ? std::to_string(shift) : " " + std::to_string(shift);
}

std::string switchTimeText(int v) { return std::to_string(v) + "s"; }

std::string freqCodeText(int code, const std::string& unit) {
  return std::to_string(codeToFreq(code)) + unit;
}

namespace {

struct Input {
  const char* caption;
  Byte wire;
};
constexpr Input kInputs[] = {{"BGM", 1}, {"AUX", 2}, {"VCR", 3}, {"SPD", 0}};

}  // namespace

std::optional<Byte> musicInputByte(const std::string& caption) {
  for (const Input& in : kInputs)
    if (caption == in.caption) return in.wire;
  return std::nullopt;
}

std::string nextMusicInput(const std::string& caption) {
  for (int i = 0; i < 3; ++i)
    if (caption == kInputs[i].caption) return kInputs[i + 1].caption;
  return kInputs[0].caption;
}

}  // namespace kavel
