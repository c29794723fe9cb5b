#include "panels/panel_layout.h"

#include "graph/eq_graph_sizes.h"
#include "link/device_models.h"
#include "window/form1.h"

namespace kavel {

using namespace panel_layout;

namespace {

// The graph across the top left, the band editors side by side under it
// (one band-editor width apart, so thirteen fill the graph's width), a
// caption row between them.

EqPlace editorRow(EqGraphSize graph, int bands) {
  EqPlace p{{kLeft, kTop, graph.width, graph.height}, {}};
  for (int i = 0; i < bands; ++i)
    p.editors.push_back({kLeft + i * kEditorWidth, kEditorsTop, kEditorWidth, kEditorHeight});
  return p;
}

// Fewer editors than fill the graph's width: each centred in its share of it.
EqPlace spreadRow(EqGraphSize graph, int bands) {
  EqPlace p = editorRow(graph, bands);
  const int share = graph.width / bands;
  for (int i = 0; i < bands; ++i)
    p.editors[i].left = kLeft + i * share + (share - kEditorWidth) / 2;
  return p;
}

bool anyVisible(const Row& row) {
  for (const Cell& c : row.cells)
    if (c.control->visible()) return true;
  return false;
}

void placeRow(const Row& row, int left, int width, int top) {
  int fixed = 0, shared = 0, count = 0;
  for (const Cell& c : row.cells) {
    if (!c.control->visible()) continue;
    fixed += c.width;
    shared += c.width == 0;
    ++count;
  }
  const int rest = width - fixed - kGap * (count - 1);
  int x = left, sharesLeft = shared, restLeft = rest;
  for (const Cell& c : row.cells) {
    if (!c.control->visible()) continue;
    int w = c.width;
    if (w == 0) {  // the last share takes the pixels that division leaves over
      w = restLeft / sharesLeft--;
      restLeft -= w;
    }
    c.control->setGeometry({x, top, w, row.height});
    x += w + kGap;
  }
}

}  // namespace

void placeBandButtons(Form1& form, Eq eq, const EqPlace& place) {
  Equalizer& e = form.eq(eq);
  for (int i = 0; i < e.bands(); ++i) {
    const Geometry& ed = place.editors[i];
    e.bandButtons[i].setGeometry(
        {ed.left + 2, kBottom - kBandButtonHeight, ed.width - 4, kBandButtonHeight});
  }
}

EqPlace eqPlace(Eq eq) {
  switch (eq) {
    case Eq::Mic:
      return editorRow(kMicEQLine1Size, bandCount(eq));
    case Eq::Music:
      return editorRow(kMicEQLine2Size, bandCount(eq));
    case Eq::Effect:
      return spreadRow(kucEQLine3Size, bandCount(eq));
    case Eq::Center:
    case Eq::Surround:
      return centerSurroundPlace(eq);
    case Eq::Sub:
      return editorRow(kucEQLine11Size, bandCount(eq));
    default:
      return {};  // the other panels place their own
  }
}

int stackRows(const std::vector<Row>& rows, int left, int width, int top) {
  int y = top, bottom = top;
  bool first = true;
  for (const Row& row : rows) {
    if (!anyVisible(row)) continue;
    if (!first) y += row.gapBefore;
    first = false;
    placeRow(row, left, width, y);
    bottom = y + row.height;
    y = bottom;
  }
  return bottom;
}

void placeBarGroup(const BarGroup& g, Geometry area) {
  constexpr int kTitle = 18, kPad = 6, kLabel = 16, kBox = 22, kBarWidth = 17;
  g.frame->setGeometry(area);
  const int columnWidth = (area.width - 2 * kPad) / 4;
  const int labelTop = area.top + kTitle;
  const int barTop = labelTop + kLabel + 2;
  const int boxTop = area.top + area.height - kPad - kBox;
  for (int i = 0; i < 4; ++i) {
    const int left = area.left + kPad + i * columnWidth;
    g.labels[i]->setGeometry({left, labelTop, columnWidth, kLabel});
    g.bars[i]->setGeometry(
        {left + (columnWidth - kBarWidth) / 2, barTop, kBarWidth, boxTop - 4 - barTop});
    g.boxes[i]->setGeometry({left + 3, boxTop, columnWidth - 6, kBox});
  }
}

void placeEqPanel(Form1& form, Eq eq, Label& shelfCaption, const std::vector<Row>& rows,
                  const BarGroup& bars, std::initializer_list<Control*> texts) {
  for (Control* c : texts) c->setForeColor(colors::white);
  const EqPlace place = eqPlace(eq);
  const int graphBottom = place.graph.top + place.graph.height;
  shelfCaption.setGeometry({kLeft, graphBottom, 2 * kEditorWidth, kEditorsTop - graphBottom});
  placeBandButtons(form, eq, place);
  const int top = stackRows(rows, kColumnLeft, kColumnWidth, kTop) + kGroupGap;
  placeBarGroup(bars, {kColumnLeft, top, kColumnWidth, kBottom - top});
}

void keepPanelsPlaced(Form1& form) {
  auto place = [&form] {
    placeMicPanel(form);
    placeMusicPanel(form);
    placeEffectPanel(form);
    placeCenterSurroundPanel(form);
    placeSubSettingsPanel(form);
  };
  place();
  for (const ModelControl& m : modelControls()) {
    Control& c = m.control(form);
    c.changed.connect([&c, place, shown = c.visible()]() mutable {
      if (c.visible() == shown) return;
      shown = c.visible();
      place();
    });
  }
}

}  // namespace kavel
