#pragma once
// The processor's parameter set as it holds it: wire values, exactly as the
// editor writes them and reads them back. One row per scalar parameter, one
// row per equalizer; a Store is one complete set (the current parameters or
// one of the ten memory modes).
#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace kavel::sim {

enum ParamId : int {
  // microphone, group 0x02
  micHighPass, micLimitThreshold, micCompRatio, micCompRelease, micCompAttack, micVolume,
  micPhase, micEqLhPass, micLowPass, micFeedbackSuppress, micEqBypass,
  // music, group 0x03
  musicVolume, musicToLr, micToLr, effectToLr, musicLimitThreshold, musicCompRatio,
  musicCompRelease, musicCompAttack, musicBalance, musicPhase, musicKeyShift, musicHighPass,
  musicEqLhPass, musicEqBypass,
  // subwoofer, group 0x04
  subVolume, subCrossover, subPhase, subLowCut,
  // center, group 0x05
  musicToCenter, micToCenter, effectToCenter, centerPhase,
  // surround, group 0x06
  musicToSurround, micToSurround, effectToSurround, surroundPhase, surroundDelay,
  // effect, group 0x07
  reverbType, reverbPhase, reverbDelay, reverbTime, reverbHighPass, reverbLowPass,
  effectVolume, effectMix, echoMode, echoPhase, echoDelay, echoSpeed, echoHighPass, echoLowPass,
  // settings, group 0x08
  micMaxVolume, micInitVolume, musicMaxVolume, musicInitVolume, musicInput, initSwitch,
  subSingVolume, subMode, subSwitchTime, keyLock,
  kParamCount
};

struct ParamInfo {
  ParamId id;
  std::string_view name;
  int group;  // command group byte; 0 for flags set only by a special command
  int code;   // command code byte
  int width;  // wire bytes: 1, or 2 (high byte first)
  int factory;  // wire value of a new unit
};

enum EqId : int { micEq, musicEq, effectEq, centerEq, surroundEq, subEq, kEqCount };

struct EqInfo {
  EqId id;
  std::string_view name;
  int group;
  int bands;
  std::vector<int> factoryHz;  // one centre frequency per band
};

// One band as the processor holds it: Q byte (Q x 10), gain byte
// ((dB + 12) x 10) and the 16-bit frequency code.
struct Band {
  int q = 10;
  int gain = 120;
  int freq = 0;
  bool operator==(const Band&) const = default;
};

const std::array<ParamInfo, kParamCount>& params();
const std::array<EqInfo, kEqCount>& eqs();
const ParamInfo& param(ParamId id);
const EqInfo& eq(EqId id);
std::optional<ParamId> paramByName(std::string_view name);
std::optional<EqId> eqByName(std::string_view name);
// The scalar parameter a command (group, code) sets, if any.
std::optional<ParamId> paramByCommand(int group, int code);
// Largest wire value of a parameter: 255, or 65535 for two-byte values.
int maxWire(ParamId id);

// Frequency code of a grid frequency (20 Hz .. 20 kHz); used for the factory bands.
int frequencyCode(int hz);

struct Store {
  std::array<int, kParamCount> values{};
  std::array<std::vector<Band>, kEqCount> bands;

  static Store factory();
  int& operator[](ParamId id) { return values[id]; }
  int operator[](ParamId id) const { return values[id]; }
  Band& band(EqId e, int i) { return bands[e][i]; }
  const Band& band(EqId e, int i) const { return bands[e][i]; }
  bool operator==(const Store&) const = default;
};

}  // namespace kavel::sim
