// kavel-sim: a simulated KAVEL-7 processor on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

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
    "  --paced            send at the pace of a real 38400-baud 8N1 line (0.26 ms a byte)\n"
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
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string key = arg.substr(0, arg.find('='));
    std::string value = arg.find('=') == std::string::npos ? "" : arg.substr(arg.find('=') + 1);
    bool hasValue = arg.find('=') != std::string::npos;
    int n = 0;
    auto& f = a.host.faults;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    } else if (arg == "--silent") {
      f.silent = true;
    } else if (arg == "--garbage") {
      f.garbage = true;
    } else if (arg == "--paced") {
      f.paced = true;
    } else if (!hasValue || value.empty()) {
      return "unknown option or missing value: " + arg;
    } else if (key == "--model") {
      if (!kavel::sim::modelByName(value)) return "--model must be 1, 2, 3 or 3b";
      a.model = value;
    } else if (key == "--state") {
      a.state = value;
    } else if (key == "--save") {
      a.host.saveTo = value;
    } else if (key == "--link") {
      a.host.link = value;
    } else if (key == "--log") {
      a.host.logPath = value;
    } else if (key == "--delay" || key == "--ignore-first" || key == "--hangup-after") {
      if (!number(value, n)) return key + " needs a whole number";
      if (key == "--delay") f.delayUs = n * 1000LL;
      if (key == "--ignore-first") f.ignoreFirst = n;
      if (key == "--hangup-after") f.hangUpAfter = n;
    } else {
      return "unknown option: " + arg;
    }
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (std::string error = parse(argc, argv, args); !error.empty()) {
    std::fprintf(stderr, "kavel-sim: %s (see --help)\n", error.c_str());
    return 2;
  }
  kavel::sim::SimState state;
  std::string error;
  if (!args.state.empty() && !kavel::sim::loadStateFile(args.state, state, error)) {
    std::fprintf(stderr, "kavel-sim: %s\n", error.c_str());
    return 1;
  }
  if (!args.model.empty())
    args.host.model = *kavel::sim::modelByName(args.model);
  else if (state.model)
    args.host.model = *state.model;

  kavel::sim::SimHost host(args.host, state);
  if (!host.open(error)) {
    std::fprintf(stderr, "kavel-sim: %s\n", error.c_str());
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
    std::fprintf(stderr, "kavel-sim: %s\n", ended.c_str());
    return 3;
  }
  return 0;
}
