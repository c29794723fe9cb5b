#pragma once
// The EQ graph control: a black plot with a green grid, one draggable marker
// per band and the summed response curve, in the three variants ucEQLine,
// ucEQLine1 and MicEQLine. The host sets bands by method calls and hears of
// every change through `Changed`. This model holds everything the view
// shows; the view paints `scene()` and the text items and forwards the
// operator's mouse to the marker methods.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/color.h"
#include "controls/signal.h"
#include "graph/eq_flags.h"
#include "graph/eq_response.h"
#include "graph/view_input.h"

namespace kavel {

struct EqGridLine {
  bool vertical = false;
  double at = 0;  // x of a vertical line, y of a horizontal one (plot pixels)
  Rgb color;
};

// The picture the last redraw left in the plot.
struct EqScene {
  std::vector<EqGridLine> grid;
  // Y1(selected band, x) for every column; empty when no band was selected.
  std::vector<double> highlight;
  double highlightBase = 0;  // y(0): each highlight column runs to this row
  std::vector<double> curve;  // Y(x) for every column x = 0 .. round(W)
};

// A band marker: its top-left corner in plot pixels.
struct EqMarker {
  double left = 0, top = 0;
  bool visible = true;
};

namespace eq_colors {
inline constexpr Rgb gridMajor{0, 128, 0};
inline constexpr Rgb gridMinor{0, 64, 0};
inline constexpr Rgb highlight{60, 50, 50};
inline constexpr Rgb curve{26, 172, 255};
inline constexpr Rgb hint{0, 255, 255};
inline constexpr Rgb axisLabel{255, 255, 0};
inline constexpr Rgb marker{128, 200, 255};  // light blue
}  // namespace eq_colors

class EqGraph {
 public:
  static constexpr double kPlotLeft = 40;  // the plot's offset inside the control
  static constexpr double kPlotTop = 10;
  static constexpr int kMaxBands = 30;
  static constexpr int kTypedBands = 15;  // MicEQLine keeps band types for 0 .. 14

  // `flags` belongs to the host's link state and outlives the graph.
  EqGraph(EqVariant variant, const EqFlags& flags);
  EqGraph(const EqGraph&) = delete;
  EqGraph& operator=(const EqGraph&) = delete;

  EqVariant variant() const { return variant_; }

  // ---- The control's members, as the host uses them ----
  // Sets the band count: false (and nothing done) unless 1 <= PointCount <= 30.
  bool InitEQ(int PointCount);
  // The default frequencies for the current count and width.
  std::vector<double> getAverX() const;
  // The set methods ignore an index outside the bands. Otherwise each stores,
  // selects the band, redraws (raising Changed) and drops the selection.
  void setDB(int Index, double db);
  void setF(int Index, double dblf);
  void setQ(int Index, double dblq);
  // `intT` is the band type on MicEQLine (omitted means peak); the other
  // variants have no types and ignore it.
  void setVal(int Index, double dblf, double db, double dblq, std::int16_t intT = kPeak);
  void setT(int Index, std::int16_t intT);  // MicEQLine only; a no-op elsewhere
  // Captions of number labels 0 and 1 (MicEQLine: "低" / "高" in shelf mode).
  std::string ncap() const;
  void setNcap(const std::string& caption);
  std::string ncap1() const;
  void setNcap1(const std::string& caption);
  bool EQPASS() const { return eqPass_; }
  void setEQPASS(bool on);

  // The selected band and its values, at the end of every redraw that runs
  // while a band is selected. The handler runs before the redraw returns.
  Signal<int, double, double, double> Changed;

  // ---- Geometry and drawing ----
  void setTextMeasure(TextMeasure measure);
  // The control's size changed: lays out the plot and labels, then redraws.
  // The same size again does nothing.
  void resize(double width, double height);
  // Draws the plot from the bands; a no-op while a redraw runs.
  void redraw();

  int count() const { return int(bands_.size()); }
  EqBand band(int i) const;  // with its type on MicEQLine
  int selected() const { return selected_; }
  bool busy() const { return busy_; }
  PlotSize plot() const { return plot_; }
  double markerSize() const { return variant_ == EqVariant::MicEQLine ? 8 : 10; }
  const EqScene& scene() const { return scene_; }
  const std::vector<EqMarker>& imgP() const { return imgP_; }
  const std::vector<TextItem>& lblP() const { return lblP_; }
  const std::vector<TextItem>& lblF() const { return lblF_; }
  const std::vector<TextItem>& lblDB() const { return lblDB_; }
  const TextItem& Label1() const { return label1_; }  // the hint
  const TextItem& Label2() const { return label2_; }  // "EQ PASS"
  PointerShape pointer() const { return pointer_; }

  // ---- The operator's mouse on marker j ----
  // The topmost marker under a point of the plot, or -1.
  int markerAt(double x, double y) const;
  // (px, py) is the pointer's position inside marker j, in pixels.
  void markerMouseDown(int j, int button, double px, double py);
  void markerMouseMove(int j, int buttons, double px, double py);
  void markerMouseUp(int j);

  // Raised whenever something the view shows has changed.
  Signal<> viewChanged;

 private:
  bool validIndex(int i) const { return i >= 0 && i < count(); }
  void commit(int index);  // select, redraw, deselect
  void drawGrid();
  void placeMarkers();
  void placeNumberLabel(int i);
  void placeHint();
  std::string hintCaption() const;
  std::pair<double, double> dragLimits(int j) const;
  void moveStep(int j, double px, double py);
  void setNumberCaption(int i, const std::string& caption);
  void layoutLabels();

  EqVariant variant_;
  const EqFlags& flags_;
  TextMeasure measure_ = estimateTextExtent;
  std::vector<EqBand> bands_;  // F, db, Q; types live in types_
  std::array<std::int16_t, kTypedBands> types_{};
  int selected_ = -1;
  bool busy_ = false;
  int grabX_ = 0, grabY_ = 0;
  bool eqPass_ = false;
  double width_ = 0, height_ = 0;
  PlotSize plot_{1, 1};
  EqScene scene_;
  std::vector<EqMarker> imgP_;
  std::vector<TextItem> lblP_;
  std::vector<TextItem> lblF_, lblDB_;
  TextItem label1_, label2_;
  PointerShape pointer_ = PointerShape::kArrow;
};

// The hint's caption for one band: "(G:3.5,Q:1.2,F:1000)" and its variants.
std::string eqHintCaption(EqVariant variant, bool lastEqWasEffect, int index,
                          const EqBand& band);

}  // namespace kavel
