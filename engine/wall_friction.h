#pragma once
// Wall friction angle δ of the trial wedge, by load combination, face kind,
// backfill shape and wedge case.

#include "engine/calculation_state.h"
#include "engine/wedge_settings.h"

namespace kovrel {

// δ in radians for the trial angle omega (rad); b is the embankment height
// above the face top and h the face height (m). Reads the current wedgeCase.
double wallFrictionAngle(const TPa& state, const WedgeSettings& settings, int faceKind, int shape,
                         double omega, double b, double h);

// The seismic wall friction angle δE(x) for the surface angle x (rad).
double seismicWallFriction(double x, double phi, double theta);

// The equivalent slope angle β' of an embankment seen from the stem top.
double equivalentSlopeAngle(const TPa& state, double omega, double b);

}  // namespace kovrel
