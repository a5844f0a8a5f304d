#pragma once
// The plausibility checks run before every calculation. Each finding is added
// to the message log as a warning or a blocking finding; the pass always runs
// to the end so the user sees every finding of one attempt.

#include "base/messages.h"
#include "conditions/design_conditions.h"

namespace kovrel {

// True when at least one finding blocks the run. Throws ConversionError when a
// text it compares is not a number.
bool checkDesignConditions(const DesignConditions& conditions, MessageLog& messages);

}  // namespace kovrel
