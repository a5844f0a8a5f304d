#pragma once
// The set-up the results window runs every time it is shown: active pages,
// column widths, header texts and the row counts of the slab load tables,
// which follow the "buoyancy in the slab design" check box.

#include "results/results_window.h"

namespace kovrel {

void setUpResultsWindow(ResultsWindow& results, bool buoyancyInSlabs);

// The captions and row counts of the four slab load tables alone. A run
// lays them out again when the window is already showing: the slab design
// writes the buoyancy rows whenever the check box is on, and a table laid
// out before it was switched on has no room for them.
void setUpSlabLoadTables(ResultsWindow& results, bool buoyancyInSlabs);

}  // namespace kovrel
