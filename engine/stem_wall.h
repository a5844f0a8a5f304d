#pragma once
// The stem wall as a cantilever fixed at the base slab: its section forces at
// any depth below the top, the design of the fixed end, the cut-off search of
// its main bars and the four-section check.
//
// Frame: depth x in m below the stem top; heights in m above the section.
// Forces per metre of wall (kN, kN·m); stresses N/mm2; areas mm2 per metre.

#include <array>

#include "engine/bar_selection.h"
#include "engine/calculation_state.h"
#include "engine/section_design.h"
#include "engine/wedge_settings.h"

namespace kovrel {

struct StemGeometry {
  double height = 0;       // H = Y4 - Y3, m
  double frontBatter = 0;  // X4 - X3, m
  double topWidth = 0;     // X5 - X4, m
  double rearBatter = 0;   // X6 - X5, m
  double topY = 0;         // Y4, m above the base underside
  double tanBeta = 0;      // front batter over H
  double tanGamma = 0;     // rear batter over H
  double cover = 0;        // stemCover, m

  // Thickness at depth x, m.
  double thickness(double x) const;
  // Effective depth at depth x, m.
  double effectiveDepth(double x) const { return thickness(x) - cover; }
};

StemGeometry stemGeometry(const TTeisu& state);

// How the stem design takes its earth pressure: the wedge switches, the
// stem-design method (RadioGroup7: 0 trial wedge, 1 back-calculated
// coefficient) and the coefficient and crack shift of the fixed-end wedge.
struct StemPressure {
  WedgeSettings wedge;
  int method = 1;
  double fixedEndKh = 0;
  double fixedEndHc = 0;
};

// Section forces at one depth, as the report and the tables show them.
struct StemForces {
  double depth = 0;          // x, m
  double thickness = 0;      // t(x), m
  double earthH = 0;         // Ph, kN
  double earthArm = 0;       // h above the section, m
  double earthMoment = 0;    // Ph·h, kN·m
  double weight = 0;         // Pv, stem weight above the section, kN
  double inertia = 0;        // Ph_i, kN
  double inertiaArm = 0;     // ȳ, m
  double inertiaMoment = 0;  // Mt, kN·m
  double waterH = 0;         // Pwh, kN
  double waterArm = 0;       // m
  double waterMoment = 0;    // Pwm, kN·m
  double waterDepth = 0;     // Hw, m
  double moment = 0;         // M, kN·m
  double shear = 0;          // S, kN
  double shearSh = 0;        // Sh, kN
};

// Kind 0 always takes the trial wedge; kind 1 the method of `pressure`. Also
// writes the reused state fields (earth-pressure layer, wallWeight,
// wallInertia, wallMomentH, water fields, overturningMoment, sumH).
StemForces stemSectionForces(TAntei& state, const StemGeometry& geometry,
                             const StemPressure& pressure, int kind, double x);

struct ShearStress {
  double sh = 0;   // kN
  double tau = 0;  // N/mm2
};

// Sh = S - M/d·(tanβ + tanγ) with d in m; τm = Sh/(d·1000).
ShearStress stemShearStress(const StemGeometry& geometry, double d, double s, double m);

struct StemAnchorage {
  double l1 = 0;  // m above the fixed end, 0 while not found
  double l2 = 0;
  double lo = 0;  // max(L1 + 35φ, L2)
};

// The cut-off search in 0.01 m steps from the fixed end up to 0.1 m below the
// top, with half the fixed-end area as0 (mm2) of bars of `diameter` mm.
StemAnchorage searchAnchorage(TAntei& state, const StemGeometry& geometry,
                              const StemPressure& pressure, double as0, int diameter);

// One column of the four-section table.
struct StemColumn {
  StemForces forces;
  double requiredAs = 0;
  double providedAs = 0;
  int pitch = 0;  // the doubled pitch above the cut-off
  SectionStresses stresses;
  ShearStress shear;
  double ce = 0, pt = 0, cpt = 0, tauA = 0;
  bool ok = true;
};

struct StemDesign {
  StemGeometry geometry;
  StemPressure pressure;
  StemForces fixedEnd;
  BarSelection bars;
  double ce = 0, pt = 0, cpt = 0, tauA = 0;
  StemAnchorage anchorage;
  SectionStresses stresses;
  ShearStress shear;
  // Earth-pressure results of the fixed-end wedge, for the report.
  double wedgePa = 0, wedgePv = 0, wedgeKh = 0, wedgeKv = 0, wedgeW = 0, wedgeOmega = 0,
         wedgeDelta = 0, wedgeL = 0, wedgeZc = 0, wedgeHc = 0;
  std::array<StemColumn, 4> columns;  // i = 0 fixed end, then 3H/4, H/2, H/4
};

// The four-section table after the anchorage: fixed end, 3H/4, H/2, H/4.
void checkStemSections(TAntei& state, StemDesign& design);

// Fixed end and anchorage, in the order the report needs.
StemDesign designStem(TAntei& state, const StemPressure& pressure, const BarSetting& setting);

}  // namespace kovrel
