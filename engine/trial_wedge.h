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
// (m); top: height of the face top above the base underside (m).
void trialWedge(TPa& state, const WedgeSettings& settings, int faceKind, int shape, double b,
                double h, double top);

// P (kN) for one trial angle omega (rad), with the face set up by the last
// trialWedge call (wedgeEmbankAbove, wedgeFaceHeight, wedgeCrestAngle and
// wedgeWaterForce). Sets wedgeCase, the wedge polygon, crack depth, slip
// length, widths and weights. Allocates nothing.
double wedgeForce(TPa& state, const WedgeSettings& settings, int faceKind, int shape, double omega);

// Sets up the face for wedgeForce without searching: the shape as searched
// (an embankment without slope is flat ground), b, h and the crest angle.
// Returns that shape.
int setUpWedgeFace(TPa& state, int faceKind, int shape, double b, double h);

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
