#pragma once
// The shear key's report page: its force, bars, stresses and figure.

#include "engine/shear_key.h"
#include "results/results_window.h"

namespace kovrel {

// ListBox13, ListBox17, Chart8, and StringGrid7 when a key is present.
void writeKeyReport(ResultsWindow& results, TAntei& state, const KeyDesign& design,
                    bool colourOutput);

}  // namespace kovrel
