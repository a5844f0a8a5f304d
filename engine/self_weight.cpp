#include "engine/self_weight.h"

#include "engine/load_items.h"

namespace kovrel {

void computeWallWeight(TAntei& s) {
  const ItemProperties wall = itemProperties(s, "W_A");
  s.wallWeight = wall.area * s.gammaC;  // kN per metre of wall
  s.wallInertia = s.wallWeight * s.khInertia;
  s.wallX = wall.x;                        // m from the toe end
  s.wallY = wall.y;                        // m above the base underside
  s.wallMomentV = s.wallWeight * s.wallX;  // kNm
  s.wallMomentH = s.wallInertia * s.wallY;
}

void computeHeelBackfill(TAntei& s, bool loadOnVirtualFace) {
  heelSoilLoads(s, "KS_A", loadOnVirtualFace);
}

}  // namespace kovrel
