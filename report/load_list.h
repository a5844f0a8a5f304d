#pragma once
// The load list of section II-3 (StringGrid6): one row per load with its
// vertical and horizontal force, points of action and moments about the toe.

#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// Marks a quantity that does not apply to a row; written as "---".
inline constexpr double kNotApplicable = -99;

// Columns 1 to 6 of one row: V and H by "#,0.00kN", x and y by "#,0.000m",
// Vx and Hy by "#,0.00kNm".
void setLoadListRow(StringGrid& grid, int row, double v, double h, double x, double y, double vx,
                    double hy);

void writeLoadList(const TAntei& state, ResultsWindow& results);

}  // namespace kovrel
