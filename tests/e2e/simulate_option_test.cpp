// kavel-editor --simulate: the simulated processor inside the editor's own
// process is what the start-up chooses, and the connect goes through.
#include <gtest/gtest.h>

#include "app/editor_simulation.h"
#include "sim_process.h"

namespace kavel::e2e {
namespace {

TEST(SimulateOption, TheStartUpChoosesTheSimulatedProcessorAndConnects) {
  PortMap map = Editor::mapOnly15("");
  EditorSimulation simulation;
  ASSERT_EQ(simulation.start("2", map), "");
  EXPECT_NE(simulation.notice().find("模拟处理器"), std::string::npos);
  EXPECT_NE(simulation.notice().find("型号 2"), std::string::npos);

  Editor e(map.device(EditorSimulation::kPort));
  e.form.Form_Load();
  ASSERT_TRUE(e.port.isOpen());
  ASSERT_FALSE(e.dialogs.shown.empty());
  EXPECT_EQ(e.dialogs.shown[0].text, "软件已为你自动选择COM15为通信端口");
  e.form.handshake.mnulianji_Click();
  EXPECT_TRUE(waitFor([&] { return e.form.state.readBlock >= 2; }, 5000))
      << ::testing::PrintToString(e.dialogs.texts());
  EXPECT_EQ(e.form.state.deviceModel, 2);
}

TEST(SimulateOption, AnUnknownModelIsRefused) {
  PortMap map;
  EditorSimulation simulation;
  EXPECT_EQ(simulation.start("4", map), "--simulate: 型号必须是 1, 2, 3 或 3b");
  EXPECT_EQ(simulation.notice(), "");
}

}  // namespace
}  // namespace kavel::e2e
