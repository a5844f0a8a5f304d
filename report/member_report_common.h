#pragma once
// Pieces the slab and key pages share: the design summary table and the wall
// outline in a figure.

#include <string_view>

#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// Column 1 rows 1 to 9 and column 2 rows 6 to 8 of StringGrid3, StringGrid11
// or StringGrid7. Without a shear check (a toe too short for it) S, τm and τca
// show "---".
struct DesignSummary {
  double m = 0, s = 0, requiredAs = 0, providedAs = 0;
  int diameter = 0, pitch = 0;
  double sigmaC = 0, sigmaS = 0, tauM = 0;
  bool ok = true;
  double sigmaCa = 0, sigmaSa = 0, tauCa = 0;
  bool shearChecked = true;
};
void writeDesignSummary(StringGrid& grid, const DesignSummary& summary, std::string_view asPicture);

// The summary of a designed toe, heel or key section: its moment, bars,
// stresses and judgement, the shear and mean shear stress it was checked for,
// and the allowable stresses of the run.
template <class Design>
DesignSummary summariseDesign(const Design& d, double shear, double tauM, const TAntei& s) {
  DesignSummary sum;
  sum.m = d.m;
  sum.s = shear;
  sum.requiredAs = d.bars.requiredAs;
  sum.providedAs = d.bars.providedAs;
  sum.diameter = d.bars.diameter;
  sum.pitch = d.bars.pitch;
  sum.sigmaC = d.stresses.sigmaC;
  sum.sigmaS = d.stresses.sigmaS;
  sum.tauM = tauM;
  sum.ok = d.ok;
  sum.sigmaCa = s.allowableCompression;
  sum.sigmaSa = s.allowableSteelTension;
  sum.tauCa = d.tauCa;
  return sum;
}

// The polygon of item W_A point by point in wall coordinates, unlabelled.
void drawWallOutline(TAntei& state, Series& series);

// Series colour of the ground-reaction diagrams: purple in colour output
// (RadioGroup10 = 0), black in black and white.
Colour reactionColour(bool colourOutput);

// "不可" or "OK".
inline const char* judgementWord(bool ok) {
  return ok ? "OK" : "不可";
}

}  // namespace kovrel
