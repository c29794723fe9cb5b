#include "cli/preset_view.h"

#include <variant>

#include "cli/cli_format.h"
#include "panels/parameter_table.h"
#include "presets/preset_writer.h"
#include "window/form1.h"

namespace kavel::cli {

namespace {

// The JSON key of each FieldPart, in its order.
const char* const kKeys[] = {"text", "position", "caption", "gain", "q", "frequency"};

const char* key(FieldPart part) { return kKeys[static_cast<int>(part)]; }

// A band value as the file writes it (1000, -3.5); a position or a text as it is.
std::string plain(const FieldValue& v) {
  if (const double* d = std::get_if<double>(&v)) return formatBandValue(*d);
  if (const int* i = std::get_if<int>(&v)) return std::to_string(*i);
  return std::get<std::string>(v);
}

// As `plain`, with a text in quotes, so that a blank or an empty one shows.
std::string quoted(const FieldValue& v) {
  if (const std::string* s = std::get_if<std::string>(&v)) return Json(*s).dump();
  return plain(v);
}

Json toJson(const FieldValue& v) {
  if (const double* d = std::get_if<double>(&v)) return jsonNumber(*d);
  if (const int* i = std::get_if<int>(&v)) return *i;
  return std::get<std::string>(v);
}

std::string shown(const PresetSnapshot& p, const std::string& name, FieldPart part, int band = -1) {
  const FieldValue* v = p.find({name, part, band});
  return v ? plain(*v) : "";
}

// One line: the display text or caption, the position when the file holds one, the label.
std::string parameterLine(const PresetSnapshot& p, const ParameterRow& r) {
  const FieldValue* text = p.find({r.name, FieldPart::Text});
  const FieldValue* shownText = text ? text : p.find({r.name, FieldPart::Caption});
  const FieldValue* position = p.find({r.name, FieldPart::Position});
  if (!shownText && !position) return "";
  return "  " + padded(r.name, 22) + padded(shownText ? plain(*shownText) : "", 14) +
         padded(position ? "position " + plain(*position) : "", 14) + r.label + "\n";
}

std::string equalizerLines(const PresetSnapshot& p, const EqualizerRow& e) {
  std::string bands;
  for (const PresetField& f : p.fields) {
    if (f.id.parameter != e.name || f.id.part != FieldPart::Gain) continue;  // one line a band
    const int b = f.id.band;
    bands += "    " + padded(std::to_string(b), 4) +
             padded(shown(p, e.name, FieldPart::Freq, b) + " Hz", 10) +
             padded(plain(f.value) + " dB", 10) + "Q " + shown(p, e.name, FieldPart::Q, b) + "\n";
  }
  return bands.empty() ? "" : "  " + padded(e.name, 22) + e.label + "\n" + bands;
}

std::string onlyIn(const PresetField& f, const std::string& file) {
  return describe(f.id) + ": only in " + file + " (" + quoted(f.value) + ")\n";
}

}  // namespace

std::string showText(Form1& form, const PresetSnapshot& p) {
  std::string out = std::string("layout ") + presetMarker(p.layout) + "\n";
  for (int panel = 0; panel < Form1::kPanelCount; ++panel) {
    std::string lines;
    for (const ParameterRow& r : parameterRows())
      if (r.panel == panel) lines += parameterLine(p, r);
    for (const EqualizerRow& e : equalizerRows())
      if (e.panel == panel) lines += equalizerLines(p, e);
    if (!lines.empty()) out += "\n" + form.Command17[panel].caption() + "\n" + lines;
  }
  return out;
}

std::string showJson(const PresetSnapshot& p) {
  Json parameters = Json::object();
  Json equalizers = Json::object();
  for (const PresetField& f : p.fields) {
    if (f.id.band < 0) {
      parameters[f.id.parameter][key(f.id.part)] = toJson(f.value);
      continue;
    }
    if (f.id.part != FieldPart::Gain) continue;  // a band is written once, at its gain
    Json band = {{"band", f.id.band}};
    for (const FieldPart part : {FieldPart::Freq, FieldPart::Gain, FieldPart::Q})
      if (const FieldValue* v = p.find({f.id.parameter, part, f.id.band}))
        band[key(part)] = toJson(*v);
    equalizers[f.id.parameter].push_back(std::move(band));
  }
  const Json doc = {{"layout", presetMarker(p.layout)},
                    {"parameters", std::move(parameters)},
                    {"equalizers", std::move(equalizers)}};
  return doc.dump(2) + "\n";
}

std::string diffText(const PresetSnapshot& a, const PresetSnapshot& b, const std::string& nameA,
                     const std::string& nameB) {
  std::string out;
  for (const PresetField& f : a.fields) {
    const FieldValue* other = b.find(f.id);
    if (!other) out += onlyIn(f, nameA);
    else if (*other != f.value)
      out += describe(f.id) + ": " + quoted(f.value) + " -> " + quoted(*other) + "\n";
  }
  for (const PresetField& f : b.fields)
    if (!a.find(f.id)) out += onlyIn(f, nameB);
  return out;
}

}  // namespace kavel::cli
