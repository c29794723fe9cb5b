// kavel against kavel-sim over a pseudo-terminal, both as child processes,
// for each of the four processor variants: the dump equals the processor's
// state, a set lands in it, and the failures end with their exit statuses.
#include <gtest/gtest.h>

#include <QFile>
#include <nlohmann/json.hpp>

#include "link/handshake.h"
#include "sim_process.h"

namespace kavel::e2e {
namespace {

struct Variant {
  const char* model;
  int column;  // 0 model 1, 1 model 2, 2 model 3, 3 model 3 second variant
};
const Variant kVariants[] = {{"1", 0}, {"2", 1}, {"3", 2}, {"3b", 3}};

// A processor state with every microphone and music parameter away from its
// factory value: its wire value and the text the panel shows for it, and on
// which variants the connect reads it back.
struct Held {
  const char* name;
  int wire;
  const char* text;
  bool readBack[4] = {true, true, true, true};
};
const Held kHeld[] = {
    {"micVolume", 33, "33"},
    {"micHighPass", 131, "152"},
    {"micLowPass", 4, "12KHz", {true, true, true, false}},
    {"micPhase", 0x7F, "180"},
    {"micFeedbackSuppress", 0x7F, "ON"},
    {"micLimitThreshold", 12, "-12dB"},
    {"micCompRatio", 32, "50%"},
    {"micCompRelease", 100, "100"},
    {"micCompAttack", 5, "5"},
    {"micEqBypass", 0x7F, "ON"},
    {"micEqLhPass", 0x7F, "LH-PASS ON", {true, true, true, false}},
    {"musicVolume", 25, "25"},
    {"musicHighPass", 155, "200"},
    {"musicPhase", 0x7F, "180"},
    {"musicBalance", 70, "L 70%"},
    {"musicKeyShift", 3, "-3"},
    {"musicToLr", 11, "11"},
    {"micToLr", 22, "22"},
    {"effectToLr", 45, "45"},
    {"musicLimitThreshold", 30, "-30dB"},
    {"musicCompRatio", 63, "100%"},
    {"musicCompRelease", 90, "90"},
    {"musicCompAttack", 7, "7"},
    {"musicEqBypass", 0x7F, "ON"},
    {"musicEqLhPass", 0x7F, "LH-PASS ON", {true, true, false, false}},
};

// Bands as the processor holds them (Q byte, gain byte, frequency code) and
// as the editor shows them. Bands 0 and 1 stay on their side of 1000 Hz, as
// the shelves want them.
struct HeldBand {
  int q, gain, code;
  double hz, db, Q;
};
const HeldBand kBands[] = {
    {14, 155, 130, 150, 3.5, 1.4},     {3, 100, 1255, 4000, -2, 0.3},
    {150, 0, 30, 50, -12, 15},         {10, 240, 180, 250, 12, 1},
    {25, 121, 305, 500, 0.1, 2.5},     {104, 119, 405, 800, -0.1, 10.4},
    {7, 130, 605, 1400, 1, 0.7},       {50, 110, 855, 2400, -1, 5},
    {33, 200, 1455, 6000, 8, 3.3},     {12, 40, 2055, 12000, -8, 1.2},
    {20, 180, 2255, 14000, 6, 2},      {99, 60, 2855, 20000, -6, 9.9},
    {45, 120, 0, 20, 0, 4.5},
};

struct Finished {
  int status = -1;
  std::string out, err;
};

// Runs kavel with `args` to its end.
Finished kavel(const QStringList& args) {
  const QByteArray dir = qgetenv("KAVEL_BIN_DIR");
  QProcess p;
  p.start((dir.isEmpty() ? QCoreApplication::applicationDirPath() : QString(dir)) + "/kavel", args);
  Finished r;
  if (!p.waitForStarted(5000) || !p.waitForFinished(60000)) return r;
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

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
  nlohmann::json state;
  for (const Held& h : kHeld) state["current"][h.name] = h.wire;
  for (auto [name, bands] : {std::pair{"micEqBand", 13}, std::pair{"musicEqBand", 11}})
    for (int i = 0; i < bands; ++i)
      state["current"][name].push_back({kBands[i].q, kBands[i].gain, kBands[i].code});
  const QString stateFile = dir_.filePath("state.json");
  QFile file(stateFile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(state.dump()));
  file.close();
  auto sim = startSim({"--state=" + stateFile});

  const Finished r = kavelHere({"dump", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const nlohmann::json dump = nlohmann::json::parse(r.out);
  EXPECT_EQ(dump["model"], GetParam().model);
  std::size_t expected = 0;
  for (const Held& h : kHeld) {
    if (!h.readBack[column()]) {
      EXPECT_FALSE(dump["parameters"].contains(h.name)) << h.name;
      continue;
    }
    ++expected;
    EXPECT_EQ(dump["parameters"][h.name]["value"], h.wire) << h.name;
    EXPECT_EQ(dump["parameters"][h.name]["text"], h.text) << h.name;
  }
  EXPECT_EQ(dump["parameters"].size(), expected);

  // The shelves are read back for the microphone except on model 3's second
  // variant, for the music on models 1 and 2 only.
  const bool shelf[2] = {column() != 3, column() <= 1};
  int e = 0;
  for (auto [name, bands] : {std::pair{"micEqBand", 13}, std::pair{"musicEqBand", 11}}) {
    const nlohmann::json& list = dump["equalizers"][name];
    ASSERT_EQ(list.size(), std::size_t(bands)) << name;
    for (int i = 0; i < bands; ++i) {
      const nlohmann::json& b = list[i];
      const std::string where = std::string(name) + " band " + std::to_string(i);
      EXPECT_EQ(b["band"], i) << where;
      EXPECT_DOUBLE_EQ(b["frequency"].get<double>(), kBands[i].hz) << where;
      EXPECT_DOUBLE_EQ(b["gain"].get<double>(), kBands[i].db) << where;
      EXPECT_DOUBLE_EQ(b["q"].get<double>(), kBands[i].Q) << where;
      EXPECT_EQ(b["on"], kBands[i].db != 0) << where;
      EXPECT_EQ(b["type"], shelf[e] && i == 0 ? 2 : shelf[e] && i == 1 ? 1 : 0) << where;
    }
    ++e;
  }
  EXPECT_EQ(parameterFramesReceived(), 0) << "a dump changes nothing";
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
  };
  QStringList args{"set", "micEqBand.5=1000,3.5,1.4"};  // EQ band
  for (const Edit& e : kEdits)
    if (e.shown[column()]) args << e.argument;
  const Finished r = kavelHere(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");

  ASSERT_TRUE(waitFor([&] { return savedState(saved_).has_value(); }, 3000));
  const sim::Store held = savedState(saved_)->current;
  for (const Edit& e : kEdits)
    if (e.shown[column()]) EXPECT_EQ(held[e.id], e.wire) << e.argument;
  // 1000 Hz is frequency code 472, 3.5 dB gain byte 155, Q 1.4 byte 14.
  EXPECT_EQ(held.band(sim::micEq, 5), (sim::Band{14, 155, 472}));
}

INSTANTIATE_TEST_SUITE_P(Models, KavelE2E, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string("Model") + info.param.model; });

// Mistakes in the command line, and a control the model's editor hides, are
// refused with status 2 before any parameter is sent.
TEST(KavelErrors, UsageErrorsSendNothing) {
  QTemporaryDir dir;
  const QString link = dir.filePath("kavel"), saved = dir.filePath("saved.json");
  SimProcess sim(link, saved, {"--model=2"});
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
  };
  for (const Case& c : kCases) {
    const Finished r = kavel(QStringList{"--port", link} + c.args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
  }
  QFile log(saved + ".log");
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_FALSE(log.readAll().contains("<- A5 67 35 31 31 30 04 02")) << "a parameter was sent";
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
