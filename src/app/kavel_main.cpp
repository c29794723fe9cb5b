// kavel: the editor's headless command-line twin. It runs the editor's own
// core against a processor: the same start-up, connect, read-back, panel
// handlers and frames, with the message boxes turned into lines on standard
// error and exit statuses.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/editor_simulation.h"
#include "app/kavel_session.h"
#include "cli/dump.h"
#include "cli/exit_status.h"
#include "cli/preset_view.h"
#include "cli/settings.h"
#include "link/port_map.h"
#include "panels/parameter_table.h"
#include "presets/preset_files.h"
#include "presets/preset_reader.h"

namespace {

using kavel::cli::ExitStatus;

const char kUsageHead[] =
    "Usage: kavel [--port COMn=DEVICE | --port DEVICE] [--simulate[=MODEL]] [--trace] COMMAND ...\n"
    "\n"
    "Runs the KAVEL-7 editor without its window. Every command except `ports`,\n"
    "`show` and `diff` opens the port, connects as 设置 -> 联机 does (probe,\n"
    "connect, the whole read-back), does its work through the panels' own\n"
    "controls and goes offline at the end as closing the editor does.\n"
    "\n"
    "Commands:\n"
    "  ports                  print COM1 to COM16 with their devices\n"
    "  dump [--json]          print every parameter read back from the processor,\n"
    "                         by panel, with its label and display text. --json\n"
    "                         prints one object: {\"model\", \"parameters\": {NAME:\n"
    "                         {\"value\": WIRE, \"text\": TEXT}}, \"equalizers\": {NAME:\n"
    "                         [{\"band\", \"frequency\", \"gain\", \"q\", \"type\", \"on\"}]}};\n"
    "                         WIRE is the number the processor holds (the number\n"
    "                         its command carries), type 0 peak, 1 high shelf,\n"
    "                         2 low shelf\n"
    "  dump FILE              save the processor's parameters into the preset\n"
    "                         file FILE (.ktv) through 保存参数到电脑, in the\n"
    "                         connected model's layout, and print 参数已保存完成.\n"
    "                         A failed save keeps the old file\n"
    "  import FILE            load the preset file FILE through 从电脑中调用 and\n"
    "                         send it to the processor in one bulk import; print\n"
    "                         导入成功 once the processor has taken it. The file is\n"
    "                         checked whole before the port is opened\n"
    "  show FILE [--json]     print every setting of the preset file FILE by\n"
    "                         panel: name, display text or caption, the slider's\n"
    "                         position, label; the bands of each equalizer as\n"
    "                         frequency, gain and Q. --json prints one object:\n"
    "                         {\"layout\": MARKER, \"parameters\": {NAME: {\"text\":\n"
    "                         TEXT, \"position\": N} or {\"caption\": TEXT}},\n"
    "                         \"equalizers\": {NAME: [{\"band\", \"frequency\",\n"
    "                         \"gain\", \"q\"}]}}; MARKER is the file's first line\n"
    "                         (ZV-ORNsyPASS, ZV-ORNsy or ZV-ORN). No port is opened\n"
    "  diff FILE1 FILE2       print each setting the two preset files hold\n"
    "                         differently, one a line, as NAME PART: OLD -> NEW\n"
    "                         (micHighPass text: \"20HZ\" -> \"150HZ\", micEqBand\n"
    "                         band 3 gain: -3.5 -> 0), then the settings only\n"
    "                         one file holds (a file of another layout) as NAME\n"
    "                         PART: only in FILE (VALUE). Prints nothing for\n"
    "                         equal files. No port is opened\n"
    "  set NAME=VALUE ...     change parameters as an operator would, in order,\n"
    "                         each acknowledged before the next. Every name and\n"
    "                         value is checked before anything is sent\n"
    "  store MODE             store the processor's current parameters in its\n"
    "                         memory mode MODE (1 to 10) through 保存参数到设备, and\n"
    "                         print the confirmation 当前数据已保存到模式MODE\n"
    "  recall MODE [--json]   recall memory mode MODE (1 to 10) with its option\n"
    "                         button 模式 MODE, then print as dump does. A recall\n"
    "                         reads the mode's blocks 0x01 to 0x25; the settings\n"
    "                         of blocks 0x26 and 0x27 (maximum and power-on\n"
    "                         volumes, music input, 初始化, subwoofer mode and\n"
    "                         switching time, master volumes, balance, bypasses,\n"
    "                         feedback suppression, key lock) are shown as the\n"
    "                         connect read them\n"
    "\n"
    "Options (--opt VALUE or --opt=VALUE):\n"
    "  --port COMn=DEVICE     use port n (1 to 15), mapped to DEVICE\n"
    "  --port DEVICE          use DEVICE (its default COM number, else COM15)\n"
    "                         Without --port the editor's start-up scan chooses\n"
    "                         the highest port that opens.\n"
    "  --simulate[=MODEL]     use a simulated processor of model 1, 2, 3 or 3b\n"
    "                         (default 1) on COM15\n"
    "  --trace                every byte written (->) and received (<-), with the\n"
    "                         time in ms, on standard error\n"
    "  -h, --help             show this text\n"
    "\n"
    "VALUE is what the panel shows, the number of its display text without the\n"
    "unit (micVolume=40, micLimitThreshold=-10, musicKeyShift=-3, micHighPass=150\n"
    "for 150 Hz, micLowPass=12 for 12KHz, echoSpeed=200 for 200ms, reverbTime=3.7\n"
    "for 3.7s, echoLowPass=4.05 for 4.05KHZ, subCrossover=120 for 120Hz,\n"
    "subSwitchTime=3 for 3s), the caption of a button (micPhase=180, initSwitch=关,\n"
    "subMode=手动, keyLock=ON, musicInput=AUX; ON or OFF for the bypasses and\n"
    "the check box) or the entry of a list (echoMode=关, reverbType=大礼堂B). Three\n"
    "displays cannot be typed back exactly and take the slider's position\n"
    "instead: the compression ratio (its percent is rounded down from\n"
    "position x 100 / 63), the music balance (L 70% and R 70% are positions 30\n"
    "and 70) and the effect mix (回声 70% and 混响 70% are positions 30 and 70).\n"
    "A band of an equalizer is NAME.BAND=FREQUENCY,GAIN,Q with the band counted\n"
    "from 0, the frequency in Hz (20..20000; 20..400 for subEqBand), the gain in\n"
    "dB (-12..12) and Q (0.3..15); leave a field empty to keep it\n"
    "(micEqBand.5=,3.5,).\n"
    "Controls that the connected model's editor hides cannot be set, nor the\n"
    "echo sliders while echoMode is 关 and the reverb sliders while reverbType\n"
    "is 关. Sliders the panel would clamp are refused: a master or power-on\n"
    "volume above its maximum, a maximum below the volumes it caps, the\n"
    "crossover below the low cut and the low cut above the crossover.\n"
    "\n"
    "Parameters:\n";

const char kUsageTail[] =
    "\n"
    "Exit status: 0 success; 1 device or link failure (the system's message, such\n"
    "as 通信超时!请稍后重试, is the last line on standard error); 2 usage (an\n"
    "unknown command, name or value, a value out of range, a hidden or disabled\n"
    "control, a MODE other than 1 to 10; nothing is sent); 3 a file could not\n"
    "be read or written (the reason is on standard error; a preset file that\n"
    "import cannot use sends nothing). diff exits 0 when the files are equal,\n"
    "1 when they differ.\n"
    "\n"
    "Examples:\n"
    "  kavel --port /dev/ttyUSB0 dump --json > unit.json\n"
    "  kavel --port COM5=/dev/serial/by-id/usb-FTDI-if00-port0 set micVolume=40 musicVolume=35\n"
    "  kavel --simulate=2 set micEqBand.5=1000,3.5,1.4 musicKeyShift=-3\n"
    "  kavel --port /dev/ttyUSB0 store 3\n"
    "  kavel --port /dev/ttyUSB0 recall 3 --json > mode3.json\n"
    "  kavel --port /dev/ttyUSB0 dump stage.ktv\n"
    "  kavel --port /dev/ttyUSB0 import stage.ktv\n"
    "  kavel show stage.ktv --json > stage.json\n"
    "  kavel diff stage.ktv rehearsal.ktv\n";

std::string parameterList() {
  std::string out;
  for (const kavel::ParameterRow& r : kavel::parameterRows()) {
    std::string name = std::string("  ") + r.name;
    name.resize(std::max<std::size_t>(name.size() + 1, 24), ' ');
    out += name + kavel::valueHint(r) + "\n";
  }
  for (const kavel::EqualizerRow& e : kavel::equalizerRows()) {
    std::string name = std::string("  ") + e.name + ".BAND";
    name.resize(std::max<std::size_t>(name.size() + 1, 24), ' ');
    out += name + "BAND 0.." + std::to_string(kavel::bandCount(e.eq) - 1) +
           ": FREQUENCY,GAIN,Q\n";
  }
  return out;
}

// A memory mode as typed on the command line: a whole number from 1 to 10;
// 0 for anything else.
int memoryMode(const QString& text) {
  bool ok = false;
  const int mode = text.toInt(&ok);
  return ok && mode >= 1 && mode <= 10 && text == QString::number(mode) ? mode : 0;
}

int usageError(const std::string& why) {
  std::fprintf(stderr, "kavel: %s (see kavel --help)\n", kavel::printable(why).c_str());
  return kavel::cli::kUsage;
}

// The preset file at `path`, read and checked whole; nullopt after saying
// on standard error why it cannot be used.
std::optional<kavel::PresetSnapshot> readPreset(const QString& path) {
  kavel::ParsedPreset parsed = kavel::readPresetFile(path.toStdString());
  if (!parsed.snapshot)
    std::fprintf(stderr, "kavel: %s\n",
                 kavel::printable(path.toStdString() + ": " + parsed.error).c_str());
  return std::move(parsed.snapshot);
}

// diff's status when the files differ.
constexpr int kFilesDiffer = 1;

// show and diff: preset files only, no processor and no port.
int runOnFiles(const QString& verb, const QStringList& rest) {
  QCommandLineParser parser;
  const QCommandLineOption jsonOption("json");
  if (verb == "show") parser.addOption(jsonOption);
  const int files = verb == "show" ? 1 : 2;
  if (!parser.parse(QStringList{verb} + rest) || parser.positionalArguments().size() != files)
    return usageError(files == 1 ? "show takes FILE and --json" : "diff takes two files");
  const QStringList names = parser.positionalArguments();
  std::vector<kavel::PresetSnapshot> presets;
  for (const QString& name : names) {
    auto preset = readPreset(name);
    if (!preset) return kavel::cli::kFileError;
    presets.push_back(std::move(*preset));
  }
  if (verb == "diff") {
    const std::string out = kavel::cli::diffText(presets[0], presets[1], names[0].toStdString(),
                                                 names[1].toStdString());
    std::fputs(out.c_str(), stdout);
    return out.empty() ? kavel::cli::kSuccess : kFilesDiffer;
  }
  // The window's panel names; its port is never opened.
  kavel::KavelSession offline(kavel::PortMap{}, false);
  const std::string out = parser.isSet(jsonOption)
                              ? kavel::cli::showJson(presets[0])
                              : kavel::cli::showText(offline.form(), presets[0]);
  std::fputs(out.c_str(), stdout);
  return kavel::cli::kSuccess;
}

struct Command {
  std::string port;      // the --port text; empty for the start-up's own scan
  std::string simulate;  // the simulated model; empty for none
  bool trace = false;
  QStringList words;     // the command and its arguments
};

// The port kavel uses, as "COMn=DEVICE" or "DEVICE": mapped in `map` with
// every other port unmapped, so that the start-up's scan finds it alone.
// Returns an error text for the user, or empty.
std::string choosePort(const std::string& text, kavel::PortMap& map) {
  kavel::PortMap named;
  int n = 15;  // free for the user's own mapping
  const std::size_t eq = text.find('=');
  if (eq != std::string::npos) {
    if (std::string error = named.applyOverride(text); !error.empty()) return "--port " + text + ": " + error;
    n = std::stoi(text.substr(3, eq - 3));
    if (n > 15) return "--port " + text + ": COM16 is never listed; use COM1 to COM15";
  } else {
    if (std::string error = named.applyOverride("COM15=" + text); !error.empty())
      return "--port " + text + ": " + error;
    for (const kavel::PortMap::Entry& e : map.entries())
      if (e.port <= 15 && e.device == named.device(15)) n = e.port;
    named.setDevice(n, named.device(15));
  }
  for (int p = kavel::PortMap::kFirstPort; p <= kavel::PortMap::kLastPort; ++p)
    map.setDevice(p, p == n ? named.device(n) : "");
  return "";
}

int run(const Command& c) {
  const QString verb = c.words.isEmpty() ? "" : c.words.first();
  const QStringList rest = c.words.mid(1);
  kavel::PortMap map;
  if (verb == "ports") {
    // The whole mapping, with the port given mapped as kavel would use it.
    if (!rest.isEmpty()) return usageError("ports takes no arguments");
    if (c.port.find('=') != std::string::npos)
      if (std::string error = map.applyOverride(c.port); !error.empty())
        return usageError("--port " + c.port + ": " + error);
    std::fputs(kavel::formatPortList(map.entries()).c_str(), stdout);
    return kavel::cli::kSuccess;
  }
  if (verb == "show" || verb == "diff") return runOnFiles(verb, rest);
  if (!c.port.empty())
    if (std::string error = choosePort(c.port, map); !error.empty()) return usageError(error);

  bool json = false;
  QString modeText;
  QString presetFile;  // dump FILE, import FILE
  std::vector<kavel::cli::Setting> settings;
  if (verb == "dump" || verb == "recall") {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption("json");
    parser.addOption(jsonOption);
    const bool parsed = parser.parse(QStringList{verb} + rest);
    const QStringList words = parser.positionalArguments();
    json = parser.isSet(jsonOption);
    if (verb == "recall") {
      if (!parsed || words.size() != 1) return usageError("recall takes MODE and --json");
      modeText = words.first();
    } else {
      if (!parsed || words.size() > 1 || (json && !words.isEmpty()))
        return usageError("dump takes only --json or FILE, not both");
      if (!words.isEmpty()) {
        presetFile = words.first();
        if (presetFile.isEmpty()) return usageError("dump FILE: the file name is empty");
      }
    }
  } else if (verb == "import") {
    if (rest.size() != 1) return usageError("import takes FILE");
    presetFile = rest.first();
    // Checked whole before the port is opened: a bad file sends nothing.
    if (!readPreset(presetFile)) return kavel::cli::kFileError;
  } else if (verb == "store") {
    if (rest.size() != 1) return usageError("store takes MODE");
    modeText = rest.first();
  } else if (verb == "set") {
    if (rest.isEmpty()) return usageError("set needs at least one NAME=VALUE");
    for (const QString& arg : rest) {
      kavel::cli::ParsedSetting p = kavel::cli::parseSetting(arg.toStdString());
      if (!p.error.empty()) return usageError(p.error);
      settings.push_back(p.setting);
    }
  } else {
    return usageError(verb.isEmpty() ? "no command given"
                                     : "unknown command \"" + verb.toStdString() + "\"");
  }
  const int mode = memoryMode(modeText);
  if ((verb == "store" || verb == "recall") && mode == 0)
    return usageError(verb.toStdString() + ": MODE is a memory mode from 1 to 10, not \"" +
                      modeText.toStdString() + "\"");

  // Made before the session so that it outlives the port: the offline frame
  // at the end still reaches the simulated processor.
  kavel::EditorSimulation simulation;
  if (!c.simulate.empty()) {
    if (std::string error = simulation.start(c.simulate, map); !error.empty())
      return usageError(error);
    choosePort("COM15=" + map.device(kavel::EditorSimulation::kPort), map);
  }
  kavel::KavelSession session(map, c.trace);
  // A value beyond its control's range is refused before the port is even
  // opened; what depends on the model is checked once it is connected.
  std::vector<kavel::cli::Setting> scalars;
  std::copy_if(settings.begin(), settings.end(), std::back_inserter(scalars),
               [](const kavel::cli::Setting& s) { return s.row != nullptr; });
  if (std::string why = kavel::cli::checkSettings(session.form(), scalars, false); !why.empty())
    return usageError(why);
  int status = kavel::cli::kSuccess;
  if (session.connect()) {
    if (verb == "set") {
      status = session.apply(settings);
    } else if (verb == "store") {
      const std::string stored = session.store(mode);
      if (!stored.empty()) std::printf("%s\n", stored.c_str());
      else status = kavel::cli::kLinkFailure;
    } else if (verb == "import") {
      if (session.importPreset(presetFile.toStdString())) std::printf("导入成功\n");
      else status = kavel::cli::kLinkFailure;
    } else if (verb == "dump" && !presetFile.isEmpty()) {
      if (session.savePreset(presetFile.toStdString())) std::printf("%s\n", kavel::kSavedMessage);
      else status = kavel::cli::kFileError;
    } else if (verb == "dump" || session.recall(mode)) {
      const std::string out = json ? kavel::cli::dumpJson(session.form())
                                   : kavel::cli::dumpText(session.form());
      std::fputs(out.c_str(), stdout);
    } else {
      status = kavel::cli::kLinkFailure;
    }
  }
  session.goOffline();
  if (status == kavel::cli::kSuccess) status = session.status();
  // A connect that ended without a message (the port could not be opened at 联机).
  if (status == kavel::cli::kSuccess && !session.form().state.isOnline) status = kavel::cli::kLinkFailure;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  // What follows the command belongs to it (dump --json).
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help(QStringList{"h", "help"}), port("port", "", "PORT"),
      simulate("simulate", "", "MODEL"), trace("trace");
  parser.addOptions({help, port, simulate, trace});
  const QStringList arguments = kavel::withDefaultValue(app.arguments(), "simulate", "1");
  const bool parsed = parser.parse(arguments);
  if (const QString name = kavel::optionWithoutValue(parser, parsed, arguments, {&port});
      !name.isEmpty())
    return usageError(name.toStdString() + " needs a value");
  if (!parsed) return usageError(parser.errorText().toStdString());
  if (parser.isSet(help)) {
    std::fputs((kUsageHead + parameterList() + kUsageTail).c_str(), stdout);
    return kavel::cli::kSuccess;
  }
  if (parser.values(port).size() > 1) return usageError("give --port once");
  if (parser.isSet(port) && parser.isSet(simulate))
    return usageError("--port and --simulate exclude each other");
  Command c;
  c.port = parser.value(port).toStdString();
  c.simulate = parser.value(simulate).toStdString();
  if (parser.isSet(simulate) && c.simulate.empty()) return usageError("--simulate=MODEL needs a model");
  c.trace = parser.isSet(trace);
  c.words = parser.positionalArguments();
  return run(c);
}
