#include "engine/passive_pressure.h"

#include <algorithm>
#include <cmath>

namespace kovrel {

void passivePressure(TTeisu& s) {
  const double phi = s.phiEmbed;
  const double c = s.cohesionEmbed;
  const double g2 = s.gamma2;        // kN/m3
  const double ho = s.outlineY[24];  // m, effective embedment above the base underside
  const double sinPhi = std::sin(phi);

  // 1. Coefficient: Rankine in the normal case, the seismic form otherwise.
  double kp;
  int undefined = 0;  // 1: θ > φ, 2: any other coefficient without a finite value
  if (s.loadCase == 0) {
    kp = (1 + sinPhi) / (1 - sinPhi);
  } else {
    const double th = s.seismicAngle;
    const double radicand = sinPhi * std::sin(phi - th) / std::cos(-th);
    if (radicand < 0) undefined = 1;
    const double root = 1 - std::sqrt(std::max(0.0, radicand));
    kp = std::pow(std::cos(phi - th), 2) / (std::cos(th) * std::cos(-th) * root * root);
  }
  if (!undefined && (!std::isfinite(kp) || kp < 0)) undefined = 2;
  if (undefined) {
    s.kp = 0;
    s.passiveForce = 0;
    s.kpUndefined = undefined;
    return;
  }
  s.kp = kp;
  s.kpUndefined = 0;

  // 2-3. Force; under water the soil below the water level weighs γ2 - 9.
  const double cohesionTerm = 2 * c * std::sqrt(kp);
  if (!s.waterOn) {
    s.passiveForce = g2 * ho * ho * kp / 2 + cohesionTerm;
  } else {
    const double ha = std::max(0.0, ho - s.waterDepth);  // m above the water
    const double hb = std::min(s.waterDepth, ho);        // m below it
    const double o = g2 * kp * ha;                       // kN/m2 at the water level
    s.passiveForce =
        cohesionTerm + o * ha / 2 + hb * (2 * o + kp * hb * (g2 - kSoilWaterWeight)) / 2;
  }
}

}  // namespace kovrel
