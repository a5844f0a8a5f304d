#include "engine/toe_slab.h"

#include <algorithm>
#include <cmath>

#include "engine/correction_factors.h"

namespace kovrel {

double cdcForSpan(double a, double d) {
  const double ratio = a / d;
  return std::isfinite(ratio) ? cdcFactor(ratio) : 1.0;
}

ToeDesign designToeSlab(TAntei& s, double stemMoment, bool buoyancy, const BarSetting& setting) {
  ToeDesign t;
  t.lWall = s.wallType == 1;
  t.buoyancy = buoyancy;
  t.tooShort = s.toeSectionX == s.outlineX[3];
  t.ms = stemMoment;
  // Section forces: the L wall has no toe and keeps them at 0.
  if (!t.lWall) {
    const double wf = buoyancy ? 1.0 : 0.0;
    t.s = -s.toeWeightS + s.toeReactionS + wf * s.toeBuoyancyS;
    t.v = -s.toeWeightM + s.toeReactionM + wf * s.toeBuoyancyM;
    t.mr = -s.toeWeightM * s.toeWeightMArm + s.toeReactionM * s.toeReactionMArm +
           wf * s.toeBuoyancyM * s.toeBuoyancyMArm;
  }
  // Never designed for more than the stem's fixed-end moment.
  t.m = std::min(t.mr, t.ms);
  const double y3 = s.outlineY[3];
  t.bars = selectBars(setting, s.allowableSteelTension, t.m, s.slabCover, y3);
  t.d = y3 - s.slabCover;
  t.stresses = sectionStresses(t.bars.providedAs, t.s, t.m, t.d * 1000.0);
  s.concreteStress = t.stresses.sigmaC;
  s.steelStress = t.stresses.sigmaS;
  s.meanShearStress = t.stresses.tau;
  if (!t.lWall) {
    t.dh = s.toeSectionY - s.slabCover;
    t.tauM = t.dh > 0 ? t.s / (1000.0 * t.dh) : (t.s == 0 ? 0.0 : kUnreinforceable);
    t.ce = ceFactor(t.dh * 1000.0);
    t.pt = t.dh > 0 ? t.bars.providedAs / (t.dh * 1000.0 * 1000.0) : 0.0;
    t.cpt = cptFactor(t.pt * 100.0);
    t.a = t.v != 0 ? t.m / t.v : 0.0;
    t.cdc = t.v != 0 ? cdcForSpan(t.a, t.d) : 1.0;
    t.tauCa = s.allowableShearBase * t.ce * t.cpt * t.cdc;
    s.toeCe = t.ce;
    s.toeCpt = t.cpt;
    s.toeCdc = t.cdc;
    s.toeAllowableShear = t.tauCa;
  }
  const bool shearChecked = !t.lWall && !t.tooShort;
  t.ok = !(t.stresses.sigmaC > s.allowableCompression ||
           t.stresses.sigmaS > s.allowableSteelTension || (shearChecked && t.tauM > t.tauCa));
  return t;
}

}  // namespace kovrel
