// kavel's preset files against kavel-sim, for each of the four processor
// variants: a file saved by `dump FILE` brings the processor back, through
// `import FILE`, to what it held when it was saved; a file import cannot
// use sends nothing, and a save that cannot be written says why.
#include <gtest/gtest.h>

#include <QFile>

#include "held_state.h"
#include "kavel_process.h"
#include "sim/params.h"
#include "sim_process.h"

namespace kavel::e2e {
namespace {

struct Variant {
  const char* model;
  const char* marker;  // the first line of the file the model's editor saves
};
const Variant kVariants[] = {
    {"1", "ZV-ORNsyPASS"}, {"2", "ZV-ORNsyPASS"}, {"3", "ZV-ORNsy"}, {"3b", "ZV-ORN"}};

// The parameters and bands two processor states hold differently, by name.
std::string differences(const sim::Store& a, const sim::Store& b) {
  std::string out;
  for (const sim::ParamInfo& p : sim::params())
    if (a[p.id] != b[p.id]) out += std::string(p.name) + " ";
  for (const sim::EqInfo& e : sim::eqs())
    for (int i = 0; i < e.bands; ++i)
      if (a.band(e.id, i) != b.band(e.id, i)) out += std::string(e.name) + "." + std::to_string(i) + " ";
  return out;
}

QByteArray firstLine(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().split('\r').first();
}

class KavelPresetE2E : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    link_ = dir_.filePath("kavel");
    saved_ = dir_.filePath("saved.json");
  }
  Finished kavelHere(QStringList args) { return kavel(QStringList{"--port", link_} + args); }

  QTemporaryDir dir_;
  QString link_, saved_;
};

TEST_P(KavelPresetE2E, AnImportBringsBackWhatTheDumpSaved) {
  // A state with every parameter away from its factory and panel values.
  const QString stateFile = dir_.filePath("state.json");
  ASSERT_TRUE(writeHeldState(stateFile));
  SimProcess sim(link_, saved_, {"--state=" + stateFile, QString("--model=") + GetParam().model});
  ASSERT_FALSE(sim.device().empty());
  const sim::Store held = savedState(stateFile).value().current;

  const QString preset = dir_.filePath("saved.ktv");
  const Finished dumped = kavelHere({"dump", preset});
  ASSERT_EQ(dumped.status, 0) << dumped.err;
  EXPECT_EQ(dumped.out, "参数已保存完成\n");
  EXPECT_EQ(dumped.err, "");
  EXPECT_EQ(firstLine(preset), GetParam().marker);

  // A slider, a band, a phase and the echo mode, away from what was saved.
  const Finished changed =
      kavelHere({"set", "micHighPass=100", "effectEqBand.2=1000,3,2", "musicPhase=0", "echoMode=关"});
  ASSERT_EQ(changed.status, 0) << changed.err;
  ASSERT_TRUE(waitFor([&] { return savedState(saved_).has_value(); }, 3000));
  EXPECT_EQ(differences(held, savedState(saved_)->current), "micHighPass musicPhase echoMode effectEqBand.2 ");

  const Finished imported = kavelHere({"import", preset});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "导入成功\n");
  EXPECT_EQ(imported.err, "");
  ASSERT_TRUE(waitFor([&] { return savedState(saved_).has_value(); }, 3000));
  EXPECT_EQ(differences(held, savedState(saved_)->current), "");
}

INSTANTIATE_TEST_SUITE_P(Models, KavelPresetE2E, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string("Model") + info.param.model; });

// A file import cannot use is refused before the port is opened: the
// processor sees nothing at all. A save into a missing folder is a file error.
TEST(KavelPresetErrors, BadFilesAreRefusedWithTheirReason) {
  QTemporaryDir dir;
  const QString link = dir.filePath("kavel"), saved = dir.filePath("saved.json");
  SimProcess sim(link, saved, {"--model=1"});
  ASSERT_FALSE(sim.device().empty());

  const QString bad = dir.filePath("bad.ktv");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("ZV-ORNsy\r\n-3.5\r\n");
  file.close();
  const QString missing = dir.filePath("no such folder/saved.ktv");
  struct Case {
    QStringList args;
    std::string message;
  };
  const Case kCases[] = {
      {{"import", bad},
       "kavel: " + bad.toStdString() + ": the file ends after line 2; a \"ZV-ORNsy\" preset has 204 lines\n"},
      {{"import", dir.filePath("absent.ktv")},
       "kavel: " + dir.filePath("absent.ktv").toStdString() + ": cannot open "},
  };
  for (const Case& c : kCases) {
    const Finished r = kavel(QStringList{"--port", link} + c.args);
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");
  }
  QFile log(saved + ".log");
  const QByteArray received = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
  EXPECT_FALSE(received.contains("<- ")) << "the processor received " << received.toStdString();

  const Finished r = kavel({"--port", link, "dump", missing});
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_EQ(r.err, "参数未能保存到 " + missing.toStdString() + ":文件夹不存在。\n");
  EXPECT_EQ(r.out, "");
  EXPECT_FALSE(QFile::exists(missing));
}

}  // namespace
}  // namespace kavel::e2e
