#pragma once
// The arithmetic behind an EQ graph: how frequency and gain map to plot
// pixels and back, the shape each band adds to the response curve, the
// column-by-column sum and the default band frequencies. The curve is a
// display model in screen space; the processor does the real filtering.
#include <cstdint>
#include <vector>

namespace kavel {

// The three kinds of graph. They differ in the constants below and in a few
// behaviours of the graph control.
enum class EqVariant {
  ucEQLine,   // effect, center and surround EQ: 10 Hz .. 30 kHz, peaks only
  ucEQLine1,  // subwoofer EQ: 10 Hz .. about 600 Hz, peaks only
  MicEQLine,  // microphone and music EQ: full range, peak and shelf bands
};

enum BandType : std::int16_t { kPeak = 0, kHighShelf = 1, kLowShelf = 2 };

struct EqBand {
  double F = 0;         // Hz
  double db = 0;        // dB, -12 .. +12 on the graph
  double Q = 0;
  std::int16_t T = kPeak;  // used by MicEQLine only
};

// The plot's inner drawing area in pixels; x grows right, y grows down.
struct PlotSize {
  double W = 0, H = 0;
};

// Decades shown from 10 Hz at the left edge to the right edge (S).
double axisSpan(EqVariant v);
// The highest default band frequency (fu).
double upperDefaultFrequency(EqVariant v);

double freqToX(EqVariant v, double W, double f);  // 0 for f <= 0
double xToFreq(EqVariant v, double W, double x);
double gainToY(double H, double g);  // +12 dB at the top row, -12 at row H - 1
double yToGain(double H, double y);  // +12 at y = 0, -12 at y = H
double zeroLine(double H);           // the whole-pixel row of 0 dB (y0)

// One band's shape over the plot, with its height, centre and width worked
// out once so the curve can be walked column by column cheaply.
class BandShape {
 public:
  BandShape(EqVariant v, PlotSize plot, const EqBand& band);
  // False for a type that has no shape (it adds nothing to the curve).
  bool drawn() const { return kind_ != Kind::kNone; }
  // Pixels the band lifts column x (negative for a cut); 0 where the
  // arithmetic fails (zero width, overflow).
  double offsetAt(double x) const;
  // Row y (a whole row) moved by this band and rounded: round(y - P(x)).
  double applyTo(double y, double x) const;

 private:
  enum class Kind { kNone, kPeak, kHighShelf, kLowShelf };
  Kind kind_ = Kind::kNone;
  double height_ = 0;  // A: pixels above the 0 dB row at full gain
  double centre_ = 0;  // peak centre or shelf corner, pixels
  double width_ = 0;   // bell width, pixels
  // Beyond this z^2 the bell lifts less than half a pixel and leaves a whole
  // row where it is, so the exponential need not be taken.
  double negligibleZ2_ = 0;
};

double bandOffset(EqVariant v, PlotSize plot, const EqBand& band, double x);  // P(band, x)

// The columns 0 .. round(W) that the curve is sampled at.
int lastColumn(PlotSize plot);

// Y(x) for x = 0 .. round(W): the summed curve, rounded after every band.
std::vector<double> curveRows(EqVariant v, PlotSize plot, const std::vector<EqBand>& bands);
// Y1(band, x) for x = 0 .. round(W): one band's own curve.
std::vector<double> bandRows(EqVariant v, PlotSize plot, const EqBand& band);

// n frequencies spread evenly, in whole pixels, from 20 Hz towards fu.
std::vector<double> defaultFrequencies(EqVariant v, double W, int n);

}  // namespace kavel
