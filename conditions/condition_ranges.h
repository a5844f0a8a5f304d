#pragma once
// The plausible range of every numeric design condition the calculation
// reads: generous bounds that let any real wall through and stop nonsense
// (a friction angle of -1e300°, a 1e300 mm base slab) before it reaches the
// formulas. The bounds also keep every search of the calculation finite.

#include <string>
#include <vector>

#include "conditions/design_conditions.h"

namespace kovrel {

// When the calculation reads a control: the loader skips some of them for
// other wall types, backfill shapes, load cases or switches.
enum class RangeApplies {
  Always,
  InvertedT,            // PageControl2 = 0
  LWall,                // PageControl2 = 1
  ShearKey,             // RadioGroup2 = 1
  SlopeOrEmbankment,    // TabControl1 = 1 or 2
  Embankment,           // TabControl1 = 2
  Seismic,              // RadioGroup5 = 1
  WaterOn,              // CheckBox3 checked
  WaterOff,             // CheckBox3 not checked
  SafetyFactorNormal,   // RadioGroup11 = 1 in the normal case
  SafetyFactorSeismic,  // RadioGroup11 = 1 in the seismic case
};

struct ConditionRange {
  const char* control;
  double lower;  // inclusive, in the unit as entered
  double upper;  // inclusive
  const char* unit;
  RangeApplies applies;
};

// Every range, in the order of the design-conditions window.
const std::vector<ConditionRange>& conditionRanges();

bool rangeApplies(const ConditionRange& range, const DesignConditions& dc);

// A bound as the messages write it: "100,000", "0.5".
std::string boundText(double bound);

// The lines of the blocking message for a control whose text reads as the
// number `value` outside its range.
std::vector<std::string> outOfRangeMessage(const Control& control, const ConditionRange& range);

}  // namespace kovrel
