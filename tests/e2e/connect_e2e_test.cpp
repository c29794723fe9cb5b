// The editor against kavel-sim over a pseudo-terminal, through the real Qt
// serial adapter, for each of the four processor variants.
#include <gtest/gtest.h>

#include <QDir>

#include "link/handshake.h"
#include "sim_process.h"

namespace kavel::e2e {
namespace {

struct Variant {
  const char* model;  // kavel-sim's --model
  int deviceModel;
  bool altModel3;
  int column;  // column of the model-dependent control table
};

const Variant kVariants[] = {{"1", 1, false, 0}, {"2", 2, false, 1}, {"3", 3, false, 2},
                             {"3b", 3, true, 3}};

// The thirteen model-dependent controls: shown (1) or hidden (0) per model
// 1, 2, 3 and 3 second variant.
struct Shown {
  const char* name;
  Control& (*control)(Form1&);
  bool visible[4];
};
const Shown kShown[] = {
    {"Check1", [](Form1& f) -> Control& { return f.panels.Check1; }, {1, 0, 0, 0}},
    {"Label12", [](Form1& f) -> Control& { return f.panels.Label12; }, {1, 0, 0, 0}},
    {"dcButton10", [](Form1& f) -> Control& { return f.panels.dcButton10; }, {1, 0, 0, 0}},
    {"dcButton8", [](Form1& f) -> Control& { return f.panels.dcButton8; }, {1, 1, 0, 0}},
    {"dcButton9", [](Form1& f) -> Control& { return f.panels.dcButton9; }, {1, 1, 0, 0}},
    {"dcButton7", [](Form1& f) -> Control& { return f.panels.dcButton7; }, {1, 1, 0, 0}},
    {"Command10", [](Form1& f) -> Control& { return f.panels.Command10; }, {1, 1, 0, 0}},
    {"Label1(3)", [](Form1& f) -> Control& { return f.Label1[3]; }, {1, 1, 1, 0}},
    {"Text20", [](Form1& f) -> Control& { return f.panels.Text20; }, {1, 1, 1, 0}},
    {"ctSlide11", [](Form1& f) -> Control& { return f.panels.ctSlide11; }, {1, 1, 1, 0}},
    {"Label7(20)", [](Form1& f) -> Control& { return f.panels.Label7[20]; }, {1, 1, 1, 0}},
    {"Text12(2)", [](Form1& f) -> Control& { return f.panels.Text12[2]; }, {1, 1, 1, 0}},
    {"ctSlide4(2)", [](Form1& f) -> Control& { return f.panels.ctSlide4[2]; }, {1, 1, 1, 0}},
};

class ConnectE2E : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    link_ = dir_.filePath("kavel");
    state_ = dir_.filePath("state.json");
  }
  std::unique_ptr<SimProcess> startSim(QStringList faults = {}) {
    auto sim = std::make_unique<SimProcess>(
        link_, state_, QStringList{QString("--model=") + GetParam().model} + faults);
    EXPECT_FALSE(sim->device().empty()) << "kavel-sim did not start";
    return sim;
  }
  // Start-up on the simulator's port, then 设置 → 联机.
  void startAndConnect(Editor& e) {
    e.form.Form_Load();
    ASSERT_TRUE(e.port.isOpen()) << "the start-up did not open COM15";
    e.form.handshake.mnulianji_Click();
  }
  QTemporaryDir dir_;
  QString link_, state_;
};

