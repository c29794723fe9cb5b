#pragma once
// kavel as a child process, run to its end, and what any child process
// must not do: crash or leave a sanitizer's report on standard error.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <string>

namespace kavel::e2e {

// A sanitizer's or the runtime's report: the child misbehaved even when it
// went on to exit as expected.
inline bool reportsFault(const std::string& err) {
  return err.find("Sanitizer") != std::string::npos || err.find("runtime error:") != std::string::npos;
}

struct Finished {
  int status = -1;
  std::string out, err;
};

// Runs kavel with `args` to its end.
inline Finished kavel(const QStringList& args) {
  const QByteArray dir = qgetenv("KAVEL_BIN_DIR");
  QProcess p;
  p.start((dir.isEmpty() ? QCoreApplication::applicationDirPath() : QString(dir)) + "/kavel", args);
  Finished r;
  if (!p.waitForStarted(5000) || !p.waitForFinished(60000)) return r;
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  EXPECT_FALSE(r.status == -1 || reportsFault(r.err))
      << "kavel " << args.join(' ').toStdString() << " crashed or misbehaved:\n" << r.err;
  return r;
}

}  // namespace kavel::e2e
