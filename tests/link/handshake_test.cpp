// Connecting and going offline against a scripted processor: the probe
// cycle over the three models, the model-dependent controls, the connect
// command and the first read request, the offline command and the failures.
#include "link/handshake.h"

#include <gtest/gtest.h>

#include "link/device_models.h"
#include "protocol/rig.h"

namespace kavel {
namespace {

using testing::hexBytes;
using testing::Processor;
using testing::Rig;

const Bytes kConnect = hexBytes("A5 67 35 31 31 30 02 01 7F");
const Bytes kOffline = hexBytes("A5 67 35 31 31 30 02 01 00");
const Bytes kFirstRead = hexBytes("A5 67 35 31 31 30 05 00 00 10 01 08");

// The thirteen controls in the order of the model table.
std::vector<bool> modelControlsShown(Rig& rig) {
  Form1& f = rig.form;
  Panels& p = f.panels;
  const Control* controls[] = {&p.Check1,    &p.Label12,   &p.dcButton10, &p.dcButton8,
                               &p.dcButton9, &p.dcButton7, &p.Command10,  &f.Label1[3],
                               &p.Text20,    &p.ctSlide11, &p.Label7[20], &p.Text12[2],
                               &p.ctSlide4[2]};
  std::vector<bool> out;
  for (const Control* c : controls) out.push_back(c->visible());
  return out;
}

TEST(Connect, NothingAttached) {
  Rig rig;
  rig.form.mnulianji.click();
  EXPECT_EQ(rig.form.Label8.caption(), "请稍后.....");
  EXPECT_TRUE(rig.form.Label9.visible());
  EXPECT_EQ(rig.form.Label9.caption(), "");
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(rig.form.Lkframe[i].visible());
  rig.clock.advance(1999);
  EXPECT_TRUE(rig.dialogs.shown.empty());
  rig.clock.advance(1);
  Bytes expected(25, 0xAF);
  expected.insert(expected.end(), 25, 0xAC);
  expected.insert(expected.end(), 50, 0xAA);
  EXPECT_EQ(rig.probesWritten(), expected);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text,
            "连接设备失败!请检查数据连接线是否接好,或者选择其他通信端口进行联机!");
  EXPECT_EQ(rig.dialogs.shown[0].title, "系统提示");
  EXPECT_EQ(rig.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(rig.form.Label8.caption(), "脱 机 状 态");
  EXPECT_EQ(rig.form.Label8.foreColor().value(), 255);
  EXPECT_FALSE(rig.form.Label9.visible());
  EXPECT_EQ(rig.state().deviceModel, 3);
  EXPECT_EQ(rig.state().probeTicks, 0);
  EXPECT_FALSE(rig.anyTimer());
  rig.clock.advance(500);
  EXPECT_EQ(rig.probesWritten().size(), 100u) << "the cycle has given up";
}

struct ModelCase {
  const char* what;
  Byte probe;
  Bytes reply;
  std::size_t firstAnsweredProbe;  // counting from 1
  Integer deviceModel;
  bool altModel3;
  std::vector<bool> shown;
};

const ModelCase kModels[] = {
    {"model 1", 0xAF, {0x5A, 0x7F}, 1, 1, false,
     {true, true, true, true, true, true, true, true, true, true, true, true, true}},
    {"model 2 answers the first 0xAC", 0xAC, {0x5A, 0x76}, 26, 2, false,
     {false, false, false, true, true, true, true, true, true, true, true, true, true}},
    {"model 3", 0xAA, {0x5A, 0x76}, 51, 3, false,
     {false, false, false, false, false, false, false, true, true, true, true, true, true}},
    {"model 3, second variant", 0xAA, {0x5A, 0x79}, 51, 3, true,
     {false, false, false, false, false, false, false, false, false, false, false, false, false}},
};

TEST(Connect, EachModel) {
  for (const ModelCase& m : kModels) {
    SCOPED_TRACE(m.what);
    Rig rig;
    Processor proc;
    proc.probe = m.probe;
    proc.probeReply = m.reply;
    proc.answer = [](const Bytes& frame) -> std::optional<Bytes> {
      if (frame.size() == 12) return Bytes{};  // read requests: left unanswered here
      return std::nullopt;
    };
    rig.attach(proc);
    rig.form.mnulianji.click();
    ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.state().commandKind == 11; }, 3000));
    EXPECT_EQ(rig.probesWritten().size(), m.firstAnsweredProbe);
    EXPECT_EQ(rig.state().deviceModel, m.deviceModel);
    EXPECT_EQ(rig.state().altModel3, m.altModel3);
    EXPECT_EQ(modelControlsShown(rig), m.shown);
    EXPECT_EQ(proc.frames, std::vector<Bytes>{kConnect});
    // The connect acknowledgement hands over to the read-back.
    EXPECT_EQ(rig.state().readBlock, 1);
    EXPECT_TRUE(rig.timers().timer1->enabled());
    EXPECT_FALSE(rig.timers().timer2->enabled());
    EXPECT_TRUE(rig.form.mnutuoji.enabled());
    EXPECT_EQ(rig.state().probeTicks, 0);
    EXPECT_EQ(rig.state().sendTicks, 0);
    EXPECT_EQ(rig.state().rxHex, "");
    rig.clock.advance(100);
    ASSERT_GE(proc.frames.size(), 2u);
    EXPECT_EQ(proc.frames[1], kFirstRead);
    EXPECT_EQ(rig.form.Label8.caption(), "请稍后.....") << "online only after the read-back";
    EXPECT_TRUE(rig.dialogs.shown.empty());
  }
}

