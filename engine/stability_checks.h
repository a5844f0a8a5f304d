#pragma once
// Stability of the wall on its base: resultant position and ground reaction,
// ultimate bearing capacity, reaction width and sliding. B is the base width
// (outlineX[9]); forces per metre of wall, moments about the toe end of the
// base underside.

#include "engine/calculation_state.h"

namespace kovrel {

// d, e, the required bearing safety factor, qaAllow, bearingState, q1, q2, Be.
// Without a positive vertical load (or base width) the resultant has no
// position on the base: the state is 3 with d = 0 and e = B/2.
void computeGroundReaction(TAntei& state);

// The ultimate bearing capacity qu with its terms; blockLength is the block
// length L (m) of ComboBox18. A block length not above 0 counts as long
// (Be/L taken as 1); an effective width not above 0 leaves qu and Vo/Be at 0.
void computeUltimateBearing(TAntei& state, double blockLength);

// Length of the base in compression.
void computeReactionWidth(TAntei& state);

// Force Ht (kN) and moment M (kNm) taken by the shear key.
struct KeyForces {
  double ht = 0;
  double m = 0;
};

// Sliding safety factor, without or with a shear key (hasKey: RadioGroup2 =
// 1); with a key also the partition b1..b3, v1..v3, Hk and the key forces.
KeyForces computeSliding(TAntei& state, bool hasKey);

}  // namespace kovrel
