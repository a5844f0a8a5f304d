#pragma once
// The set-up the results window runs every time it is shown: active pages,
// column widths, header texts and the row counts of the slab load tables,
// which follow the "buoyancy in the slab design" check box.

#include "results/results_window.h"

namespace kovrel {

void setUpResultsWindow(ResultsWindow& results, bool buoyancyInSlabs);

}  // namespace kovrel
