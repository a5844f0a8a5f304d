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

BENCHMARK(BM_DefaultWallTrialWedgeStem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultWallBackCalculatedStem)->Unit(benchmark::kMillisecond);

}  // namespace
