// The window's own handlers on a scripted port: start-up and port scan,
// port choice, activation, panel switching and the exit confirmation.
#include "window/form1.h"

#include <gtest/gtest.h>

#include "link/memory_port.h"
#include "link/virtual_clock.h"
#include "window/scripted_dialogs.h"

namespace kavel {
namespace {

const Bytes kOffline{0xA5, 0x67, 0x35, 0x31, 0x31, 0x30, 0x02, 0x01, 0x00};

struct Window {
  explicit Window(std::vector<int> available) : port(clock) {
    port.setAvailable(std::move(available));
  }
  VirtualClock clock;
  MemoryPort port;
  ScriptedDialogs dialogs;
  Form1 form{port, clock, dialogs};
};

TEST(StartUp, ListsOpenablePortsAndOpensTheHighest) {
  Window w({2, 5});
  w.form.Form_Load();
  EXPECT_EQ(w.form.Combo3.items(), (std::vector<std::string>{"COM2", "COM5"}));
  EXPECT_EQ(w.form.Combo3.text(), "COM5");
  EXPECT_EQ(w.form.state.portName, "COM5");
  EXPECT_TRUE(w.port.isOpen());
  EXPECT_EQ(w.port.commPort(), 5);
  ASSERT_EQ(w.dialogs.shown.size(), 1u);
  EXPECT_EQ(w.dialogs.shown[0].text, "软件已为你自动选择COM5为通信端口");
  EXPECT_EQ(w.dialogs.shown[0].title, "KAVEL-7");
  EXPECT_EQ(w.dialogs.shown[0].icon, MessageIcon::None);
  // Every number was tried once by the scan, closed again, then 5 opened.
  EXPECT_EQ(w.port.openedPorts, (std::vector<int>{2, 5, 5}));
  EXPECT_EQ(w.port.triedPorts.size(), 17u);
  EXPECT_TRUE(w.port.writes.empty()) << "nothing is sent at start-up";
}

TEST(StartUp, OnlyPort16MeansNoPort) {
  Window w({16});
  w.form.Form_Load();
  EXPECT_TRUE(w.form.Combo3.items().empty());
  EXPECT_EQ(w.form.state.portName, "");
  EXPECT_FALSE(w.port.isOpen());
  ASSERT_EQ(w.dialogs.shown.size(), 1u);
  EXPECT_EQ(w.dialogs.shown[0].text, "搜索串口失败.........");
  EXPECT_EQ(w.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(w.port.settingsApplied.size(), 1u) << "the link settings are applied all the same";
}

TEST(StartUp, PortsRefusedForPermissionAreExplainedAfterTheScanMessage) {
  Window w({});
  w.port.setOpenError(5, {PortError::Kind::PermissionDenied, "权限不足：dialout COM5"});
  w.port.setOpenError(6, {PortError::Kind::PermissionDenied, "权限不足：dialout COM6"});
  w.form.Form_Load();
  EXPECT_EQ(w.dialogs.texts(),
            (std::vector<std::string>{"搜索串口失败.........", "权限不足：dialout COM5"}));
  EXPECT_EQ(w.dialogs.shown[1].icon, MessageIcon::Error);
}

TEST(StartUp, AppliesTheLinkSettings) {
  Window w({3});
  w.form.Form_Load();
  ASSERT_EQ(w.port.settingsApplied.size(), 1u);
  const LinkSettings& s = w.port.settingsApplied[0];
  EXPECT_EQ(s.settings, "38400,n,8,1");
  EXPECT_EQ(s.inBufferSize, 1024);
  EXPECT_EQ(s.outBufferSize, 512);
  EXPECT_EQ(s.inputMode, 1);
  EXPECT_EQ(s.rThreshold, 1);
  EXPECT_EQ(s.sThreshold, 0);
  EXPECT_EQ(s.inputLen, 0);
}

TEST(PortChoice, PortThatFailsToOpenIsReportedAndLeftClosed) {
  Window w({4});
  w.form.Form_Load();
  w.port.setOpenError(4, {PortError::Kind::PermissionDenied, "权限不足"});
  w.form.Combo3.choose(0);
  EXPECT_FALSE(w.port.isOpen());
  ASSERT_EQ(w.dialogs.shown.size(), 2u);
  EXPECT_EQ(w.dialogs.last()->text, "无法打开通信端口COM4（mem4）：权限不足");
  EXPECT_EQ(w.dialogs.last()->icon, MessageIcon::Error);
}

TEST(PortName, NumberIsReadFromTheFourthCharacter) {
  struct Case {
    const char* name;
    int number;
  } cases[] = {{"COM3", 3}, {"COM12", 12}, {"COM1", 1}, {"COM15", 15}, {"COM", 0}, {"", 0}};
  for (const Case& c : cases) EXPECT_EQ(Form1::portNumber(c.name), c.number) << c.name;
}

TEST(PortChoice, ChoosingCom12SelectsPort12AndReopens) {
  Window w({5, 12});
  w.form.Form_Load();
  ASSERT_EQ(w.port.commPort(), 12);
  w.form.Combo3.choose(0);  // COM5
  EXPECT_EQ(w.port.commPort(), 5);
  EXPECT_TRUE(w.port.isOpen());
  w.form.Combo3.choose(1);  // COM12
  EXPECT_EQ(w.port.commPort(), 12);
  EXPECT_TRUE(w.port.isOpen());
  EXPECT_EQ(w.form.state.portName, "COM12") << "the choice does not change portName";
}

TEST(StartUp, OpenFailureAfterTheScanIsReported) {
  // The scan opens each of the sixteen numbers; the refusal comes on the next open.
  struct FailSecond : MemoryPort {
    using MemoryPort::MemoryPort;
    int opens = 0;
    PortError open() override {
      if (++opens == 17) return {PortError::Kind::Busy, "设备忙"};
      return MemoryPort::open();
    }
  };
  VirtualClock clock;
  FailSecond port(clock);
  port.setAvailable({7});
  ScriptedDialogs dialogs;
  Form1 form(port, clock, dialogs);
  form.Form_Load();
  EXPECT_FALSE(port.isOpen());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "无法打开通信端口COM7（mem7）：设备忙");
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Error);
}

TEST(Activation, OpensThePortOnlyWhileOnline) {
  Window w({3});
  w.form.Form_Load();
  w.port.close();
  w.form.Form_Activate();
  EXPECT_FALSE(w.port.isOpen()) << "offline: activation never opens the port";
  w.form.state.isOnline = true;
  w.form.Form_Activate();
  EXPECT_TRUE(w.port.isOpen());
}

TEST(Window, OpensWithEverythingAtRest) {
  Window w({});
  const LinkState& s = w.form.state;
  EXPECT_FALSE(w.form.timers.anyEnabled());
  EXPECT_EQ(s.rxHex, "");
  EXPECT_EQ(s.deviceModel, 0);
  EXPECT_FALSE(s.isOnline);
  EXPECT_EQ(s.commandKind, 0);
  EXPECT_FALSE(s.micPanelShown);
  EXPECT_FALSE(s.musicPanelShown);
  for (int i = 0; i < Form1::kPanelCount; ++i) EXPECT_FALSE(w.form.Lkframe[i].visible()) << i;
  EXPECT_EQ(w.form.Label8.caption(), "脱 机 状 态");
  EXPECT_EQ(w.form.Label8.foreColor().value(), 255);
  EXPECT_TRUE(w.form.mnulianji.enabled());
  EXPECT_TRUE(w.form.mnutuoji.enabled());
}

TEST(Layout, PositionsFromTheWindowTable) {
  Window w({});
  Form1& f = w.form;
  EXPECT_EQ(f.Command7.geometry(), (Geometry{96, 8, 105, 25}));
  EXPECT_EQ(f.Command7.caption(), "保存参数到电脑");
  EXPECT_EQ(f.Command17[3].geometry(), (Geometry{664, 8, 65, 25}));
  EXPECT_EQ(f.Command17[3].caption(), "中置/环绕");
  EXPECT_EQ(f.Combo3.geometry(), (Geometry{864, 8, 65, 20}));
  EXPECT_EQ(f.Lkframe[2].geometry(), (Geometry{8, 80, 929, 481}));
  EXPECT_EQ(f.Lkframe[4].caption(), std::string(62, ' ') + "超低/设定");
  EXPECT_EQ(f.Lkframe[1].caption(), std::string(63, ' ') + "音乐");
  EXPECT_EQ(f.Lkframe[0].BorderColor(), (Rgb{0, 0, 192}));
  EXPECT_EQ(f.Lkframe[3].BorderColor(), (Rgb{0, 0, 255}));
  EXPECT_EQ(f.Label8.geometry(), (Geometry{8, 565, 84, 14}));
  EXPECT_EQ(f.XPContainer1.Style(), 1);
}

TEST(PanelSwitch, FlagsFollowTheMicrophoneAndMusicButtons) {
  Window w({});
  Form1& f = w.form;
  struct Step {
    int click;
    bool mic, music;
  } steps[] = {{0, true, false}, {2, true, false}, {0, true, false}, {1, false, true},
               {4, false, true}, {3, false, true}, {0, true, false}};
  for (const Step& s : steps) {
    f.Command17[s.click].click();
    for (int i = 0; i < Form1::kPanelCount; ++i)
      EXPECT_EQ(f.Lkframe[i].visible(), i == s.click) << "after " << s.click << " panel " << i;
    EXPECT_EQ(f.state.micPanelShown, s.mic) << s.click;
    EXPECT_EQ(f.state.musicPanelShown, s.music) << s.click;
  }
  EXPECT_TRUE(w.port.writes.empty()) << "switching panels sends nothing";
}

TEST(Exit, OkWhileThePortIsOpenWritesOneOfflineFrameAndCloses) {
  Window w({3});
  w.form.Form_Load();
  w.dialogs.shown.clear();
  bool closed = false;
  w.form.closeWindow = [&] { closed = true; };
  w.form.mnuexit.click();
  ASSERT_EQ(w.dialogs.shown.size(), 1u);
  EXPECT_EQ(w.dialogs.shown[0].text, "你确定要退出系统吗?");
  EXPECT_EQ(w.dialogs.shown[0].title, "系统提示");
  EXPECT_EQ(w.dialogs.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(w.dialogs.shown[0].buttons, MessageButtons::OkCancel);
  ASSERT_EQ(w.port.writes.size(), 1u);
  EXPECT_EQ(w.port.writes[0].bytes, kOffline);
  EXPECT_FALSE(w.port.isOpen());
  EXPECT_TRUE(closed);
}

TEST(Exit, OkWithThePortClosedSendsNothing) {
  Window w({});
  EXPECT_TRUE(w.form.QueryUnload());
  EXPECT_TRUE(w.port.writes.empty());
}

TEST(Exit, CancelChangesNothing) {
  Window w({3});
  w.form.Form_Load();
  w.form.state.commandKind = 2;
  w.form.timers.timer1->setEnabled(true);
  w.dialogs.answers.push_back(MessageResult::Cancel);
  bool closed = false;
  w.form.closeWindow = [&] { closed = true; };
  w.form.mnuexit.click();
  EXPECT_FALSE(closed);
  EXPECT_TRUE(w.port.isOpen());
  EXPECT_TRUE(w.port.writes.empty());
  EXPECT_TRUE(w.form.timers.timer1->enabled());
  EXPECT_EQ(w.form.state.commandKind, 2);
}

}  // namespace
}  // namespace kavel
