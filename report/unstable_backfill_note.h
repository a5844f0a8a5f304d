#pragma once
// The report's words for a seismic backfill slope with β + θ ≥ φ: the slope
// cannot stand under the seismic coefficient, the trial wedge finds no earth
// pressure, and nothing that needs one is checked or designed.

#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// The finding in plain words, with the three angles that make it.
void appendUnstableBackfillFinding(const TPa& state, ListBox& box);

// The lines a stability check shows instead of its numbers, ending in its
// judgement 不可.
void appendUnstableBackfillCheck(ListBox& box);

// The summary's short form, after a check's caption.
extern const char* const kUnstableBackfillSummary;

}  // namespace kovrel
