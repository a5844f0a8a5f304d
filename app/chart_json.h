#pragma once
// A results chart as JSON, the one shape the results and the reference tables
// share: title, left-axis title, axis ranges, whether the left axis grows
// downwards ("leftInverted") and the series with their points.

#include "app/json_writer.h"
#include "results/results_window.h"

namespace kovrel {

// A point with kNullPointColour is written as null.
void writeChartJson(JsonWriter& j, const Chart& chart);

}  // namespace kovrel
