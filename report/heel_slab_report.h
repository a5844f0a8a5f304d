#pragma once
// The heel slab's report pages: its loads, section forces, bars and stresses,
// and the ground-reaction figure.

#include "engine/heel_slab.h"
#include "results/results_window.h"

namespace kovrel {

// ListBox11, StringGrid14, StringGrid9, ListBox16, StringGrid11 and Chart7.
void writeHeelReport(ResultsWindow& results, TAntei& state, const HeelDesign& design,
                     bool colourOutput);

}  // namespace kovrel
