#pragma once
// Report section III-1: overturning (ListBox4), bearing (ListBox5), vertical
// bearing capacity (ListBox23), sliding (ListBox3), the ground-reaction
// figure (Chart11), the four judgement captions, then the load summary.

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// Throws ConversionError when the safety-factor method is chosen and its
// required value (LabeledEdit1 or LabeledEdit2) is not a number.
void writeStabilityReport(TAntei& state, const DesignConditions& conditions,
                          ResultsWindow& results);

}  // namespace kovrel
