#pragma once
// Active earth pressure by the trial-wedge method: a straight slip line from
// the foot of the face at angle ω to the horizontal bounds a soil wedge in
// limit equilibrium with the earth pressure P on the face; the largest P over
// ω is the design earth pressure Pa.
//
// Face kinds: 0 or 2 the stem's rear face (α = wallFaceAngle), 1 the virtual
// back face through the heel end (α = 0). Shapes: backfillShape 1 flat,
// 2 slope, 3 embankment of limited height. Local frame of the wedge polygon
// (the work polygon): x horizontal from the face foot into the backfill, y up,
// metres.
//
// Everything reads and writes the first three layers only, so the
// earth-pressure coefficient window drives the same search on its own object.

#include "engine/calculation_state.h"
#include "engine/wedge_settings.h"

namespace kovrel {

// The search and its results (earthForce, components, coefficients, arm, δ,
// ω, crack depth, slip length, hc, widths, weights and their report copies,
// water fields). b: embankment height above the face top (m); h: face height
// (m); top: height of the face top above the base underside (m). The critical
// angle is the largest peak of the wedge force over all admissible slip
// angles (findCriticalSlipAngle). Without one every result is 0; a seismic
// backfill slope with β + θ ≥ φ also sets backfillUnstable.
void trialWedge(TPa& state, const WedgeSettings& settings, int faceKind, int shape, double b,
                double h, double top);

// P (kN) for one trial angle omega (rad), with the face set up by the last
// trialWedge call (wedgeEmbankAbove, wedgeFaceHeight, wedgeCrestAngle and
// wedgeWaterForce). Sets wedgeCase, the wedge polygon, crack depth, slip
// length, widths and weights. Allocates nothing.
double wedgeForce(TPa& state, const WedgeSettings& settings, int faceKind, int shape, double omega);

// What every trial angle of one face shares: functions of the face and
// backfill angles and, except on an embankment behind the virtual back face,
// the wall friction angle. Made after setUpWedgeFace, for a state whose
// backfill and face then stay as they are; the settings must outlive it.
struct WedgeFace {
  const WedgeSettings* settings = nullptr;
  int faceKind = 1;
  int shape = 1;     // as searched: an embankment without slope is flat ground
  double alpha = 0;  // rad
  double tanAlpha = 0, cosAlpha = 1, cosAlphaBeta = 1, cosBeta = 1, tanBeta = 0;
  double crackFactor = 0;  // tan(45° + φ/2)
  double cosTheta = 1, cosPhi = 1;
  bool fixedDelta = false;
  double delta = 0;  // rad, when fixedDelta
};
WedgeFace prepareWedgeFace(const TPa& state, const WedgeSettings& settings, int faceKind,
                           int shape);

// wedgeForce for a prepared face: the same numbers, for the searches that try
// many angles.
double wedgeForce(TPa& state, const WedgeFace& face, double omega);

// Sets up the face for wedgeForce without searching: the shape as searched
// (an embankment without slope is flat ground), b, h and the crest angle.
// Returns that shape.
int setUpWedgeFace(TPa& state, int faceKind, int shape, double b, double h);

// True for a seismic wedge (combinations 2 and 4) against a slope, or an
// embankment of some height, with β + θ ≥ φ: the backfill surface cannot stand
// under that seismic coefficient and the trial wedge finds no earth pressure
// for it. trialWedge then sets backfillUnstable and reports no pressure.
bool backfillSlopeUnstable(const TPa& state, int shape);

// Face angle α (rad) for a face kind.
double faceAngle(const TTeisu& state, int faceKind);

// PH and its arm on a face of depth x (m) by a known coefficient K: the stem
// design's alternative to the search. Writes earthForceH and earthArmY.
void coefficientPressure(TPa& state, double K, double x);

// Height h of the virtual back face and the embankment part b above it, as
// the stability calculation sets them up.
struct VirtualBackFace {
  double b = 0;
  double h = 0;
};
VirtualBackFace virtualBackFace(const TTeisu& state);

}  // namespace kovrel
