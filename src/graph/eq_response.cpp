#include "graph/eq_response.h"

#include <cmath>

#include "graph/number_text.h"

namespace kavel {
namespace {

constexpr double kFullSpan = 3.47712125471966;  // log10(3000): 10 Hz .. 30 kHz
constexpr double kSubSpan = 1.77851;            // 10 Hz .. about 600.5 Hz
constexpr double kShelfCorner = 120;            // pixels from the band frequency
constexpr double kShelfWidth = 150 - 1.2 * 9.67;
constexpr double kShelfDivisor = 1724;

double peakCoefficient(EqVariant v, double q) {
  if (v == EqVariant::MicEQLine) return (q >= 0 && q <= 8) ? 11.27 : 9.67;
  return 9.67;
}

double peakDivisor(EqVariant v) { return v == EqVariant::MicEQLine ? 2400 : 2724; }

}  // namespace

double axisSpan(EqVariant v) { return v == EqVariant::ucEQLine1 ? kSubSpan : kFullSpan; }

double upperDefaultFrequency(EqVariant v) { return v == EqVariant::ucEQLine1 ? 400 : 20000; }

double freqToX(EqVariant v, double W, double f) {
  if (!(f > 0)) return 0;
  return (std::log10(f) - 1) / axisSpan(v) * W;
}

double xToFreq(EqVariant v, double W, double x) {
  return std::pow(10.0, x * axisSpan(v) / W + 1);
}

double gainToY(double H, double g) { return (H - 1) * (12 - g) / 24; }

double yToGain(double H, double y) { return 12 - 24 * y / H; }

double zeroLine(double H) { return roundEven(gainToY(H, 0)); }

BandShape::BandShape(EqVariant v, PlotSize plot, const EqBand& band) {
  height_ = zeroLine(plot.H) - gainToY(plot.H, band.db);
  const double xF = freqToX(v, plot.W, band.F);
  const std::int16_t type = v == EqVariant::MicEQLine ? band.T : std::int16_t(kPeak);
  switch (type) {
    case kPeak:
      kind_ = Kind::kPeak;
      centre_ = xF;
      // Evaluated in this order: k * Q from 150, times W, divided by D.
      width_ = (150 - peakCoefficient(v, band.Q) * band.Q) * plot.W / peakDivisor(v);
      break;
    case kHighShelf:
      kind_ = Kind::kHighShelf;
      centre_ = xF + kShelfCorner;
      width_ = kShelfWidth * plot.W / kShelfDivisor;
      break;
    case kLowShelf:
      kind_ = Kind::kLowShelf;
      centre_ = xF - kShelfCorner;
      width_ = kShelfWidth * plot.W / kShelfDivisor;
      break;
    default:
      kind_ = Kind::kNone;
  }
  // |A| e^(-z^2) < 0.5 once z^2 > ln(2 |A|); the margin keeps clear of a
  // computed value landing on the half.
  const double twiceA = 2 * std::fabs(height_);
  negligibleZ2_ = twiceA > 0 && std::isfinite(twiceA) ? std::log(twiceA) + 1e-6 : 0;
}

double BandShape::applyTo(double y, double x) const {
  if (kind_ == Kind::kNone) return y;
  const bool flat = (kind_ == Kind::kHighShelf && x > centre_) ||
                    (kind_ == Kind::kLowShelf && x < centre_);
  if (!flat && width_ != 0 && std::isfinite(height_)) {
    const double z = (x - centre_) / width_;
    if (z * z > negligibleZ2_) return y;
  }
  return roundEven(y - offsetAt(x));
}

double BandShape::offsetAt(double x) const {
  if (kind_ == Kind::kNone) return 0;
  // A shelf is flat at full gain beyond its corner and falls off as a half bell.
  const bool flat = (kind_ == Kind::kHighShelf && x > centre_) ||
                    (kind_ == Kind::kLowShelf && x < centre_);
  double p = height_;
  if (!flat) {
    if (width_ == 0) return 0;  // division by zero: the column gets nothing
    const double z = (x - centre_) / width_;
    p = height_ * std::exp(-(z * z));
  }
  return std::isfinite(p) ? p : 0;
}

double bandOffset(EqVariant v, PlotSize plot, const EqBand& band, double x) {
  return BandShape(v, plot, band).offsetAt(x);
}

int lastColumn(PlotSize plot) { return int(roundEven(plot.W)); }

std::vector<double> curveRows(EqVariant v, PlotSize plot, const std::vector<EqBand>& bands) {
  std::vector<BandShape> shapes;
  shapes.reserve(bands.size());
  for (const EqBand& b : bands) {
    BandShape s(v, plot, b);
    if (s.drawn()) shapes.push_back(s);
  }
  const double y0 = zeroLine(plot.H);
  const int last = lastColumn(plot);
  std::vector<double> rows(last + 1 > 0 ? last + 1 : 0);
  for (int x = 0; x <= last; ++x) {
    double y = y0;
    // Rounded after every band, not once at the end.
    for (const BandShape& s : shapes) y = s.applyTo(y, x);
    rows[x] = y;
  }
  return rows;
}

std::vector<double> bandRows(EqVariant v, PlotSize plot, const EqBand& band) {
  const BandShape s(v, plot, band);
  const double y0 = zeroLine(plot.H);
  const int last = lastColumn(plot);
  std::vector<double> rows(last + 1 > 0 ? last + 1 : 0);
  for (int x = 0; x <= last; ++x) rows[x] = s.applyTo(y0, x);
  return rows;
}

std::vector<double> defaultFrequencies(EqVariant v, double W, int n) {
  if (n < 1) return {};
  const double a = freqToX(v, W, 20);
  const double b = freqToX(v, W, upperDefaultFrequency(v));
  const double step = roundEven((b - a) / (n > 1 ? n - 1 : 2));
  std::vector<double> out(n);
  if (n == 1) {
    out[0] = xToFreq(v, W, a + step);
  } else {
    for (int i = 0; i < n; ++i) out[i] = xToFreq(v, W, a + i * step);
  }
  return out;
}

}  // namespace kavel
