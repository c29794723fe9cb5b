#include "app/command_line.h"

namespace kavel {

QStringList argumentList(int argc, char** argv) {
  QStringList list;
  for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
  return list;
}

QStringList withDefaultValue(QStringList arguments, const QString& name, const QString& fallback) {
  const QString bare = "--" + name;
  for (QString& a : arguments)
    if (a == bare) a = bare + "=" + fallback;
  return arguments;
}

}  // namespace kavel
