#pragma once
// Adapts the menus, the base-slab report page headings and numbers and the
// result pages to the wall type (inverted T or L) and to the shear key.

#include "conditions/design_conditions.h"
#include "conditions/design_window.h"
#include "results/report_menu.h"
#include "results/results_window.h"

namespace kovrel {

void applyWallTypeLayout(const DesignConditions& dc, ReportMenu& menus, ResultsWindow& results,
                         DesignWindow& window);

}  // namespace kovrel
