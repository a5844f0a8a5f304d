#pragma once
// The bearing-capacity factor pages of the coefficient window: Nc, Nq and Nγ,
// reduced for the load inclination tan θ, for φ = 0° to 45° and θ = 0° to
// 50°, as a table every 5° of θ and as curves on logarithmic charts.

#include <string>
#include <vector>

#include "results/results_window.h"

namespace kovrel {

struct BearingFactorPage {
  std::string caption;  // "支持力係数　Nc" ...
  // φ heads columns 1-10, θ = 0°, 5°, ..., 50° heads rows 1-11.
  StringGrid grid{11, 12};
  // Series1 the curves, Series2 the ends of their ranges; a logarithmic
  // factor axis.
  Chart chart;
};

// The three pages Nc, Nq, Nγ, filled.
std::vector<BearingFactorPage> bearingFactorPages();

}  // namespace kovrel
