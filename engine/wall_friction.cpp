#include "engine/wall_friction.h"

#include <algorithm>
#include <cmath>

namespace kovrel {

double seismicWallFriction(double x, double phi, double theta) {
  const double sinPhi = std::sin(phi);
  // For a frictionless backfill, or an angle past the friction angle, the
  // asin has no real value; clamping keeps δE finite at its limit.
  if (sinPhi <= 0) return 0.0;
  const double delta = std::asin(std::clamp(std::sin(x + theta) / sinPhi, -1.0, 1.0));
  const double a = theta + delta - x;
  return std::atan(sinPhi * std::sin(a) / (1.0 - sinPhi * std::cos(a)));
}

double equivalentSlopeAngle(const TPa& s, double omega, double b) {
  const double tanBeta = std::tan(s.slopeAngle);
  const double H = s.outlineY[5];
  const double crestRun = tanBeta != 0 ? b / tanBeta : 0.0;  // m, face top to crest
  const double denominator = 2.0 * (crestRun + s.outlineX[9] - s.outlineX[5]) +
                             ((H + s.embankHeight) / std::tan(omega) - crestRun);
  // The slope from the stem top to the middle of the flat part between the
  // crest and the end of the slip line.
  if (denominator == 0) return std::atan2(2.0 * s.embankHeight, 0.0);
  return std::atan(2.0 * s.embankHeight / denominator);
}

double wallFrictionAngle(const TPa& s, const WedgeSettings& settings, int faceKind, int shape,
                         double omega, double b, double h) {
  (void)h;
  const double phi = s.phiBackfill;
  const double beta = s.slopeAngle;
  const double theta = s.seismicAngle;
  const bool seismicPressure = s.seismicCombination == 2 || s.seismicCombination == 4;

  // On the stem face the friction is a fixed share of φ.
  if (faceKind != 1) {
    if (seismicPressure) return phi / 2;
    return settings.frictionRatioItem == 1 ? phi / 2 : 2.0 * phi / 3.0;
  }

  // On the virtual back face soil meets soil: δ follows the surface angle.
  double surface = 0.0;
  if (shape == 2 || (shape == 3 && s.wedgeCase == 2)) {
    surface = beta;
  } else if (shape == 3) {
    surface = equivalentSlopeAngle(s, omega, b);
  }
  if (!seismicPressure) return shape == 1 ? 0.0 : std::min(surface, phi);
  if (shape == 1) return seismicWallFriction(0.0, phi, theta);
  return surface + theta >= phi ? phi : seismicWallFriction(surface, phi, theta);
}

}  // namespace kovrel
