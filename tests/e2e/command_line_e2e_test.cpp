// The three programs' command lines where they go wrong: an option without
// its value, a model left empty, a state file kavel-sim could never write,
// and control bytes typed into anything a message quotes back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace kavel {
namespace {

struct Ran {
  int status = -1;
  std::string err;
};

// `program` from the build's bin folder with `args`, run to its end.
Ran run(const QString& program, const QStringList& args) {
  const QByteArray dir = qgetenv("KAVEL_BIN_DIR");
  QProcess p;
  p.setProgram((dir.isEmpty() ? QCoreApplication::applicationDirPath() : QString(dir)) + "/" + program);
  p.setArguments(args);
  p.start();
  Ran r;
  if (!p.waitForStarted(5000) || !p.waitForFinished(20000)) {
    p.kill();
    p.waitForFinished(1000);
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.err = p.readAllStandardError().toStdString();
  return r;
}

bool built(const QString& program) {
  const QByteArray dir = qgetenv("KAVEL_BIN_DIR");
  return QFileInfo((dir.isEmpty() ? QCoreApplication::applicationDirPath() : QString(dir)) + "/" +
                   program)
      .isExecutable();
}

struct Refusal {
  const char* program;
  QStringList args;
  int status;
  std::string says;  // a part of standard error
};

TEST(CommandLine, RefusesWhatItCannotUseAndSaysWhy) {
  const QString esc = QString(QChar(0x1B));
  const Refusal cases[] = {
      {"kavel", {"--port"}, 2, "kavel: --port needs a value"},
      {"kavel", {"--port=", "dump"}, 2, "kavel: --port needs a value"},
      {"kavel", {"--simulate=", "dump"}, 2, "--simulate=MODEL needs a model"},
      {"kavel", {"dump" + esc + "[2J"}, 2, "unknown command \"dump\\x1B[2J\""},
      {"kavel", {"set", "mic" + esc + "Volume=40"}, 2, "mic\\x1BVolume"},
      {"kavel", {"show", "stage" + esc + "]0;x.ktv"}, 3, "stage\\x1B]0;x.ktv"},
      {"kavel-sim", {"--model"}, 2, "kavel-sim: --model needs a value"},
      {"kavel-sim", {"--save="}, 2, "kavel-sim: --save needs a value"},
      {"kavel-sim", {"x" + esc + "[31m"}, 2, "unknown argument: x\\x1B[31m"},
      {"kavel-editor", {"--port"}, 2, "--port 需要一个值"},
      {"kavel-editor", {"--simulate="}, 2, "--simulate= 需要型号"},
      {"kavel-editor", {"--" + esc + "[31m"}, 2, "不认识的参数 \"--\\x1B[31m\""},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.args.join(' ').toStdString());
    if (!built(c.program)) {
      ADD_FAILURE() << c.program << " is not built";
      continue;
    }
    const Ran r = run(c.program, c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1B'), std::string::npos) << "a raw control byte reached the terminal";
  }
}

TEST(CommandLine, KavelSimRefusesAStateFileItCouldNeverSave) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString save = dir.filePath("missing/state.json");
  const Ran r = run("kavel-sim", {"--save=" + save});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find(save.toStdString() + ": No such file or directory"), std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace kavel
