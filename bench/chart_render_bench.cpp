// Drawing the default wall's figures, as every export does for each of them:
// all twelve through the renderer to SVG, and the most crowded one (the member
// point numbers, whose labels are moved apart) on its own.

#include <benchmark/benchmark.h>

#include "app/chart_renderer.h"
#include "app/svg_canvas.h"
#include "run/calculation.h"
#include "run/session.h"

namespace {

const kovrel::ResultsWindow& defaultResults() {
  static const kovrel::Session session = [] {
    kovrel::Session s;
    kovrel::runCalculation(s);
    return s;
  }();
  return session.results;
}

// Only counts what it is given, so the time is the renderer's own.
class NullCanvas : public kovrel::ChartCanvas {
 public:
  void begin(int, int) override {}
  void polyline(std::span<const kovrel::CanvasPoint> p, kovrel::Colour, double) override {
    count += p.size();
  }
  void text(kovrel::CanvasPoint, std::string_view t, const kovrel::TextStyle&) override {
    count += t.size();
  }
  void end() override {}
  size_t count = 0;
};

void BM_EveryDefaultFigureAsSvg(benchmark::State& state) {
  const kovrel::ResultsWindow& results = defaultResults();
  for (auto _ : state) {
    for (const auto& [name, chart] : results.charts()) {
      benchmark::DoNotOptimize(kovrel::chartAsSvg(chart));
    }
  }
}

void BM_CrowdedPointNumbersRendered(benchmark::State& state) {
  const kovrel::Chart& chart = defaultResults().chart("Chart12");
  NullCanvas canvas;
  for (auto _ : state) {
    kovrel::renderChart(chart, canvas);
    benchmark::DoNotOptimize(canvas.count);
  }
}

BENCHMARK(BM_EveryDefaultFigureAsSvg)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrowdedPointNumbersRendered)->Unit(benchmark::kMicrosecond);

}  // namespace
