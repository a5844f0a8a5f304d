#pragma once
// Report sections II-1 (self weight for the stability calculation) and II-2
// (self weight for the base-slab design): coordinate tables, point figures,
// the item blocks of ListBox6 and the table StringGrid10.

#include <string_view>

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// A coordinate grid being filled block by block: numbered from 1, the first
// block in row 0.
struct CoordinateBlocks {
  StringGrid& grid;
  int counter = 0;
  int nextRow = 0;
};

// One item's block in the coordinate grid and, when a series is given, its
// polygon with vertex numbers in that series. An item without points adds
// nothing.
void coordinateTable(TShape& state, std::string_view item, std::string_view title,
                     CoordinateBlocks& blocks, Series* series);

// The short water line with its inverted triangle over the middle third of
// the heel, at the water depth.
void drawWaterMark(const TTeisu& state, Series& series);

// Writes II-1 (ListBox6, StringGrid2, Chart4) and II-2 (ListBox21,
// StringGrid10, StringGrid5, Chart12). Uses the work polygon of the state.
void writeSelfWeightReports(TAntei& state, const DesignConditions& conditions,
                            ResultsWindow& results);

// Top of the printed II-2 page's text box, in pixels: the inverted-T wall
// with water lists more coordinate blocks, so its text starts higher.
int selfWeightSlabMemoTop(int wallType, bool waterOn);

}  // namespace kovrel
