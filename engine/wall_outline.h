#pragma once
// The 38 outline points of wall body, soil blocks, water line and sections,
// built from the wall dimensions of the active wall type.

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"

namespace kovrel {

void buildWallOutline(TTeisu& state, const DesignConditions& conditions);

}  // namespace kovrel
