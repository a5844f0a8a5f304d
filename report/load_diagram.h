#pragma once
// The load diagram of section III-2 (Chart1): wall, slip line, surcharge and
// ground surface, the earth pressure components, the resultant of all loads,
// the middle-third marks, the ground reaction, water and front soil.
// Frame: x m from the toe end, y m up from the base underside; forces drawn
// to fixed scales (earth pressure 1 m per 100 kN, resultant 1 m per 1000 kN,
// reaction 1 m per 100 kN/m2 downwards, water 1 m per 10 kN/m2).

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// xSlipTop: x of the slip line's upper end (m); h: height of the virtual back
// face (m); dSlip: xSlipTop less the x of the stem's top rear corner (m).
void drawLoadDiagram(TAntei& state, const DesignConditions& conditions, ResultsWindow& results,
                     double xSlipTop, double h, double dSlip);

}  // namespace kovrel
