// The editor's core against a faulty processor. On the virtual clock with the
// simulated processor in process: no answer, garbage, late answers, the
// first requests lost, a line at real speed. Against kavel-sim over a
// pseudo-terminal with the real Qt serial adapter: hang-ups in the middle
// of a read-back, a bulk import and a single command, and the device pulled
// out and plugged back. Every fault ends in the system's message (or a
// clean success) and the window connects again afterwards.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "kavel_process.h"
#include "link/handshake.h"
#include "link/reply_dispatcher.h"
#include "presets/preset_files.h"
#include "presets/preset_fixture.h"
#include "presets/preset_lines.h"
#include "presets/preset_writer.h"
#include "protocol/rig.h"
#include "protocol/send_scheduler.h"
#include "sim/session.h"
#include "sim_process.h"

namespace kavel {
namespace {

using testing::Rig;

// A window on the virtual clock whose line leads to the simulated processor
// through a session with `faults`; the faults can be healed later.
struct FaultyLine : Rig {
  explicit FaultyLine(sim::Faults faults) : Rig(false) {
    heal(faults);
    port.responder = [this](const Bytes& bytes) {
      const long long now = clock.nowMs() * 1000;
      session->receive(bytes, now);
      // Each byte reaches the window when the session lets it go.
      for (long long due; (due = session->nextDueUs()) >= 0;)
        port.deliver(session->takeDue(due), std::max(0LL, (due - now + 999) / 1000));
    };
  }
  void heal(sim::Faults faults = {}) { session = std::make_unique<sim::Session>(unit, faults); }
  // 设置 → 联机, then up to `ms` of virtual time until online or given up.
  bool connect(long long ms = 20000) {
    form.mnulianji.click();
    clock.advanceUntil([this] { return !anyTimer(); }, ms);
    return state().isOnline;
  }

