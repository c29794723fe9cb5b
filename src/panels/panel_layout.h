#pragma once
// Where the panels' controls sit inside their frames, in pixels of the frame
// (929 x 481, a 24-pixel title strip at the top). The views place their
// widgets from the models' geometry, so the layout lives here with them and
// the command-line tool and the tests see the same places as the window.
//
// A panel of the console is an equalizer on the left (graph, band editors,
// a band button under each editor) and a column of settings on the right:
// rows of label, slider and value box, then a framed group of vertical bars
// that fills the column to the bottom. A row whose controls the connected
// model hides takes no room; the rows below move up and the group grows.
#include <array>
#include <initializer_list>
#include <vector>

#include "controls/control.h"
#include "controls/inputs.h"
#include "panels/band_values.h"

namespace kavel {

class Form1;

namespace panel_layout {
inline constexpr int kTop = 29;      // below the title strip
inline constexpr int kBottom = 475;  // above the lower border
inline constexpr int kLeft = 8;
inline constexpr int kColumnLeft = 686;  // the settings column
inline constexpr int kColumnWidth = 237;
inline constexpr int kRowHeight = 22;
inline constexpr int kGap = 4;           // between rows and cells
inline constexpr int kGroupGap = 12;     // between groups of rows
inline constexpr int kEditorWidth = 51;  // a band editor is 51 x 245
inline constexpr int kEditorHeight = 245;
inline constexpr int kBandButtonHeight = 18;
// The band editors stand on the band buttons, which stand on the bottom.
inline constexpr int kEditorsTop = kBottom - kBandButtonHeight - 2 - kEditorHeight;
}  // namespace panel_layout

// Where an equalizer's graph and band editors sit in their frame; the band
// buttons, being controls, carry their own geometry.
struct EqPlace {
  Geometry graph;
  std::vector<Geometry> editors;
};
EqPlace eqPlace(Eq eq);
// The band buttons under their editors, on the frame's bottom.
void placeBandButtons(Form1& form, Eq eq, const EqPlace& place);

// One control of a row; width 0 shares what the fixed cells leave.
struct Cell {
  Control* control;
  int width = 0;
};
// Cells laid left to right; hidden cells take no room.
struct Row {
  std::vector<Cell> cells;
  int gapBefore = panel_layout::kGap;
  int height = panel_layout::kRowHeight;
};

// Stacks the rows from `top` in the column [left, left + width); a row with
// no visible cell is skipped with its gap. Returns the bottom of the last row.
int stackRows(const std::vector<Row>& rows, int left, int width, int top);

// A framed group of vertical bars, each with its label above and its value
// box below, spread over `area`.
struct BarGroup {
  Control* frame;
  std::array<Label*, 4> labels;
  std::array<Slider*, 4> bars;
  std::array<TextBox*, 4> boxes;
};
void placeBarGroup(const BarGroup& group, Geometry area);

// Places a panel with an equalizer: the band buttons under their editors,
// the shelf caption between graph and editors, `rows` down the settings
// column and `bars` filling the column below them. Its texts are white.
void placeEqPanel(Form1& form, Eq eq, Label& shelfCaption, const std::vector<Row>& rows,
                  const BarGroup& bars, std::initializer_list<Control*> texts);

// The microphone and music panels, placed for the controls visible now.
void placeMicPanel(Form1& form);
void placeMusicPanel(Form1& form);
void placeEffectPanel(Form1& form);
void placeCenterSurroundPanel(Form1& form);
void placeSubSettingsPanel(Form1& form);
// The center and surround equalizers, each in its half of the panel.
EqPlace centerSurroundPlace(Eq eq);

// Places both panels and places them again whenever one of their controls
// is shown or hidden (the device model decides some of them).
void keepPanelsPlaced(Form1& form);

}  // namespace kavel
