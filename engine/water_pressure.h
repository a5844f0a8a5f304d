#pragma once
// Water pressure on a face whose top stands `top` m above the base underside
// and whose height is h (m): waterForce (kN), waterArm (m above the face
// foot) and waterMoment (kNm).

#include "engine/calculation_state.h"

namespace kovrel {

void waterPressure(TPa& state, double top, double h);

}  // namespace kovrel
