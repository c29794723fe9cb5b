#pragma once
// A processor state with every parameter of the five panels and every band
// of the six equalizers away from both the unit's factory value and the
// panel's initial value: what the simulator holds (wire values) and what
// kavel's dump must show for it on each model variant.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <nlohmann/json.hpp>
#include <string>

namespace kavel::e2e {

// Which variants' connect reads a parameter back: model 1, 2, 3, 3b.
struct Variants {
  bool column[4] = {true, true, true, true};
};
constexpr Variants kAll{};

struct Held {
  const char* name;
  int wire;
  const char* text;
  Variants readBack = kAll;
};
inline const Held kHeld[] = {
    // Microphone.
    {"micVolume", 33, "33"},
    {"micHighPass", 131, "152"},
    {"micLowPass", 4, "12KHz", {{true, true, true, false}}},
    {"micPhase", 0x7F, "180"},
    {"micFeedbackSuppress", 0x7F, "ON"},
    {"micLimitThreshold", 12, "-12dB"},
    {"micCompRatio", 32, "50%"},
    {"micCompRelease", 100, "100"},
    {"micCompAttack", 5, "5"},
    {"micEqBypass", 0x7F, "ON"},
    {"micEqLhPass", 0x7F, "LH-PASS ON", {{true, true, true, false}}},
    // Music.
    {"musicVolume", 25, "25"},
    {"musicHighPass", 155, "200"},
    {"musicPhase", 0x7F, "180"},
    {"musicBalance", 70, "L 70%"},
    {"musicKeyShift", 3, "-3"},
    {"musicToLr", 11, "11"},
    {"micToLr", 22, "22"},
    {"effectToLr", 45, "45"},
    {"musicLimitThreshold", 30, "-30dB"},
    {"musicCompRatio", 63, "100%"},
    {"musicCompRelease", 90, "90"},
    {"musicCompAttack", 7, "7"},
    {"musicEqBypass", 0x7F, "ON"},
    {"musicEqLhPass", 0x7F, "LH-PASS ON", {{true, true, false, false}}},
    // Effect: the read-back writes "HZ" after the high-pass frequencies.
    {"effectVolume", 45, "45"},
    {"effectMix", 30, "回声 70%"},
    {"echoMode", 2, "立体声回声"},
    {"echoPhase", 0x7F, "180"},
    {"echoDelay", 33, "33%"},
    {"echoSpeed", 100, "200ms"},
    {"echoHighPass", 300, "490HZ"},
    {"echoLowPass", 5, "4.05KHZ"},
    {"reverbType", 7, "大礼堂B"},
    {"reverbPhase", 0x7F, "180"},
    {"reverbDelay", 40, "40ms"},
    {"reverbTime", 37, "3.7s"},
    {"reverbHighPass", 131, "152HZ"},
    {"reverbLowPass", 1400, "18KHZ"},
    // Center and surround.
    {"musicToCenter", 11, "11"},
    {"micToCenter", 22, "22"},
    {"effectToCenter", 33, "33"},
    {"centerPhase", 0x7F, "180"},
    {"musicToSurround", 44, "44"},
    {"micToSurround", 55, "55"},
    {"effectToSurround", 66, "66"},
    {"surroundDelay", 150, "150"},
    {"surroundPhase", 0x7F, "180"},
    // Subwoofer and settings.
    {"musicInput", 3, "VCR"},
    {"subVolume", 35, "35"},
    {"subCrossover", 200, "290HZ"},
    {"subLowCut", 100, "120HZ", {{true, true, true, false}}},
    {"subPhase", 0x7F, "180"},
    {"micMaxVolume", 70, "70"},
    {"micInitVolume", 30, "30"},
    {"musicMaxVolume", 60, "60"},
    {"musicInitVolume", 20, "20"},
    {"subSingVolume", 44, "44"},
    {"subSwitchTime", 4, "5s"},
    {"subMode", 0x00, "手动"},
    {"initSwitch", 0x00, "关"},
    {"keyLock", 0x7F, "ON"},
};

// Bands as the processor holds them (Q byte, gain byte, frequency code) and
// as the editor shows them.
struct HeldBand {
  int q, gain, code;
  double hz, db, Q;
};
// Bands 0 and 1 stay on their side of 1000 Hz, as the shelves want them.
inline const HeldBand kBands[] = {
    {14, 155, 130, 150, 3.5, 1.4},     {3, 100, 1255, 4000, -2, 0.3},
    {150, 0, 30, 50, -12, 15},         {10, 240, 180, 250, 12, 1},
    {25, 121, 305, 500, 0.1, 2.5},     {104, 119, 405, 800, -0.1, 10.4},
    {7, 130, 605, 1400, 1, 0.7},       {50, 110, 855, 2400, -1, 5},
    {33, 200, 1455, 6000, 8, 3.3},     {12, 40, 2055, 12000, -8, 1.2},
    {20, 180, 2255, 14000, 6, 2},      {99, 60, 2855, 20000, -6, 9.9},
    {45, 120, 0, 20, 0, 4.5},
};
// The subwoofer's band editors keep 20..400 Hz.
inline const HeldBand kSubBands[] = {
    {14, 155, 30, 50, 3.5, 1.4}, {3, 100, 100, 120, -2, 0.3}, {150, 0, 180, 250, -12, 15},
    {10, 240, 0, 20, 12, 1},     {25, 121, 230, 350, 0.1, 2.5},
};

struct HeldEq {
  const char* name;
  int bands;
  const HeldBand* held;
  // Bands 0 and 1 are read back as low and high shelves on these variants.
  Variants shelves;
};
inline const HeldEq kHeldEqs[] = {
    {"micEqBand", 13, kBands, {{true, true, true, false}}},
    {"musicEqBand", 11, kBands, {{true, true, false, false}}},
    {"effectEqBand", 7, kBands, {{false, false, false, false}}},
    {"centerEqBand", 3, kBands, {{false, false, false, false}}},
    {"surroundEqBand", 3, kBands, {{false, false, false, false}}},
    {"subEqBand", 5, kSubBands, {{false, false, false, false}}},
};

// Writes the held state as a simulator state file; false when it cannot.
inline bool writeHeldState(const QString& path) {
  nlohmann::json state;
  for (const Held& h : kHeld) state["current"][h.name] = h.wire;
  for (const HeldEq& e : kHeldEqs)
    for (int i = 0; i < e.bands; ++i)
      state["current"][e.name].push_back({e.held[i].q, e.held[i].gain, e.held[i].code});
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(QByteArray::fromStdString(state.dump()));
  return true;
}

// Checks that kavel's JSON dump shows the held state as variant `column`'s
// editor reads it back: every parameter the connect fills, nothing else,
// and every band of the six equalizers.
inline void expectDumpShowsHeld(const nlohmann::json& dump, int column) {
  std::size_t expected = 0;
  for (const Held& h : kHeld) {
    if (!h.readBack.column[column]) {
      EXPECT_FALSE(dump["parameters"].contains(h.name)) << h.name;
      continue;
    }
    ++expected;
    EXPECT_EQ(dump["parameters"][h.name]["value"], h.wire) << h.name;
    EXPECT_EQ(dump["parameters"][h.name]["text"], h.text) << h.name;
  }
  EXPECT_EQ(dump["parameters"].size(), expected);
  EXPECT_EQ(dump["equalizers"].size(), std::size(kHeldEqs));
  for (const HeldEq& e : kHeldEqs) {
    const nlohmann::json& list = dump["equalizers"][e.name];
    ASSERT_EQ(list.size(), std::size_t(e.bands)) << e.name;
    const bool shelf = e.shelves.column[column];
    for (int i = 0; i < e.bands; ++i) {
      const nlohmann::json& b = list[i];
      const HeldBand& held = e.held[i];
      const std::string where = std::string(e.name) + " band " + std::to_string(i);
      EXPECT_EQ(b["band"], i) << where;
      EXPECT_DOUBLE_EQ(b["frequency"].get<double>(), held.hz) << where;
      EXPECT_DOUBLE_EQ(b["gain"].get<double>(), held.db) << where;
      EXPECT_DOUBLE_EQ(b["q"].get<double>(), held.Q) << where;
      EXPECT_EQ(b["on"], held.db != 0) << where;
      EXPECT_EQ(b["type"], shelf && i == 0 ? 2 : shelf && i == 1 ? 1 : 0) << where;
    }
  }
}

}  // namespace kavel::e2e
