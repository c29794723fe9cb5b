#include "sim/params.h"

namespace kavel::sim {

namespace {

// Factory values are those of a unit fresh from the box: levels at half,
// phases at 0°, switches off, filters open, flat equalizers.
constexpr std::array<ParamInfo, kParamCount> kParams = {{
    {micHighPass, "micHighPass", 0x02, 0x02, 1, 0},
    {micLimitThreshold, "micLimitThreshold", 0x02, 0x03, 1, 0},
    {micCompRatio, "micCompRatio", 0x02, 0x04, 1, 0},
    {micCompRelease, "micCompRelease", 0x02, 0x05, 1, 20},
    {micCompAttack, "micCompAttack", 0x02, 0x06, 1, 10},
    {micVolume, "micVolume", 0x02, 0x07, 1, 40},
    {micPhase, "micPhase", 0x02, 0x08, 1, 0x00},
    {micEqLhPass, "micEqLhPass", 0x02, 0x0A, 1, 0x00},
    {micLowPass, "micLowPass", 0x02, 0x0B, 1, 12},
    {micFeedbackSuppress, "micFeedbackSuppress", 0x02, 0x0D, 1, 0x00},
    {micEqBypass, "micEqBypass", 0, 0, 1, 0x00},
    {musicVolume, "musicVolume", 0x03, 0x02, 1, 40},
    {musicToLr, "musicToLr", 0x03, 0x03, 1, 60},
    {micToLr, "micToLr", 0x03, 0x04, 1, 60},
    {effectToLr, "effectToLr", 0x03, 0x05, 1, 60},
    {musicLimitThreshold, "musicLimitThreshold", 0x03, 0x06, 1, 0},
    {musicCompRatio, "musicCompRatio", 0x03, 0x07, 1, 0},
    {musicCompRelease, "musicCompRelease", 0x03, 0x08, 1, 20},
    {musicCompAttack, "musicCompAttack", 0x03, 0x09, 1, 10},
    {musicBalance, "musicBalance", 0x03, 0x0A, 1, 50},
    {musicPhase, "musicPhase", 0x03, 0x0B, 1, 0x00},
    {musicKeyShift, "musicKeyShift", 0x03, 0x0C, 1, 6},
    {musicHighPass, "musicHighPass", 0x03, 0x0E, 1, 0},
    {musicEqLhPass, "musicEqLhPass", 0x03, 0x0F, 1, 0x00},
    {musicEqBypass, "musicEqBypass", 0, 0, 1, 0x00},
    {subVolume, "subVolume", 0x04, 0x02, 1, 40},
    {subCrossover, "subCrossover", 0x04, 0x03, 1, 100},
    {subPhase, "subPhase", 0x04, 0x04, 1, 0x00},
    {subLowCut, "subLowCut", 0x04, 0x05, 1, 0},
    {musicToCenter, "musicToCenter", 0x05, 0x02, 1, 40},
    {micToCenter, "micToCenter", 0x05, 0x03, 1, 40},
    {effectToCenter, "effectToCenter", 0x05, 0x04, 1, 40},
    {centerPhase, "centerPhase", 0x05, 0x05, 1, 0x00},
    {musicToSurround, "musicToSurround", 0x06, 0x02, 1, 40},
    {micToSurround, "micToSurround", 0x06, 0x03, 1, 40},
    {effectToSurround, "effectToSurround", 0x06, 0x04, 1, 40},
    {surroundPhase, "surroundPhase", 0x06, 0x05, 1, 0x00},
    {surroundDelay, "surroundDelay", 0x06, 0x06, 1, 20},
    {reverbType, "reverbType", 0x07, 0x02, 1, 1},
    {reverbPhase, "reverbPhase", 0x07, 0x03, 1, 0x00},
    {reverbDelay, "reverbDelay", 0x07, 0x04, 1, 20},
    {reverbTime, "reverbTime", 0x07, 0x05, 1, 25},
    {reverbHighPass, "reverbHighPass", 0x07, 0x06, 2, 0},
    {reverbLowPass, "reverbLowPass", 0x07, 0x07, 2, 400},
    {effectVolume, "effectVolume", 0x07, 0x08, 1, 30},
    {effectMix, "effectMix", 0x07, 0x09, 1, 50},
    {echoMode, "echoMode", 0x07, 0x0A, 1, 1},
    {echoPhase, "echoPhase", 0x07, 0x0B, 1, 0x00},
    {echoDelay, "echoDelay", 0x07, 0x0C, 1, 50},
    {echoSpeed, "echoSpeed", 0x07, 0x0D, 1, 100},
    {echoHighPass, "echoHighPass", 0x07, 0x0E, 2, 0},
    {echoLowPass, "echoLowPass", 0x07, 0x0F, 2, 400},
    {micMaxVolume, "micMaxVolume", 0x08, 0x01, 1, 80},
    {micInitVolume, "micInitVolume", 0x08, 0x02, 1, 40},
    {musicMaxVolume, "musicMaxVolume", 0x08, 0x03, 1, 80},
    {musicInitVolume, "musicInitVolume", 0x08, 0x04, 1, 40},
    {musicInput, "musicInput", 0x08, 0x05, 1, 1},
    {initSwitch, "initSwitch", 0x08, 0x06, 1, 0x00},
    {subSingVolume, "subSingVolume", 0x08, 0x07, 1, 40},
    {subMode, "subMode", 0x08, 0x08, 1, 0x7F},
    {subSwitchTime, "subSwitchTime", 0x08, 0x09, 1, 2},
    {keyLock, "keyLock", 0x08, 0x0B, 1, 0x00},
}};

constexpr bool rowsInIdOrder() {
  for (int i = 0; i < kParamCount; ++i)
    if (kParams[i].id != i) return false;
  return true;
}
static_assert(rowsInIdOrder(), "parameter rows must follow ParamId");

const std::array<EqInfo, kEqCount> kEqs = {{
    {micEq, "micEqBand", 0x02, 13,
     {50, 80, 125, 200, 320, 500, 800, 1250, 2000, 3200, 5000, 8000, 12500}},
    {musicEq, "musicEqBand", 0x03, 11,
     {32, 63, 125, 250, 500, 1000, 2000, 4000, 8000, 12000, 16000}},
    {effectEq, "effectEqBand", 0x07, 7, {100, 250, 500, 1000, 2000, 4000, 8000}},
    {centerEq, "centerEqBand", 0x05, 3, {200, 1000, 5000}},
    {surroundEq, "surroundEqBand", 0x06, 3, {200, 1000, 5000}},
    {subEq, "subEqBand", 0x04, 5, {30, 50, 80, 120, 160}},
}};

}  // namespace

const std::array<ParamInfo, kParamCount>& params() { return kParams; }
const std::array<EqInfo, kEqCount>& eqs() { return kEqs; }
const ParamInfo& param(ParamId id) { return kParams[id]; }
const EqInfo& eq(EqId id) { return kEqs[id]; }

std::optional<ParamId> paramByName(std::string_view name) {
  for (const ParamInfo& p : kParams)
    if (p.name == name) return p.id;
  return std::nullopt;
}

std::optional<EqId> eqByName(std::string_view name) {
  for (const EqInfo& e : kEqs)
    if (e.name == name) return e.id;
  return std::nullopt;
}

std::optional<ParamId> paramByCommand(int group, int code) {
  for (const ParamInfo& p : kParams)
    if (p.group != 0 && p.group == group && p.code == code) return p.id;
  return std::nullopt;
}

int maxWire(ParamId id) { return kParams[id].width == 2 ? 0xFFFF : 0xFF; }

// Five linear segments: 1 Hz steps to 150 Hz, then 2, 3, 4 and 10 Hz steps.
int frequencyCode(int hz) {
  if (hz <= 150) return hz - 20;
  if (hz <= 500) return hz / 2 + 55;
  if (hz <= 1400) return hz / 3 + 139;
  if (hz <= 4000) return hz / 4 + 255;
  return hz / 10 + 855;
}

Store Store::factory() {
  Store s;
  for (const ParamInfo& p : kParams) s.values[p.id] = p.factory;
  for (const EqInfo& e : kEqs)
    for (int hz : e.factoryHz) s.bands[e.id].push_back(Band{10, 120, frequencyCode(hz)});
  return s;
}

}  // namespace kavel::sim