TEST_P(ConnectE2E, ConnectLandsOnTheModelAndTheProcessorStoresACommand) {
  const Variant& v = GetParam();
  auto sim = startSim();
  Editor e(link_.toStdString());
  for (const Shown& s : kShown) s.control(e.form).setVisible(!s.visible[v.column]);
  std::vector<int> blocks;
  auto readBack = e.form.dispatcher.readBackBlock;
  e.form.dispatcher.readBackBlock = [&blocks, readBack](int block) {
    blocks.push_back(block);
    return readBack(block);
  };
  startAndConnect(e);

  // The probe cycle reaches the model, the connect is acknowledged and the
  // first block is answered.
  ASSERT_TRUE(waitFor([&] { return !blocks.empty(); }, 5000))
      << "no block answered; messages: " << ::testing::PrintToString(e.dialogs.texts());
  EXPECT_EQ(e.form.state.deviceModel, v.deviceModel);
  EXPECT_EQ(e.form.state.altModel3, v.altModel3);
  EXPECT_TRUE(e.form.mnutuoji.enabled());
  for (const Shown& s : kShown)
    EXPECT_EQ(s.control(e.form).visible(), s.visible[v.column]) << s.name;

  // Every one of the 39 blocks is answered, in order.
  ASSERT_TRUE(waitFor([&] { return !blocks.empty() && blocks.back() == 0x27; }, 15000))
      << "read-back stopped after block " << (blocks.empty() ? 0 : blocks.back());
  std::vector<int> all(0x27);
  for (int i = 0; i < 0x27; ++i) all[i] = i + 1;
  EXPECT_EQ(blocks, all);
  // The last block puts the link online.
  ASSERT_TRUE(waitFor([&] { return e.form.state.isOnline; }, 3000));
  EXPECT_EQ(e.form.Label8.caption(), "联 机 状 态");
  ASSERT_TRUE(e.form.online());

  // The microphone volume, sent as its handler sends it.
  e.form.M_Vtxt.setText("37");
  e.form.state.commandKind = 8;
  e.form.timers.timer1->setEnabled(true);
  ASSERT_TRUE(waitFor([&] { return !e.form.timers.timer2->enabled() && !e.form.timers.timer1->enabled(); },
                      3000));
  EXPECT_EQ(e.form.state.sendTicks, 0);
  ASSERT_TRUE(waitFor([&] {
    auto s = savedState(state_);
    return s && s->current[sim::micVolume] == 37;
  }, 2000)) << "the processor does not hold the new volume";
  EXPECT_TRUE(e.dialogs.shown.size() <= 1) << ::testing::PrintToString(e.dialogs.texts());
}

TEST_P(ConnectE2E, ASilentProcessorGivesTheConnectFailure) {
  auto sim = startSim({"--silent"});
  Editor e(link_.toStdString());
  startAndConnect(e);
  ASSERT_TRUE(waitFor([&] { return e.dialogs.shown.size() >= 2; }, 4000));
  const auto& box = e.dialogs.shown.back();
  EXPECT_EQ(box.text, Handshake::kConnectFailed);
  EXPECT_EQ(box.title, "系统提示");
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_EQ(e.form.Label8.caption(), Handshake::kOffline);
  EXPECT_EQ(e.form.state.deviceModel, 3);
  EXPECT_FALSE(e.form.timers.timer1->enabled());
}

TEST_P(ConnectE2E, AfterAHangUpTheEditorSaysSoAndConnectsAgain) {
  // Probe, connect, probe: the unit hangs up before the first block.
  auto sim = startSim({"--hangup-after=3"});
  Editor e(link_.toStdString());
  startAndConnect(e);
  ASSERT_TRUE(waitFor([&] { return !e.lost.empty(); }, 5000)) << "the hang-up went unnoticed";
  EXPECT_NE(e.lost[0].find("COM15"), std::string::npos) << e.lost[0];
  EXPECT_FALSE(e.port.isOpen());
  EXPECT_TRUE(waitFor([&] { return !sim->running(); }, 3000));

  // The processor comes back on the same path; a new connect goes through.
  e.form.timers.stopAll();
  auto again = startSim();
  e.form.handshake.mnulianji_Click();
  ASSERT_TRUE(e.port.isOpen());
  EXPECT_TRUE(waitFor([&] { return e.form.state.readBlock >= 2; }, 5000))
      << ::testing::PrintToString(e.dialogs.texts());
}

INSTANTIATE_TEST_SUITE_P(Models, ConnectE2E, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string("Model") + info.param.model; });

}  // namespace
}  // namespace kavel::e2e
