#pragma once
// One equalizer of the window: its response graph, a band editor beside
// every band and a band ON/OFF button under each editor. The window owns
// six of them; the panels' handlers and the read-back reach the bands here.
#include <memory>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "graph/band_editor.h"
#include "graph/eq_graph.h"
#include "graph/eq_graph_sizes.h"
#include "panels/band_values.h"

namespace kavel {

// The window names and the graph of each equalizer.
struct EqNames {
  const char* graph;    // "MicEQLine1"
  const char* editors;  // "ucSlider1"
  const char* buttons;  // "dcButton1"
  EqVariant variant;
  EqGraphSize size;
};
const EqNames& eqNames(Eq eq);

class Equalizer {
 public:
  static constexpr double kInitialQ = 10.4;

  // `flags` and `dialogs` belong to the window and outlive the equalizer.
  Equalizer(Eq eq, const EqFlags& flags, Dialogs& dialogs);

  Eq eq() const { return eq_; }
  int bands() const { return bandCount(eq_); }

  EqGraph graph;
  BandEditor& editor(int band) { return *editors_.at(band); }
  const BandEditor& editor(int band) const { return *editors_.at(band); }
  ControlArray<Button> bandButtons;

  // Band `band` as its band editor holds it; empty outside the bands.
  std::optional<BandValues> values(int band) const;

  // Start-up: the graph gets its band count and every band its default
  // frequency with gain 0 and Q 10.4, all peaks. Nothing is sent.
  void initialise();

 private:
  Eq eq_;
  std::vector<std::unique_ptr<BandEditor>> editors_;
};

}  // namespace kavel
