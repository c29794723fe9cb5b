#pragma once
// What the three programs share in reading their command lines with
// QCommandLineParser.
#include <QStringList>

namespace kavel {

// The program's arguments as text, for a parser used before the
// application object exists.
QStringList argumentList(int argc, char** argv);

// QCommandLineParser has no option whose value may be left out: a bare
// `--name` becomes `--name=fallback` before parsing ("--simulate" is
// "--simulate=1").
QStringList withDefaultValue(QStringList arguments, const QString& name, const QString& fallback);

}  // namespace kavel
