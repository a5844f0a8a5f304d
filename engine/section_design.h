#pragma once
// The two section routines of a singly reinforced rectangular section 1,000 mm
// wide with modular ratio n = 15 under allowable-stress design.

namespace kovrel {

// Sentinel for "no finite answer": a section without effective depth cannot be
// reinforced, and its stresses are reported as this value so that every
// comparison with an allowable value fails.
inline constexpr double kUnreinforceable = 99999.0;

struct RequiredSteel {
  double x = 0;   // neutral-axis depth, mm
  double as = 0;  // required steel area, mm2 per metre
};

// Required area with the bars at σsa (N/mm2) for a moment m in N·mm on the
// effective depth d in mm: x from the neutral-axis cubic by a downward scan in
// 1 mm steps from d, then As = M/σsa/(d - x/3).
RequiredSteel requiredSteel(double sigmaSa, double m, double d);

struct SectionStresses {
  double x = 0;       // neutral-axis depth, mm
  double sigmaC = 0;  // concrete compression, N/mm2
  double sigmaS = 0;  // steel tension, N/mm2
  double tau = 0;     // mean shear S/(b·d), N/mm2
};

// Stresses of a section with the steel area as (mm2) under the shear s (kN)
// and the moment m (kN·m) on the effective depth d (mm).
SectionStresses sectionStresses(double as, double s, double m, double d);

}  // namespace kovrel
