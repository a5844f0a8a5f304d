#include "engine/load_assembly.h"

#include <algorithm>

#include "engine/load_items.h"

namespace kovrel {

void assembleLoads(TAntei& s) {
  const double H = s.outlineY[4];  // m, wall height

  // 1-2. Buoyancy of the wall (γw) and of the backfill block (9 kN/m3).
  const ItemProperties wall = itemProperties(s, "W_FA");
  s.wallBuoyancy = wall.area * s.gammaW;
  s.wallBuoyancyX = wall.x;
  s.wallBuoyancyMoment = s.wallBuoyancy * wall.x;
  const ItemProperties soil = itemProperties(s, "KS_FA");
  s.soilBuoyancy = soil.area * kSoilWaterWeight;
  s.soilBuoyancyX = soil.x;
  s.soilBuoyancyMoment = s.soilBuoyancy * soil.x;

  // 3. Wind on the noise barrier standing on the wall top.
  s.windArm = s.windHeight / 2 + H;
  s.windForce = s.windHeight * s.windPressure;
  s.windMoment = s.windForce * s.windArm;

  // 4. Collision on the wall top, spread over the block but never over less
  //    than 1 m.
  s.collisionArm = s.collisionArm + H;
  s.collisionForce = s.collisionLoad / std::max(1.0, s.blockLength);
  s.collisionMoment = s.collisionForce * s.collisionArm;

  // 5. Sums and moments, in this order.
  const double pv = s.earthForceV, ph = s.earthForceH;
  s.sumV =
      s.wallWeight + s.backfillWeight + pv + s.surchargeLoad - (s.wallBuoyancy + s.soilBuoyancy);
  s.sumH = s.collisionForce + s.wallInertia + s.backfillInertia + ph + s.waterForce + s.windForce;
  s.sumHcopy = s.sumH;
  s.backfillMomentV = s.backfillWeight * s.backfillXcopy;
  s.earthMomentV = pv * s.earthForceVX;
  s.surchargeMoment = s.surchargeLoad * s.surchargeX;
  s.resistingMoment = s.wallMomentV + s.backfillMomentV + s.earthMomentV + s.surchargeMoment -
                      (s.wallBuoyancyMoment + s.soilBuoyancyMoment);
  s.backfillMomentH = s.backfillInertia * s.backfillYcopy;
  s.earthMomentH = ph * s.earthForceHY;
  s.overturningMoment = s.wallMomentH + s.backfillMomentH + s.earthMomentH + s.waterMoment +
                        s.windMoment + s.collisionMoment;
  s.netMoment = s.resistingMoment - s.overturningMoment;
}

}  // namespace kovrel
