// Whole calculation runs of the default wall. With RadioGroup7 = 0 the stem
// design takes its earth pressure from a trial wedge at every 0.01 m of the
// cut-off search, the costliest setting of a run.

#include <benchmark/benchmark.h>

#include "run/calculation.h"
#include "run/session.h"

namespace {

void runDefaultWall(benchmark::State& state, int stemPressureMethod) {
  kovrel::Session session;
  session.conditions.setIndex("RadioGroup7", stemPressureMethod);
  for (auto _ : state) {
    benchmark::DoNotOptimize(kovrel::runCalculation(session));
  }
}

void BM_DefaultWallTrialWedgeStem(benchmark::State& state) {
  runDefaultWall(state, 0);
}
void BM_DefaultWallBackCalculatedStem(benchmark::State& state) {
  runDefaultWall(state, 1);
}

// A seismic wall whose largest wedge force lies below φ (slope 1:3.0,
// kh = 0.25): every trial wedge of the stem refines a peak found by the scan
// below φ instead of the first one above it.
void BM_SeismicSlopeWallTrialWedgeStem(benchmark::State& state) {
  kovrel::Session session;
  kovrel::DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup7", 0);
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("TabControl1", 1);
  dc.setText("ComboBox1", "3.0");
  dc.setText("Edit1", "0");
  dc.setText("Edit61", "0.25");
  for (auto _ : state) {
    benchmark::DoNotOptimize(kovrel::runCalculation(session));
  }
}

BENCHMARK(BM_DefaultWallTrialWedgeStem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultWallBackCalculatedStem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeismicSlopeWallTrialWedgeStem)->Unit(benchmark::kMillisecond);

}  // namespace
