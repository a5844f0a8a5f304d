#pragma once
// The shear key as a cantilever 1 m wide hanging from the base underside,
// loaded by the horizontal force Ht it takes from the sliding check.

#include "engine/bar_selection.h"
#include "engine/calculation_state.h"
#include "engine/section_design.h"

namespace kovrel {

struct KeyDesign {
  bool present = false;
  double ht = 0;      // kN
  double m = 0;       // kN·m
  double height = 0;  // Hkey, m
  double width = 0;   // tk, m
  double dk = 0;      // effective depth tk - cover, m
  BarSelection bars;
  SectionStresses stresses;
  double pt = 0, a = 0, ce = 0, cpt = 0, cdc = 0, tauCa = 0;
  bool ok = true;
};

// With a key, the design; without one, zeros (dk = -cover) and the section
// stresses the heel slab left in the state.
KeyDesign designShearKey(TAntei& state, bool present, const BarSetting& setting);

}  // namespace kovrel
