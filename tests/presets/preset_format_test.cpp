// Writing a preset file from the panels: the layouts, the line table, the
// band values' text, GBK and CR LF, checked against a file written by hand.
#include <gtest/gtest.h>

#include "panels/parameter_table.h"
#include "presets/gbk_text.h"
#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_writer.h"

namespace kavel {
namespace {

using testing::PresetRig;
using testing::splitCrLf;

std::vector<std::string> repeated(int times, std::vector<std::string> lines) {
  std::vector<std::string> out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), lines.begin(), lines.end());
  return out;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

const std::vector<std::string> kPlainBand = {"0", "10.4", "1000"};

// PresetRig's state as a model-1 file, in UTF-8, one entry a line.
std::vector<std::string> expectedFullFile() {
  std::vector<std::string> f = {"ZV-ORNsyPASS", "-3.5", "10.4", "1001"};  // line 1; mic band 0
  append(f, repeated(11, kPlainBand));                                      // mic bands 1..11
  append(f, {"0", "10.4", "19973.9365465061"});                             // mic band 12
  append(f, {"20HZ", "0", "8KHz", "0"});                                    // high-pass, low-pass
  append(f, {"-30dB", "-30", "0%", "0", "1", "1", "1", "1", "0"});          // compressor, phase
  append(f, kPlainBand);                                                    // music band 0
  append(f, {"0.3", "0.7", "1000"});                                        // music band 1
  append(f, repeated(9, kPlainBand));                                       // music bands 2..10
  append(f, {"0", "0", "0", "0", "0", "0"});                                // to LR
  append(f, {"0dB", "0", "0%", "0", "1", "1", "1", "1", "0", "20", "0"});   // compressor, phase, high-pass
  append(f, repeated(5, kPlainBand));                                       // subwoofer EQ
  append(f, {"0", "0", "20HZ", "0", "20HZ", "0", "0"});                     // volume, crossover, low cut, phase
  append(f, repeated(3, kPlainBand));                                       // center EQ
  append(f, {"0", "0", "0", "0", "0", "0", "0"});                           // to center, phase
  append(f, repeated(3, kPlainBand));                                       // effect bands 0..2
  append(f, {"0%", "0", "0ms", "0", "20HZ", "0", "4KHZ", "400", "0", "关"});  // echo
  append(f, repeated(4, kPlainBand));                                       // effect bands 3..6
  append(f, {"0ms", "0", "0s", "0", "20HZ", "0", "4KHZ", "400", "0", "房间 A"});  // reverb
  append(f, {"0", "0", "混响 100%", "100"});                                 // effect volume, ratio
  append(f, repeated(3, kPlainBand));                                       // surround EQ
  append(f, {"0", "0", "0", "0", "0", "0", "0", "0", "0"});                 // to surround, delay, phase
  append(f, {"LH-PASS ON", "LH-PASS OFF"});                                 // shelf buttons
  return f;
}

std::string gbkOf(const std::string& text) { return utf8ToGbk(text).value(); }

TEST(PresetFormat, FileMatchesTheHandWrittenOneLineByLine) {
  PresetRig rig;
  const PresetBytes file = formatPreset(takeSnapshot(rig.form));
  ASSERT_EQ(file.error, "");
  const auto lines = splitCrLf(file.bytes);
  const auto expected = expectedFullFile();
  ASSERT_EQ(expected.size(), 206u);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t n = 0; n < lines.size(); ++n) {
    EXPECT_EQ(lines[n], gbkOf(expected[n])) << "line " << n + 1;
  }
}

TEST(PresetFormat, GbkTextWithCrLfAfterEveryLineAndNoBom) {
  PresetRig rig;
  const std::string bytes = formatPreset(takeSnapshot(rig.form)).bytes;
  EXPECT_EQ(bytes.substr(0, 14), "ZV-ORNsyPASS\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 13), "LH-PASS OFF\r\n");
  // Every LF follows a CR and every CR precedes an LF: 206 line ends.
  std::size_t crlf = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      ASSERT_TRUE(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') << "byte " << i;
      ++crlf, ++i;
    }
  }
  EXPECT_EQ(crlf, 206u);
  // Line 160, the echo mode "关", and line 182, the reverb type "房间 A", by hand.
  EXPECT_NE(bytes.find("\r\n\xB9\xD8\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n\xB7\xBF\xBC\xE4 A\r\n"), std::string::npos);
}

