#include "engine/critical_slip_angle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/trial_wedge.h"

namespace kovrel {
namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
// A peak whose last coarse angle before the drop lies beyond this is no peak
// below the vertical.
constexpr double kFailLimit = 1.5607963267948965;  // rad, π/2 - 0.01

// Step counts no search can exceed, whatever the angles: with φ above -90°
// the coarse lattice from φ reaches the limit in fewer than π / step points,
// the part below φ spans at most 90°, and a refinement covers two coarse
// steps (one more fine step for rounding).
constexpr int kMaxUpward = int(std::numbers::pi / kCoarseSlipStep) + 2;
constexpr int kMaxDownward = int(kHalfPi / kCoarseSlipStep) + 2;
constexpr int kMaxRefine = int(2 * kCoarseSlipStep / kFineSlipStep) + 2;
// A peak other than the first is bracketed in steps of ten fine steps first.
constexpr int kFinePerMedium = 10;
constexpr double kMediumStep = kFinePerMedium * kFineSlipStep;  // rad
constexpr int kMaxMedium = int(2 * kCoarseSlipStep / kMediumStep) + 2;

// Peaks whose coarse values come within this share of the largest are all
// refined before one is chosen: a coarse sample can fall short of its peak
// by this much where the curve has a kink (the slip line passing the crest).
constexpr double kContenderShare = 0.02;
constexpr int kMaxPeaks = 4;

// A peak found below the coarse angle where the upward refinement starts
// replaces that angle only when higher by more than this share. A smooth
// peak lies at most about this much above the coarse sample next to it, so
// such walls keep their numbers; a kinked one (the slip line passing the
// crest, cohesion taking the force to zero) can lie a percent higher.
constexpr double kMaterialShare = 1e-4;

// A largest force below this share of the soil weight over the face is
// rounding of a wedge that does not exist (a tension crack down to the face
// foot leaves a width of about 1e-16 m under the surcharge).
constexpr double kNegligibleShare = 1e-9;

// A coarse peak: its angle, the coarse angle before it and its force.
struct Peak {
  double below = 0;  // rad
  double at = 0;     // rad
  double p = 0;      // kN
};

// The largest few peaks of the coarse scan, in no particular order.
struct PeakList {
  Peak items[kMaxPeaks];
  int count = 0;

  void add(const Peak& peak) {
    if (count < kMaxPeaks) {
      items[count++] = peak;
      return;
    }
    Peak* smallest = std::min_element(items, items + count,
                                      [](const Peak& a, const Peak& b) { return a.p < b.p; });
    if (peak.p > smallest->p) *smallest = peak;
  }
};

// Follows the coarse values in increasing ω and records every peak: a value
// not below its predecessor and above its successor.
struct PeakTracker {
  PeakList peaks;
  bool started = false;
  bool rising = true;
  double lastBelow = 0, lastAt = 0, lastP = 0;

  void visit(double omega, double p) {
    if (started && p < lastP && rising) peaks.add({lastBelow, lastAt, lastP});
    rising = !started || p >= lastP;
    lastBelow = started ? lastAt : omega;
    lastAt = omega;
    lastP = p;
    started = true;
  }
};

// The force scale of the face: the soil over the face height squared, kN.
// Loads are left out: a surcharge taken separately never enters the wedge.
double forceScale(const TPa& s) {
  const double height = std::fabs(s.wedgeFaceHeight) + std::fabs(s.wedgeEmbankAbove);
  return std::fabs(s.gammaS) * height * height;
}

struct Refined {
  double omega = 0;
  double p = -1;
};

}  // namespace

SlipAngleRange slipAngleRange(const TPa& s) {
  const double phi = s.phiBackfill;
  const double theta = s.seismicAngle;
  SlipAngleRange r;
  r.usable =
      std::isfinite(phi) && phi > -kHalfPi && std::isfinite(theta) && std::fabs(theta) < kHalfPi;
  r.lowest = phi;
  // Below φ − θ the wedge would slide down the face; below the horizontal it
  // never meets the surface.
  if (r.usable && phi > 0 && theta > 0) r.lowest = std::max(phi - theta, 0.0);
  return r;
}

