#pragma once
// The stability part of one run: loads, earth pressure, stability checks and
// their report pages, in a fixed order.

#include "engine/calculation_state.h"
#include "run/session.h"

namespace kovrel {

void runStabilityPipeline(TAntei& state, Session& session);

}  // namespace kovrel
