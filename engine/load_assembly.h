#pragma once
// Buoyancy, wind and collision loads, and the sums and moments about the toe
// end of the base underside that the stability checks use.

#include "engine/calculation_state.h"

namespace kovrel {

void assembleLoads(TAntei& state);

}  // namespace kovrel
