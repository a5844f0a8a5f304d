#pragma once
// The design-conditions window as start-up leaves it; this also defines the
// state of every control the file stores before anything is loaded.

#include "conditions/design_conditions.h"
#include "conditions/design_window.h"

namespace kovrel {

// Run once, with the window rules installed, before the window is first shown.
// The shear-key pages and the wall-type layout are the caller's next step.
void setUpDesignWindow(DesignConditions& dc, DesignWindow& w);

}  // namespace kovrel
