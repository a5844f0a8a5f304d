#pragma once
// The soil-constant window: the guideline's tables of backfill and natural
// ground unit weights and strengths and of the foundation ground, and the
// copy of a chosen row into the design conditions after a confirmation.

#include <string>
#include <vector>

#include "conditions/design_conditions.h"

namespace kovrel {

struct ReferenceGrid {
  std::string name;                   // StringGrid1, StringGrid3, StringGrid2
  std::string group;                  // caption of the group holding the grid
  std::vector<std::string> captions;  // captions above the grid
  std::string hint;
  std::vector<std::string> notes;
  std::vector<std::vector<std::string>> rows;  // row 0 holds the headings
};

// Backfill (StringGrid1), natural ground (StringGrid3), foundation ground
// (StringGrid2), as the window fills them each time it is shown.
const std::vector<ReferenceGrid>& soilConstantGrids();

// A click in the backfill or natural-ground table with row r of the backfill
// table selected: the question to confirm, or empty for the heading row.
std::string soilCopyQuestion(int row);
// Yes to that question: the soil class (its rule runs) and γs, φ, c.
void copySoilConstants(DesignConditions& dc, int row);

// A click in the foundation table on row r: the question, or empty for row 0.
std::string foundationCopyQuestion(int row);
// Yes to that question: qa into Edit16 and μ into Edit17 (the window then hides).
void copyFoundationConstants(DesignConditions& dc, int row);

}  // namespace kovrel
