#pragma once
// The ground-reaction figure of the stability page (Chart11) and the load
// summary next to the load diagram (ListBox12).

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// States 0 to 2: the wall outline with the reaction diagram under it, then the
// load summary. State 3 (no ground reaction): both are emptied.
void drawStabilityFigure(TAntei& state, const DesignConditions& conditions, ResultsWindow& results);

}  // namespace kovrel
