#include "report/surface_line.h"

#include <cmath>

#include "results/number_picture.h"

namespace kovrel {
namespace {

constexpr double kFarAway = 100;  // m behind the crest: past any axis range

}  // namespace

SurfaceLabels buildSurfaceLine(TShape& s, const DesignConditions& dc, SurfaceKind kind) {
  const double x5 = s.outlineX[5], yTop = s.outlineY[4], B = s.outlineX[9];
  const double tanBeta = std::tan(s.slopeAngle);
  const double xs = B - x5;  // crest to the virtual back face, m
  double rise = 0;           // ground rise over xs, m
  if (s.backfillShape == 2) rise = tanBeta * xs;
  if (s.backfillShape == 3) rise = xs >= s.slopeRun ? s.embankHeight : tanBeta * xs;
  double kx = 0, ky = 0;  // embankment break, relative to the crest
  if (s.backfillShape == 3) {
    kx = s.slopeRun;
    ky = s.embankHeight;
  }

  // Start of the line and the load heights f (slope) and h (flat), m of soil.
  double sx = 0, sy = 0, f = 0, h = 0;
  if (kind == SurfaceKind::Surcharge) {
    const int position = dc.index("RadioGroup8");  // 0 flat part, 1 everywhere
    const bool snow = dc.checked("CheckBox4");
    const double snowSlope = s.snowOnSlope;  // Edit13 as loaded
    const double snowFlat = s.snowOnFlat;    // Edit43 as loaded
    if (position == 0) {
      sx = kx;
      sy = ky;
    }
    if (position == 1 || (snow && snowSlope > 0)) {
      sx = 0;
      sy = 0;
    }
    if (dc.index("RadioGroup4") == 1) {
      // No load over the virtual back face's wedge: it starts at that face.
      sx = xs;
      sy = rise;
      if (s.slopeRun <= xs) {
        kx = xs;
        ky = rise;
      }
    }
    if (dc.checked("CheckBox1")) {
      h = s.surcharge;
      f = position == 1 ? s.surcharge : 0.0;
    }
    if (snow) {
      h += snowFlat;
      f += snowSlope;
    }
    // Loads become soil heights; without a soil weight there is no height to
    // draw (and no division by zero).
    if (s.gammaS > 0) {
      f /= s.gammaS;
      h /= s.gammaS;
    } else {
      f = 0;
      h = 0;
    }
  }

  SurfaceLabels labels;
  auto loadLabel = [&](double height) {
    return height > 0 ? formatNumber("0.00kN/m2", height * s.gammaS) : std::string(" ");
  };
  double px[5] = {}, py[5] = {};
  int last = 2;
  if (s.backfillShape == 2) {
    px[0] = sx, py[0] = sy;
    px[1] = sx, py[1] = sy + f;
    px[2] = kFarAway, py[2] = kFarAway * tanBeta + f;
    labels.first = loadLabel(f);
    labels.firstIndex = 1;
  } else if (s.backfillShape == 3) {
    px[0] = sx, py[0] = sy;
    px[1] = sx, py[1] = sy + f;
    px[2] = kx, py[2] = ky + f;
    px[3] = kx, py[3] = s.embankHeight + h;
    px[4] = kFarAway, py[4] = s.embankHeight + h;
    last = 4;
    labels.first = loadLabel(f);
    labels.firstIndex = 1;
    labels.second = loadLabel(h);
    labels.secondIndex = 3;
  } else {
    px[0] = sx, py[0] = 0;
    px[1] = sx, py[1] = h;
    px[2] = kFarAway, py[2] = h;
    labels.first = loadLabel(h);
    labels.firstIndex = 1;
  }
  s.surfaceLineLast = last;
  for (int i = 0; i < 5; ++i) {
    s.surfaceLineX[i] = i <= last ? px[i] + x5 : 0.0;
    s.surfaceLineY[i] = i <= last ? py[i] + yTop : 0.0;
  }
  return labels;
}

}  // namespace kovrel
