#pragma once
// The curve of the wedge force P against the slip angle ω on Chart5, with a
// vertical marker at the critical angle of the stability search.

#include "engine/calculation_state.h"
#include "engine/wedge_settings.h"
#include "results/results_window.h"

namespace kovrel {

// Evaluates the wedge on the virtual back face every 0.05 rad over the slip
// angles the search tries (from φ, and below it down to φ − θ in the seismic
// case); the trial-wedge results in the state are the same afterwards as
// before. A backfill slope found unstable in the earthquake leaves the chart
// empty.
void drawEarthPressureCurve(TPa& state, const WedgeSettings& settings, int shape, Chart& chart5);

}  // namespace kovrel
