#pragma once
// kavel as a child process, run to its end.
#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <string>

namespace kavel::e2e {

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
  return r;
}

}  // namespace kavel::e2e
