#pragma once
// Report section "1.たて壁の計算" (a) to (f), its two tables and its figures.

#include "engine/stem_wall.h"
#include "results/results_window.h"

namespace kovrel {

// ListBox8, ListBox19 and ListBox14 from the fixed-end design.
void writeStemReport(ResultsWindow& results, const TAntei& state, const StemDesign& design);

// ListBox18 and ListBox22: the cut-off lengths.
void writeAnchorageReport(ResultsWindow& results, const TAntei& state, const StemDesign& design);

// StringGrid1 and StringGrid4 from the four sections.
void writeStemTables(ResultsWindow& results, const StemDesign& design);

// Chart6 and Chart9; recomputes the forces every 0.1 m down the stem.
// colourOutput is RadioGroup10 = 0 ("ｶﾗｰ").
void drawAnchorageFigures(ResultsWindow& results, TAntei& state, const StemDesign& design,
                          bool colourOutput);

// Chart10: the wall outline with the stem's main bar.
void drawStemBarFigure(ResultsWindow& results, TAntei& state);

}  // namespace kovrel
