#include "engine/water_pressure.h"

#include <algorithm>

namespace kovrel {

void waterPressure(TPa& s, double top, double h) {
  // Water depth above the face foot, m.
  const double hw = s.waterOn ? std::max(0.0, s.waterDepth - (top - h)) : 0.0;
  s.waterForce = s.gammaW * hw * hw / 2.0;
  s.waterArm = hw / 3.0;
  s.waterMoment = s.waterForce * s.waterArm;
}

}  // namespace kovrel
