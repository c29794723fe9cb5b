#include "cli/dump.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "panels/parameter_table.h"
#include "window/form1.h"

namespace kavel::cli {

namespace {

using Json = nlohmann::ordered_json;

const char* const kBandTypes[] = {"peak", "high shelf", "low shelf"};

// A whole number prints without a decimal point (1000, not 1000.0).
Json number(double v) {
  if (v == std::floor(v) && std::fabs(v) < 1e15) return static_cast<long long>(v);
  return v;
}

// The panel's name, as its frame's title strip shows it after the blanks.
std::string panelName(Form1& f, int panel) {
  const std::string& caption = f.Lkframe[panel].caption();
  return caption.substr(std::min(caption.find_first_not_of(' '), caption.size()));
}

// Columns in terminal cells: a CJK character takes two.
std::string padded(const std::string& text, std::size_t width) {
  std::size_t cells = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = text[i];
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    cells += c >= 0xE0 ? 2 : 1;
  }
  return text + std::string(cells < width ? width - cells : 1, ' ');
}

template <typename Visit>
void eachPanel(Form1& f, Visit visit) {
  for (int panel = 0; panel < Form1::kPanelCount; ++panel) {
    std::vector<const ParameterRow*> rows;
    for (const ParameterRow& r : parameterRows())
      if (r.panel == panel && isFilled(r, f.state)) rows.push_back(&r);
    std::vector<const EqualizerRow*> eqs;
    for (const EqualizerRow& e : equalizerRows())
      if (e.panel == panel) eqs.push_back(&e);
    if (!rows.empty() || !eqs.empty()) visit(panel, rows, eqs);
  }
}

}  // namespace

std::string dumpText(Form1& f) {
  std::string out = "model " + modelName(f.state) + "\n";
  eachPanel(f, [&](int panel, const auto& rows, const auto& eqs) {
    out += "\n" + panelName(f, panel) + "\n";
    for (const ParameterRow* r : rows)
      out += "  " + padded(r->name, 22) + padded(displayText(f, *r), 14) + r->label + "\n";
    for (const EqualizerRow* e : eqs) {
      out += "  " + padded(e->name, 22) + e->label + "\n";
      Equalizer& eq = f.eq(e->eq);
      for (int band = 0; band < eq.bands(); ++band) {
        const BandEditor& ed = eq.editor(band);
        out += "    " + padded(std::to_string(band), 4) + padded(ed.txtF.text() + " Hz", 10) +
               padded(ed.txtDB.text() + " dB", 10) + padded("Q " + ed.txtQ.text(), 8) +
               padded(kBandTypes[ed.T()], 12) + eq.bandButtons[band].caption() + "\n";
      }
    }
  });
  return out;
}

std::string dumpJson(Form1& f) {
  Json parameters = Json::object();
  Json equalizers = Json::object();
  eachPanel(f, [&](int, const auto& rows, const auto& eqs) {
    for (const ParameterRow* r : rows)
      parameters[r->name] = {{"value", wireValue(f, *r)}, {"text", displayText(f, *r)}};
    for (const EqualizerRow* e : eqs) {
      Json bands = Json::array();
      Equalizer& eq = f.eq(e->eq);
      for (int band = 0; band < eq.bands(); ++band) {
        const BandEditor& ed = eq.editor(band);
        bands.push_back({{"band", band},
                         {"frequency", number(ed.F())},
                         {"gain", number(ed.db())},
                         {"q", number(ed.Q())},
                         {"type", ed.T()},
                         {"on", eq.bandButtons[band].caption() == "ON"}});
      }
      equalizers[e->name] = std::move(bands);
    }
  });
  const Json doc = {{"model", modelName(f.state)},
                    {"parameters", std::move(parameters)},
                    {"equalizers", std::move(equalizers)}};
  return doc.dump(2) + "\n";
}

}  // namespace kavel::cli
