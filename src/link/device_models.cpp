#include "link/device_models.h"

#include "window/form1.h"

namespace kavel {

namespace {

constexpr std::array<bool, 4> kModel1Only{true, false, false, false};
constexpr std::array<bool, 4> kModels1And2{true, true, false, false};
constexpr std::array<bool, 4> kAllButAlt3{true, true, true, false};

}  // namespace

const std::vector<ModelControl>& modelControls() {
  static const std::vector<ModelControl> table = {
      {"Check1", [](Form1& f) -> Control& { return f.panels.Check1; }, kModel1Only},
      {"Label12", [](Form1& f) -> Control& { return f.panels.Label12; }, kModel1Only},
      {"dcButton10", [](Form1& f) -> Control& { return f.panels.dcButton10; }, kModel1Only},
      {"dcButton8", [](Form1& f) -> Control& { return f.panels.dcButton8; }, kModels1And2},
      {"dcButton9", [](Form1& f) -> Control& { return f.panels.dcButton9; }, kModels1And2},
      {"dcButton7", [](Form1& f) -> Control& { return f.panels.dcButton7; }, kModels1And2},
      {"Command10", [](Form1& f) -> Control& { return f.panels.Command10; }, kModels1And2},
      {"Label1(3)", [](Form1& f) -> Control& { return f.Label1[3]; }, kAllButAlt3},
      {"Text20", [](Form1& f) -> Control& { return f.panels.Text20; }, kAllButAlt3},
      {"ctSlide11", [](Form1& f) -> Control& { return f.panels.ctSlide11; }, kAllButAlt3},
      {"Label7(20)", [](Form1& f) -> Control& { return f.panels.Label7[20]; }, kAllButAlt3},
      {"Text12(2)", [](Form1& f) -> Control& { return f.panels.Text12[2]; }, kAllButAlt3},
      {"ctSlide4(2)", [](Form1& f) -> Control& { return f.panels.ctSlide4[2]; }, kAllButAlt3},
  };
  return table;
}

void applyModel(Form1& form, int column) {
  for (const ModelControl& m : modelControls()) m.control(form).setVisible(m.visible[column]);
}

}  // namespace kavel
