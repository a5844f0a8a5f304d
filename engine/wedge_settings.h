#pragma once
// The two switches of the design-conditions window that steer the trial
// wedge: the shift of the pressure diagram by the crack depth and the wall
// friction ratio of the stem face. Callers with their own window (the
// earth-pressure coefficient window) fill it themselves.

#include "conditions/design_conditions.h"

namespace kovrel {

struct WedgeSettings {
  bool shiftByCrack = false;  // CheckBox7: pressure starts hc below the face top
  int frictionRatioItem = 0;  // RadioGroup16: 0 gives δ = 2φ/3, 1 gives δ = φ/2
};

inline WedgeSettings wedgeSettingsFrom(const DesignConditions& dc) {
  return {dc.checked("CheckBox7"), dc.index("RadioGroup16")};
}

}  // namespace kovrel
