#pragma once
// Corrections of the allowable shear stress of concrete, read from five-point
// tables by linear interpolation and clamped at both ends.

namespace kovrel {

// Effective depth d in mm.
double ceFactor(double d);
// Tensile-steel ratio pt in %.
double cptFactor(double pt);
// Shear-span ratio a/d.
double cdcFactor(double aOverD);

}  // namespace kovrel
