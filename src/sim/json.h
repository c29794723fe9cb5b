#pragma once
// Just enough JSON for the simulator's state files: objects, arrays,
// integers, strings, true, false and null. Object members keep their order.
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kavel::sim {

struct Json;
using JsonArray = std::vector<Json>;
using JsonObject = std::vector<std::pair<std::string, Json>>;

struct Json {
  std::variant<std::nullptr_t, bool, long long, std::string, JsonArray, JsonObject> value;

  bool isInt() const { return std::holds_alternative<long long>(value); }
  bool isArray() const { return std::holds_alternative<JsonArray>(value); }
  bool isObject() const { return std::holds_alternative<JsonObject>(value); }
  bool isString() const { return std::holds_alternative<std::string>(value); }
  long long asInt() const { return std::get<long long>(value); }
  const std::string& asString() const { return std::get<std::string>(value); }
  const JsonArray& asArray() const { return std::get<JsonArray>(value); }
  const JsonObject& asObject() const { return std::get<JsonObject>(value); }
  // A member of an object, or nullptr.
  const Json* find(const std::string& key) const;
};

// Parses `text`; on failure returns false and says where and why in `error`.
bool parseJson(const std::string& text, Json& out, std::string& error);
// Pretty-printed, two-space indent; arrays of numbers stay on one line.
std::string writeJson(const Json& j);

}  // namespace kavel::sim
