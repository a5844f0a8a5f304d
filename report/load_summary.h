#pragma once
// The summary lines of the load diagram page (ListBox12): angles, earth
// pressure components, ground reactions at the slab ends and roots, water.

#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

void writeLoadSummary(const TAntei& state, ResultsWindow& results);

}  // namespace kovrel
