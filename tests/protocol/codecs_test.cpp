// Wire values: rounding, the frequency scale, gain and Q, the numbers read
// from display boxes and the shortest decimal form.
#include "protocol/codecs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kavel {
namespace {

TEST(ToWireByte, RoundsHalvesToEvenAndRefusesWhatIsNotAByte) {
  const struct {
    double x;
    std::optional<Byte> byte;
  } cases[] = {
      {2.5, 2},   {3.5, 4},   {0.5, 0},     {1.5, 2},     {2.4, 2},     {2.6, 3},
      {-0.4, 0},  {254.5, 254}, {255.4, 255}, {255.5, std::nullopt}, {256, std::nullopt},
      {-0.6, std::nullopt}, {-1, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(toWireByte(c.x), c.byte) << c.x;
  EXPECT_EQ(toWireWord(1400), 1400);
  EXPECT_EQ(toWireWord(65535.5), std::nullopt);
  EXPECT_EQ(toWireWord(-1), std::nullopt);
}

TEST(SplitWord, HighByteFirst) {
  EXPECT_EQ(splitWord(2855), (std::pair<Byte, Byte>{0x0B, 0x27}));
  EXPECT_EQ(splitWord(130), (std::pair<Byte, Byte>{0x00, 0x82}));
  EXPECT_EQ(splitWord(1400), (std::pair<Byte, Byte>{0x05, 0x78}));
}

TEST(FreqToCode, SegmentEdges) {
  const struct {
    double hz;
    int code;
  } cases[] = {
      {20, 0},      {150, 130},   {151, 130},   {152, 131},   {500, 305},   {501, 306},
      {503, 306},   {1000, 472},  {1400, 605},  {1401, 605},  {1404, 606},  {4000, 1255},
      {4001, 1255}, {4010, 1256}, {20000, 2855}, {130.5, 110}, {131.5, 112}, {19.5, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(freqToCode(c.hz), FreqCode(c.code)) << c.hz;
}

TEST(FreqToCode, NoCodeOutsideTheScale) {
  EXPECT_EQ(freqToCode(19.4), std::nullopt) << "the code would be negative";
  EXPECT_EQ(freqToCode(0), std::nullopt);
  EXPECT_EQ(freqToCode(20000.5), std::nullopt);
  EXPECT_EQ(freqToCode(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(CodeToFreq, SegmentEdges) {
  const std::pair<int, int> cases[] = {{0, 20},     {129, 149},   {130, 150},  {304, 498},
                                       {305, 500},  {604, 1397},  {605, 1400}, {1254, 3996},
                                       {1255, 4000}, {2855, 20000}};
  for (const auto& [code, hz] : cases) EXPECT_EQ(codeToFreq(code), hz) << code;
}

TEST(FrequencyScale, InverseOnTheGrid) {
  for (int c = 0; c <= kMaxFreqCode; ++c) ASSERT_EQ(freqToCode(codeToFreq(c)), FreqCode(c)) << c;
}

TEST(FrequencyScale, ARealFrequencyLandsOnANeighbouringGridPoint) {
  for (double f = 150.25; f <= 20000; f += 0.75) {
    const FreqCode code = *freqToCode(f);
    const int grid = codeToFreq(code);
    if (f > 500 && f <= 1400) {
      // Between 500 and 1400 Hz the codes count thirds of the frequency
      // itself while the grid starts at 500, so a frequency may land up to
      // 2 Hz above itself (501 Hz gives code 306, which is 503 Hz).
      ASSERT_LT(std::abs(grid - f), 3) << f;
    } else {
      ASSERT_LE(grid, f) << f;
      ASSERT_GT(codeToFreq(code + 1), f) << f;
    }
  }
  EXPECT_EQ(codeToFreq(*freqToCode(20.6)), 21) << "the nearest one up to 150 Hz";
}

TEST(BandBytes, GainAndQ) {
  const std::pair<double, int> gains[] = {{-12, 0}, {-0.1, 119}, {0, 120}, {0.1, 121},
                                          {3.5, 155}, {12, 240}};
  for (const auto& [db, b] : gains) EXPECT_EQ(gainToByte(db), Byte(b)) << db;
  const std::pair<double, int> qs[] = {{0.3, 3}, {1, 10}, {10.4, 104}, {15, 150}};
  for (const auto& [q, b] : qs) EXPECT_EQ(qToByte(q), Byte(b)) << q;
  EXPECT_EQ(gainToByte(14), std::nullopt) << "(14 + 12) x 10 is not a byte";
  EXPECT_EQ(gainToByte(-12.1), std::nullopt);
  EXPECT_DOUBLE_EQ(byteToGain(155), 3.5);
  EXPECT_DOUBLE_EQ(byteToGain(0), -12);
  EXPECT_DOUBLE_EQ(byteToQ(104), 10.4);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfADisplayText) {
  const std::pair<const char*, double> cases[] = {
      {"37%", 37},     {"4.05KHZ", 4.05}, {"2.5s", 2.5}, {" 3", 3},     {"-12dB", -12},
      {"", 0},         {"dB", 0},         {"-", 0},      {".", 0},      {".5", 0.5},
      {"1.2.3", 1.2},  {"+7", 7},         {"  -6", -6},  {"80", 80},    {"0dB", 0},
      {"LR 50%", 0},   {"18KHZ", 18},     {"200ms", 200},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
}

TEST(DecimalForm, Shortest) {
  EXPECT_EQ(formatNumber(2.5), "2.5");
  EXPECT_EQ(formatNumber(4.05), "4.05");
  EXPECT_EQ(formatNumber(10), "10");
  EXPECT_EQ(formatNumber(-3), "-3");
  EXPECT_EQ(formatNumber(-0.0), "0");
  EXPECT_EQ(formatNumber(4.6 - 0.04), "4.56");
  EXPECT_EQ(formatScaled(405, 2), "4.05");
  EXPECT_EQ(formatScaled(400, 2), "4");
  EXPECT_EQ(formatScaled(410, 2), "4.1");
  EXPECT_EQ(formatScaled(-30, 1), "-3");
  EXPECT_EQ(formatScaled(-5, 1), "-0.5");
  EXPECT_EQ(formatScaled(0, 1), "0");
  EXPECT_EQ(formatScaled(7, 0), "7");
}

}  // namespace
}  // namespace kavel
