#include "sim/state_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kavel::sim {

namespace {

Json integer(long long v) { return Json{v}; }

bool inRange(const Json& v, long long max) { return v.isInt() && v.asInt() >= 0 && v.asInt() <= max; }

bool bandsFromJson(const Json& j, std::vector<Band>& bands, const std::string& name,
                   std::string& error) {
  if (!j.isArray() || j.asArray().size() != bands.size()) {
    error = name + " must be a list of " + std::to_string(bands.size()) + " bands";
    return false;
  }
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const Json& b = j.asArray()[i];
    const std::string where = name + " band " + std::to_string(i);
    if (!b.isArray() || b.asArray().size() != 3) {
      error = where + " must be [Q byte, gain byte, frequency code]";
      return false;
    }
    const JsonArray& v = b.asArray();
    if (!inRange(v[0], 255) || !inRange(v[1], 255) || !inRange(v[2], 0xFFFF)) {
      error = where + ": Q and gain must be 0..255, the frequency code 0..65535";
      return false;
    }
    bands[i] = Band{static_cast<int>(v[0].asInt()), static_cast<int>(v[1].asInt()),
                    static_cast<int>(v[2].asInt())};
  }
  return true;
}

}  // namespace

Json storeToJson(const Store& s) {
  JsonObject o;
  for (const ParamInfo& p : params()) o.emplace_back(std::string(p.name), integer(s[p.id]));
  for (const EqInfo& e : eqs()) {
    JsonArray bands;
    for (const Band& b : s.bands[e.id])
      bands.push_back(Json{JsonArray{integer(b.q), integer(b.gain), integer(b.freq)}});
    o.emplace_back(std::string(e.name), Json{std::move(bands)});
  }
  return Json{std::move(o)};
}

bool storeFromJson(const Json& j, Store& s, std::string& error) {
  if (!j.isObject()) {
    error = "a parameter set must be an object";
    return false;
  }
  for (const auto& [key, v] : j.asObject()) {
    if (auto p = paramByName(key)) {
      if (!inRange(v, maxWire(*p))) {
        error = key + " must be a whole number from 0 to " + std::to_string(maxWire(*p));
        return false;
      }
      s[*p] = static_cast<int>(v.asInt());
    } else if (auto e = eqByName(key)) {
      if (!bandsFromJson(v, s.bands[*e], key, error)) return false;
    } else {
      error = "unknown parameter \"" + key + "\"";
      return false;
    }
  }
  return true;
}

std::string stateToText(const Processor& p) {
  JsonArray modes;
  for (const Store& m : p.modes()) modes.push_back(storeToJson(m));
  JsonObject o;
  o.emplace_back("model", Json{std::string(modelInfo(p.model()).name)});
  o.emplace_back("current", storeToJson(p.current()));
  o.emplace_back("modes", Json{std::move(modes)});
  return writeJson(Json{std::move(o)});
}

bool stateFromText(const std::string& text, SimState& out, std::string& error) {
  Json doc;
  if (!parseJson(text, doc, error)) return false;
  if (!doc.isObject()) {
    error = "the state must be a JSON object";
    return false;
  }
  for (const auto& [key, v] : doc.asObject()) {
    if (key == "model") {
      std::optional<Model> m = v.isString() ? modelByName(v.asString()) : std::nullopt;
      if (!m) {
        error = "model must be \"1\", \"2\", \"3\" or \"3b\"";
        return false;
      }
      out.model = m;
    } else if (key == "current") {
      if (!storeFromJson(v, out.current, error)) return (error = "current: " + error), false;
    } else if (key == "modes") {
      if (!v.isArray() || v.asArray().size() > kModeCount) {
        error = "modes must be a list of at most 10 parameter sets";
        return false;
      }
      for (std::size_t i = 0; i < v.asArray().size(); ++i)
        if (!storeFromJson(v.asArray()[i], out.modes[i], error))
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
