#pragma once
// The governing numbers of the four stability checks for the command line's
// summary: what each judgement compared.

#include <string>

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"

namespace kovrel {

// check: 1 sliding, 2 overturning, 3 bearing, 4 vertical bearing capacity.
// The text starts with two spaces, e.g. "  Fs=2.54 (必要 1.50)".
std::string stabilityGoverningNumbers(const TAntei& state, const DesignConditions& conditions,
                                      int check);

}  // namespace kovrel
