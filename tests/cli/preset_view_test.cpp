// What `kavel show` and `kavel diff` print for preset files of the three
// layouts, written by the editor's own save from a known panel state and
// read back as the commands read them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/preset_view.h"
#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"

namespace kavel::cli {
namespace {

using testing::PresetRig;

struct LayoutCase {
  int model;
  bool alt;
  const char* marker;
};
const LayoutCase kLayouts[] = {{1, false, "ZV-ORNsyPASS"}, {3, false, "ZV-ORNsy"}, {3, true, "ZV-ORN"}};

// The rig's panels saved as a file and read back.
PresetSnapshot fileOf(PresetRig& rig) {
  const PresetBytes file = formatPreset(takeSnapshot(rig.form));
  EXPECT_EQ(file.error, "");
  ParsedPreset parsed = readPreset(file.bytes);
  EXPECT_EQ(parsed.error, "");
  return parsed.snapshot.value();
}

PresetSnapshot fileOf(int model, bool alt = false) {
  PresetRig rig(model, alt);
  return fileOf(rig);
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(PresetShow, TextByPanelWithLabelsPositionsAndBands) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(c.marker);
    PresetRig rig(c.model, c.alt);
    const std::string out = showText(rig.form, fileOf(rig));
    EXPECT_EQ(out.rfind(std::string("layout ") + c.marker + "\n\n话筒\n", 0), 0u) << out;
    EXPECT_TRUE(has(out, "  micHighPass           20HZ          position 0    麦克风高通\n")) << out;
    EXPECT_TRUE(has(out, "  micLimitThreshold     -30dB         position -30  "));
    EXPECT_TRUE(has(out, "  micPhase              0                           麦克风相位\n"));
    EXPECT_TRUE(has(out, "  micEqBand             麦克风EQ\n    0   1001 Hz   -3.5 dB   Q 10.4\n"));
    EXPECT_TRUE(has(out, "    12  19973.9365465061 Hz 0 dB      Q 10.4\n"));
    EXPECT_TRUE(has(out, "\n效果\n"));
    EXPECT_TRUE(has(out, "  reverbType            房间 A"));
    // The effect equalizer's two runs of bands under one name.
    EXPECT_TRUE(has(out, "    2   1000 Hz   0 dB      Q 10.4\n    3   1000 Hz   0 dB"));
    EXPECT_EQ(has(out, "  micLowPass            8KHz"), !c.alt);
    EXPECT_EQ(has(out, "  micEqLhPass           LH-PASS ON"), c.model == 1);
    // Nothing of the file is left out.
    for (const PresetFieldLine& line : presetFieldLines(fileOf(c.model, c.alt).layout))
      EXPECT_TRUE(has(out, "  " + line.id.parameter + " ")) << line.id.parameter;
  }
}

TEST(PresetShow, JsonHoldsEveryFieldOnce) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(c.marker);
    const PresetSnapshot preset = fileOf(c.model, c.alt);
    const nlohmann::json doc = nlohmann::json::parse(showJson(preset));
    EXPECT_EQ(doc["layout"], c.marker);
    const auto& p = doc["parameters"];
    EXPECT_EQ(p["micHighPass"], (nlohmann::json{{"text", "20HZ"}, {"position", 0}}));
    EXPECT_EQ(p["micLimitThreshold"]["position"], -30);
    EXPECT_EQ(p["micPhase"], (nlohmann::json{{"caption", "0"}}));
    EXPECT_EQ(p["echoMode"]["caption"], "关");
    EXPECT_EQ(p["effectMix"]["text"], "混响 100%");
    EXPECT_EQ(p.contains("micLowPass"), !c.alt);
    EXPECT_EQ(p.contains("musicEqLhPass"), c.model == 1);
    const auto& eq = doc["equalizers"];
    EXPECT_EQ(eq["micEqBand"][0],
              (nlohmann::json{{"band", 0}, {"frequency", 1001}, {"gain", -3.5}, {"q", 10.4}}));
    EXPECT_DOUBLE_EQ(eq["micEqBand"][12]["frequency"].get<double>(), 19973.9365465061);
    EXPECT_DOUBLE_EQ(eq["musicEqBand"][1]["gain"].get<double>(), 0.3);
    EXPECT_DOUBLE_EQ(eq["musicEqBand"][1]["q"].get<double>(), 0.7);
    ASSERT_EQ(eq["effectEqBand"].size(), 7u);
    for (int b = 0; b < 7; ++b) EXPECT_EQ(eq["effectEqBand"][b]["band"], b);
    std::size_t values = 0;
    for (const auto& [name, fields] : p.items()) values += fields.size();
    for (const auto& [name, bands] : eq.items()) values += 3 * bands.size();
    EXPECT_EQ(values, preset.fields.size());
  }
}

TEST(PresetDiff, EqualFilesPrintNothing) {
  for (const LayoutCase& c : kLayouts)
    EXPECT_EQ(diffText(fileOf(c.model, c.alt), fileOf(c.model, c.alt), "a.ktv", "b.ktv"), "")
        << c.marker;
}

TEST(PresetDiff, ChangedValuesInFileOrderWithBothValues) {
  PresetRig rig(3);
  const PresetSnapshot before = fileOf(rig);
  rig.form.eq(Eq::Mic).editor(3).setDb(-3.5);
  rig.form.panels.MdTxt.setText("150HZ");
  rig.form.panels.Combo1.setText("立体声回声");
  const PresetSnapshot after = fileOf(rig);
  EXPECT_EQ(diffText(before, after, "a.ktv", "b.ktv"),
            "micEqBand band 3 gain: 0 -> -3.5\n"
            "micHighPass text: \"20HZ\" -> \"150HZ\"\n"
            "echoMode caption: \"关\" -> \"立体声回声\"\n");
}

TEST(PresetDiff, FieldsOfOneLayoutOnlyAreNamedWithTheirFile) {
  const PresetSnapshot full = fileOf(1), noFilter = fileOf(3, true), noShelf = fileOf(3);
  EXPECT_EQ(diffText(full, noFilter, "A.ktv", "B.ktv"),
            "micLowPass text: only in A.ktv (\"8KHz\")\n"
            "micLowPass position: only in A.ktv (0)\n"
            "subLowCut text: only in A.ktv (\"20HZ\")\n"
            "subLowCut position: only in A.ktv (0)\n"
            "micEqLhPass caption: only in A.ktv (\"LH-PASS ON\")\n"
            "musicEqLhPass caption: only in A.ktv (\"LH-PASS OFF\")\n");
  EXPECT_EQ(diffText(noFilter, noShelf, "A.ktv", "B.ktv"),
            "micLowPass text: only in B.ktv (\"8KHz\")\n"
            "micLowPass position: only in B.ktv (0)\n"
            "subLowCut text: only in B.ktv (\"20HZ\")\n"
            "subLowCut position: only in B.ktv (0)\n");
}

}  // namespace
}  // namespace kavel::cli
