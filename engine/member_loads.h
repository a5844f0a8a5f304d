#pragma once
// Loads the toe, heel and key design take from the stability result: self
// weights and buoyancies of the slab parts with their arms, the ground
// reaction at the design sections, and the reaction resultants with arms.

#include "engine/calculation_state.h"

namespace kovrel {

// Runs once the ground reaction (reactionToe, reactionHeel, resultantD,
// bearingState) is known. In bearing state 3 every reaction value is 0.
void computeMemberLoads(TAntei& state);

// Ground reaction in kN/m2 at x (m from the toe end) for the reaction state of
// `state`; 0 outside the loaded length and in bearing state 3.
double groundReactionAt(const TAntei& state, double x);

}  // namespace kovrel
