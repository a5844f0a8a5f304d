#pragma once
// Choice of bar diameter and pitch for a member: the per-member setting of the
// design-conditions window (automatic, pitch given, diameter given, both given)
// applied to the catalogue.

#include "engine/section_design.h"

namespace kovrel {

class DesignConditions;

enum class Member { Stem, Toe, Heel, Key };

// Sentinels of a selection that finds no layout.
inline constexpr int kNoBar = 9999;            // diameter and pitch, mm
inline constexpr double kNoBarArea = 99999.0;  // mm2

struct BarSetting {
  int mode = 0;           // 0 automatic, 1 pitch given, 2 diameter given, 3 both given
  int pitchIndex = 0;     // combo index: 0 "-", i >= 1 catalogue pitch i - 1
  int diameterIndex = 0;  // combo index: 0 "-", i >= 1 catalogue diameter i - 1
};

struct BarSelection {
  double requiredAs = 0;  // mm2 per metre
  double x = 0;           // neutral-axis depth of the cubic, mm
  int pitch = 0;          // mm
  int diameter = 0;       // mm
  double providedAs = 0;  // mm2 per metre
};

// The member's setting as the window holds it. A combo whose text equals one
// of its entries first takes that entry as its selected index; any other text
// leaves the index as it was.
BarSetting readBarSetting(DesignConditions& conditions, Member member);

// The layout the setting gives for sel.requiredAs: sets pitch, diameter and
// providedAs (the 9999/99999 sentinels when no layout exceeds the required
// area in modes 0 to 2).
void chooseLayout(const BarSetting& setting, BarSelection& sel);

// Required area for the moment m (kN·m) on (thickness - cover) (both m) with
// the bars at σsa (N/mm2), and the layout the setting gives for it.
BarSelection selectBars(const BarSetting& setting, double sigmaSa, double m, double cover,
                        double thickness);

}  // namespace kovrel
