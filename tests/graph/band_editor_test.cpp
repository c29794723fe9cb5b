#include "graph/band_editor.h"

#include <vector>

#include <gtest/gtest.h>

#include "window/scripted_dialogs.h"

namespace kavel {
namespace {

using Step = BandEditor::StepButton;

// An editor that records every event it raises.
struct EditorFixture {
  EditorFixture() {
    editor.DBChanged.connect([this](double v) { db.push_back(v); });
    editor.FChanged.connect([this](double v) { f.push_back(v); });
    editor.QChanged.connect([this](double v) { q.push_back(v); });
    editor.TChanged.connect([this](std::int16_t v) { t.push_back(v); });
  }
  int events() const { return int(db.size() + f.size() + q.size() + t.size()); }
  ScriptedDialogs dialogs;
  BandEditor editor{dialogs};
  std::vector<double> db, f, q;
  std::vector<std::int16_t> t;
};

TEST(BandEditor, StartsAtZeroWithTheDesignTexts) {
  EditorFixture e;
  EXPECT_EQ(e.editor.knobTop(), 1065);
  EXPECT_EQ(e.editor.txtDB.text(), "0.0");
  EXPECT_EQ(e.editor.txtF.text(), "20");
  EXPECT_EQ(e.editor.txtQ.text(), "0");
  EXPECT_TRUE(e.editor.QEnabled());
  EXPECT_EQ(e.editor.T(), 0);
}

TEST(BandEditor, SetValShowsTheValuesAndMovesTheKnobSilently) {
  EditorFixture e;
  e.editor.setVal(1234.5, 6, 10.4);
  EXPECT_EQ(e.editor.F(), 1234.5);
  EXPECT_EQ(e.editor.txtF.text(), "1234");
  EXPECT_EQ(e.editor.txtDB.text(), "6.0");
  EXPECT_EQ(e.editor.txtQ.text(), "10.4");
  EXPECT_EQ(e.editor.knobTop(), 577.5);  // (12 - 6) / 24 * 1950 + 90
  e.editor.setDb(-12);
  EXPECT_EQ(e.editor.knobTop(), 2040);
  e.editor.setQ(0.35);
  EXPECT_EQ(e.editor.txtQ.text(), "0.4");
  EXPECT_EQ(e.events(), 0);
}

TEST(BandEditor, KnobTravelAndGain) {
  struct Case {
    double top;  // where the drag puts the knob's top
    double knob;
    double db;
    const char* text;
  } cases[] = {
      {50, 90, 12, "12.0"},      {90, 90, 12, "12.0"},      {2040, 2040, -12, "-12.0"},
      {2500, 2040, -12, "-12.0"}, {1065, 1065, 0, "0.0"},    {1000, 1000, 0.8, "0.8"},
      {1500, 1500, -5.4, "-5.4"}, {91, 91, 12, "12.0"},      {130, 130, 11.5, "11.5"},
  };
  for (const Case& c : cases) {
    EditorFixture e;
    // Grab the knob 100 twips below its top and move the pointer so the top lands on c.top.
    e.editor.knobMouseDown(kLeftButton, 100);
    EXPECT_EQ(e.editor.trackPointer(), PointerShape::kSizeNorthSouth);
    e.editor.knobMouseMove(kLeftButton, kNoModifier, 100 + c.top - 1065);
    EXPECT_EQ(e.editor.knobTop(), c.knob) << c.top;
    EXPECT_EQ(e.editor.db(), c.db) << c.top;
    EXPECT_EQ(e.editor.txtDB.text(), c.text) << c.top;
    EXPECT_EQ(e.db.back(), c.db);
    e.editor.knobMouseUp();
    EXPECT_EQ(e.editor.trackPointer(), PointerShape::kArrow);
  }
}

TEST(BandEditor, KnobMovesWithTheLeftButtonOrAltAlone) {
  EditorFixture e;
  e.editor.knobMouseDown(kRightButton, 100.4);  // grab 100, no step
  EXPECT_TRUE(e.db.empty());
  e.editor.knobMouseMove(kRightButton, kNoModifier, 0);
  e.editor.knobMouseMove(kLeftButton, kShiftKey, 0);  // buttons count, not keys
  EXPECT_EQ(e.db.size(), 1u);
  e.editor.knobMouseMove(kNoButton, kAltKey, 100);
  EXPECT_EQ(e.db.size(), 2u);
  e.editor.knobMouseMove(kNoButton, kAltKey | kShiftKey, 100);
  e.editor.knobMouseMove(kNoButton, kNoModifier, 100);
  EXPECT_EQ(e.db.size(), 2u);
}

TEST(BandEditor, ArrowKeysStepTheBoxAndReportItsNumber) {
  struct Case {
    const char* before;
    BandEditor::Key key;
    const char* after;
    double reported;
  } cases[] = {
      {"11.95", BandEditor::Key::kUp, "12.0", 12},    {"12.0", BandEditor::Key::kUp, "12.0", 12},
      {"3.0", BandEditor::Key::kUp, "3.1", 3.1},      {"-12.0", BandEditor::Key::kDown, "-12.0", -12},
      {"0.0", BandEditor::Key::kDown, "-0.1", -0.1},  {"4.5", BandEditor::Key::kOther, "4.5", 4.5},
  };
  for (const Case& c : cases) {
    EditorFixture e;
    e.editor.txtDB.setText(c.before);
    e.editor.knobKeyDown(c.key);
    EXPECT_EQ(e.editor.txtDB.text(), c.after) << c.before;
    ASSERT_EQ(e.db.size(), 1u);
    EXPECT_DOUBLE_EQ(e.db[0], c.reported) << c.before;
    EXPECT_EQ(e.editor.knobTop(), 1065);  // the knob waits for the host's setVal
  }
}

TEST(BandEditor, EnterAcceptsNumbersInRangeOnly) {
  EditorFixture e;
  e.editor.setVal(1000, 3, 2);
  struct Case {
    TextBox& box;
    void (BandEditor::*enter)();
    const char* typed;
    const char* shown;  // the box afterwards
    std::vector<double>& events;
    bool raised;
    double value;  // what the event carries
  } cases[] = {
      {e.editor.txtQ, &BandEditor::txtQEnter, "0.2", "2.0", e.q, false, 0},
      {e.editor.txtQ, &BandEditor::txtQEnter, "15", "15", e.q, true, 15},
      {e.editor.txtQ, &BandEditor::txtQEnter, "15.01", "2.0", e.q, false, 0},
      {e.editor.txtF, &BandEditor::txtFEnter, "abc", "1000", e.f, false, 0},
      {e.editor.txtF, &BandEditor::txtFEnter, "19.5", "1000", e.f, false, 0},
      {e.editor.txtF, &BandEditor::txtFEnter, "20000", "20000", e.f, true, 20000},
      {e.editor.txtF, &BandEditor::txtFEnter, "12 34", "1000", e.f, false, 0},
      {e.editor.txtDB, &BandEditor::txtDBEnter, "-12.5", "3.0", e.db, false, 0},
      {e.editor.txtDB, &BandEditor::txtDBEnter, " -4.25", " -4.25", e.db, true, -4.25},
  };
  for (const Case& c : cases) {
    e.editor.setVal(1000, 3, 2);  // the last accepted values
    const std::size_t before = c.events.size();
    c.box.setText(c.typed);
    (e.editor.*c.enter)();
    EXPECT_EQ(c.box.text(), c.shown) << c.typed;
    EXPECT_EQ(c.events.size(), before + (c.raised ? 1 : 0)) << c.typed;
    if (c.raised) {
      EXPECT_EQ(c.events.back(), c.value);
    }
  }
  EXPECT_EQ(e.editor.db(), -4.25);
}

TEST(BandEditor, ClickInABoxReportsTheStoredValue) {
  EditorFixture e;
  e.editor.setVal(440, -3, 1.2);
  e.editor.txtF.setText("999");  // typed but not entered
  e.editor.txtFClicked();
  e.editor.txtDBClicked();
  e.editor.txtQClicked();
  EXPECT_EQ(e.f, std::vector<double>{440});
  EXPECT_EQ(e.db, std::vector<double>{-3});
  EXPECT_EQ(e.q, std::vector<double>{1.2});
}

// Holds a step button for `steps` steps and returns the box after each one
// together with the value each step reported.
std::vector<std::pair<std::string, double>> hold(EditorFixture& e, Step button, int steps) {
  const bool freq = button == Step::kFDown || button == Step::kFUp;
  std::vector<std::pair<std::string, double>> out;
  const auto record = [&] {
    out.emplace_back(freq ? e.editor.txtF.text() : e.editor.txtQ.text(),
                     freq ? e.f.back() : e.q.back());
  };
  EXPECT_TRUE(e.editor.stepPress(button));
  record();
  for (int i = 1; i < steps; ++i) {
    EXPECT_TRUE(e.editor.stepRepeat());
    record();
  }
  e.editor.stepRelease();
  EXPECT_FALSE(e.editor.stepRepeat());
  return out;
}

TEST(BandEditor, FrequencyStepsFollowTheCodeResolution) {
  using Seq = std::vector<std::pair<std::string, double>>;
  EditorFixture e;
  e.editor.setVal(148, 0, 1);
  EXPECT_EQ(hold(e, Step::kFUp, 5),
            (Seq{{"149", 149}, {"150", 150}, {"151", 151}, {"153", 153}, {"155", 155}}));
  e.editor.setVal(505, 0, 1);
  EXPECT_EQ(hold(e, Step::kFDown, 4), (Seq{{"502", 502}, {"499", 499}, {"497", 497}, {"495", 495}}));
  e.editor.setVal(1400, 0, 1);
  EXPECT_EQ(hold(e, Step::kFUp, 2), (Seq{{"1403", 1403}, {"1407", 1407}}));
  e.editor.setVal(4000, 0, 1);
  EXPECT_EQ(hold(e, Step::kFUp, 2), (Seq{{"4004", 4004}, {"4014", 4014}}));
  // Above 20000 Hz the box stays as it is and the held value is reported.
  e.editor.setVal(20010, 0, 1);
  EXPECT_EQ(hold(e, Step::kFUp, 1), (Seq{{"20010", 20000}}));
  e.editor.setVal(20000, 0, 1);
  EXPECT_EQ(hold(e, Step::kFUp, 2), (Seq{{"20010", 20000}, {"20010", 20000}}));
  e.editor.setVal(20, 0, 1);
  EXPECT_EQ(hold(e, Step::kFDown, 1), (Seq{{"19", 20}}));
}

TEST(BandEditor, QStepsRunPastTheLimitsInTheBoxOnly) {
  using Seq = std::vector<std::pair<std::string, double>>;
  EditorFixture e;
  e.editor.setVal(1000, 0, 0.3);
  EXPECT_EQ(hold(e, Step::kQDown, 2), (Seq{{"0.2", 0.3}, {"0.1", 0.3}}));
  e.editor.setVal(1000, 0, 14.9);
  EXPECT_EQ(hold(e, Step::kQUp, 2), (Seq{{"15.0", 15}, {"15.1", 15}}));
  e.editor.setVal(1000, 0, 1.2);
  EXPECT_EQ(hold(e, Step::kQUp, 1), (Seq{{"1.3", 1.3}}));
}

TEST(BandEditor, ASecondPressWhileALoopRunsIsIgnored) {
  EditorFixture e;
  e.editor.setVal(1000, 0, 2);
  ASSERT_TRUE(e.editor.stepPress(Step::kFUp));
  EXPECT_FALSE(e.editor.stepPress(Step::kQUp));
  EXPECT_TRUE(e.editor.stepping());
  EXPECT_EQ(e.q.size(), 0u);
  // A release handled inside a step (the host lets events run) ends the loop.
  e.editor.FChanged.connect([&](double) { e.editor.stepRelease(); });
  EXPECT_FALSE(e.editor.stepRepeat());
  EXPECT_FALSE(e.editor.stepping());
  EXPECT_EQ(e.f.size(), 2u);
}

TEST(BandEditor, TypeAcceptsZeroToTwoAndReportsEveryTime) {
  EditorFixture e;
  e.editor.setT(2);
  e.editor.setT(2);
  EXPECT_EQ(e.t, (std::vector<std::int16_t>{2, 2}));
  e.editor.setT(3);
  e.editor.setT(-1);
  EXPECT_EQ(e.editor.T(), 2);
  EXPECT_EQ(e.t.size(), 2u);
  ASSERT_EQ(e.dialogs.shown.size(), 2u);
  EXPECT_EQ(e.dialogs.shown[0].text, "无效属性值");
  EXPECT_EQ(e.dialogs.shown[0].title, "错误");
  EXPECT_EQ(e.dialogs.shown[0].icon, MessageIcon::Error);
}

TEST(BandEditor, QDisabledLeavesFrequencyAndGainUsable) {
  EditorFixture e;
  e.editor.setVal(1000, 0, 2);
  e.editor.setQEnabled(false);
  EXPECT_FALSE(e.editor.txtQ.enabled());
  EXPECT_FALSE(e.editor.Command1.enabled());
  EXPECT_FALSE(e.editor.Command2.enabled());
  EXPECT_TRUE(e.editor.txtF.enabled() && e.editor.Command3.enabled() &&
              e.editor.Command4.enabled() && e.editor.txtDB.enabled());
  EXPECT_FALSE(e.editor.stepPress(Step::kQUp));
  EXPECT_TRUE(e.editor.stepPress(Step::kFUp));
  e.editor.stepRelease();
  e.editor.setQEnabled(true);
  EXPECT_TRUE(e.editor.txtQ.enabled() && e.editor.Command1.enabled());
}

}  // namespace
}  // namespace kavel
