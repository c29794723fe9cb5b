#include "app/command_line.h"

#include <cstdio>

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

QString optionWithoutValue(const QCommandLineParser& parser, bool parsed,
                           const QStringList& arguments,
                           std::initializer_list<const QCommandLineOption*> valued) {
  for (const QCommandLineOption* o : valued) {
    const QString name = "--" + o->names().constLast();
    // A value-taking option takes the next argument, whatever it is, so only
    // the last one can go without.
    const bool last = !parsed && !arguments.isEmpty() && arguments.constLast() == name;
    if (last || (parsed && parser.isSet(*o) && parser.value(*o).isEmpty())) return name;
  }
  return {};
}

std::string printable(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      out += c;
      continue;
    }
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    out += escaped;
  }
  return out;
}

}  // namespace kavel
