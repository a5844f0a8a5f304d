#pragma once
// The program's start-up: the design conditions as the design-conditions
// window holds them once it is first shown, and no file name yet.

#include "engine/session.h"

namespace kovrel {

void startUp(Session& session);

}  // namespace kovrel