TEST(PresetFormat, BandValuesWithFifteenSignificantDigits) {
  const struct {
    double value;
    const char* text;
  } kCases[] = {
      {10.4, "10.4"},
      {1001, "1001"},
      {-3.5, "-3.5"},
      {0.7, "0.7"},
      {0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {19973.936546506123, "19973.9365465061"},
      {9.9999999999999999, "10"},
      {-0.000012345, "-0.000012345"},
      {123456789012345678.0, "123456789012346000"},
  };
  for (const auto& c : kCases) EXPECT_EQ(formatBandValue(c.value), c.text) << c.text;
}

TEST(PresetFormat, TwoSavesOfAnUnchangedStateAreByteIdentical) {
  PresetRig rig;
  EXPECT_EQ(formatPreset(takeSnapshot(rig.form)).bytes, formatPreset(takeSnapshot(rig.form)).bytes);
}

// Where the layouts put some lines (the line table's two numberings), and
// which device writes which layout.
TEST(PresetFormat, LayoutsAndTheirLines) {
  const struct {
    int model;
    bool alt;
    const char* marker;
    std::size_t lines;
    std::vector<std::pair<int, const char*>> at;  // line number, field
  } kCases[] = {
      {1, false, "ZV-ORNsyPASS", 206,
       {{2, "micEqBand band 0 gain"}, {40, "micEqBand band 12 frequency"}, {43, "micLowPass text"},
        {46, "micLimitThreshold position"}, {103, "musicHighPass position"}, {124, "subLowCut position"},
        {150, "effectEqBand band 2 frequency"}, {161, "effectEqBand band 3 gain"},
        {182, "reverbType caption"}, {204, "surroundPhase caption"}, {205, "micEqLhPass caption"},
        {206, "musicEqLhPass caption"}}},
      {2, false, "ZV-ORNsyPASS", 206, {{205, "micEqLhPass caption"}}},
      {3, false, "ZV-ORNsy", 204, {{43, "micLowPass text"}, {204, "surroundPhase caption"}}},
      {3, true, "ZV-ORN", 200,
       {{42, "micHighPass position"}, {43, "micLimitThreshold text"}, {101, "musicHighPass position"},
        {121, "subPhase caption"}, {156, "echoMode caption"}, {178, "reverbType caption"},
        {200, "surroundPhase caption"}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.marker);
    PresetRig rig(c.model, c.alt);
    const PresetSnapshot snapshot = takeSnapshot(rig.form);
    const auto lines = splitCrLf(formatPreset(snapshot).bytes);
    EXPECT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.front(), c.marker);
    EXPECT_EQ(presetLineCount(snapshot.layout), int(c.lines));
    const auto fields = presetFieldLines(snapshot.layout);
    for (const auto& [line, field] : c.at) EXPECT_EQ(describe(fields.at(line - 2).id), field) << line;
  }
}

TEST(PresetFormat, FieldsAreFoundByIdentityAcrossLayouts) {
  PresetRig full(1), reduced(3, true);
  const PresetSnapshot a = takeSnapshot(full.form), b = takeSnapshot(reduced.form);
  const FieldId lowPass{"micLowPass", FieldPart::Text};
  const FieldId micBand0Gain{"micEqBand", FieldPart::Gain, 0};
  ASSERT_NE(a.find(lowPass), nullptr);
  EXPECT_EQ(std::get<std::string>(*a.find(lowPass)), "8KHz");
  EXPECT_EQ(b.find(lowPass), nullptr);
  EXPECT_EQ(std::get<double>(*b.find(micBand0Gain)), -3.5);
  EXPECT_EQ(std::get<std::string>(*b.find({"reverbType", FieldPart::Caption})), "房间 A");
}

// The reader's scroll ranges are those the panels give their scroll bars.
TEST(PresetFormat, ScrollRangesAreThePanels) {
  PresetRig rig;
  for (const PresetLine& line : presetLines()) {
    if (line.kind != LineKind::ScrollPosition) continue;
    const Slider& bar = findParameter(line.parameter)->slider(rig.form);
    EXPECT_EQ(line.min, bar.min()) << line.parameter;
    EXPECT_EQ(line.max, bar.max()) << line.parameter;
  }
}

TEST(PresetFormat, MarkersAreExact) {
  const struct {
    const char* line;
    bool marker;
  } kCases[] = {{"ZV-ORNsyPASS", true}, {"ZV-ORNsy", true},   {"ZV-ORN", true},
                {"ZV-ORNsyPASS ", false}, {" ZV-ORN", false}, {"zv-ornsypass", false},
                {"ZV-ORNSY", false},    {"", false},          {"ZV-ORNsyPAS", false}};
  for (const auto& c : kCases) EXPECT_EQ(isPresetMarker(c.line), c.marker) << '"' << c.line << '"';
}

TEST(PresetFormat, TextOutsideGbkIsRefusedByName) {
  PresetRig rig;
  rig.form.panels.MdTxt.setText("20\xF0\x9F\x8E\xA4");  // a microphone emoji
  EXPECT_EQ(formatPreset(takeSnapshot(rig.form)).error,
            "line 41 (micHighPass text) holds a character that a preset file (GBK) cannot hold: "
            "\"20\xF0\x9F\x8E\xA4\"");
}

}  // namespace
}  // namespace kavel
