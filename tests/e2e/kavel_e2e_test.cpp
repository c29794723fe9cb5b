// kavel against kavel-sim over a pseudo-terminal, both as child processes,
// for each of the four processor variants: the dump equals the processor's
// whole state, a set lands in it, a stored mode is recalled as it was
// stored, and the failures end with their exit statuses.
#include <gtest/gtest.h>

#include <QFile>
#include <nlohmann/json.hpp>

#include "held_state.h"
#include "kavel_process.h"
#include "link/handshake.h"
#include "sim_process.h"

namespace kavel::e2e {
namespace {

struct Variant {
  const char* model;
  int column;  // 0 model 1, 1 model 2, 2 model 3, 3 model 3 second variant
};
const Variant kVariants[] = {{"1", 0}, {"2", 1}, {"3", 2}, {"3b", 3}};

class KavelE2E : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    link_ = dir_.filePath("kavel");
    saved_ = dir_.filePath("saved.json");
  }
  std::unique_ptr<SimProcess> startSim(QStringList args = {}) {
    args << QString("--model=") + GetParam().model;
    auto sim = std::make_unique<SimProcess>(link_, saved_, args);
    EXPECT_FALSE(sim->device().empty()) << "kavel-sim did not start";
    return sim;
  }
  // kavel on the simulator's device, its arguments after the port.
  Finished kavelHere(QStringList args) { return kavel(QStringList{"--port", link_} + args); }
  // The frames of group 0x02 or 0x03 the processor took: parameter commands.
  int parameterFramesReceived() {
    QFile log(saved_ + ".log");
    if (!log.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromUtf8(log.readAll());
    return text.count("<- A5 67 35 31 31 30 04 02") + text.count("<- A5 67 35 31 31 30 04 03") +
           text.count("<- A5 67 35 31 31 30 08 02") + text.count("<- A5 67 35 31 31 30 08 03");
  }
  int column() const { return GetParam().column; }

  QTemporaryDir dir_;
  QString link_, saved_;
};

TEST_P(KavelE2E, TheDumpShowsWhatTheProcessorHolds) {
  const QString stateFile = dir_.filePath("state.json");
  ASSERT_TRUE(writeHeldState(stateFile));
  auto sim = startSim({"--state=" + stateFile});

  const Finished r = kavelHere({"dump", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const nlohmann::json dump = nlohmann::json::parse(r.out);
  EXPECT_EQ(dump["model"], GetParam().model);
  expectDumpShowsHeld(dump, column());
  EXPECT_EQ(parameterFramesReceived(), 0) << "a dump changes nothing";
}

// A stored mode comes back as it was stored after the panels were changed:
// the recall reads the mode's blocks into every panel.
TEST_P(KavelE2E, ARecallShowsWhatTheStoreKept) {
  const QString stateFile = dir_.filePath("state.json");
  ASSERT_TRUE(writeHeldState(stateFile));
  auto sim = startSim({"--state=" + stateFile});

  const Finished stored = kavelHere({"store", "3"});
  ASSERT_EQ(stored.status, 0) << stored.err;
  EXPECT_EQ(stored.err, "");
  EXPECT_EQ(stored.out, "当前数据已保存到模式3\n");
  // One parameter of each panel's mode blocks (not the settings blocks,
  // which a recall does not read) away from what was stored.
  const Finished changed = kavelHere({"set", "micHighPass=100", "musicToLr=5", "reverbType=小房间",
                                      "echoSpeed=20", "musicToCenter=5", "surroundDelay=3",
                                      "subVolume=5", "effectEqBand.2=1000,3,2"});
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(changed.err, "");

  const Finished r = kavelHere({"recall", "3", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const nlohmann::json dump = nlohmann::json::parse(r.out);
  EXPECT_EQ(dump["model"], GetParam().model);
  expectDumpShowsHeld(dump, column());
}

TEST_P(KavelE2E, ASetLandsInTheProcessor) {
  auto sim = startSim();
  // One parameter of each kind the variant's editor shows.
  struct Edit {
    const char* argument;
    sim::ParamId id;
    int wire;
    bool shown[4];
  };
  const Edit kEdits[] = {
      {"micVolume=37", sim::micVolume, 37, {1, 1, 1, 1}},                  // slider
      {"micLimitThreshold=-10", sim::micLimitThreshold, 10, {1, 1, 1, 1}},  // scroll bar
      {"micPhase=180", sim::micPhase, 0x7F, {1, 1, 1, 1}},                  // phase button
      {"micFeedbackSuppress=ON", sim::micFeedbackSuppress, 0x7F, {1, 0, 0, 0}},  // switch
      {"musicKeyShift=-3", sim::musicKeyShift, 3, {1, 1, 1, 1}},            // key shift
      {"musicEqBypass=ON", sim::musicEqBypass, 0x7F, {1, 1, 0, 0}},         // bypass
      {"micEqLhPass=ON", sim::micEqLhPass, 0x7F, {1, 1, 0, 0}},             // shelf
      {"reverbType=大礼堂B", sim::reverbType, 7, {1, 1, 1, 1}},             // list
      {"echoLowPass=4.05", sim::echoLowPass, 5, {1, 1, 1, 1}},              // two bytes
      {"reverbTime=3.7", sim::reverbTime, 37, {1, 1, 1, 1}},                // tenths
      {"surroundDelay=200", sim::surroundDelay, 200, {1, 1, 1, 1}},         // shared number
      {"centerPhase=180", sim::centerPhase, 0x7F, {1, 1, 1, 1}},
      {"subLowCut=60", sim::subLowCut, 40, {1, 1, 1, 0}},                   // clamped pair
      {"subCrossover=150", sim::subCrossover, 130, {1, 1, 1, 1}},
      {"musicInput=VCR", sim::musicInput, 3, {1, 1, 1, 1}},                 // cycle
      {"initSwitch=开", sim::initSwitch, 0x7F, {1, 1, 1, 1}},               // caption toggle
      {"subSwitchTime=8", sim::subSwitchTime, 7, {1, 1, 1, 1}},
      {"micMaxVolume=70", sim::micMaxVolume, 70, {1, 1, 1, 1}},
      {"keyLock=ON", sim::keyLock, 0x7F, {1, 0, 0, 0}},                     // direct start
  };
  // EQ bands of the two panels that had none before.
  QStringList args{"set", "micEqBand.5=1000,3.5,1.4", "effectEqBand.3=2000,-4,2.5",
                   "subEqBand.1=100,2,1"};
  for (const Edit& e : kEdits)
    if (e.shown[column()]) args << e.argument;
  const Finished r = kavelHere(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");

  ASSERT_TRUE(waitFor([&] { return savedState(saved_).has_value(); }, 3000));
  const sim::Store held = savedState(saved_)->current;
  for (const Edit& e : kEdits) {
    if (e.shown[column()]) {
      EXPECT_EQ(held[e.id], e.wire) << e.argument;
    }
  }
  // 1000 Hz is frequency code 472, 3.5 dB gain byte 155, Q 1.4 byte 14.
  EXPECT_EQ(held.band(sim::micEq, 5), (sim::Band{14, 155, 472}));
  // 2000 Hz is code 755; 100 Hz code 80.
  EXPECT_EQ(held.band(sim::effectEq, 3), (sim::Band{25, 80, 755}));
  EXPECT_EQ(held.band(sim::subEq, 1), (sim::Band{10, 140, 80}));
}

INSTANTIATE_TEST_SUITE_P(Models, KavelE2E, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string("Model") + info.param.model; });

// Mistakes in the command line, and a control the model's editor hides, are
// refused with status 2 before any parameter is sent.
TEST(KavelErrors, UsageErrorsSendNothing) {
  QTemporaryDir dir;
  const QString link = dir.filePath("kavel"), saved = dir.filePath("saved.json");
  // The low cut at 120 Hz, so that a lower crossover is one the panel would clamp.
  const QString state = dir.filePath("state.json");
  QFile stateFile(state);
  ASSERT_TRUE(stateFile.open(QIODevice::WriteOnly));
  stateFile.write(R"({"current": {"subLowCut": 100}})");
  stateFile.close();
  SimProcess sim(link, saved, {"--model=2", "--state=" + state});
  ASSERT_FALSE(sim.device().empty());
  struct Case {
    QStringList args;
    const char* message;
  };
  const Case kCases[] = {
      {{"set", "micVolum=3"}, "kavel: unknown parameter \"micVolum\""},
      {{"set", "micVolume=81"}, "kavel: micVolume: 81 is out of range 0..80"},
      {{"set", "micVolume=30", "micFeedbackSuppress=ON"},
       "kavel: micFeedbackSuppress: model 2 has no such control (the editor hides it)"},
      {{"frobnicate"}, "kavel: unknown command \"frobnicate\""},
      {{"dump", "--xml"}, "kavel: dump takes only --json"},
      {{"store", "11"}, "kavel: store: MODE is a memory mode from 1 to 10, not \"11\""},
      {{"store", "7abc"}, "kavel: store: MODE is a memory mode from 1 to 10, not \"7abc\""},
      {{"recall", "0", "--json"}, "kavel: recall: MODE is a memory mode from 1 to 10, not \"0\""},
      {{"set", "reverbTime=3.75"},
       "kavel: reverbTime: 3.75 is not a value the slider shows (steps of 0.1)"},
      {{"set", "keyLock=ON"}, "kavel: keyLock: model 2 has no such control (the editor hides it)"},
      {{"set", "subCrossover=100"},
       "kavel: subCrossover: 100 is out of range 120..400 (subLowCut is 120)"},
  };
  for (const Case& c : kCases) {
    const Finished r = kavel(QStringList{"--port", link} + c.args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
  }
  QFile log(saved + ".log");
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QByteArray sent = log.readAll();
  // Parameter frames have the length 4, 5 (two-byte values) or 8 (bands).
  for (const char* frame : {"<- A5 67 35 31 31 30 04 ", "<- A5 67 35 31 31 30 05 07 ",
                            "<- A5 67 35 31 31 30 08 ", "<- A5 67 35 31 31 30 02 12 ",
                            "<- A5 67 35 31 31 30 05 11 "})
    EXPECT_FALSE(sent.contains(frame)) << frame << "... was sent";
}

TEST(KavelErrors, NoProcessorIsALinkFailureWithTheSystemsMessage) {
  QTemporaryDir dir;
  const QString link = dir.filePath("kavel");
  SimProcess sim(link, dir.filePath("saved.json"), {"--silent"});
  ASSERT_FALSE(sim.device().empty());
  const Finished r = kavel({"--port", link, "dump"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, std::string(Handshake::kConnectFailed) + "\n");
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace kavel::e2e
