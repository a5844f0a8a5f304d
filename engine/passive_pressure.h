#pragma once
// Passive earth pressure of the embedment ground in front of the wall: kp and
// passiveForce (kN per metre). Only the sliding check uses it, at half value.

#include "engine/calculation_state.h"

namespace kovrel {

// When the seismic coefficient has no real value (θ > φ puts a negative
// number under the root; kpUndefined = 1) or any coefficient is not finite
// (kpUndefined = 2), the passive resistance is not counted: kp = passiveForce
// = 0, and the report states why. Leaving out a resistance errs on the safe side.
void passivePressure(TTeisu& state);

}  // namespace kovrel
