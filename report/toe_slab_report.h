#pragma once
// The toe slab's report pages: its loads, section forces, bars and stresses,
// and the ground-reaction figure.

#include "engine/toe_slab.h"
#include "results/results_window.h"

namespace kovrel {

// ListBox9, StringGrid8, StringGrid13 (inverted-T wall only), StringGrid3,
// ListBox15 and Chart2.
void writeToeReport(ResultsWindow& results, TAntei& state, const ToeDesign& design,
                    bool colourOutput);

}  // namespace kovrel