CriticalSlipAngle findCriticalSlipAngle(TPa& s, const WedgeSettings& settings, int faceKind,
                                        int shape) {
  const SlipAngleRange range = slipAngleRange(s);
  if (!range.usable) return {};
  const WedgeFace face = prepareWedgeFace(s, settings, faceKind, shape);
  auto force = [&](double omega) { return wedgeForce(s, face, omega); };
  const double phi = s.phiBackfill;
  PeakTracker tracker;

  // 1. Coarse scan below φ, on the lattice φ - j·step, from the lowest angle up.
  if (range.lowest < phi) {
    const double span = (phi - range.lowest) / kCoarseSlipStep;
    const int below = int(std::clamp(std::floor(span), 0.0, double(kMaxDownward)));
    for (int j = below; j >= 1; --j) {
      const double omega = phi - j * kCoarseSlipStep;
      if (omega < kSlipAngleLimit) tracker.visit(omega, force(omega));
    }
  }

  // 2. Coarse scan from φ to the limit. The first drop is where a plain
  //    upward search from φ stops; its peak is kept apart, together with the
  //    angle of the drop, so that refining it repeats that search exactly.
  bool dropped = false;
  double runningMax = 0, dropAt = 0, firstPeakAt = 0;
  double omega = phi;
  for (int k = 0; k < kMaxUpward && omega < kSlipAngleLimit; ++k) {
    const double p = force(omega);
    if (!dropped) {
      if (runningMax > p) {
        dropped = true;
        dropAt = omega;
        firstPeakAt = tracker.lastAt;
      } else {
        runningMax = std::max(p, runningMax);
      }
    }
    tracker.visit(omega, p);
    omega += kCoarseSlipStep;
  }

  // 3. The largest coarse peak; nothing worth a wedge means no earth pressure.
  const PeakList& peaks = tracker.peaks;
  double largest = dropped ? runningMax : 0.0;
  for (int i = 0; i < peaks.count; ++i) largest = std::max(largest, peaks.items[i].p);
  if (!(largest > kNegligibleShare * forceScale(s))) return {};

  // 4. Peaks close enough to the largest to be the true maximum.
  const double threshold = largest * (1 - kContenderShare);
  const bool firstContends = dropped && runningMax >= threshold;
  int others = 0;
  for (int i = 0; i < peaks.count; ++i) {
    const Peak& peak = peaks.items[i];
    if (peak.p >= threshold && !(dropped && peak.at == firstPeakAt)) ++others;
  }

  // Refines a peak over both neighbouring coarse steps: up from the coarse
  // angle before it in steps of ten fine steps to the first drop once its
  // coarse value is reached, then in fine steps across the best of those.
  auto refine = [&](const Peak& peak) {
    Refined r;
    for (int j = 0; j < kMaxMedium; ++j) {
      const double w = peak.below + j * kMediumStep;
      if (!(w < kSlipAngleLimit)) break;
      const double p = force(w);
      if (p >= r.p) {
        r.p = p;
        r.omega = w;
      } else if (r.p >= peak.p) {
        break;
      }
    }
    if (r.p < 0) return r;
    const double centre = r.omega;
    for (int j = -kFinePerMedium; j <= kFinePerMedium; ++j) {
      const double w = centre + j * kFineSlipStep;
      if (j == 0 || !(w < kSlipAngleLimit) || w < range.lowest) continue;
      const double p = force(w);
      if (p > r.p) {
        r.p = p;
        r.omega = w;
      }
    }
    return r;
  };

  bool useFirst = firstContends;
  Refined chosen;
  if (others > 0) {
    if (firstContends) {
      const double firstBelow = firstPeakAt - kCoarseSlipStep;
      chosen = refine({std::max(firstBelow, range.lowest), firstPeakAt, runningMax});
    }
    for (int i = 0; i < peaks.count; ++i) {
      const Peak& peak = peaks.items[i];
      if (peak.p < threshold || (dropped && peak.at == firstPeakAt)) continue;
      const Refined r = refine(peak);
      if (r.p > chosen.p) {
        chosen = r;
        useFirst = false;
      }
    }
  }
  if (!useFirst) return {chosen.p >= 0, chosen.omega};

  // 5. The first peak, refined as the upward search from φ does it: one
  //    coarse step back from the drop, then up in fine steps until the force
  //    drops; without a drop the last angle tried is taken.
  const double start = dropAt - kCoarseSlipStep;
  if (start > kFailLimit) return {};
  omega = start;
  double fineMax = 0;
  int steps = 0;
  for (; steps < kMaxRefine && omega < kSlipAngleLimit; ++steps) {
    const double p = force(omega);
    if (fineMax > p) break;
    fineMax = std::max(p, fineMax);
    omega += kFineSlipStep;
  }
  const double upward = omega - kFineSlipStep;

  // A drop at the first fine step puts the peak below that coarse angle,
  // which the upward refinement never tries. Where the force there is higher
  // by more than a negligible share, that angle is taken instead.
  const double lower = start - kCoarseSlipStep;
  if (steps != 1 || lower < range.lowest) return {true, upward};
  const Refined below = refine({lower, start, fineMax});
  if (below.p > fineMax * (1 + kMaterialShare)) return {true, below.omega};
  return {true, upward};
}

}  // namespace kovrel
