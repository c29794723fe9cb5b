// One complete redraw of the 13-band microphone graph at its panel size:
// the model's arithmetic alone (grid, highlight, curve, markers, hint) and
// the arithmetic plus painting into an image.
#include <memory>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "graph/eq_graph.h"
#include "graph/eq_graph_sizes.h"
#include "qt/eq_graph_widget.h"

namespace kavel {
namespace {

// Fonts and painting need an application object; make one on first use.
void ensureApplication() {
  static std::unique_ptr<QGuiApplication> app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_eq_redraw";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

// The microphone graph with every band off flat, band 6 selected as during a drag.
struct MicGraph {
  explicit MicGraph(const TextMeasure& measure) : graph(EqVariant::MicEQLine, flags) {
    graph.setTextMeasure(measure);
    graph.resize(kMicEQLine1Size.width, kMicEQLine1Size.height);
    graph.InitEQ(13);
    const std::vector<double> f = graph.getAverX();
    for (int i = 0; i < 13; ++i) graph.setVal(i, f[i], (i % 5) * 2.5 - 5, 1 + i * 0.7);
    graph.setT(0, kLowShelf);
    graph.setT(1, kHighShelf);
    graph.markerMouseDown(6, kRightButton, 4, 4);  // select without moving
  }
  EqFlags flags;
  EqGraph graph;
};

void BM_MicRedrawArithmetic(benchmark::State& state) {
  MicGraph g(estimateTextExtent);
  for (auto _ : state) {
    g.graph.redraw();
    benchmark::DoNotOptimize(g.graph.scene().curve.data());
  }
}
BENCHMARK(BM_MicRedrawArithmetic)->Unit(benchmark::kMicrosecond);

void BM_MicRedrawAndPaint(benchmark::State& state) {
  ensureApplication();
  const EqGraphFonts fonts = EqGraphFonts::standard();
  MicGraph g(fontTextMeasure(fonts));
  QImage image(kMicEQLine1Size.width, kMicEQLine1Size.height, QImage::Format_RGB32);
  for (auto _ : state) {
    g.graph.redraw();
    image.fill(QColor(101, 101, 101));
    QPainter p(&image);
    paintEqGraph(p, g.graph, fonts);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_MicRedrawAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavel
