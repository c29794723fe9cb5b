#include "graph/eq_response.h"

#include <cmath>

#include <gtest/gtest.h>

namespace kavel {
namespace {

constexpr EqVariant kUc = EqVariant::ucEQLine;
constexpr EqVariant kSub = EqVariant::ucEQLine1;
constexpr EqVariant kMic = EqVariant::MicEQLine;

TEST(EqAxes, FrequencyAxisRunsFrom10HzToTheSpan) {
  const double W = 858;
  EXPECT_DOUBLE_EQ(freqToX(kUc, W, 10), 0);
  EXPECT_NEAR(freqToX(kUc, W, 30000), W, 1e-9);
  EXPECT_NEAR(freqToX(kMic, W, 30000), W, 1e-9);
  // The subwoofer span is 1.77851 as written, not log10(60).
  EXPECT_NEAR(freqToX(kSub, W, 400) / W, 1.60206 / 1.77851, 1e-6);
  EXPECT_NEAR(freqToX(kSub, W, 400) / W, 0.901, 0.001);
  EXPECT_NEAR(freqToX(kSub, W, 1000) / W, 1.125, 0.001);
  EXPECT_NEAR(xToFreq(kSub, W, W), 600.5, 0.1);
  EXPECT_NEAR(xToFreq(kUc, W, freqToX(kUc, W, 1234.5)), 1234.5, 1e-9);
  // A frequency that is not positive sits at the left edge.
  EXPECT_EQ(freqToX(kUc, W, 0), 0);
  EXPECT_EQ(freqToX(kMic, W, -5), 0);
}

TEST(EqAxes, GainAxisUsesHMinusOneForwardAndHBack) {
  EXPECT_DOUBLE_EQ(gainToY(250, 12), 0);
  EXPECT_DOUBLE_EQ(gainToY(250, -12), 249);
  EXPECT_DOUBLE_EQ(yToGain(250, 0), 12);
  EXPECT_DOUBLE_EQ(yToGain(250, 250), -12);
  EXPECT_DOUBLE_EQ(gainToY(250, 0), 124.5);
  EXPECT_EQ(zeroLine(250), 124);  // the half goes to the even row
  EXPECT_EQ(zeroLine(252), 126);  // 125.5 -> 126
}

TEST(EqShapes, PeakBellWidthFollowsTheVariantConstants) {
  const PlotSize plot{858, 250};
  const EqBand band{1000, 6, 2};
  const double xF = freqToX(kUc, plot.W, 1000);
  const double A = 124 - gainToY(250, 6);  // 62.25 pixels
  EXPECT_DOUBLE_EQ(bandOffset(kUc, plot, band, xF), A);
  // One width off the centre the bell is down to 1/e.
  const double wUc = (150 - 9.67 * 2) * 858 / 2724;
  EXPECT_NEAR(bandOffset(kUc, plot, band, xF + wUc), A / std::exp(1.0), 1e-9);
  EXPECT_NEAR(bandOffset(kSub, plot, band, freqToX(kSub, plot.W, 1000) - wUc),
              A / std::exp(1.0), 1e-9);
  const double wMic = (150 - 11.27 * 2) * 858 / 2400;
  EXPECT_NEAR(bandOffset(kMic, plot, band, xF + wMic), A / std::exp(1.0), 1e-9);
  // A band at 0 dB adds nothing anywhere where the 0 dB row is a whole row.
  for (double x : {0.0, xF, 500.0}) EXPECT_EQ(bandOffset(kMic, {858, 251}, {1000, 0, 2}, x), 0);
  // With an even height y(0) lies half a row off y0; the curve still stays flat.
  EXPECT_DOUBLE_EQ(bandOffset(kMic, plot, {1000, 0, 2}, xF), -0.5);
  for (double y : curveRows(kMic, plot, {{1000, 0, 2}, {1000, 0, 2}})) EXPECT_EQ(y, 124);
}

TEST(EqShapes, MicPeakCoefficientSwitchesAboveQ8) {
  const PlotSize plot{858, 250};
  const double xF = freqToX(kMic, plot.W, 1000);
  const double A = 124 - gainToY(250, 6);
  const double w8 = (150 - 11.27 * 8) * 858 / 2400;
  const double w81 = (150 - 9.67 * 8.1) * 858 / 2400;
  EXPECT_NEAR(bandOffset(kMic, plot, {1000, 6, 8}, xF + w8), A / std::exp(1.0), 1e-9);
  EXPECT_NEAR(bandOffset(kMic, plot, {1000, 6, 8.1}, xF + w81), A / std::exp(1.0), 1e-9);
  EXPECT_GT(w81, w8);  // the width jumps up at the switch
  // At Q = 150 / 9.67 the width vanishes and the band adds nothing.
  for (double x = 0; x <= 858; x += 1) {
    EXPECT_EQ(bandOffset(kMic, plot, {1000, 6, 150 / 9.67}, x + 0.25), 0) << x;
  }
}

TEST(EqShapes, ShelvesAreFlatBeyondTheirCornerAndFallOffAsAHalfBell) {
  const PlotSize plot{858, 250};
  const double xF = freqToX(kMic, plot.W, 1000);
  const double A = 124 - gainToY(250, -6);  // a cut: negative
  const double ws = (150 - 1.2 * 9.67) * 858 / 1724;
  const EqBand high{1000, -6, 5, kHighShelf};
  const EqBand low{1000, -6, 5, kLowShelf};
  for (double x : {xF + 121, xF + 300, 858.0}) EXPECT_DOUBLE_EQ(bandOffset(kMic, plot, high, x), A);
  EXPECT_NEAR(bandOffset(kMic, plot, high, xF + 120 - ws), A / std::exp(1.0), 1e-9);
  EXPECT_NEAR(bandOffset(kMic, plot, high, xF + 120 - 2 * ws), A / std::exp(4.0), 1e-9);
  for (double x : {xF - 121, xF - 300, 0.0}) EXPECT_DOUBLE_EQ(bandOffset(kMic, plot, low, x), A);
  EXPECT_NEAR(bandOffset(kMic, plot, low, xF - 120 + ws), A / std::exp(1.0), 1e-9);
  // Q plays no part in a shelf.
  EXPECT_DOUBLE_EQ(bandOffset(kMic, plot, {1000, -6, 0.3, kLowShelf}, xF - 120 + ws),
                   bandOffset(kMic, plot, low, xF - 120 + ws));
}

TEST(EqShapes, UnknownTypesAndFailuresAddNothing) {
  const PlotSize plot{858, 250};
  const double xF = freqToX(kMic, plot.W, 1000);
  EXPECT_EQ(bandOffset(kMic, plot, {1000, 6, 2, 3}, xF), 0);
  EXPECT_EQ(bandOffset(kMic, plot, {1000, 6, 2, -1}, xF), 0);
  // The variants without types draw every band as a peak.
  EXPECT_GT(bandOffset(kUc, plot, {1000, 6, 2, 3}, xF), 0);
  // Overflow gives 0 for the column instead of an error.
  EXPECT_EQ(bandOffset(kUc, plot, {1000, 1e308, 2}, xF), 0);
  EXPECT_EQ(bandOffset(kMic, plot, {1000, 1e308, 2, kHighShelf}, 858), 0);
  // A zero-width plot divides by zero: nothing is added.
  EXPECT_EQ(bandOffset(kUc, {0, 250}, {1000, 6, 2}, 0), 0);
}

TEST(EqCurve, RunningSumIsRoundedAfterEveryBand) {
  // H = 49: y(g) = 2 (12 - g) exactly, y0 = 24. A band of 0.25 dB lifts its
  // centre by exactly 0.5 pixel; at 10 Hz its centre is column 0.
  const PlotSize plot{100, 49};
  const std::vector<EqBand> two{{10, 0.25, 2}, {10, 0.25, 2}};
  const std::vector<double> rows = curveRows(kUc, plot, two);
  ASSERT_EQ(rows.size(), 101u);
  EXPECT_EQ(rows[0], 24);  // 24 - 0.5 rounds to 24, twice; one rounding would give 23
  EXPECT_EQ(bandRows(kUc, plot, two[0])[0], 24);
  const std::vector<double> one = curveRows(kUc, plot, {{10, 0.75, 2}});
  EXPECT_EQ(one[0], 22);  // 24 - 1.5 -> 22.5 -> 22
}

TEST(EqCurve, SamplesEveryColumnUpToRoundedWidth) {
  const PlotSize plot{858.5, 250};  // round(858.5) = 858
  const std::vector<double> rows = curveRows(kMic, plot, {});
  ASSERT_EQ(rows.size(), 859u);
  for (double y : rows) EXPECT_EQ(y, 124);
  const EqBand band{1000, 12, 1};
  const double xF = freqToX(kMic, plot.W, 1000);
  const std::vector<double> own = bandRows(kMic, plot, band);
  EXPECT_EQ(own[int(std::lround(xF))], std::nearbyint(124 - bandOffset(kMic, plot, band, std::lround(xF))));
  EXPECT_EQ(own[0], 124);
}

TEST(EqDefaults, SpreadInWholePixelsFrom20Hz) {
  const double W = 858;
  const double a = std::log10(2.0) / 3.47712125471966 * W;   // x(20)
  const double b = std::log10(2000.0) / 3.47712125471966 * W;  // x(20000)
  const std::vector<double> f = defaultFrequencies(kMic, W, 13);
  ASSERT_EQ(f.size(), 13u);
  EXPECT_DOUBLE_EQ(f[0], 20);
  const double step = std::nearbyint((b - a) / 12);  // 62 pixels
  EXPECT_EQ(step, 62);
  const double ratio = std::pow(10.0, step * 3.47712125471966 / W);
  for (int i = 1; i < 13; ++i) EXPECT_NEAR(f[i] / f[i - 1], ratio, 1e-12) << i;
  EXPECT_NEAR(f[12], 20708.86, 0.01);  // near fu, not exactly on it
  // One band sits at the pixel midway between 20 Hz and fu.
  const std::vector<double> one = defaultFrequencies(kSub, W, 1);
  const double as = std::log10(2.0) / 1.77851 * W, bs = std::log10(40.0) / 1.77851 * W;
  ASSERT_EQ(one.size(), 1u);
  EXPECT_DOUBLE_EQ(one[0], std::pow(10.0, (as + std::nearbyint((bs - as) / 2)) * 1.77851 / W + 1));
  EXPECT_TRUE(defaultFrequencies(kUc, W, 0).empty());
}

}  // namespace
}  // namespace kavel
