#include "engine/shear_key.h"

#include <cmath>

#include "engine/correction_factors.h"
#include "engine/stability_checks.h"
#include "engine/toe_slab.h"

namespace kovrel {

KeyDesign designShearKey(TAntei& s, bool present, const BarSetting& setting) {
  KeyDesign k;
  k.present = present;
  k.height = std::abs(s.outlineY[12] - s.outlineY[13]);
  k.width = s.outlineX[11] - s.outlineX[12];
  k.dk = -s.slabCover;
  if (!present) {
    k.stresses = {0, s.concreteStress, s.steelStress, s.meanShearStress};
    return k;
  }
  // The key's force and moment from the sliding check with the key.
  computeReactionWidth(s);
  KeyForces forces = computeSliding(s, true);
  // A force without a value (no horizontal load to share) is a key that
  // carries nothing.
  k.ht = std::isfinite(forces.ht) ? forces.ht : 0.0;
  k.m = std::isfinite(forces.m) ? forces.m : 0.0;
  k.bars = selectBars(setting, s.allowableSteelTension, k.m, s.slabCover, k.width);
  k.dk = k.width - s.slabCover;
  k.stresses = sectionStresses(k.bars.providedAs, k.ht, k.m, k.dk * 1000.0);
  s.concreteStress = k.stresses.sigmaC;
  s.steelStress = k.stresses.sigmaS;
  s.meanShearStress = k.stresses.tau;
  k.ce = ceFactor(k.dk * 1000.0);
  k.pt = k.dk > 0 ? k.bars.providedAs / (k.dk * 1000.0 * 1000.0) : 0.0;
  k.cpt = cptFactor(k.pt * 100.0);
  // Without a key force the shear span has no value: no increase (Cdc = 1).
  k.a = k.ht != 0 ? k.m / k.ht : 0.0;
  k.cdc = k.ht != 0 ? cdcForSpan(k.a, k.dk) : 1.0;
  k.tauCa = s.allowableShearBase * k.ce * k.cpt * k.cdc;
  s.keyCe = k.ce;
  s.keyCpt = k.cpt;
  s.keyCdc = k.cdc;
  s.keyAllowableShear = k.tauCa;
  k.ok = !(k.stresses.sigmaC > s.allowableCompression ||
           k.stresses.sigmaS > s.allowableSteelTension || k.stresses.tau > k.tauCa);
  return k;
}

}  // namespace kovrel
