#pragma once
// Passive earth pressure of the embedment ground in front of the wall: kp and
// passiveForce (kN per metre). Only the sliding check uses it, at half value.

#include "engine/calculation_state.h"

namespace kovrel {

// When the seismic coefficient has no real value (θ > φ puts a negative
// number under the root) or any coefficient is not finite, the passive
// resistance is not counted: kp = passiveForce = 0 and kpUndefined = 1, which
// the report states. Leaving out a resistance errs on the safe side.
void passivePressure(TTeisu& state);

}  // namespace kovrel
