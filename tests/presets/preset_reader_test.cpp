// Reading a preset file: its own marker picks the layout, every line is
// checked before a snapshot is handed on, and each fault is named.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"

namespace kavel {
namespace {

using testing::joinCrLf;
using testing::PresetRig;
using testing::splitCrLf;

std::string savedFile(int model = 1, bool alt = false) {
  PresetRig rig(model, alt);
  return formatPreset(takeSnapshot(rig.form)).bytes;
}

// The model-1 file with line `number` (from 1) replaced by `bytes`.
std::string withLine(int number, const std::string& bytes) {
  auto lines = splitCrLf(savedFile());
  lines.at(number - 1) = bytes;
  return joinCrLf(lines);
}

TEST(PresetReader, RoundTripsEveryLayoutByteForByte) {
  const struct {
    int model;
    bool alt;
    PresetLayout layout;
  } kCases[] = {{1, false, PresetLayout::Full},
                {3, false, PresetLayout::NoShelf},
                {3, true, PresetLayout::NoFilter}};
  for (const auto& c : kCases) {
    PresetRig rig(c.model, c.alt);
    const PresetSnapshot taken = takeSnapshot(rig.form);
    const std::string bytes = formatPreset(taken).bytes;
    const ParsedPreset read = readPreset(bytes);
    ASSERT_EQ(read.error, "") << presetMarker(c.layout);
    EXPECT_EQ(read.snapshot->layout, c.layout);
    // Band values keep 15 significant digits, so the bytes come back
    // unchanged and a second reading gives the same snapshot.
    EXPECT_EQ(formatPreset(*read.snapshot).bytes, bytes);
    EXPECT_EQ(*readPreset(formatPreset(*read.snapshot).bytes).snapshot, *read.snapshot);
    EXPECT_EQ(read.snapshot->fields.size(), taken.fields.size());
  }
}

// The file's own marker decides, whatever device is connected: a model-3
// file read on a model-1 window still has no shelf lines and its fields keep
// their identity.
TEST(PresetReader, TheMarkerPicksTheLayout) {
  const ParsedPreset read = readPreset(savedFile(3, true));
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.snapshot->layout, PresetLayout::NoFilter);
  EXPECT_EQ(read.snapshot->find({"micLowPass", FieldPart::Text}), nullptr);
  EXPECT_EQ(std::get<int>(*read.snapshot->find({"micLimitThreshold", FieldPart::Position})), -30);
}

// Lines the reader takes although the writer never writes them so.
TEST(PresetReader, LenientLinesAndTheirValues) {
  const struct {
    int line;
    std::string bytes;
    FieldId field;
    FieldValue value;
  } kCases[] = {
      {42, "20HZ", {"micHighPass", FieldPart::Position}, 20},  // the leading-number rule
      {42, " 7.5", {"micHighPass", FieldPart::Position}, 8},   // halves to even
      {48, "62.5", {"micCompRatio", FieldPart::Position}, 62},
      {2, " -1.5e1 ", {"micEqBand", FieldPart::Gain, 0}, -15.0},
      {3, "+.7", {"micEqBand", FieldPart::Q, 0}, 0.7},
      {41, "", {"micHighPass", FieldPart::Text}, std::string()},  // an empty box
      {41, "20", {"micHighPass", FieldPart::Text}, std::string("20")},
  };
  for (const auto& c : kCases) {
    const ParsedPreset read = readPreset(withLine(c.line, c.bytes));
    ASSERT_EQ(read.error, "") << "line " << c.line << " \"" << c.bytes << '"';
    EXPECT_EQ(*read.snapshot->find(c.field), c.value) << "line " << c.line;
  }
}

TEST(PresetReader, LineEndsAtTheEnd) {
  std::string bytes = savedFile();
  EXPECT_EQ(readPreset(bytes + "\r\n\r\n").error, "") << "blank lines after the last";
  bytes.resize(bytes.size() - 2);
  EXPECT_EQ(readPreset(bytes).error, "") << "no line end after the last line";
}

TEST(PresetReader, BadFilesAreNamedLineByLine) {
  const std::string marker =
      "line 1: expected a preset marker (\"ZV-ORNsyPASS\", \"ZV-ORNsy\" or \"ZV-ORN\"); found ";
  auto lines = splitCrLf(savedFile());
  const auto firstLines = [&](int n) {
    return joinCrLf(std::vector<std::string>(lines.begin(), lines.begin() + n));
  };
  const struct {
    const char* what;
    std::string bytes;
    std::string message;
  } kCases[] = {
      {"empty", "", "the file is empty"},
      {"trailing blank", withLine(1, "ZV-ORNsyPASS "), marker + "\"ZV-ORNsyPASS \""},
      {"other case", withLine(1, "ZV-ORNSYPASS"), marker + "\"ZV-ORNSYPASS\""},
      {"no marker", "hello\r\n", marker + "\"hello\""},
      {"binary", std::string("\x7F" "ELF\x02\x01\x01\0\0\0\r\n\x03\0>\0", 16), marker + "binary data"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + savedFile(),
       "line 1: the file starts with a UTF-8 byte-order mark; a preset file is GBK text without one"},
      {"LF alone", "ZV-ORN\n0\n10.4\n",
       "line 1: the lines end in LF alone; a preset file ends every line with CR LF"},
      {"100 lines", firstLines(100),
       "the file ends after line 100; a \"ZV-ORNsyPASS\" preset has 206 lines"},
      {"marker only", firstLines(1), "the file ends after line 1; a \"ZV-ORNsyPASS\" preset has 206 lines"},
      {"one line more", joinCrLf(lines) + "LH-PASS ON\r\n",
       "the file has 207 lines; a \"ZV-ORNsyPASS\" preset has 206 lines"},
      {"band value 20HZ", withLine(4, "20HZ"),
       "line 4: expected micEqBand band 0 frequency, a number such as 1000 or -3.5; found \"20HZ\""},
      {"empty band value", withLine(2, ""),
       "line 2: expected micEqBand band 0 gain, a number such as 1000 or -3.5; found \"\""},
      {"infinite band value", withLine(3, "1e999"),
       "line 3: expected micEqBand band 0 Q, a number such as 1000 or -3.5; found \"1e999\""},
      {"scroll below", withLine(46, "-31"),
       "line 46: micLimitThreshold position must lie within -30..0; found \"-31\""},
      {"scroll rounds out", withLine(48, "63.5"),
       "line 48: micCompRatio position must lie within 0..63; found \"63.5\""},
      {"scroll above", withLine(98, "128"),
       "line 98: musicCompRelease position must lie within 1..127; found \"128\""},
      {"text for a position", withLine(42, "abc"),
       "line 42: expected micHighPass position, a whole number; found \"abc\""},
      {"huge slider position", withLine(42, "99999"),
       "line 42: micHighPass position must lie within -32767..32767; found \"99999\""},
      {"number for a phase", withLine(53, "90"),
       "line 53: expected micPhase caption, one of \"180\", \"0\"; found \"90\""},
      {"number for a selector", withLine(160, "1"),
       "line 160: expected echoMode caption, one of \"关\", \"单声道回声\", \"立体声回声\"; found \"1\""},
      {"shelf caption", withLine(206, "LH-PASS on"),
       "line 206: expected musicEqLhPass caption, one of \"LH-PASS ON\", \"LH-PASS OFF\"; found "
       "\"LH-PASS on\""},
      {"invalid GBK", withLine(45, "0\x81 dB"), "line 45: not valid GBK text"},
      {"control bytes", withLine(45, std::string("0\0dB", 4)),
       "line 45: holds control characters (binary data?)"},
      {"long line quoted short", withLine(2, std::string(200, 'x')),
       "line 2: expected micEqBand band 0 gain, a number such as 1000 or -3.5; found \"" +
           std::string(40, 'x') + "...\""},
      {"too large", std::string(kMaxPresetBytes + 1, 'x'),
       "the file is too large for a preset (1048577 bytes)"},
  };
  for (const auto& c : kCases) {
    const ParsedPreset read = readPreset(c.bytes);
    EXPECT_FALSE(read.snapshot) << c.what;
    EXPECT_EQ(read.error, c.message) << c.what;
  }
}

TEST(PresetReader, FilesFromDisk) {
  std::string pattern = (std::filesystem::temp_directory_path() / "kavel-preset-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path dir = pattern;
  const std::string saved = (dir / "room.ktv").string(), huge = (dir / "huge.ktv").string();
  std::ofstream(saved, std::ios::binary) << savedFile();
  { std::ofstream touch(huge, std::ios::binary); }
  std::filesystem::resize_file(huge, 50u * 1024 * 1024);  // sparse: nothing to write

  EXPECT_EQ(readPresetFile(saved).error, "");
  EXPECT_EQ(readPresetFile(huge).error, "the file is too large for a preset (more than 1048576 bytes)");
  const std::string missing = (dir / "missing.ktv").string();
  EXPECT_EQ(readPresetFile(missing).error, "cannot open " + missing + ": No such file or directory");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kavel
