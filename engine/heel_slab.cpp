#include "engine/heel_slab.h"

#include <algorithm>
#include <cmath>

#include "engine/correction_factors.h"
#include "engine/load_items.h"
#include "engine/toe_slab.h"

namespace kovrel {

HeelDesign designHeelSlab(TAntei& s, double stemMoment, bool buoyancy, const BarSetting& setting) {
  HeelDesign h;
  h.buoyancy = buoyancy;
  const double x6 = s.outlineX[6];
  h.length = s.outlineX[8] - x6;
  h.lh = s.outlineX[33] - x6;
  h.tc = x6 - s.outlineX[3];
  h.ms = stemMoment;
  const double wf = buoyancy ? 1.0 : 0.0;

  // Root section: the backfill and surcharge over the whole heel; the
  // vertical earth pressure spread as a triangle growing to the heel end.
  heelSoilLoads(s, "KS_M", false);
  h.root = {s.heelWeightM,   s.backfillWeight, s.surchargeLoad,    s.earthForceV,
            s.heelReactionM, s.heelBuoyancyM,  s.backfillBuoyancyM};
  h.pvEnd = h.length > 0 ? 2 * s.earthForceV / h.length : 0.0;
  h.x1 = s.heelWeightMArm;
  h.x2 = s.backfillX - x6;
  h.x3 = s.surchargeArm;
  h.x4 = 2.0 / 3.0 * h.length;
  h.x5 = s.heelReactionMArm;
  h.x6 = s.backfillBuoyancyMArm;
  h.x7 = s.heelBuoyancyMArm;
  const HeelLoads& r = h.root;
  h.v = r.wc + r.ws + r.wq + r.pv - r.q - wf * (r.wf + r.sf);
  h.mr = r.wc * h.x1 + r.ws * h.x2 + r.wq * h.x3 + r.pv * h.x4 - r.q * h.x5 -
         wf * (r.wf * h.x7 + r.sf * h.x6);
  h.m = std::min(h.mr, h.ms);
  const double y6 = s.outlineY[6];
  h.bars = selectBars(setting, s.allowableSteelTension, h.m, s.slabCover, y6);
  h.d = y6 - s.slabCover;
  h.stresses = sectionStresses(h.bars.providedAs, h.v, h.m, h.d * 1000.0);

  // H/2 section: the part beyond it.
  heelSoilLoads(s, "KS_S", false);
  h.pvH = h.length > 0 ? h.pvEnd * h.lh / h.length : 0.0;
  h.outer = {s.heelWeightS,      s.backfillWeight,
             s.surchargeLoad,    (h.pvEnd + h.pvH) / 2 * (h.length - h.lh),
             s.heelReactionS,    s.heelBuoyancyS,
             s.backfillBuoyancyS};
  const HeelLoads& o = h.outer;
  h.s = o.wc + o.ws + o.wq + o.pv - o.q - wf * (o.wf + o.sf);
  h.dh = s.outlineY[33] - s.slabCover;
  h.tauM = h.dh > 0 ? h.s / (1000.0 * h.dh) : (h.s == 0 ? 0.0 : kUnreinforceable);

  // Allowable shear stress.
  h.ce = ceFactor(h.dh * 1000.0);
  h.pt = h.dh > 0 ? h.bars.providedAs / (h.dh * 1000.0 * 1000.0) : 0.0;
  h.cpt = cptFactor(h.pt * 100.0);
  h.lPrime = h.v != 0 ? h.m / h.v : 0.0;
  h.a = h.lPrime + std::min(h.tc / 2, h.d);
  h.cdc = h.v != 0 ? cdcForSpan(h.a, h.d) : 1.0;
  h.tauCa = s.allowableShearBase * h.ce * h.cpt * h.cdc;
  s.heelCe = h.ce;
  s.heelCpt = h.cpt;
  s.heelCdc = h.cdc;
  s.heelAllowableShear = h.tauCa;
  s.concreteStress = h.stresses.sigmaC;
  s.steelStress = h.stresses.sigmaS;
  s.meanShearStress = h.tauM;
  h.ok = !(h.stresses.sigmaC > s.allowableCompression ||
           h.stresses.sigmaS > s.allowableSteelTension || h.tauM > h.tauCa);

  // The report's root lines show the whole heel again.
  heelSoilLoads(s, "KS_M", false);
  return h;
}

}  // namespace kovrel
