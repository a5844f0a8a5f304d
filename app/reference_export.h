#pragma once
// The reference tables as JSON, as the reference windows would show them:
// the soil constants, the earth-pressure coefficient table and the
// bearing-capacity factor tables.

#include <string>

#include "conditions/design_conditions.h"

namespace kovrel {

std::string referenceTablesAsJson(const DesignConditions& dc);

}  // namespace kovrel
