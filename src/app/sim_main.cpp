// kavel-sim: a simulated KAVEL-7 processor on a pseudo-terminal.
#include <QCommandLineParser>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/command_line.h"
#include "app/sim_host.h"

namespace {

const char kUsage[] =
    "Usage: kavel-sim [options]\n"
    "Serves a simulated KAVEL-7 processor on a new pseudo-terminal until stopped\n"
    "(Ctrl+C or SIGTERM). The first line printed is the device to open, for example\n"
    "  kavel-editor --port COM15=/dev/pts/7\n"
    "If a program dies with the device open and leaves it locked, the simulator\n"
    "moves to a new device and prints its path on a line of its own (--link follows).\n"
    "\n"
    "Options take their value as --opt=VALUE or --opt VALUE.\n"
    "\n"
    "Processor:\n"
    "  --model=M          1, 2, 3 or 3b (model 3, second variant); default 1, or the\n"
    "                     model named in the --state file\n"
    "  --state=FILE       start from this JSON state (model, current parameters,\n"
    "                     memory modes); anything it leaves out keeps factory values\n"
    "  --save=FILE        write the state as JSON after every change and at the end\n"
    "                     (may be the same file as --state)\n"
    "  --link=PATH        also make PATH a symlink to the device (removed at the end)\n"
    "  --log=FILE         traffic log: every byte in (<-) and out (->) with a\n"
    "                     timestamp in ms and what the processor made of it; - for stderr\n"
    "\n"
    "Faults, for reliability work (a request is a probe byte or a whole frame):\n"
    "  --silent           never answer (frames are still taken in)\n"
    "  --garbage          answer every request with bytes that mean nothing\n"
    "  --delay=MS         send every answer MS milliseconds late\n"
    "  --ignore-first=N   lose the first N requests entirely\n"
    "  --paced            hear and answer at the pace of a real 38400-baud 8N1 line\n"
    "                     (0.26 ms a byte each way)\n"
    "  --hangup-after=N   hang up (close the device) once N requests are answered\n"
    "\n"
    "  --help             show this text\n";

kavel::sim::SimHost* g_host = nullptr;

void onSignal(int) {
  if (g_host) g_host->stop();
}

bool number(const std::string& text, int& out) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < 0 || v > 1'000'000) return false;
  out = static_cast<int>(v);
  return true;
}

struct Args {
  kavel::sim::HostOptions host;
  std::string model;
  std::string state;
};

// Returns an empty string or what is wrong with the command line.
std::string parse(int argc, char** argv, Args& a) {
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{"h", "help"}), silent("silent"), garbage("garbage"),
      paced("paced");
  const QCommandLineOption model("model", "", "M"), state("state", "", "FILE"),
      save("save", "", "FILE"), link("link", "", "PATH"), log("log", "", "FILE"),
      delay("delay", "", "MS"), ignoreFirst("ignore-first", "", "N"),
      hangUpAfter("hangup-after", "", "N");
  parser.addOptions({help, silent, garbage, paced, model, state, save, link, log, delay,
                     ignoreFirst, hangUpAfter});
  const QStringList arguments = kavel::argumentList(argc, argv);
  const bool parsed = parser.parse(arguments);
  if (const QString name = kavel::optionWithoutValue(parser, parsed, arguments,
                                                     {&model, &state, &save, &link, &log, &delay,
                                                      &ignoreFirst, &hangUpAfter});
      !name.isEmpty())
    return name.toStdString() + " needs a value";
  if (!parsed) return parser.errorText().toStdString();
  if (parser.isSet(help)) {
    std::fputs(kUsage, stdout);
    std::exit(0);
  }
  if (!parser.positionalArguments().isEmpty())
    return "unknown argument: " + parser.positionalArguments().first().toStdString();
  auto value = [&parser](const QCommandLineOption& o) { return parser.value(o).toStdString(); };

  auto& f = a.host.faults;
  f.silent = parser.isSet(silent);
  f.garbage = parser.isSet(garbage);
  f.paced = parser.isSet(paced);
  if (parser.isSet(model)) {
    if (!kavel::sim::modelByName(value(model))) return "--model must be 1, 2, 3 or 3b";
    a.model = value(model);
  }
  a.state = value(state);
  a.host.saveTo = value(save);
  a.host.link = value(link);
  a.host.logPath = value(log);
  struct Count {
    const QCommandLineOption& option;
    const char* name;
    std::function<void(int)> set;
  };
  const Count counts[] = {
      {delay, "--delay", [&f](int n) { f.delayUs = n * 1000LL; }},
      {ignoreFirst, "--ignore-first", [&f](int n) { f.ignoreFirst = n; }},
      {hangUpAfter, "--hangup-after", [&f](int n) { f.hangUpAfter = n; }},
  };
  for (const Count& c : counts) {
    if (!parser.isSet(c.option)) continue;
    int n = 0;
    if (!number(value(c.option), n)) return std::string(c.name) + " needs a whole number";
    c.set(n);
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (std::string error = parse(argc, argv, args); !error.empty()) {
    std::fprintf(stderr, "kavel-sim: %s (see --help)\n", kavel::printable(error).c_str());
    return 2;
  }
  kavel::sim::SimState state;
  std::string error;
  if (!args.state.empty() && !kavel::sim::loadStateFile(args.state, state, error)) {
    std::fprintf(stderr, "kavel-sim: %s\n", kavel::printable(error).c_str());
    return 1;
  }
  if (!args.model.empty())
    args.host.model = *kavel::sim::modelByName(args.model);
  else if (state.model)
    args.host.model = *state.model;

  kavel::sim::SimHost host(args.host, state);
  if (!host.open(error)) {
    std::fprintf(stderr, "kavel-sim: %s\n", kavel::printable(error).c_str());
    return 1;
  }
  g_host = &host;
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  std::signal(SIGHUP, onSignal);
  std::signal(SIGPIPE, SIG_IGN);
  std::printf("%s\n", host.devicePath().c_str());
  std::fflush(stdout);
  host.onNewDevice = [](const std::string& device) {
    std::printf("%s\n", device.c_str());
    std::fflush(stdout);
  };
  std::string ended = host.serve();
  g_host = nullptr;
  if (!ended.empty()) {
    std::fprintf(stderr, "kavel-sim: %s\n", kavel::printable(ended).c_str());
    return 3;
  }
  return 0;
}
