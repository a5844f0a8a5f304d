#pragma once
// The table of every control of the design-conditions window and of the
// allowable-stresses window ("Form9." names), in window order, at the values
// the forms start with. The start-up rules of the window adjust some of them.

#include <vector>

#include "conditions/control.h"

namespace kovrel {

std::vector<Control> initialControls();

}  // namespace kovrel
