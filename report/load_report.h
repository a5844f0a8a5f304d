#pragma once
// Report section II-3: the earth-pressure calculation (ListBox1 with the curve
// on Chart5) and the other loads (ListBox2).

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

void writeLoadReport(TAntei& state, const DesignConditions& conditions, ResultsWindow& results);

}  // namespace kovrel
