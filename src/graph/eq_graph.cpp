#include "graph/eq_graph.h"

#include <algorithm>
#include <cmath>

#include "graph/number_text.h"

namespace kavel {
namespace {

struct AxisMark {
  const char* caption;
  double value;
};

constexpr AxisMark kFrequencyLabels[] = {
    {"20Hz", 20},    {"50Hz", 50},  {"100Hz", 100}, {"200Hz", 200},   {"500Hz", 500},
    {"1kHz", 1000},  {"2kHz", 2000}, {"5kHz", 5000}, {"10kHz", 10000}, {"20kHz", 20000},
};

constexpr AxisMark kGainLabels[] = {
    {"+12dB", 12}, {"+8dB", 8}, {"+4dB", 4}, {"0dB", 0}, {"-4dB", -4}, {"-8dB", -8}, {"-12dB", -12},
};

// Vertical grid lines after the one at x = 0, in drawing order.
constexpr double kMajorGridHz[] = {100, 1000, 10000};
constexpr double kMicExtraMajorGridHz = 29500;
constexpr double kMinorGridHz[] = {20,   30,   40,   50,   60,   70,   80,   90,   200,
                                   300,  400,  500,  600,  700,  800,  900,  2000, 3000,
                                   4000, 5000, 6000, 7000, 8000, 9000, 20000, 30000};

constexpr double kPassCaptionShare = 0.25;  // "EQ PASS" centred on this share of the height

}  // namespace

std::string eqHintCaption(EqVariant variant, bool lastEqWasEffect, int index,
                          const EqBand& band) {
  std::string prefix = "(";
  std::string q;
  if (variant == EqVariant::MicEQLine) {
    q = formatGeneral(band.Q);
  } else {
    // The effect graph's bands 0 to 2 shape the echo, the others the reverb.
    if (lastEqWasEffect) prefix = index <= 2 ? "(ECHO " : "(REVE ";
    q = formatFixed(band.Q, 1);
  }
  return prefix + "G:" + formatFixed(band.db, 1) + ",Q:" + q + ",F:" + formatTruncated(band.F) +
         ")";
}

EqGraph::EqGraph(EqVariant variant, const EqFlags& flags) : variant_(variant), flags_(flags) {
  for (const AxisMark& m : kFrequencyLabels) lblF_.push_back({m.caption});
  for (const AxisMark& m : kGainLabels) lblDB_.push_back({m.caption});
  label1_.visible = false;
  label2_.caption = "EQ PASS";
  label2_.visible = false;
  setTextMeasure(estimateTextExtent);
}

// ---- Members of the control ----

bool EqGraph::InitEQ(int PointCount) {
  if (PointCount < 1 || PointCount > kMaxBands) return false;
  bands_.assign(PointCount, EqBand{});
  imgP_.resize(PointCount);
  lblP_.resize(PointCount);
  for (int i = 0; i < PointCount; ++i) {
    imgP_[i].visible = lblP_[i].visible = true;
    setNumberCaption(i, std::to_string(i + 1));
  }
  if (selected_ >= PointCount) selected_ = -1;
  redraw();
  return true;
}

std::vector<double> EqGraph::getAverX() const {
  return defaultFrequencies(variant_, plot_.W, count());
}

void EqGraph::setDB(int Index, double db) {
  if (!validIndex(Index)) return;
  bands_[Index].db = db;
  commit(Index);
}

void EqGraph::setF(int Index, double dblf) {
  if (!validIndex(Index)) return;
  bands_[Index].F = dblf;
  commit(Index);
}

void EqGraph::setQ(int Index, double dblq) {
  if (!validIndex(Index)) return;
  bands_[Index].Q = dblq;
  commit(Index);
}

void EqGraph::setVal(int Index, double dblf, double db, double dblq, std::int16_t intT) {
  if (!validIndex(Index)) return;
  bands_[Index].db = db;
  bands_[Index].F = dblf;
  bands_[Index].Q = dblq;
  if (variant_ == EqVariant::MicEQLine && Index < kTypedBands) types_[Index] = intT;
  commit(Index);
}

void EqGraph::setT(int Index, std::int16_t intT) {
  if (variant_ != EqVariant::MicEQLine || !validIndex(Index)) return;
  if (Index < kTypedBands) types_[Index] = intT;
  commit(Index);
}

std::string EqGraph::ncap() const { return count() > 0 ? lblP_[0].caption : std::string(); }
void EqGraph::setNcap(const std::string& caption) {
  if (count() > 0) setNumberCaption(0, caption);
  viewChanged.emit();
}
std::string EqGraph::ncap1() const { return count() > 1 ? lblP_[1].caption : std::string(); }
void EqGraph::setNcap1(const std::string& caption) {
  if (count() > 1) setNumberCaption(1, caption);
  viewChanged.emit();
}

void EqGraph::setEQPASS(bool on) {
  eqPass_ = on;
  label2_.visible = on;
  viewChanged.emit();
}

void EqGraph::commit(int index) {
  selected_ = index;
  redraw();
  // The highlight and hint of that redraw stay on screen until the next one.
  selected_ = -1;
}

EqBand EqGraph::band(int i) const {
  EqBand b = bands_.at(i);
  b.T = (variant_ == EqVariant::MicEQLine && i < kTypedBands) ? types_[i] : std::int16_t(kPeak);
  return b;
}

// ---- Layout ----

void EqGraph::setTextMeasure(TextMeasure measure) {
  measure_ = std::move(measure);
  for (TextItem& t : lblF_) {
    const TextExtent e = measure_(t.caption, TextRole::kAxisLabel);
    t.width = e.width, t.height = e.height;
  }
  for (TextItem& t : lblDB_) {
    const TextExtent e = measure_(t.caption, TextRole::kAxisLabel);
    t.width = e.width, t.height = e.height;
  }
  const TextExtent pass = measure_(label2_.caption, TextRole::kPassCaption);
  label2_.width = pass.width, label2_.height = pass.height;
  for (int i = 0; i < count(); ++i) setNumberCaption(i, lblP_[i].caption);
  layoutLabels();
}

void EqGraph::setNumberCaption(int i, const std::string& caption) {
  TextItem& t = lblP_[i];
  t.caption = caption;
  const TextExtent e = measure_(caption, TextRole::kBandNumber);
  t.width = e.width, t.height = e.height;
  placeNumberLabel(i);
}

void EqGraph::resize(double width, double height) {
  if (width == width_ && height == height_) return;  // only a change lays out anew
  width_ = width;
  height_ = height;
  // A control squeezed below its margins keeps a one-pixel plot.
  plot_.W = std::max(1.0, width - kPlotLeft - 2);
  plot_.H = std::max(1.0, height - 26);
  layoutLabels();
  redraw();
}

void EqGraph::layoutLabels() {
  for (std::size_t i = 0; i < lblF_.size(); ++i) {
    TextItem& t = lblF_[i];
    t.left = kPlotLeft + freqToX(variant_, plot_.W, kFrequencyLabels[i].value) - t.width / 2;
    t.top = kPlotTop + plot_.H + 3;
  }
  for (std::size_t i = 0; i < lblDB_.size(); ++i) {
    TextItem& t = lblDB_[i];
    t.left = kPlotLeft - t.width - 2;
    t.top = kPlotTop + gainToY(plot_.H, kGainLabels[i].value) - t.height / 2;
  }
  label2_.left = (plot_.W - label2_.width) / 2;
  label2_.top = std::max(0.0, plot_.H * kPassCaptionShare - label2_.height / 2);
}

// ---- Redraw ----

void EqGraph::redraw() {
  if (busy_) return;  // a redraw never nests
  busy_ = true;
  drawGrid();
  std::vector<EqBand> all(count());
  for (int i = 0; i < count(); ++i) all[i] = band(i);
  if (selected_ >= 0) {
    scene_.highlight = bandRows(variant_, plot_, all[selected_]);
    // A band of a type with no shape is not shaded.
    if (!BandShape(variant_, plot_, all[selected_]).drawn()) scene_.highlight.clear();
  } else {
    scene_.highlight.clear();
  }
  scene_.highlightBase = gainToY(plot_.H, 0);
  scene_.curve = curveRows(variant_, plot_, all);
  placeMarkers();
  if (selected_ < 0) {
    label1_.visible = false;
    busy_ = false;
    viewChanged.emit();
    return;
  }
  placeHint();
  viewChanged.emit();
  const EqBand& b = bands_[selected_];
  Changed.emit(selected_, b.F, b.db, b.Q);
  busy_ = false;
}

void EqGraph::drawGrid() {
  std::vector<EqGridLine>& grid = scene_.grid;
  grid.clear();
  for (int g = -12; g <= 12; g += 2) {
    const bool major = g == -12 || g == 0 || g == 12;
    grid.push_back({false, gainToY(plot_.H, g), major ? eq_colors::gridMajor : eq_colors::gridMinor});
  }
  const auto vertical = [&](double hz, Rgb color) {
    grid.push_back({true, freqToX(variant_, plot_.W, hz), color});
  };
  grid.push_back({true, 0, eq_colors::gridMajor});
  for (double hz : kMajorGridHz) vertical(hz, eq_colors::gridMajor);
  if (variant_ == EqVariant::MicEQLine) vertical(kMicExtraMajorGridHz, eq_colors::gridMajor);
  for (double hz : kMinorGridHz) vertical(hz, eq_colors::gridMinor);
}

void EqGraph::placeMarkers() {
  const double half = markerSize() / 2;
  for (int i = 0; i < count(); ++i) {
    imgP_[i].left = freqToX(variant_, plot_.W, bands_[i].F) - half;
    imgP_[i].top = gainToY(plot_.H, bands_[i].db) - half;
    placeNumberLabel(i);
  }
}

void EqGraph::placeNumberLabel(int i) {
  if (i >= int(imgP_.size())) return;
  const EqMarker& m = imgP_[i];
  TextItem& t = lblP_[i];
  t.left = m.left + markerSize() / 2 - t.width / 2;
  // Above the marker, unless that would leave the plot at its top edge.
  t.top = m.top >= 3 ? m.top - t.height : m.top + 10;
}

void EqGraph::placeHint() {
  const TextItem& number = lblP_[selected_];
  label1_.visible = true;
  label1_.caption = hintCaption();
  const TextExtent e = measure_(label1_.caption, TextRole::kHint);
  label1_.width = e.width, label1_.height = e.height;
  label1_.top = number.top;
  // Right of the number, or left of it near the right edge.
  label1_.left = plot_.W - 100 >= number.left ? number.left + 10 : number.left - label1_.width;
}

std::string EqGraph::hintCaption() const {
  return eqHintCaption(variant_, flags_.lastEqWasEffect, selected_, bands_[selected_]);
}

// ---- Dragging ----

int EqGraph::markerAt(double x, double y) const {
  const double size = markerSize();
  for (int i = count() - 1; i >= 0; --i) {  // later markers lie on top
    const EqMarker& m = imgP_[i];
    if (m.visible && x >= m.left && x < m.left + size && y >= m.top && y < m.top + size) return i;
  }
  return -1;
}

void EqGraph::markerMouseDown(int j, int button, double px, double py) {
  if (!validIndex(j)) return;
  pointer_ = variant_ == EqVariant::ucEQLine ? PointerShape::kSizeAll : PointerShape::kCross;
  grabX_ = int(roundEven(px));
  grabY_ = int(roundEven(py));
  if (button == kLeftButton) moveStep(j, px, py);
  selected_ = j;
  if (variant_ == EqVariant::MicEQLine) label1_.visible = true;
  viewChanged.emit();
}

void EqGraph::markerMouseMove(int j, int buttons, double px, double py) {
  if (!validIndex(j) || buttons != kLeftButton || busy_) return;
  moveStep(j, px, py);
}

void EqGraph::markerMouseUp(int j) {
  if (!validIndex(j)) return;
  pointer_ = PointerShape::kArrow;
  redraw();  // the band stays selected
}

std::pair<double, double> EqGraph::dragLimits(int j) const {
  switch (variant_) {
    case EqVariant::ucEQLine:
      return {20, 20000};
    case EqVariant::ucEQLine1:
      return {20, 400};
    case EqVariant::MicEQLine:
      break;
  }
  const bool shelf = (flags_.micShelfMode && flags_.micPanelShown) ||
                     (flags_.musicShelfMode && flags_.musicPanelShown);
  if (shelf && j == 0) return {20, 1000};   // the low shelf stays below 1 kHz
  if (shelf && j == 1) return {1000, 20000};  // the high shelf above it
  return {20, 20000};
}

void EqGraph::moveStep(int j, double px, double py) {
  EqMarker& m = imgP_[j];
  const double half = markerSize() / 2;
  // Keep the grabbed point of the marker under the pointer.
  m.left += px - grabX_;
  m.top += py - grabY_;
  if (m.top < -half) m.top = -half;
  if (m.top > plot_.H - half) m.top = plot_.H - half;
  const auto [lowHz, highHz] = dragLimits(j);
  double heldAt = 0;  // the limit frequency the centre was put on, if any
  if (m.left + half < freqToX(variant_, plot_.W, lowHz)) {
    m.left = freqToX(variant_, plot_.W, lowHz) - half;
    heldAt = lowHz;
  }
  if (m.left + half > freqToX(variant_, plot_.W, highHz)) {
    m.left = freqToX(variant_, plot_.W, highHz) - half;
    heldAt = highHz;
  }
  EqBand& b = bands_[j];
  b.db = yToGain(plot_.H, m.top + half);
  // On a limit the band takes the limit's own frequency: converting the
  // centre back can come out a hair below it (399.9999 Hz for 400 Hz).
  b.F = heldAt > 0 ? heldAt : xToFreq(variant_, plot_.W, m.left + half);
  if (variant_ == EqVariant::ucEQLine1) {
    if (b.F > 400) b.F = 400;
  } else if (b.F > 19990) {
    b.F = 20000;
  }
  redraw();
}

}  // namespace kavel
