// A small host for the EQ graphs and band editors: shows the microphone
// (MicEQLine), effect (ucEQLine) and subwoofer (ucEQLine1) graphs, each with
// a row of band editors wired as the panels wire them. With --render DIR it
// writes each one to DIR/<graph>.png instead of opening a window.
#include <memory>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

#include "graph/band_editor.h"
#include "graph/eq_graph.h"
#include "graph/eq_graph_sizes.h"
#include "qt/band_editor_widget.h"
#include "qt/dark_style.h"
#include "qt/eq_graph_widget.h"
#include "qt/qt_dialogs.h"

namespace kavel {
namespace {

constexpr int kMargin = 8;
constexpr int kEditorWidth = 51;

// One graph with its band editors, wired like a panel: the graph's Changed
// writes the editor, an editor's events set the graph.
class GraphPanel : public QWidget {
 public:
  GraphPanel(EqVariant variant, int bands, EqGraphSize size, const EqFlags& flags,
             Dialogs& dialogs, double q)
      : graph_(variant, flags) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(101, 101, 101));
    setPalette(pal);
    auto* view = new EqGraphWidget(graph_, this);
    view->setGeometry(kMargin, kMargin, size.width, size.height);
    graph_.resize(size.width, size.height);  // the view's resize event then finds it done
    graph_.InitEQ(bands);
    for (int i = 0; i < bands; ++i) {
      editors_.push_back(std::make_unique<BandEditor>(dialogs));
      BandEditor& e = *editors_.back();
      auto* w = new BandEditorWidget(e, this);
      w->move(kMargin + 40 + i * kEditorWidth, kMargin + size.height + 6);
      e.DBChanged.connect([this, i](double v) { graph_.setDB(i, v); });
      e.FChanged.connect([this, i](double v) { graph_.setF(i, v); });
      e.QChanged.connect([this, i](double v) { graph_.setQ(i, v); });
      e.TChanged.connect([this, i](std::int16_t v) { graph_.setT(i, v); });
    }
    graph_.Changed.connect([this](int i, double f, double db, double q) {
      editors_[i]->setVal(f, db, q);
    });
    const std::vector<double> f = graph_.getAverX();
    for (int i = 0; i < bands; ++i) graph_.setVal(i, f[i], 0, q);
    graph_.redraw();  // start with nothing shaded
    setFixedSize(std::max(size.width, 40 + bands * kEditorWidth) + 2 * kMargin,
                 kMargin + size.height + 6 + 245 + kMargin);
  }
  EqGraph& graph() { return graph_; }
  BandEditor& editor(int i) { return *editors_[i]; }

 private:
  EqGraph graph_;
  std::vector<std::unique_ptr<BandEditor>> editors_;
};

// A few bands away from flat so the picture shows every element.
void shapeMicrophone(GraphPanel& p) {
  EqGraph& g = p.graph();
  g.setNcap("低");
  g.setNcap1("高");
  p.editor(0).setQEnabled(false);
  p.editor(1).setQEnabled(false);
  g.setVal(0, 120, 4.5, 10.4, kLowShelf);
  g.setVal(1, 8000, -3, 10.4, kHighShelf);
  g.setVal(4, 400, -6.5, 2);
  g.setVal(9, 3200, 8, 4.5);
  g.setVal(6, 1000, 5, 1.4);  // set last: stays shaded with its hint
}

void shapeEffect(GraphPanel& p) {
  EqGraph& g = p.graph();
  g.setVal(1, 90, 6, 3);
  g.setVal(5, 6000, -4, 5);
  g.setVal(3, 1200, 9.5, 8);  // selected
}

void shapeSubwoofer(GraphPanel& p) {
  EqGraph& g = p.graph();
  g.setVal(0, 30, 7, 4);
  g.setVal(4, 300, -5, 6);
  g.setVal(2, 80, -8, 9);  // selected
}

}  // namespace
}  // namespace kavel

int main(int argc, char** argv) {
  using namespace kavel;
  QApplication app(argc, argv);
  applyDarkStyle(app);
  QString renderDir;
  const QStringList args = app.arguments();
  const int at = int(args.indexOf("--render"));
  if (at >= 0) {
    if (at + 1 >= args.size()) {
      QTextStream(stderr) << "usage: kavel-graph-demo [--render DIR]\n";
      return 2;
    }
    renderDir = args[at + 1];
  }

  EqFlags flags;
  flags.micShelfMode = true;
  flags.micPanelShown = true;
  QtDialogs dialogs;
  GraphPanel mic(EqVariant::MicEQLine, 13, kMicEQLine1Size, flags, dialogs, 10.4);
  GraphPanel effect(EqVariant::ucEQLine, 7, kucEQLine3Size, flags, dialogs, 4);
  GraphPanel sub(EqVariant::ucEQLine1, 5, kucEQLine11Size, flags, dialogs, 4);
  shapeMicrophone(mic);
  shapeEffect(effect);
  shapeSubwoofer(sub);

  if (!renderDir.isEmpty()) {
    if (!QDir().mkpath(renderDir)) {
      QTextStream(stderr) << "cannot create " << renderDir << "\n";
      return 1;
    }
    const struct { GraphPanel* panel; const char* name; } shots[] = {
        {&mic, "MicEQLine"}, {&effect, "ucEQLine"}, {&sub, "ucEQLine1"}};
    for (const auto& s : shots) {
      const QString path = QDir(renderDir).filePath(QString(s.name) + ".png");
      if (!s.panel->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return 1;
      }
      QTextStream(stdout) << path << "\n";
    }
    return 0;
  }

  QTabWidget tabs;
  tabs.setWindowTitle("KAVEL-7 EQ graphs");
  // The tabs own their pages; hand them over without deleting the stack objects.
  for (auto [panel, title] : {std::pair{&mic, "MicEQLine"}, std::pair{&effect, "ucEQLine"},
                              std::pair{&sub, "ucEQLine1"}}) {
    tabs.addTab(panel, title);
  }
  tabs.show();
  const int rc = app.exec();
  for (int i = tabs.count() - 1; i >= 0; --i) tabs.widget(i)->setParent(nullptr);
  return rc;
}
