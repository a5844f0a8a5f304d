#pragma once
// The member design of one run: stem wall with its bar cut-off, toe slab, heel
// slab and shear key, each writing its own report pages.

#include "engine/calculation_state.h"
#include "run/session.h"

namespace kovrel {

// Runs after the stability pipeline when the ground reaction exists
// (bearingState 0, 1 or 2). Reuses the stability fields of the state and
// fills session.memberJudgements.
void designMembers(TAntei& state, Session& session);

}  // namespace kovrel
