#pragma once
// The bar catalogue every member design draws from: admissible pitches,
// deformed-bar diameters and their nominal areas, and the steel area per metre
// of wall that one layout provides.

#include <array>
#include <cstdint>

namespace kovrel {

class TTekkin {
 public:
  TTekkin() { initialise(); }
  // Refills the three arrays; every selection starts from here.
  void initialise();

  std::array<std::int32_t, 11> pitches{};    // mm, 50 + 25·i
  std::array<std::int32_t, 13> diameters{};  // mm
  std::array<double, 13> areas{};            // cm2 per bar, same order as diameters
};

// Steel area (mm2 per metre) of bars of `diameterIndex` at `pitch` mm:
// bars per metre times the bar area in mm2.
double layoutArea(const TTekkin& bars, double pitch, int diameterIndex);

// The area of a layout given by its pitch and diameter in mm. A diameter not in
// the catalogue, or a pitch that is not positive, leaves `area` unchanged and
// returns false (the no-layout sentinels 9999 fall under this).
bool areaOf(double pitch, double diameter, double& area);

}  // namespace kovrel
