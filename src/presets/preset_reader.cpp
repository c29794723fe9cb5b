#include "presets/preset_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>

#include "graph/number_text.h"
#include "panels/parameter_table.h"
#include "presets/gbk_text.h"
#include "presets/preset_lines.h"

namespace kavel {
namespace {

// Sliders and scroll bars hold 16-bit positions.
constexpr double kPositionLimit = 32767;

ParsedPreset failure(std::string error) { return {std::nullopt, std::move(error)}; }
ParsedPreset notAPreset(std::string error) { return {std::nullopt, std::move(error), true}; }

std::string lineName(std::size_t number) { return "line " + std::to_string(number); }

// The line as a message quotes it: at most about 40 bytes, cut between characters.
std::string quoted(std::string_view text) {
  if (text.size() > 40) {
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
  }
  return "\"" + std::string(text) + "\"";
}

// The leading-number rule needs a number at the start, after blanks.
bool startsWithNumber(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  if (!s.empty() && s.front() == '.') s.remove_prefix(1);
  return !s.empty() && std::isdigit(static_cast<unsigned char>(s.front()));
}

// What a caption line may hold: the captions of its button or the items of its selector.
std::vector<std::string> captionsOf(const std::string& parameter) {
  const ParameterRow& row = *findParameter(parameter);
  if (row.items) return row.items();
  return {row.captions->on, row.captions->off};
}

std::string joined(const std::vector<std::string>& values) {
  std::string out;
  for (const auto& v : values) out += (out.empty() ? "\"" : ", \"") + v + "\"";
  return out;
}

// One line converted for its place; an error text when it does not fit.
FieldValue convert(const PresetFieldLine& line, const std::string& text, std::string& error) {
  const std::string what = describe(line.id);
  const PresetLine& row = *line.row;
  switch (row.kind) {
    case LineKind::BandValue: {
      const double v = isNumeric(text) ? leadingNumber(std::string_view(text)) : NAN;
      if (!std::isfinite(v)) error = "expected " + what + ", a number such as 1000 or -3.5";
      return v;
    }
    case LineKind::SliderPosition:
    case LineKind::ScrollPosition: {
      if (!startsWithNumber(text)) {
        error = "expected " + what + ", a whole number";
        return 0;
      }
      const double v = roundEven(leadingNumber(std::string_view(text)));
      const bool scroll = row.kind == LineKind::ScrollPosition;
      const double lo = scroll ? row.min : -kPositionLimit, hi = scroll ? row.max : kPositionLimit;
      if (!(v >= lo && v <= hi)) {
        error = what + " must lie within " + std::to_string(int(lo)) + ".." + std::to_string(int(hi));
        return 0;
      }
      return static_cast<int>(v);
    }
    case LineKind::Caption: {
      const auto allowed = captionsOf(line.id.parameter);
      if (std::find(allowed.begin(), allowed.end(), text) == allowed.end()) {
        error = "expected " + what + ", one of " + joined(allowed);
      }
      return text;
    }
    case LineKind::DisplayText: break;
  }
  return text;
}

// A byte no text line holds: controls other than the tab.
bool holdsControl(std::string_view line) {
  for (char c : line) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && b != '\t') || b == 0x7F) return true;
  }
  return false;
}

// A line ends at its CR; an LF right after the CR belongs to the line end.
std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t cr = bytes.find('\r');
    lines.push_back(bytes.substr(0, cr));
    if (cr == std::string_view::npos) break;
    bytes.remove_prefix(cr + 1);
    if (!bytes.empty() && bytes.front() == '\n') bytes.remove_prefix(1);
  }
  return lines;
}

}  // namespace

ParsedPreset parsePreset(PresetLayout layout, const std::vector<std::string>& lines) {
  const auto fieldLines = presetFieldLines(layout);
  const std::string layoutName = std::string("a \"") + presetMarker(layout) + "\" preset has " +
                                 std::to_string(presetLineCount(layout)) + " lines";
  if (lines.size() < fieldLines.size()) {
    return failure("the file ends after line " + std::to_string(lines.size() + 1) + "; " + layoutName);
  }
  if (lines.size() > fieldLines.size()) {
    return failure("the file has " + std::to_string(lines.size() + 1) + " lines; " + layoutName);
  }
  PresetSnapshot snapshot{layout, {}};
  for (std::size_t n = 0; n < fieldLines.size(); ++n) {
    std::string error;
    FieldValue value = convert(fieldLines[n], lines[n], error);
    if (!error.empty()) return failure(lineName(n + 2) + ": " + error + "; found " + quoted(lines[n]));
    snapshot.fields.push_back({fieldLines[n].id, std::move(value)});
  }
  return {std::move(snapshot), {}};
}

ParsedPreset readPreset(std::string_view bytes) {
  if (bytes.size() > kMaxPresetBytes) {
    return failure("the file is too large for a preset (" + std::to_string(bytes.size()) + " bytes)");
  }
  if (bytes.empty()) return notAPreset("the file is empty");
  auto raw = splitLines(bytes);
  const auto layout = presetLayoutOfMarker(raw.front());
  if (!layout) {
    if (raw.front().find('\n') != std::string_view::npos) {
      return notAPreset("line 1: the lines end in LF alone; a preset file ends every line with CR LF");
    }
    if (raw.front().starts_with("\xEF\xBB\xBF")) {
      return notAPreset("line 1: the file starts with a UTF-8 byte-order mark; a preset file is GBK text without one");
    }
    const auto first = gbkToUtf8(raw.front());
    return notAPreset("line 1: expected a preset marker (\"ZV-ORNsyPASS\", \"ZV-ORNsy\" or \"ZV-ORN\"); found " +
                   (first && !holdsControl(*first) ? quoted(*first) : std::string("binary data")));
  }
  // Blank lines after the last line (an editor's extra line end) are no fields.
  while (raw.size() > 1 && raw.back().empty()) raw.pop_back();
  std::vector<std::string> lines;
  for (std::size_t n = 1; n < raw.size(); ++n) {
    const auto text = gbkToUtf8(raw[n]);
    if (!text) return failure(lineName(n + 1) + ": not valid GBK text");
    if (holdsControl(*text)) return failure(lineName(n + 1) + ": holds control characters (binary data?)");
    lines.push_back(*text);
  }
  return parsePreset(*layout, lines);
}

ParsedPreset readPresetFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure("cannot open " + path);
  std::string bytes(kMaxPresetBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return failure("cannot read " + path);
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > kMaxPresetBytes) {
    return failure("the file is too large for a preset (more than " + std::to_string(kMaxPresetBytes) + " bytes)");
  }
  return readPreset(bytes);
}

}  // namespace kavel
