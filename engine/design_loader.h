#pragma once
// Fills the design constants of a fresh calculation state from the design
// conditions: mm to m, degrees to radians, switches to their values. Reads the
// controls as they stand; the input checks have run before.

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"

namespace kovrel {

// Throws ConversionError at the first control text that is not a number.
void loadDesignConditions(TAntei& state, const DesignConditions& conditions);

}  // namespace kovrel
