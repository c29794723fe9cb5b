#include "sim/json.h"

#include <cctype>

namespace kavel::sim {

const Json* Json::find(const std::string& key) const {
  if (!isObject()) return nullptr;
  for (const auto& [k, v] : asObject())
    if (k == key) return &v;
  return nullptr;
}

namespace {

class Parser {
 public:
  explicit Parser(const std::string& t) : t_(t) {}

  bool document(Json& out, std::string& error) {
    bool ok = value(out) && (space(), pos_ == t_.size() || fail("text after the end"));
    if (!ok) error = "line " + std::to_string(line()) + ": " + error_;
    return ok;
  }

 private:
  bool fail(const std::string& why) {
    if (error_.empty()) error_ = why;
    return false;
  }
  int line() const {
    int n = 1;
    for (std::size_t i = 0; i < pos_ && i < t_.size(); ++i) n += t_[i] == '\n';
    return n;
  }
  void space() {
    while (pos_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[pos_]))) ++pos_;
  }
  bool eat(char c) {
    space();
    if (pos_ < t_.size() && t_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool word(const char* w) {
    std::string s(w);
    if (t_.compare(pos_, s.size(), s) != 0) return false;
    pos_ += s.size();
    return true;
  }

  bool value(Json& out) {
    space();
    if (pos_ >= t_.size()) return fail("unexpected end of text");
    char c = t_[pos_];
    if (c == '{') return object(out);
    if (c == '[') return array(out);
    if (c == '"') {
      std::string s;
      if (!string(s)) return false;
      out.value = std::move(s);
      return true;
    }
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return number(out);
    if (word("true")) return out.value = true, true;
    if (word("false")) return out.value = false, true;
    if (word("null")) return out.value = nullptr, true;
    return fail(std::string("unexpected character '") + c + "'");
  }

  bool number(Json& out) {
    std::size_t start = pos_;
    if (t_[pos_] == '-') ++pos_;
    while (pos_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[pos_]))) ++pos_;
    if (pos_ < t_.size() && (t_[pos_] == '.' || t_[pos_] == 'e' || t_[pos_] == 'E'))
      return fail("only whole numbers are allowed");
    std::string digits = t_.substr(start, pos_ - start);
    if (digits.empty() || digits == "-" || digits.size() > 12) return fail("bad number");
    out.value = std::stoll(digits);
    return true;
  }

  bool string(std::string& s) {
    ++pos_;  // opening quote
    while (pos_ < t_.size() && t_[pos_] != '"') {
      char c = t_[pos_++];
      if (c == '\\') {
        if (pos_ >= t_.size()) break;
        char e = t_[pos_++];
        if (e == 'n') c = '\n';
        else if (e == 't') c = '\t';
        else if (e == '"' || e == '\\' || e == '/') c = e;
        else return fail("unsupported escape in a string");
      }
      s.push_back(c);
    }
    if (pos_ >= t_.size()) return fail("string without its closing quote");
    ++pos_;
    return true;
  }

  bool array(Json& out) {
    ++pos_;
    JsonArray a;
    if (!eat(']')) {
      do {
        Json v;
        if (!value(v)) return false;
        a.push_back(std::move(v));
      } while (eat(','));
      if (!eat(']')) return fail("expected ',' or ']'");
    }
    out.value = std::move(a);
    return true;
  }

  bool object(Json& out) {
    ++pos_;
    JsonObject o;
    if (!eat('}')) {
      do {
        space();
        std::string key;
        if (pos_ >= t_.size() || t_[pos_] != '"') return fail("expected a quoted member name");
        if (!string(key)) return false;
        if (!eat(':')) return fail("expected ':' after \"" + key + "\"");
        Json v;
        if (!value(v)) return false;
        o.emplace_back(std::move(key), std::move(v));
      } while (eat(','));
      if (!eat('}')) return fail("expected ',' or '}'");
    }
    out.value = std::move(o);
    return true;
  }

  const std::string& t_;
  std::size_t pos_ = 0;
  std::string error_;
};

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out.push_back('\\');
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out.push_back(c);
  }
  return out + "\"";
}

bool flat(const JsonArray& a) {
  for (const Json& v : a)
    if (v.isArray() || v.isObject()) return false;
  return true;
}

void write(const Json& j, int indent, std::string& out) {
  std::string pad(indent + 2, ' ');
  if (j.isObject()) {
    const JsonObject& o = j.asObject();
    if (o.empty()) return void(out += "{}");
    out += "{\n";
    for (std::size_t i = 0; i < o.size(); ++i) {
      out += pad + quoted(o[i].first) + ": ";
      write(o[i].second, indent + 2, out);
      out += i + 1 < o.size() ? ",\n" : "\n";
    }
    out += std::string(indent, ' ') + "}";
  } else if (j.isArray()) {
    const JsonArray& a = j.asArray();
    bool oneLine = flat(a);
    out += oneLine ? "[" : "[\n";
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (!oneLine) out += pad;
      write(a[i], indent + 2, out);
      if (i + 1 < a.size()) out += oneLine ? ", " : ",\n";
    }
    out += oneLine ? "]" : "\n" + std::string(indent, ' ') + "]";
  } else if (j.isInt()) {
    out += std::to_string(j.asInt());
  } else if (j.isString()) {
    out += quoted(j.asString());
  } else if (std::holds_alternative<bool>(j.value)) {
    out += std::get<bool>(j.value) ? "true" : "false";
  } else {
    out += "null";
  }
}

}  // namespace

bool parseJson(const std::string& text, Json& out, std::string& error) {
  return Parser(text).document(out, error);
}

std::string writeJson(const Json& j) {
  std::string out;
  write(j, 0, out);
  return out + "\n";
}

}  // namespace kavel::sim
