#pragma once
// The ground-reaction diagram under the base, drawn 1 m per 100 kN/m2
// downwards, for the load diagram, the stability page and the slab pages.

#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

enum class ReactionVariant {
  Plain = 0,     // load diagram, stability page without a key
  ToeSlab = 1,   // ordinate at the stem front face
  HeelSlab = 2,  // ordinates at the stem rear face and the heel section
  ShearKey = 3,  // ordinates at the key faces
};

// Empties the series and draws the diagram of the bearing state; nothing for
// state 3. Uses reactionToe, reactionHeel, resultantD, bearingState, the
// outline and the section reactions of computeMemberLoads.
void drawReactionDiagram(const TAntei& state, Series& series, ReactionVariant variant);

}  // namespace kovrel
