#pragma once
// Titles of the ground-reaction figures of the member pages, set when a run
// loads its design conditions: the toe figure only for the inverted-T wall,
// the key figure only when the wall has a key.

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

void titleMemberFigures(ResultsWindow& results, const TAntei& state,
                        const DesignConditions& conditions);

}  // namespace kovrel
