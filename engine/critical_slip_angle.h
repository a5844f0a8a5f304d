#pragma once
// Where the wedge force P(ω) is largest over the slip angles a wedge can take.
//
// P is zero below ω = φ − θ (the wedge would slide down the face, θ the
// seismic angle, 0 in the normal case) and the slip line must stay below the
// vertical, so the angles run from there to just below 90°. Over that range P
// may rise above its value at φ before φ is reached (seismic wedges) and may
// have more than one peak (an embankment, where the slip line ends either on
// the slope or on the top behind the crest); the largest peak is the design
// earth pressure.

#include "engine/calculation_state.h"
#include "engine/wedge_settings.h"

namespace kovrel {

// Slip angles are tried on the lattice φ + k·kCoarseSlipStep (k may be
// negative), then refined in steps of kFineSlipStep; a peak must lie below
// kSlipAngleLimit (rad, just under the vertical).
inline constexpr double kCoarseSlipStep = 0.005;
inline constexpr double kFineSlipStep = 0.00001;
inline constexpr double kSlipAngleLimit = 1.5657963267948967;  // π/2 - 0.005

// The admissible slip angles of the state's backfill: from `lowest` (rad) to
// below kSlipAngleLimit. Not `usable` when φ or θ is no angle a wedge can
// work with (not finite, φ at or below -90°, |θ| at or beyond 90°): there is
// then no earth pressure, and nothing is tried.
struct SlipAngleRange {
  bool usable = false;
  double lowest = 0;  // rad: φ − θ in the seismic case, never below 0; φ otherwise
};
SlipAngleRange slipAngleRange(const TPa& state);

// The critical slip angle for the face set up by setUpWedgeFace: `found` is
// false when P has no peak below the limit or its largest value is
// negligible against the soil over the face (a tension crack reaching the
// face foot), i.e. when there is no earth pressure. Evaluates wedgeForce at a
// bounded number of angles (some hundreds) and allocates nothing.
//
// A peak that the plain upward search from φ finds first (the usual case) is
// refined exactly that way, up in fine steps from the last coarse angle
// before the drop, unless the force just below that angle is materially
// higher. Any other peak, and such a first one, is refined over both
// neighbouring coarse steps to one fine step.
struct CriticalSlipAngle {
  bool found = false;
  double omega = 0;  // rad
};
CriticalSlipAngle findCriticalSlipAngle(TPa& state, const WedgeSettings& settings, int faceKind,
                                        int shape);

}  // namespace kovrel
