#include "sim/state_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace kavel::sim {

namespace {

// Members keep the order of the document, so a mistake is reported where a
// reader meets it first.
using Json = nlohmann::ordered_json;

bool wholeNumber(const Json& v, long long max) {
  return v.is_number_integer() && v.get<long long>() >= 0 && v.get<long long>() <= max;
}

bool bandsFromJson(const Json& j, std::vector<Band>& bands, const std::string& name,
                   std::string& error) {
  if (!j.is_array() || j.size() != bands.size()) {
    error = name + " must be a list of " + std::to_string(bands.size()) + " bands";
    return false;
  }
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const Json& b = j[i];
    const std::string where = name + " band " + std::to_string(i);
    if (!b.is_array() || b.size() != 3) {
      error = where + " must be [Q byte, gain byte, frequency code]";
      return false;
    }
    if (!wholeNumber(b[0], 255) || !wholeNumber(b[1], 255) || !wholeNumber(b[2], 0xFFFF)) {
      error = where + ": Q and gain must be 0..255, the frequency code 0..65535";
      return false;
    }
    bands[i] = Band{b[0].get<int>(), b[1].get<int>(), b[2].get<int>()};
  }
  return true;
}

Json storeToJson(const Store& s) {
  Json o = Json::object();
  for (const ParamInfo& p : params()) o[std::string(p.name)] = s[p.id];
  for (const EqInfo& e : eqs()) {
    Json bands = Json::array();
    for (const Band& b : s.bands[e.id]) bands.push_back({b.q, b.gain, b.freq});
    o[std::string(e.name)] = std::move(bands);
  }
  return o;
}

bool storeFromJson(const Json& j, Store& s, std::string& error) {
  if (!j.is_object()) {
    error = "a parameter set must be an object";
    return false;
  }
  for (const auto& [key, v] : j.items()) {
    if (auto p = paramByName(key)) {
      if (!wholeNumber(v, maxWire(*p))) {
        error = key + " must be a whole number from 0 to " + std::to_string(maxWire(*p));
        return false;
      }
      s[*p] = v.get<int>();
    } else if (auto e = eqByName(key)) {
      if (!bandsFromJson(v, s.bands[*e], key, error)) return false;
    } else {
      error = "unknown parameter \"" + key + "\"";
      return false;
    }
  }
  return true;
}

bool flat(const Json& a) {
  for (const Json& v : a)
    if (v.is_structured()) return false;
  return true;
}

// Pretty-printed with a two-space indent, except that a list of numbers (a
// band) stays on one line: a state of six equalizers in eleven parameter
// sets remains a file one can read.
void write(const Json& j, int indent, std::string& out) {
  const std::string pad(indent + 2, ' ');
  if (j.is_object() && !j.empty()) {
    out += "{\n";
    std::size_t i = 0;
    for (const auto& [key, v] : j.items()) {
      out += pad + Json(key).dump() + ": ";
      write(v, indent + 2, out);
      out += ++i < j.size() ? ",\n" : "\n";
    }
    out += std::string(indent, ' ') + "}";
  } else if (j.is_array() && !j.empty()) {
    const bool oneLine = flat(j);
    out += oneLine ? "[" : "[\n";
    for (std::size_t i = 0; i < j.size(); ++i) {
      if (!oneLine) out += pad;
      write(j[i], indent + 2, out);
      if (i + 1 < j.size()) out += oneLine ? ", " : ",\n";
    }
    out += oneLine ? "]" : "\n" + std::string(indent, ' ') + "]";
  } else {
    out += j.dump();
  }
}

// nlohmann's parse errors read "[json.exception.parse_error.101] parse error
// at line 3, column 13: syntax error ..."; the user needs the part from "line".
// A number too large for a double has no position: the text after the tag.
std::string parseErrorText(const nlohmann::json::exception& e) {
  const std::string what = e.what();
  std::size_t at = what.find("line ");
  if (at == std::string::npos && what.front() == '[') at = what.find("] ") + 2;
  return at == std::string::npos ? what : what.substr(at);
}

}  // namespace

std::string stateToText(const Processor& p) {
  Json modes = Json::array();
  for (const Store& m : p.modes()) modes.push_back(storeToJson(m));
  Json doc = Json::object();
  doc["model"] = std::string(modelInfo(p.model()).name);
  doc["current"] = storeToJson(p.current());
  doc["modes"] = std::move(modes);
  std::string out;
  write(doc, 0, out);
  return out + "\n";
}

bool stateFromText(const std::string& text, SimState& out, std::string& error) {
  Json doc;
  try {
    doc = Json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    error = parseErrorText(e);
    return false;
  }
  if (!doc.is_object()) {
    error = "the state must be a JSON object";
    return false;
  }
  for (const auto& [key, v] : doc.items()) {
    if (key == "model") {
      std::optional<Model> m = v.is_string() ? modelByName(v.get<std::string>()) : std::nullopt;
      if (!m) {
        error = "model must be \"1\", \"2\", \"3\" or \"3b\"";
        return false;
      }
      out.model = m;
    } else if (key == "current") {
      if (!storeFromJson(v, out.current, error)) return (error = "current: " + error), false;
    } else if (key == "modes") {
      if (!v.is_array() || v.size() > kModeCount) {
        error = "modes must be a list of at most 10 parameter sets";
        return false;
      }
      for (std::size_t i = 0; i < v.size(); ++i)
        if (!storeFromJson(v[i], out.modes[i], error))
          return (error = "mode " + std::to_string(i + 1) + ": " + error), false;
    } else {
      error = "unknown member \"" + key + "\" (expected model, current, modes)";
      return false;
    }
  }
  return true;
}

bool loadStateFile(const std::string& path, SimState& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (!stateFromText(text.str(), out, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

bool saveStateFile(const std::string& path, const Processor& p, std::string& error) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out << stateToText(p);
    if (!out.flush()) {
      error = tmp + ": " + std::strerror(errno);
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    error = path + ": " + std::strerror(errno);
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace kavel::sim
