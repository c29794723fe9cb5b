// kavel-panel-shots: renders the editor's window with each panel shown, on
// the offscreen platform, connected to a simulated processor of the given
// model, so that the layout can be looked at without a display.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/editor_simulation.h"
#include "qt/dark_style.h"
#include "qt/main_window.h"
#include "qt/qt_clock.h"
#include "qt/qt_serial_port.h"
#include "window/form1.h"

namespace {

constexpr int kOnlineTimeoutMs = 30000;
const char* const kOnline = "联 机 状 态";

// No one is there to close a box: every message is printed and answered OK.
class PrintedDialogs : public kavel::Dialogs {
 public:
  kavel::MessageResult message(const std::string& text, const std::string& title,
                               kavel::MessageIcon, kavel::MessageButtons) override {
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), text.c_str());
    return kavel::MessageResult::Ok;
  }
  std::optional<std::string> input(const std::string&, const std::string&,
                                   const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> openFile(const std::string&,
                                      const std::vector<kavel::FileFilter>&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFile(const std::string&,
                                      const std::vector<kavel::FileFilter>&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

// Runs the event loop until the link label reads online, or the time is up.
bool waitOnline(kavel::Form1& form) {
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  form.Label8.changed.connect([&form, &loop] {
    if (form.Label8.caption() == kOnline) loop.quit();
  });
  if (form.Label8.caption() == kOnline) return true;
  deadline.start(kOnlineTimeoutMs);
  loop.exec();
  return form.Label8.caption() == kOnline;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Renders the editor's window with each of the five panels shown, connected to a simulated "
      "processor, to DIR/panel<i>-model<M>.png.");
  parser.addHelpOption();
  const QCommandLineOption modelOption("model", "The simulated processor: 1, 2, 3 or 3b.", "M",
                                       "1");
  const QCommandLineOption outOption("out", "The folder for the pictures.", "DIR");
  parser.addOption(modelOption);
  parser.addOption(outOption);
  parser.process(app);
  if (!parser.isSet(outOption)) {
    std::fprintf(stderr, "kavel-panel-shots: --out DIR is required\n");
    return 2;
  }
  const QString model = parser.value(modelOption);
  const QDir out(parser.value(outOption));
  if (!QDir().mkpath(out.path())) {
    std::fprintf(stderr, "kavel-panel-shots: cannot create %s\n", qPrintable(out.path()));
    return 3;
  }

  kavel::PortMap map;
  kavel::EditorSimulation simulation;
  if (const std::string error = simulation.start(model.toStdString(), map); !error.empty()) {
    std::fprintf(stderr, "kavel-panel-shots: %s\n", error.c_str());
    return 2;
  }
  kavel::QtClock clock;
  kavel::QtSerialPort port(map);
  PrintedDialogs dialogs;
  kavel::Form1 form(port, clock, dialogs);
  form.applySkin = [&app] { kavel::applyDarkStyle(app); };
  kavel::MainWindow window(form);
  window.setNotice(QString::fromStdString(simulation.notice()));
  window.show();
  form.Form_Load();
  form.mnulianji.click();
  if (!waitOnline(form)) {
    std::fprintf(stderr, "kavel-panel-shots: not online after %d s (the link label reads \"%s\")\n",
                 kOnlineTimeoutMs / 1000, form.Label8.caption().c_str());
    return 1;
  }
  for (int i = 0; i < kavel::Form1::kPanelCount; ++i) {
    form.Command17[i].click();
    const QString path = out.filePath(QString("panel%1-model%2.png").arg(i).arg(model));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "kavel-panel-shots: cannot write %s\n", qPrintable(path));
      return 3;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
