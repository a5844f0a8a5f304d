#pragma once
// Bearing capacity factors Nc, Nq and Nγ of the supporting ground, already
// reduced for the inclination of the resultant load on the base. Pure
// functions of their arguments: the stability check and the reference tables
// both call them.
//
// Angles are radians unless the name says degrees; tanTheta is the load
// inclination H/V (its absolute value is used except where stated).

namespace kovrel {

// Result of Nc and Nq for an inclination beyond the range of the factor.
inline constexpr double kBearingFactorOutOfRange = -9.0;

// Nc, or -9 outside its range.
double bearingFactorNc(double tanTheta, double phi);

struct NqResult {
  double value = 0;  // Nq, or -9 outside its range
  double omega = 0;  // rad, the angle at which the factor was taken
};

// Nq. mode 0 for the stability calculation, 1 for the reference chart; q is
// the overburden pressure at the base (kN/m2), c2 a cohesion (kN/m2).
NqResult bearingFactorNq(int mode, double phi, double tanTheta, double q, double c2);

// Nγ from φ in whole degrees and the signed load inclination; 0 outside its
// range.
double bearingFactorNgamma(int phiDegrees, double tanTheta);

}  // namespace kovrel
