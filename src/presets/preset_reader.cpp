#include "presets/preset_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

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

// The bytes from the start of `fd` of a file `size` bytes long (0 when
// unknown): one more than that if it has grown, and never more than
// kMaxPresetBytes + 1. False on a read error.
bool readFrom(int fd, off_t size, std::string& bytes) {
  const auto known = std::size_t(size);
  bytes.assign(known > 0 && known < kMaxPresetBytes ? known + 1 : kMaxPresetBytes + 1, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, off_t(got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += std::size_t(n);
  }
  bytes.resize(got);
  return true;
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
         a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

enum class Reading { Steady, Changing, Failed };

// The file's bytes as they stand while nothing writes to it: two reads that
// agree with each other and with the file's size and times around them. A
// file rewritten in place during a read (a save of another program) would
// otherwise be taken half old, half new. A file that keeps changing is
// tried a few times, a little later each time.
Reading readSteady(int fd, std::string& bytes) {
  constexpr int kAttempts = 5;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    struct stat before {}, between {}, after {};
    std::string again;
    if (::fstat(fd, &before) != 0 || !readFrom(fd, before.st_size, bytes) ||
        ::fstat(fd, &between) != 0 || !readFrom(fd, before.st_size, again) ||
        ::fstat(fd, &after) != 0)
      return Reading::Failed;
    if (sameFile(before, between) && sameFile(between, after) && bytes == again)
      return Reading::Steady;
    std::this_thread::sleep_for(std::chrono::milliseconds(10 * attempt));
  }
  return Reading::Changing;
}

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
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const std::string why = std::strerror(errno);
    return failure({"cannot open " + path + ": " + why, "无法打开文件 " + path + ":" + why});
  }
  std::string bytes;
  const Reading reading = readSteady(fd, bytes);
  ::close(fd);
  switch (reading) {
    case Reading::Failed: return failure({"cannot read " + path, "无法读取文件 " + path});
    case Reading::Changing:
      return failure({path + " kept changing while it was read; try again once it has been written",
                      "文件 " + path + " 在读取时不断被改动,请等它写完后再试"});
    case Reading::Steady: break;
  }
  if (bytes.size() > kMaxPresetBytes) return failure(tooLarge(kMaxPresetBytes, true));
  return readPreset(bytes);
}

}  // namespace kavel
