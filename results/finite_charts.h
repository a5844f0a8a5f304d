#pragma once
// The charts' part of the check a run passes before its results are
// published: every axis limit and every point of every chart must be finite.

#include "results/results_window.h"

namespace kovrel {

// Throws NonFiniteValue naming the chart, its title and the series or axis.
void requireFiniteCharts(const ResultsWindow& results);

}  // namespace kovrel
