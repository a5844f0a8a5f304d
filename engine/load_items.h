#pragma once
// Named load items: polygons over the outline points whose area times a unit
// weight is a weight or buoyancy acting at the centroid. One item at a time is
// copied into the work polygon of the state.

#include <array>
#include <string_view>

#include "engine/calculation_state.h"

namespace kovrel {

struct ItemPoint {
  double x = 0;  // m from the toe end
  double y = 0;  // m above the base underside
};

struct ItemProperties {
  double area = 0;  // m2; an empty polygon has area 0
  double x = 0;     // centroid, m; 0 when the area is not positive
  double y = 0;
  // The polygon for display: the first point, then each point that differs
  // from the one before it, so the closing point comes again at the end.
  std::array<ItemPoint, 16> points{};
  int pointCount = 0;
};

// Water-level case 0..3 from the water depth and the slab thickness.
int waterCase(const TTeisu& state);

// Copies the item's polygon for the current geometry case into the work
// polygon and returns its properties. A name not in the item table gives the
// empty polygon.
ItemProperties itemProperties(TShape& state, std::string_view name);

// Area and centroid of the current work polygon by the coordinate method.
void polygonProperties(const TShape& state, double& area, double& x, double& y);

// Backfill block and surcharge carried by the heel, for item KS_A, KS_M or
// KS_S: sets backfillWeight, backfillInertia, backfillX, backfillY,
// surchargeLoad and surchargeArm. loadOnVirtualFace is the "載荷有" choice of
// RadioGroup4; it only matters for KS_A.
void heelSoilLoads(TShape& state, std::string_view item, bool loadOnVirtualFace);

}  // namespace kovrel