TEST(Connect, AnotherModelsSecondVariantReplyIsAnUnsupportedDevice) {
  Rig rig;
  Processor proc;
  proc.probeReply = {0x5A, 0x79};  // answers the model-1 probe
  rig.attach(proc);
  rig.form.mnulianji.click();
  rig.clock.advance(100);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "当前设备无效！");
  EXPECT_EQ(rig.dialogs.shown[0].title, "KAVEL-7");
  EXPECT_EQ(rig.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_EQ(rig.form.Label8.caption(), "请稍后.....");
  EXPECT_EQ(rig.probesWritten().size(), 1u);
  EXPECT_TRUE(proc.frames.empty());
}

TEST(Connect, APortThatWillNotOpenChangesNothing) {
  Rig rig;
  rig.port.close();
  rig.port.setAvailable({});
  rig.form.mnulianji.click();
  rig.clock.advance(100);
  EXPECT_EQ(rig.form.Label8.caption(), "脱 机 状 态");
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.dialogs.shown.empty());
  EXPECT_EQ(rig.state().commandKind, 0);
}

TEST(Connect, OpensAClosedPortFirst) {
  Rig rig;
  rig.port.close();
  rig.form.mnulianji.click();
  EXPECT_TRUE(rig.port.isOpen());
  EXPECT_TRUE(rig.timers().timer1->enabled());
}

TEST(GoOffline, WhileOfflineDoesNothing) {
  Rig rig;
  rig.form.mnutuoji.click();
  rig.clock.advance(100);
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_TRUE(rig.port.writes.empty());
}

TEST(GoOffline, SendsTheOfflineCommandAndResets) {
  Rig rig;
  rig.goOnline();
  rig.form.Label8.setCaption("联 机 状 态");
  rig.form.Label8.setForeColor(colors::brightGreen);
  LinkState& s = rig.state();
  s.commandKind = 11;
  s.readBlock = 39;
  s.readSource = 17;
  s.readMode = 4;
  s.paramIndex = 2;
  Processor proc;
  rig.attach(proc);
  rig.form.mnutuoji.click();
  rig.clock.advance(200);
  EXPECT_EQ(rig.written(), (std::vector<Bytes>{{0xAF}, kOffline}));
  EXPECT_EQ(rig.form.Label8.caption(), "脱 机 状 态");
  EXPECT_EQ(rig.form.Label8.foreColor().value(), 255);
  EXPECT_FALSE(s.isOnline);
  EXPECT_FALSE(rig.form.mnutuoji.enabled());
  EXPECT_TRUE(rig.form.mnulianji.enabled());
  EXPECT_FALSE(rig.port.isOpen());
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_EQ(s.commandKind, 1);
  EXPECT_EQ(s.readBlock, 0);
  EXPECT_EQ(s.readSource, 0);
  EXPECT_EQ(s.readMode, 0);
  EXPECT_EQ(s.paramCode, 0);
  EXPECT_EQ(s.paramIndex, 0);
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(ProbeCycle, AnUnansweredExchangeWhileOnlineFailsAndStaysOnline) {
  Rig rig;
  rig.goOnline();
  rig.form.Label8.setCaption("联 机 状 态");
  rig.state().commandKind = 3;
  rig.timers().timer1->setEnabled(true);
  rig.clock.advance(2100);
  const Bytes probes = rig.probesWritten();
  ASSERT_EQ(probes.size(), 100u);
  EXPECT_EQ(probes[24], 0xAF);
  EXPECT_EQ(probes[25], 0xAC) << "the 26th probe moves on to model 2";
  EXPECT_EQ(probes[50], 0xAA);
  EXPECT_EQ(rig.dialogs.texts(), (std::vector<std::string>{"操  作  失  败!"}));
  EXPECT_EQ(rig.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_TRUE(rig.form.online());
  EXPECT_EQ(rig.form.Label8.caption(), "联 机 状 态");
  EXPECT_FALSE(rig.anyTimer());
  EXPECT_EQ(rig.state().probeFrame, 0xAA) << "the probe byte stays where the cycle left it";
}

TEST(ProbeCycle, ItsCountIsNotResetByAProbeReply) {
  Rig rig;
  rig.goOnline();
  Processor proc;
  proc.acknowledge = false;
  rig.attach(proc);
  rig.state().commandKind = 3;
  rig.timers().timer1->setEnabled(true);
  rig.clock.advance(45);
  EXPECT_EQ(rig.state().probeTicks, 1);
  EXPECT_TRUE(rig.timers().timer2->enabled());
}

}  // namespace
}  // namespace kavel
