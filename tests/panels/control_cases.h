#pragma once
// One operator action on a panel control: what its display shows afterwards
// and the frame that reaches the line once acknowledged. Every panel's table
// of cases runs through the same two tests (control_cases_test.cpp), online
// and offline.
#include <functional>
#include <string>

#include "panel_fixture.h"

namespace kavel::testing {

struct ControlCase {
  const char* what;
  std::function<void(Form1&)> act;
  std::function<std::string(Form1&)> display;
  const char* shows;
  const char* frame;    // what reaches the line once acknowledged
  bool direct = false;  // its send timer starts without the probe
};

struct ControlCases : PanelTest, ::testing::WithParamInterface<ControlCase> {};

inline std::string caseName(const ::testing::TestParamInfo<ControlCase>& info) {
  return "case" + std::to_string(info.index);
}

}  // namespace kavel::testing