  sim::Processor unit{sim::Model::M1};
  std::unique_ptr<sim::Session> session;
};

struct FaultCase {
  const char* name;
  sim::Faults faults;
  const char* message;  // the last message shown; "" for a clean connect
};

const FaultCase kFaults[] = {
    {"NoAnswer", {.silent = true}, Handshake::kConnectFailed},
    {"Garbage", {.garbage = true}, ReplyDispatcher::kCommunicationError},
    {"AnswersAfterTheReceiveWindow", {.delayUs = 15'000}, ""},
    {"FirstRequestsLost", {.ignoreFirst = 5}, ""},
    {"RealLineSpeed", {.paced = true}, ""},
    {"LateAndAtRealLineSpeed", {.delayUs = 12'000, .paced = true}, ""},
    // Later than the 20 ms between transmissions, every request goes out
    // twice and is answered twice; the second answer of one step comes when
    // the next is pending and matches nothing.
    {"AnswersLaterThanTheResendPeriod", {.delayUs = 30'000}, ReplyDispatcher::kCommunicationError},
};

class ConnectFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ConnectFault, EndsWithTheSystemsWordAndConnectsOnceHealed) {
  const FaultCase& c = GetParam();
  FaultyLine line(c.faults);
  const bool online = line.connect();
  if (*c.message) {
    EXPECT_FALSE(online);
    ASSERT_FALSE(line.dialogs.shown.empty());
    EXPECT_EQ(line.dialogs.shown.back().text, c.message);
  } else {
    EXPECT_TRUE(online);
    EXPECT_TRUE(line.dialogs.shown.empty()) << ::testing::PrintToString(line.dialogs.texts());
  }
  EXPECT_FALSE(line.anyTimer()) << "nothing keeps sending after the attempt ended";

  line.heal();
  line.dialogs.shown.clear();
  if (!online) {
    EXPECT_TRUE(line.connect()) << ::testing::PrintToString(line.dialogs.texts());
  }
  // A command goes through on the healed line.
  line.form.M_Vtxt.setText("37");
  ASSERT_TRUE(requestCommand(line.form, 8));
  line.clock.advanceUntil([&] { return !line.anyTimer(); }, 5000);
  EXPECT_EQ(line.unit.current()[sim::micVolume], 37);
  EXPECT_TRUE(line.dialogs.shown.empty()) << ::testing::PrintToString(line.dialogs.texts());
}

INSTANTIATE_TEST_SUITE_P(Faults, ConnectFault, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// kavel-sim on a fixed link, pulled out (stopped: its end of the line
// closes) and plugged back in (started again on the same link).
class Replug : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    link_ = dir_.filePath("kavel");
    editor_ = std::make_unique<e2e::Editor>(link_.toStdString());
    // As the editor's window takes a lost device: offline, then the message.
    e2e::Editor& e = *editor_;
    e.port.onLost = [&e](const std::string& reason) {
      e.form.handshake.offlineAcknowledged();
      e.lost.push_back(reason);
    };
  }
  void plugIn(QStringList args = {}) {
    sim_ = std::make_unique<e2e::SimProcess>(link_, dir_.filePath("state.json"), args);
    ASSERT_FALSE(sim_->device().empty()) << "kavel-sim did not start";
  }
  void pullOut() { sim_.reset(); }
  // Start-up on the simulator's port (once), then 设置 → 联机 until online.
  bool connect() {
    Form1& f = editor_->form;
    if (!started_) f.Form_Load();  // its notice of the port chosen is no fault
    started_ = true;
    editor_->dialogs.shown.clear();
    f.mnulianji.click();
    e2e::waitFor([&f] { return !f.timers.anyEnabled(); }, 15000);
    return f.state.isOnline;
  }
  bool lostAndSettled() {
    Form1& f = editor_->form;
    return e2e::waitFor([&] { return !editor_->lost.empty() && !f.timers.anyEnabled(); }, 8000);
  }
  Form1& form() { return editor_->form; }
  // After the loss the window is offline, has said only that the device
  // went, and connects again to the device plugged back in.
  void expectLostThenReconnect() {
    e2e::Editor& e = *editor_;
    ASSERT_EQ(e.lost.size(), 1u);
    EXPECT_NE(e.lost[0].find("已断开"), std::string::npos) << e.lost[0];
    EXPECT_EQ(e.form.Label8.caption(), Handshake::kOffline);
    EXPECT_TRUE(e.form.mnulianji.enabled()) << "联机 can be chosen again";
    EXPECT_TRUE(e.dialogs.shown.empty()) << ::testing::PrintToString(e.dialogs.texts());
    e.lost.clear();
    plugIn();
    EXPECT_TRUE(connect()) << ::testing::PrintToString(e.dialogs.texts());
  }

  QTemporaryDir dir_;
  QString link_;
  std::unique_ptr<e2e::Editor> editor_;
  std::unique_ptr<e2e::SimProcess> sim_;
  bool started_ = false;
};

TEST_F(Replug, HangUpInTheMiddleOfTheReadBack) {
  plugIn({"--hangup-after=20"});
  int blocks = 0;
  form().dispatcher.readBackBlock = [&blocks, readBack = form().dispatcher.readBackBlock](int b) {
    ++blocks;
    return readBack(b);
  };
  EXPECT_FALSE(connect());
  ASSERT_TRUE(lostAndSettled());
  EXPECT_GT(blocks, 1) << "the read-back had begun";
  EXPECT_LT(blocks, 0x27) << "and not ended";
  expectLostThenReconnect();
}

TEST_F(Replug, PulledOutInTheMiddleOfABulkImportAndOfACommand) {
  const std::string preset = dir_.filePath("stage.ktv").toStdString();
  plugIn();
  ASSERT_TRUE(connect());
  editor_->dialogs.files.push_back(preset);
  form().Command7.click();
  ASSERT_EQ(editor_->dialogs.last()->text, kSavedMessage);
  editor_->dialogs.shown.clear();

  editor_->dialogs.files.push_back(preset);
  form().Command9.click();
  ASSERT_TRUE(form().timers.anyEnabled()) << "the import is under way";
  editor_->dialogs.shown.clear();  // the file dialog
  pullOut();
  ASSERT_TRUE(lostAndSettled());
  expectLostThenReconnect();

  form().M_Vtxt.setText("37");
  ASSERT_TRUE(requestCommand(form(), 8));
  pullOut();
  ASSERT_TRUE(lostAndSettled());
  expectLostThenReconnect();
}

// The requests of a whole connect (probes and frames), counted on the
// virtual clock: a hang-up after one more falls in the next command.
int connectRequests() {
  FaultyLine line({});
  EXPECT_TRUE(line.connect());
  return line.session->requests();
}

// A preset file of the fixture's panels, for the import.
QString writePreset(const QTemporaryDir& dir) {
  const QString path = dir.filePath("stage.ktv");
  testing::PresetRig rig;
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(QByteArray::fromStdString(formatPreset(takeSnapshot(rig.form)).bytes));
  return path;
}

std::string lastLine(const std::string& text) {
  std::string t = text;
  while (!t.empty() && t.back() == '\n') t.pop_back();
  return t.substr(t.rfind('\n') == std::string::npos ? 0 : t.rfind('\n') + 1);
}

struct KavelFault {
  const char* name;
  QStringList sim;    // kavel-sim's fault options
  QStringList kavel;  // the command; FILE is the preset file
  int status;
  std::string lastLine;  // what the last line of standard error holds; "" for nothing at all
};

TEST(KavelFaults, EachEndsWithItsStatusAndTheSystemsMessage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString nextCommand = "--hangup-after=" + QString::number(connectRequests() + 1);
  const QStringList set = {"set", "micVolume=37"};  // not the factory value: it is sent
  const KavelFault cases[] = {
      {"no answer", {"--silent"}, {"dump"}, 1, Handshake::kConnectFailed},
      {"garbage", {"--garbage"}, {"dump"}, 1, ReplyDispatcher::kCommunicationError},
      {"answers after the receive window", {"--delay=15"}, set, 0, ""},
      {"first requests lost", {"--ignore-first=5"}, set, 0, ""},
      {"hang-up in the read-back", {"--hangup-after=20"}, {"dump"}, 1, "已断开"},
      {"hang-up in a command", {nextCommand}, set, 1, "已断开"},
      {"hang-up in a bulk import", {nextCommand}, {"import", "FILE"}, 1, "已断开"},
  };
  const QString preset = writePreset(dir);
  const QString link = dir.filePath("kavel");
  for (const KavelFault& c : cases) {
    SCOPED_TRACE(c.name);
    e2e::SimProcess sim(link, dir.filePath("state.json"), c.sim);
    ASSERT_FALSE(sim.device().empty());
    QStringList args = QStringList{"--port", link} + c.kavel;
    args.replaceInStrings(QRegularExpression("^FILE$"), preset);
    const e2e::Finished r = e2e::kavel(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.lastLine.empty())
      EXPECT_EQ(r.err, "");
    else
      EXPECT_NE(lastLine(r.err).find(c.lastLine), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace kavel
