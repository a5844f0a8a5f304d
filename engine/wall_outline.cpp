#include "engine/wall_outline.h"

#include <algorithm>
#include <cmath>

namespace kovrel {
namespace {

constexpr double kMetresPerMillimetre = 0.001;

void setPoint(TTeisu& s, int i, double x, double y) {
  s.outlineX[i] = x;
  s.outlineY[i] = y;
}

// Share of the stem height reached by a level `above` metres over the slab
// top at the stem, clipped to the stem top. A stem of no height is reached
// whole by any level above the slab: the geometric limit of min(l, d)/l.
double stemShare(double above, double l) {
  if (l <= 0) return above > 0 ? 1.0 : 0.0;
  return std::min(l, above) / l;
}

}  // namespace

WallDimensions readWallDimensions(const TTeisu& s, const DesignConditions& dc) {
  WallDimensions d;
  auto mm = [&](const char* name) { return dc.readDouble(name) * kMetresPerMillimetre; };
  if (s.wallType == 0) {
    d.m = mm("Edit3");
    d.o = mm("Edit5");
    d.l = mm("Edit12");
    d.B = mm("Edit7");
    d.f = mm("Edit8");
    d.g = mm("Edit10");
    d.t = mm("Edit11");
    d.h = mm("Edit9");
    d.u = mm("Edit4");
  } else {
    d.m = mm("Edit46");
    d.o = mm("Edit45");
    d.l = mm("Edit44");
    d.B = mm("Edit48");
    d.f = 0;
    d.g = mm("Edit6");
    d.t = mm("Edit22");
    d.h = mm("Edit47");
    d.u = mm("Edit49");
  }
  if (dc.index("RadioGroup2") == 1) {
    d.kp = mm("Edit35");
    d.kw = mm("Edit40");
    d.kh = mm("Edit41");
  }
  d.Ho = dc.readDouble("Edit54");
  return d;
}

void buildWallOutline(TTeisu& s, const WallDimensions& d) {
  const double m = d.m, o = d.o, l = d.l, B = d.B, f = d.f, g = d.g, t = d.t, h = d.h, u = d.u;
  const bool lWall = s.wallType == 1;
  const double H = m + o + l;          // wall height, m
  const double v = B - f - g - t - h;  // rear batter width, m
  const double c = (m + o) / 2;        // half the slab thickness at the stem, m
  const double H1 = s.waterDepth;      // m above the base underside

  // Wall body, then the shear key (all at the origin without a key).
  setPoint(s, 0, 0, 0);
  setPoint(s, 1, 0, lWall ? m + o : m);
  setPoint(s, 2, lWall ? f : f - u, m + o);
  setPoint(s, 3, f, m + o);
  setPoint(s, 4, f + g, H);
  setPoint(s, 5, f + g + t, H);
  setPoint(s, 6, B - h, m + o);
  setPoint(s, 7, B - h + u, m + o);
  setPoint(s, 8, B, m);
  setPoint(s, 9, B, 0);
  setPoint(s, 10, d.kp + d.kw, 0);
  setPoint(s, 11, d.kp + d.kw, -d.kh);
  setPoint(s, 12, d.kp, -d.kh);
  setPoint(s, 13, d.kp, 0);

  // Toe shear section at c from the stem front face; on the haunch its top
  // follows the haunch slope. The L wall has no toe, so its section is the
  // stem front foot. The middle rows only apply when f - u (or h - u) > c - u
  // > 0, so their divisions are safe.
  double xT, yT;
  if (lWall || (c > u && c >= f)) {
    xT = f;
    yT = m + o;
  } else if (c <= u) {
    xT = f - c;
    yT = m + o;
  } else {
    xT = f - c;
    yT = m + o * (f - c) / (f - u);
  }
  setPoint(s, 14, xT, yT);
  setPoint(s, 19, xT, 0);

  // Heel shear section at c from the stem rear face.
  double xK, yK;
  if (c <= u) {
    xK = B - h + c;
    yK = m + o;
  } else if (c < h) {
    xK = B - h + c;
    yK = m + o * (h - c) / (h - u);
  } else {
    xK = B - h;
    yK = m + o;
  }
  setPoint(s, 33, xK, yK);
  setPoint(s, 34, xK, 0);

  // Water line ends on the wall's faces at the depth H1. Between m and m + o
  // the haunch rows need o > 0, which m < H1 <= m + o guarantees.
  double x15, x16;
  if (H1 <= m) {
    x15 = 0;
    x16 = B;
  } else if (H1 <= m + o) {
    x15 = f > 0 ? (f - u) * (H1 - m) / o : 0.0;
    x16 = h > 0 ? B - (h - u) * (H1 - m) / o : B - h;
  } else {
    const double share = stemShare(H1 - m - o, l);
    x15 = f + g * share;
    x16 = B - h - v * share;
  }
  setPoint(s, 15, x15, H1);
  setPoint(s, 16, x16, H1);
  setPoint(s, 31, x15, H1);
  setPoint(s, 27, 0, H1);
  setPoint(s, 32, xT, H1);
  setPoint(s, 28, f, H1);
  setPoint(s, 20, B, H1);
  setPoint(s, 29, B - h, H1);
  setPoint(s, 36, xK, H1);
  setPoint(s, 17, f, 0);
  setPoint(s, 18, B - h, 0);

  // Backfill surface over the rear batter, the heel section and the heel end.
  const double tanBeta = std::tan(s.slopeAngle);
  const double r1 = v * tanBeta, r2 = (v + h) * tanBeta, r3 = (c + v) * tanBeta;
  setPoint(s, 21, B - h, H + r1);
  setPoint(s, 23, B, H + r2);
  setPoint(s, 35, xK, H + r3);
  setPoint(s, 22, B - h, H + r1);
  setPoint(s, 37, xK, H + r3);
  if (s.backfillShape == 1) {
    setPoint(s, 21, B - h, H);
    setPoint(s, 22, B - h, H);
    setPoint(s, 23, B, H);
    setPoint(s, 35, xK, H);
    setPoint(s, 37, xK, H);
  } else if (s.backfillShape == 3 && v + h > s.slopeRun) {
    // The embankment's slope ends above the heel: the surface kinks there.
    setPoint(s, 22, f + g + t + s.slopeRun, H + s.embankHeight);
    setPoint(s, 23, B, H + s.embankHeight);
    setPoint(s, 37, s.outlineX[22], s.outlineY[22]);
  }

  // Front ground, only when it rises above the slab top at the stem.
  if (d.Ho > m + o) {
    setPoint(s, 24, 0, d.Ho);
    setPoint(s, 25, f, d.Ho);
    // Where the ground meets the front face; a stem of no height meets it at
    // its top (the limit of the batter ratio).
    setPoint(s, 26, f + g * (l > 0 ? (d.Ho - m - o) / l : 1.0), d.Ho);
    setPoint(s, 30, xT, d.Ho);
  }
}

void buildWallOutline(TTeisu& state, const DesignConditions& conditions) {
  buildWallOutline(state, readWallDimensions(state, conditions));
}

}  // namespace kovrel
