#pragma once
// The toe slab as a cantilever fixed at the stem's front face: bending at the
// root and shear at the section H/2 in front of it.
// Forces in kN per metre, moments in kN·m, lever arms in m measured from the
// stem front face towards the toe end.

#include "engine/bar_selection.h"
#include "engine/calculation_state.h"
#include "engine/section_design.h"

namespace kovrel {

struct ToeDesign {
  bool lWall = false;
  bool buoyancy = false;  // CheckBox2: buoyancy in the slab design
  bool tooShort = false;  // the H/2 section falls on the root: no shear check
  double s = 0;           // shear at the H/2 section
  double v = 0;           // vertical sum at the root
  double mr = 0;          // root moment
  double ms = 0;          // stem fixed-end moment
  double m = 0;           // design moment min(Mr, Ms)
  BarSelection bars;
  SectionStresses stresses;  // at the root
  double d = 0;              // effective depth at the root, m
  double dh = 0;             // effective depth at the H/2 section, m
  double tauM = 0, ce = 0, pt = 0, cpt = 0, a = 0, cdc = 0, tauCa = 0;
  bool ok = true;
};

ToeDesign designToeSlab(TAntei& state, double stemMoment, bool buoyancy, const BarSetting& setting);

// The shear span's Cdc when the span has no value (no vertical load, no key
// force): taken as no increase.
double cdcForSpan(double a, double d);

}  // namespace kovrel
