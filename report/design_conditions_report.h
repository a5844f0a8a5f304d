#pragma once
// Report section I: the contents page (ListBox20), the design conditions
// (ListBox7), the allowable stresses and covers (ListBox10), the dimensioned
// outline figure (Chart3) and the page numbers of the base-slab pages.

#include <string>

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// fileName is the design-condition file's name for the "件　名：" line.
// dSlip (m, crest to the top of the slip line) is passed in the pipeline's
// order; the outline figure's extent comes from the wall and the embankment.
void writeDesignConditionsReport(TAntei& state, const DesignConditions& conditions,
                                 ResultsWindow& results, const std::string& fileName, double dSlip);

}  // namespace kovrel
