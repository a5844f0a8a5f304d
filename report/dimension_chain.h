#pragma once
// A chain of dimension lines: ticks and arrowheads at both ends of every
// segment, each segment labelled with its length in millimetres.

#include <span>

#include "results/results_window.h"

namespace kovrel {

enum class ChainDirection { AlongX = 0, AlongY = 1 };

// Empties the series and draws the first `count` lengths (m) end to end from
// (x0, y0). Each label sits at length/divisor into its segment (2: the
// middle). A chain of one zero length draws nothing; a zero length elsewhere
// keeps its marks but shows no number (the last length is always numbered).
void drawDimensionChain(Series& series, ChainDirection direction, std::span<const double> lengths,
                        double x0, double y0, double divisor, int count);

}  // namespace kovrel
