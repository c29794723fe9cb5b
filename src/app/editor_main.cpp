// kavel-editor: the editor's window on a real (or simulated) serial port.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/editor_simulation.h"
#include "link/port_map.h"
#include "qt/qt_translations.h"
#include "qt/dark_style.h"
#include "qt/main_window.h"
#include "qt/qt_clock.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_serial_port.h"
#include "window/form1.h"

namespace {

const char kUsage[] =
    "用法: kavel-editor [选项]\n"
    "  --port COMn=DEVICE   把端口号 COMn (1-16) 对应到设备 DEVICE, 可重复\n"
    "                       例: --port COM5=/dev/ttyUSB0\n"
    "  --list-ports         列出 COM1-COM16 对应的设备后退出\n"
    "  --simulate[=MODEL]   接一台模拟处理器 (型号 1, 2, 3 或 3b, 默认 1),\n"
    "                       作为 COM15 提供并自动选择\n"
    "  --help               显示本说明\n"
    "选项的值可写作 --port VALUE 或 --port=VALUE。\n"
    "\n"
    "默认对应: COM1-COM4 = /dev/ttyS0-3, COM5-COM10 = /dev/ttyUSB0-5,\n"
    "          COM11-COM14 = /dev/ttyACM0-3, COM15-COM16 未对应\n";

struct Options {
  std::vector<std::string> portOverrides;
  bool listPorts = false;
  std::string simulate;  // the simulated processor's model; empty for none
};

// An option's name as it is written: "-h", "--port".
QString dashes(const QString& name) { return (name.size() == 1 ? "-" : "--") + name; }

// What is wrong with the parsed command line, or empty. `withoutValue` is
// the option given without its value.
QString problem(const QCommandLineParser& parser, bool parsed, const QString& withoutValue) {
  if (withoutValue == "--port") return "--port 需要一个值: COMn=DEVICE";
  if (!withoutValue.isEmpty()) return withoutValue + "= 需要型号: 1, 2, 3 或 3b";
  if (!parser.unknownOptionNames().isEmpty())
    return "不认识的参数 \"" + dashes(parser.unknownOptionNames().first()) + "\"";
  if (!parsed) return "参数有误: " + parser.errorText();
  if (!parser.positionalArguments().isEmpty())
    return "不认识的参数 \"" + parser.positionalArguments().first() + "\"";
  return {};
}

// Parses the command line; returns false (after printing why) when it is wrong.
bool parse(int argc, char** argv, Options& options) {
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{"h", "help"});
  const QCommandLineOption port("port", "", "COMn=DEVICE");
  const QCommandLineOption listPorts("list-ports");
  const QCommandLineOption simulate("simulate", "", "MODEL");
  parser.addOptions({help, port, listPorts, simulate});
  const QStringList args = kavel::withDefaultValue(kavel::argumentList(argc, argv), "simulate", "1");
  const bool parsed = parser.parse(args);
  if (parsed && parser.isSet(help)) {
    std::fputs(kUsage, stdout);
    std::exit(0);
  }
  const QString what =
      problem(parser, parsed, kavel::optionWithoutValue(parser, parsed, args, {&port, &simulate}));
  if (!what.isEmpty()) {
    std::fprintf(stderr, "kavel-editor: %s\n\n%s",
                 kavel::printable(what.toLocal8Bit().toStdString()).c_str(), kUsage);
    return false;
  }
  for (const QString& text : parser.values(port)) options.portOverrides.push_back(text.toStdString());
  options.listPorts = parser.isSet(listPorts);
  if (parser.isSet(simulate)) options.simulate = parser.value(simulate).toStdString();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) return 2;
  kavel::PortMap map;
  for (const std::string& text : options.portOverrides) {
    if (const std::string error = map.applyOverride(text); !error.empty()) {
      std::fprintf(stderr, "kavel-editor: %s\n",
                   kavel::printable("--port " + text + ": " + error).c_str());
      return 2;
    }
  }
  if (options.listPorts) {
    std::fputs(kavel::formatPortList(map.entries()).c_str(), stdout);
    return 0;
  }

  // Made before the port so that it outlives it: the editor's last words
  // (going offline at exit) still reach the simulated processor.
  kavel::EditorSimulation simulation;
  if (!options.simulate.empty()) {
    if (const std::string error = simulation.start(options.simulate, map); !error.empty()) {
      std::fprintf(stderr, "kavel-editor: %s\n", kavel::printable(error).c_str());
      return 2;
    }
  }

  QApplication app(argc, argv);
  kavel::installChineseTranslations(app);
  kavel::QtClock clock;
  kavel::QtSerialPort port(map);
  kavel::QtDialogs dialogs;
  kavel::Form1 form(port, clock, dialogs);
  kavel::MainWindow window(form);
  dialogs.setParent(&window);
  window.setNotice(QString::fromStdString(simulation.notice()));
  form.applySkin = [&app] { kavel::applyDarkStyle(app); };
  kavel::Dialogs& boxes = dialogs;
  // A device that is gone leaves the window offline, so that 联机 can be
  // chosen again once it is back; nothing keeps sending into the void.
  port.onLost = [&boxes, &form](const std::string& reason) {
    form.handshake.offlineAcknowledged();
    boxes.message(reason, kavel::Form1::kCaption, kavel::MessageIcon::Error);
  };

  // The window opens centred; the start-up runs once it is on screen, so its
  // messages appear over it.
  if (QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.show();
  QTimer::singleShot(0, [&form] { form.Form_Load(); });
  return app.exec();
}
