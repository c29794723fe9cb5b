#include "cli/dump.h"


#include "cli/cli_format.h"
#include "panels/parameter_table.h"
#include "window/form1.h"

namespace kavel::cli {

namespace {


const char* const kBandTypes[] = {"peak", "high shelf", "low shelf"};


// The panel's name, as its frame's title strip shows it after the blanks.
std::string panelName(Form1& f, int panel) {
  const std::string& caption = f.Lkframe[panel].caption();
  return caption.substr(std::min(caption.find_first_not_of(' '), caption.size()));
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
                         {"frequency", jsonNumber(ed.F())},
                         {"gain", jsonNumber(ed.db())},
                         {"q", jsonNumber(ed.Q())},
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
