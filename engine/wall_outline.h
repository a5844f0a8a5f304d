#pragma once
// The 38 outline points of wall body, soil blocks, water line and sections,
// built from the wall dimensions of the active wall type.

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"

namespace kovrel {

// The outline dimensions of one wall, in m (Ho and H1 as entered, in m).
struct WallDimensions {
  double m = 0;   // base slab thickness at the toe and heel ends
  double o = 0;   // haunch height of the base slab
  double l = 0;   // stem height
  double B = 0;   // base width
  double f = 0;   // toe width (0 for the L wall)
  double g = 0;   // batter width of the stem front face
  double t = 0;   // stem top width
  double h = 0;   // heel width
  double u = 0;   // form set width next to the stem
  double kp = 0;  // shear key: front face from the toe end, width, height
  double kw = 0;
  double kh = 0;
  double Ho = 0;  // effective embedment depth of the front ground
};

// The dimensions of the wall type in state.wallType, mm turned into m; the
// shear key only when RadioGroup2 says there is one. Throws ConversionError.
WallDimensions readWallDimensions(const TTeisu& state, const DesignConditions& conditions);

// Writes the outline points from the dimensions, state.wallType,
// state.waterDepth and the backfill surface fields already loaded.
void buildWallOutline(TTeisu& state, const WallDimensions& dims);

void buildWallOutline(TTeisu& state, const DesignConditions& conditions);

}  // namespace kovrel
