#pragma once
// The heel slab as a cantilever fixed at the stem's rear face: bending at the
// root and shear at the section H/2 behind it. Lever arms in m measured from
// the stem rear face towards the heel end.

#include "engine/bar_selection.h"
#include "engine/calculation_state.h"
#include "engine/section_design.h"

namespace kovrel {

// Loads on one part of the heel (the whole heel, or the part beyond the H/2
// section), kN.
struct HeelLoads {
  double wc = 0, ws = 0, wq = 0, pv = 0, q = 0, wf = 0, sf = 0;
};

struct HeelDesign {
  bool buoyancy = false;
  double length = 0;  // L = X8 - X6, m
  double lh = 0;      // distance of the H/2 section from the root, m
  double tc = 0;      // stem width at its foot, m
  HeelLoads root;     // whole heel
  HeelLoads outer;    // beyond the H/2 section
  double x1 = 0, x2 = 0, x3 = 0, x4 = 0, x5 = 0, x6 = 0, x7 = 0;  // arms, m
  double pvEnd = 0, pvH = 0;  // vertical earth pressure intensity, kN/m2
  double v = 0, mr = 0, ms = 0, m = 0, s = 0;
  BarSelection bars;
  SectionStresses stresses;  // at the root
  double d = 0, dh = 0;      // effective depths, m
  double tauM = 0, ce = 0, pt = 0, cpt = 0, lPrime = 0, a = 0, cdc = 0, tauCa = 0;
  bool ok = true;
};

HeelDesign designHeelSlab(TAntei& state, double stemMoment, bool buoyancy,
                          const BarSetting& setting);

}  // namespace kovrel
