#include "presets/preset_reader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

#include "graph/number_text.h"
#include "panels/parameter_table.h"
#include "presets/gbk_text.h"
#include "presets/preset_lines.h"

namespace kavel {
namespace {

// Sliders and scroll bars hold 16-bit positions.
constexpr double kPositionLimit = 32767;

// A problem said twice: for the command line and, in Chinese, for the window.
struct Said {
  std::string en, zh;
};

ParsedPreset failure(Said said) { return {std::nullopt, std::move(said.en), std::move(said.zh)}; }
ParsedPreset notAPreset(Said said) {
  return {std::nullopt, std::move(said.en), std::move(said.zh), true};
}

// "line 4: " before a problem of that line.
Said atLine(std::size_t number, const Said& problem) {
  const std::string n = std::to_string(number);
  return {"line " + n + ": " + problem.en, "第 " + n + " 行:" + problem.zh};
}

std::string str(double v) { return std::to_string(int(v)); }

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

std::string joined(const std::vector<std::string>& values, const char* comma) {
  std::string out;
  for (const auto& v : values) out += (out.empty() ? "\"" : comma + std::string("\"")) + v + "\"";
  return out;
}

// One line converted for its place; `problem` is set when it does not fit.
FieldValue convert(const PresetFieldLine& line, const std::string& text, Said& problem) {
  const std::string en = describe(line.id), zh = operatorLabel(line.id);
  const PresetLine& row = *line.row;
  switch (row.kind) {
    case LineKind::BandValue: {
      const double v = isNumeric(text) ? leadingNumber(std::string_view(text)) : NAN;
      if (!std::isfinite(v)) {
        problem = {"expected " + en + ", a number such as 1000 or -3.5",
                   "应为" + zh + ",一个数字(如 1000 或 -3.5)"};
      }
      return v;
    }
    case LineKind::SliderPosition:
    case LineKind::ScrollPosition: {
      if (!startsWithNumber(text)) {
        problem = {"expected " + en + ", a whole number", "应为" + zh + ",一个整数"};
        return 0;
      }
      const double v = roundEven(leadingNumber(std::string_view(text)));
      const bool scroll = row.kind == LineKind::ScrollPosition;
      const double lo = scroll ? row.min : -kPositionLimit, hi = scroll ? row.max : kPositionLimit;
      if (!(v >= lo && v <= hi)) {
        const std::string range = str(lo) + ".." + str(hi);
        problem = {en + " must lie within " + range, zh + "应在 " + range + " 之间"};
        return 0;
      }
      return static_cast<int>(v);
    }
    case LineKind::Caption: {
      const auto allowed = captionsOf(line.id.parameter);
      if (std::find(allowed.begin(), allowed.end(), text) == allowed.end()) {
        problem = {"expected " + en + ", one of " + joined(allowed, ", "),
                   "应为" + zh + ",可选 " + joined(allowed, "、")};
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
  const std::string marker = presetMarker(layout), count = std::to_string(presetLineCount(layout));
  const std::string found = std::to_string(lines.size() + 1);
  if (lines.size() < fieldLines.size()) {
    return failure({"the file ends after line " + found + "; a \"" + marker + "\" preset has " + count + " lines",
                    "文件在第 " + found + " 行后就结束了;\"" + marker + "\" 格式的效果文件应有 " + count + " 行"});
  }
  if (lines.size() > fieldLines.size()) {
    return failure({"the file has " + found + " lines; a \"" + marker + "\" preset has " + count + " lines",
                    "文件有 " + found + " 行;\"" + marker + "\" 格式的效果文件应有 " + count + " 行"});
  }
  PresetSnapshot snapshot{layout, {}};
  for (std::size_t n = 0; n < fieldLines.size(); ++n) {
    Said problem;
    FieldValue value = convert(fieldLines[n], lines[n], problem);
    if (!problem.en.empty()) {
      const std::string q = quoted(lines[n]);
      return failure(atLine(n + 2, {problem.en + "; found " + q, problem.zh + ";实际为 " + q}));
    }
    snapshot.fields.push_back({fieldLines[n].id, std::move(value)});
  }
  return {std::move(snapshot), {}, {}};
}

namespace {

// A file of `size` bytes, or of more than that when `beyond`.
Said tooLarge(std::size_t size, bool beyond) {
  const std::string n = std::to_string(size);
  return {"the file is too large for a preset (" + (beyond ? "more than " + n : n) + " bytes)",
          "文件过大(" + (beyond ? "超过 " + n : n) + " 字节),不是效果文件"};
}

}  // namespace

ParsedPreset readPreset(std::string_view bytes) {
  if (bytes.size() > kMaxPresetBytes) return failure(tooLarge(bytes.size(), false));
  if (bytes.empty()) return notAPreset({"the file is empty", "文件是空的"});
  auto raw = splitLines(bytes);
  const auto layout = presetLayoutOfMarker(raw.front());
  if (!layout) {
    if (raw.front().find('\n') != std::string_view::npos) {
      return notAPreset(atLine(1, {"the lines end in LF alone; a preset file ends every line with CR LF",
                                   "各行只以 LF 结尾;效果文件的每一行以 CR LF 结尾"}));
    }
    if (raw.front().starts_with("\xEF\xBB\xBF")) {
      return notAPreset(atLine(1, {"the file starts with a UTF-8 byte-order mark; a preset file is GBK text without one",
                                   "文件以 UTF-8 字节顺序标记开头;效果文件是不带此标记的 GBK 文字"}));
    }
    const auto first = gbkToUtf8(raw.front());
    const std::string found = first && !holdsControl(*first) ? quoted(*first) : "";
    return notAPreset(atLine(1, {"expected a preset marker (\"ZV-ORNsyPASS\", \"ZV-ORNsy\" or \"ZV-ORN\"); found " +
                                     (found.empty() ? "binary data" : found),
                                 "应为效果文件标记(\"ZV-ORNsyPASS\"、\"ZV-ORNsy\" 或 \"ZV-ORN\");实际为" +
                                     (found.empty() ? "二进制数据" : found)}));
  }
  // Blank lines after the last line (an editor's extra line end) are no fields.
  while (raw.size() > 1 && raw.back().empty()) raw.pop_back();
  std::vector<std::string> lines;
  for (std::size_t n = 1; n < raw.size(); ++n) {
    const auto text = gbkToUtf8(raw[n]);
    if (!text) return failure(atLine(n + 1, {"not valid GBK text", "不是有效的 GBK 文字"}));
    if (holdsControl(*text)) {
      return failure(atLine(n + 1, {"holds control characters (binary data?)", "含有控制字符(二进制数据?)"}));
    }
    lines.push_back(*text);
  }
  return parsePreset(*layout, lines);
}

ParsedPreset readPresetFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    const std::string why = std::strerror(errno);
    return failure({"cannot open " + path + ": " + why, "无法打开文件 " + path + ":" + why});
  }
  std::string bytes(kMaxPresetBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return failure({"cannot read " + path, "无法读取文件 " + path});
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > kMaxPresetBytes) return failure(tooLarge(kMaxPresetBytes, true));
  return readPreset(bytes);
}

}  // namespace kavel
