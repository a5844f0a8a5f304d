#pragma once
// The line of the ground behind the wall (kind 1) or of the surcharge and
// snow drawn as an equivalent soil height over it (kind 2), from the wall's
// top rear corner out to 100 m behind it.

#include <string>

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"

namespace kovrel {

enum class SurfaceKind { Ground = 1, Surcharge = 2 };

// The texts of the surface line's labels and the point indices carrying them
// (-1 and " " when a shape has no such label).
struct SurfaceLabels {
  std::string first = " ";
  int firstIndex = -1;
  std::string second = " ";
  int secondIndex = -1;
};

// Writes surfaceLineLast, surfaceLineX and surfaceLineY (m, wall frame).
// Reads the surcharge and snow switches and the load-position choices from
// the design conditions, the loads from the state.
SurfaceLabels buildSurfaceLine(TShape& state, const DesignConditions& conditions, SurfaceKind kind);

}  // namespace kovrel
