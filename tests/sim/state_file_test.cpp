#include <gtest/gtest.h>

#include "sim/state_file.h"

namespace kavel::sim {
namespace {

TEST(StateFile, StateSurvivesTextRoundTrip) {
  Processor p(Model::M3b);
  p.current()[echoLowPass] = 1400;
  p.current().band(subEq, 4) = Band{1, 2, 2855};
  p.modes()[9][keyLock] = 0x7F;
  SimState back;
  std::string error;
  ASSERT_TRUE(stateFromText(stateToText(p), back, error)) << error;
  EXPECT_EQ(back.model, Model::M3b);
  EXPECT_EQ(back.current, p.current());
  EXPECT_EQ(back.modes, p.modes());
}

TEST(StateFile, APartialDocumentKeepsFactoryValues) {
  SimState s;
  std::string error;
  ASSERT_TRUE(stateFromText(R"({"current": {"micVolume": 12,
      "centerEqBand": [[10, 130, 472], [10, 120, 605], [20, 100, 1255]]},
      "modes": [{}, {"musicVolume": 3}]})", s, error)) << error;
  EXPECT_FALSE(s.model);
  EXPECT_EQ(s.current[micVolume], 12);
  EXPECT_EQ(s.current.band(centerEq, 2), (Band{20, 100, 1255}));
  EXPECT_EQ(s.current[musicVolume], Store::factory()[musicVolume]);
  EXPECT_EQ(s.modes[1][musicVolume], 3);
  EXPECT_EQ(s.modes[2], Store::factory());
}

TEST(StateFile, MistakesAreNamed) {
  const std::pair<const char*, const char*> kCases[] = {
      {R"({"current": {"micVolum": 1}})", "current: unknown parameter \"micVolum\""},
      {R"({"current": {"micVolume": 256}})", "current: micVolume must be a whole number from 0 to 255"},
      {R"({"current": {"echoLowPass": 1400.5}})",
       "current: echoLowPass must be a whole number from 0 to 65535"},
      {R"({"modes": [{}, {"subEqBand": [[1, 2, 3]]}]})", "mode 2: subEqBand must be a list of 5 bands"},
      {R"({"model": "4"})", "model must be \"1\", \"2\", \"3\" or \"3b\""},
      {"{\n\"current\": {\n\"micVolume\" 3}}",
       "line 3, column 13: syntax error while parsing object separator - unexpected number "
       "literal; expected ':'"},
      {R"({"colour": 1})", "unknown member \"colour\" (expected model, current, modes)"},
      // Beyond a double: refused by the reader itself, not thrown out of it.
      {R"({"current": {"micVolume": 1e999}})", "number overflow parsing '1e999'"},
  };
  for (auto [text, message] : kCases) {
    SimState s;
    std::string error;
    EXPECT_FALSE(stateFromText(text, s, error)) << text;
    EXPECT_EQ(error, message) << text;
  }
}

// A hostile or broken file is refused with a message, not a crash: deep
// nesting, cut off or closed.
TEST(StateFile, DeepNestingIsRefusedCleanly) {
  const std::string open(20 * 1024, '[');
  const std::string closed = open + std::string(open.size(), ']');
  for (const std::string& text : {open, closed}) {
    SimState s;
    std::string error;
    EXPECT_FALSE(stateFromText(text, s, error));
    EXPECT_FALSE(error.empty());
  }
  SimState s;
  std::string error;
  stateFromText(open, s, error);
  EXPECT_EQ(error.rfind("line 1, column 20481: syntax error", 0), 0u) << error;
  stateFromText(closed, s, error);
  EXPECT_EQ(error, "the state must be a JSON object");
}

TEST(StateFile, AFileNamesItselfInItsErrors) {
  SimState s;
  std::string error;
  EXPECT_FALSE(loadStateFile("/nonexistent/state.json", s, error));
  EXPECT_EQ(error, "/nonexistent/state.json: No such file or directory");
}

}  // namespace
}  // namespace kavel::sim
