#pragma once
// What the three programs share in reading their command lines with
// QCommandLineParser, and in quoting them back in messages.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kavel {

// The program's arguments as text, for a parser used before the
// application object exists.
QStringList argumentList(int argc, char** argv);

// QCommandLineParser has no option whose value may be left out: a bare
// `--name` becomes `--name=fallback` before parsing ("--simulate" is
// "--simulate=1").
QStringList withDefaultValue(QStringList arguments, const QString& name, const QString& fallback);

// The option of `valued` given without its value, as it is written
// ("--port"): the last argument when the parse failed (`parsed` is what
// parser.parse(arguments) returned), or set with nothing after its "=".
// Empty when every value is there.
QString optionWithoutValue(const QCommandLineParser& parser, bool parsed,
                           const QStringList& arguments,
                           std::initializer_list<const QCommandLineOption*> valued);

// `text` with every control byte (below 0x20, and 0x7F) written as \xNN, so
// that a message quoting what was typed or read cannot steer the terminal.
std::string printable(std::string_view text);

}  // namespace kavel
