#pragma once
// Self weight of the wall body and the backfill block over the heel for the
// stability calculation.

#include "engine/calculation_state.h"

namespace kovrel {

// Wall body from item W_A: weight (area x γc), inertia force, centroid and
// the two moments about the toe end of the base underside.
void computeWallWeight(TAntei& state);

// Backfill block between the stem's rear face and the virtual back face, with
// the surcharge over the heel; loadOnVirtualFace is RadioGroup4 = 0 ("載荷有").
void computeHeelBackfill(TAntei& state, bool loadOnVirtualFace);

}  // namespace kovrel
