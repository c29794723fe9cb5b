// The display texts of the parameters and the switch captions.
#include "protocol/display_texts.h"

#include <gtest/gtest.h>

namespace kavel {
namespace {

TEST(DisplayTexts, EveryFamily) {
  const struct {
    std::string shown, expected;
  } cases[] = {
      {levelText(80), "80"},
      {limiterText(0), "0dB"},
      {limiterText(-30), "-30dB"},
      {limiterText(-12), "-12dB"},
      {compRatioText(62), "98%"},
      {compRatioText(63), "100%"},
      {compRatioText(0), "0%"},
      {percentText(37), "37%"},
      {echoSpeedText(37), "74ms"},
      {echoSpeedText(100), "200ms"},
      {millisecondsText(0), "0ms"},
      {reverbTimeText(25), "2.5s"},
      {reverbTimeText(37), "3.7s"},
      {reverbTimeText(0), "0s"},
      {reverbTimeText(100), "10s"},
      {effectLowPassText(400), "4KHZ"},
      {effectLowPassText(405), "4.05KHZ"},
      {effectLowPassText(410), "4.1KHZ"},
      {effectLowPassText(1800), "18KHZ"},
      {micLowPassText(0), "8KHz"},
      {micLowPassText(12), "20KHz"},
      {balanceText(0), "L 100%"},
      {balanceText(30), "L 70%"},
      {balanceText(49), "L 51%"},
      {balanceText(50), "LR 50%"},
      {balanceText(51), "R 51%"},
      {balanceText(100), "R 100%"},
      {effectMixText(50), "回声+混响"},
      {effectMixText(80), "混响 80%"},
      {effectMixText(20), "回声 80%"},
      {effectMixText(100), "混响 100%"},
      {keyShiftText(0), " 0"},
      {keyShiftText(3), " 3"},
      {keyShiftText(-6), "-6"},
      {switchTimeText(8), "8s"},
      {freqCodeText(306, "HZ"), "503HZ"},
      {freqCodeText(100, "Hz"), "120Hz"},
      {freqCodeText(0, ""), "20"},
      {freqCodeText(155, ""), "200"},
      {freqCodeText(255, "Hz"), "400Hz"},
      {freqCodeText(472, "HZ"), "1001HZ"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected);
}

TEST(MusicInput, CyclesThroughTheFourSources) {
  EXPECT_EQ(nextMusicInput("BGM"), "AUX");
  EXPECT_EQ(nextMusicInput("AUX"), "VCR");
  EXPECT_EQ(nextMusicInput("VCR"), "SPD");
  EXPECT_EQ(nextMusicInput("SPD"), "BGM");
  EXPECT_EQ(nextMusicInput("???"), "BGM");
  EXPECT_EQ(musicInputByte("BGM"), Byte(1));
  EXPECT_EQ(musicInputByte("AUX"), Byte(2));
  EXPECT_EQ(musicInputByte("VCR"), Byte(3));
  EXPECT_EQ(musicInputByte("SPD"), Byte(0));
  EXPECT_EQ(musicInputByte("???"), std::nullopt);
}

}  // namespace
}  // namespace kavel
