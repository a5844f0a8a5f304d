#include "engine/load_items.h"

#include <initializer_list>

namespace kovrel {
namespace {

// An item's polygon as outline point numbers, the last repeating the first.
struct PointList {
  int count = 0;  // number of points, not sides
  int index[16]{};
};

PointList points(std::initializer_list<int> list) {
  PointList p;
  for (int i : list) p.index[p.count++] = i;
  return p;
}

// The item table: which outline points form the item in the current water
// and section case. Unknown names and empty cases give no points.
PointList itemPolygon(const TShape& s, std::string_view name) {
  const int water = waterCase(s);
  const double H1 = s.waterDepth;
  const double x2 = s.outlineX[2], x3 = s.outlineX[3], x6 = s.outlineX[6], x7 = s.outlineX[7];
  const double xT = s.outlineX[14], yT = s.outlineY[14];
  const double xK = s.outlineX[33], yK = s.outlineY[33];
  const double c = s.outlineY[6] / 2;  // half the slab thickness at the stem

  if (name == "W_A") return points({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0});
  if (name == "W_FA") {
    switch (water) {
      case 1:
        return points({0, 31, 16, 9, 10, 11, 12, 13, 0});
      case 2:
        return points({0, 1, 31, 16, 8, 9, 10, 11, 12, 13, 0});
      case 3:
        return points({0, 1, 2, 3, 31, 16, 6, 7, 8, 9, 10, 11, 12, 13, 0});
      default:
        return {};
    }
  }
  if (name == "T_M") return points({0, 1, 2, 3, 17, 0});
  if (name == "T_S") {
    if (x3 - c > x2) return points({0, 1, 2, 14, 19, 0});
    if (x3 - c > 0) return points({0, 1, 14, 19, 0});
    return {};
  }
  if (name == "T_FM") {
    switch (water) {
      case 1:
        return points({0, 15, 28, 17, 0});
      case 2:
        return points({0, 1, 15, 28, 17, 0});
      case 3:
        return points({0, 1, 2, 3, 17, 0});
      default:
        return {};
    }
  }
  if (name == "T_FS") {
    switch (water) {
      case 1:
        return points({0, 15, 32, 19, 0});
      case 2:
        if (H1 <= yT) return points({0, 1, 15, 32, 19, 0});
        return points({0, 1, 14, 19, 0});
      case 3:
        if (xT <= x2) return points({0, 1, 14, 19, 0});
        return points({0, 1, 2, 14, 19, 0});
      default:
        return {};
    }
  }
  if (name == "K_M") return points({18, 6, 7, 8, 9, 18});
  if (name == "K_S") {
    if (x6 + c <= x7) return points({34, 33, 7, 8, 9, 34});
    return points({34, 33, 8, 9, 34});
  }
  if (name == "K_FM") {
    switch (water) {
      case 1:
        return points({18, 29, 16, 9, 18});
      case 2:
        return points({18, 29, 16, 8, 9, 18});
      case 3:
        return points({18, 6, 7, 8, 9, 18});
      default:
        return {};
    }
  }
  if (name == "K_FS") {
    switch (water) {
      case 1:
        return points({34, 36, 16, 9, 34});
      case 2:
        if (H1 <= yK) return points({34, 36, 16, 8, 9, 34});
        return points({34, 33, 8, 9, 34});
      case 3:
        if (xK >= x7) return points({34, 33, 8, 9, 34});
        return points({34, 33, 7, 8, 9, 34});
      default:
        return {};
    }
  }
  if (name == "KS_A") return points({6, 5, 22, 23, 8, 7, 6});
  if (name == "KS_M") return points({6, 21, 22, 23, 8, 7, 6});
  if (name == "KS_S") {
    if (x7 >= xK) return points({33, 35, 37, 23, 8, 7, 33});
    return points({33, 35, 37, 23, 8, 33});
  }
  if (name == "KS_FA") {
    if (water == 2) return points({8, 16, 20, 8});
    if (water == 3) return points({6, 16, 20, 8, 7, 6});
    return {};
  }
  if (name == "KS_FM") {
    if (water == 2) return points({16, 20, 8, 16});
    if (water == 3) return points({6, 29, 20, 8, 7, 6});
    return {};
  }
  if (name == "KS_FS") {
    if (water == 2) {
      if (H1 <= yK) return points({8, 16, 20, 8});
      return points({8, 33, 36, 20, 8});
    }
    if (water == 3) {
      if (xK >= x7) return points({8, 33, 36, 20, 8});
      return points({8, 7, 33, 36, 20, 8});
    }
    return {};
  }
  return {};
}

// Lever arm of a two-part load P1 over L1 followed by P2 over L2, measured
// from the start of L1 and shifted by `offset`; 0 (offset included) without
// load.
double twoPartArm(double p1, double l1, double p2, double l2, double offset) {
  const double total = p1 + p2;
  if (total == 0) return 0;
  return (p1 * l1 / 2 + p2 * (l1 + l2 / 2)) / total + offset;
}

}  // namespace

int waterCase(const TTeisu& s) {
  const double H1 = s.waterDepth;
  const double m = s.outlineY[8];         // slab thickness at the heel end
  const double stemFoot = s.outlineY[6];  // m + o, slab top at the stem
  if (H1 <= 0) return 0;
  if (H1 <= m) return 1;
  if (H1 <= stemFoot) return 2;
  return 3;
}

void polygonProperties(const TShape& s, double& area, double& x, double& y) {
  // Coordinate method: each side adds the rectangle under its start and the
  // triangle up to its end, with their first moments about both axes.
  double a = 0, sy = 0, sx = 0;
  for (int i = 0; i < s.workCount; ++i) {
    const double xi = s.workX[i], yi = s.workY[i];
    const double dx = s.workX[i + 1] - xi, dy = s.workY[i + 1] - yi;
    a += yi * dx + dy * dx / 2;
    sy += yi * dx * (xi + dx / 2) + dy * dx / 2 * (xi + 2 * dx / 3);
    sx += yi * dx * yi / 2 + dy * dx / 2 * (yi + dy / 3);
  }
  area = a;
  if (a > 0) {
    x = sy / a;
    y = sx / a;
  } else {
    x = 0;
    y = 0;
  }
}

ItemProperties itemProperties(TShape& s, std::string_view name) {
  const PointList poly = itemPolygon(s, name);
  ItemProperties p;
  s.workCount = poly.count > 0 ? poly.count - 1 : 0;
  for (int k = 0; k < poly.count; ++k) {
    s.workX[k] = s.outlineX[poly.index[k]];
    s.workY[k] = s.outlineY[poly.index[k]];
  }
  polygonProperties(s, p.area, p.x, p.y);

  // Display list: repeats of the point before dropped (exact comparison).
  for (int k = 0; k < poly.count; ++k) {
    const ItemPoint pt{s.workX[k], s.workY[k]};
    if (p.pointCount > 0) {
      const ItemPoint& last = p.points[p.pointCount - 1];
      if (last.x == pt.x && last.y == pt.y) continue;
    }
    p.points[p.pointCount++] = pt;
  }
  return p;
}

void heelSoilLoads(TShape& s, std::string_view item, bool loadOnVirtualFace) {
  // Backfill block. For an embankment whose slope ends before the heel
  // section or the stem's rear foot, KS_S and KS_M cross themselves; the
  // program keeps the signed area of the coordinate method for them (a
  // negative area weighs negative and its centroid reads 0) rather than
  // inventing another construction.
  const ItemProperties p = itemProperties(s, item);
  s.backfillWeight = p.area * s.gammaS;
  s.backfillInertia = s.backfillWeight * s.khInertia;
  s.backfillX = p.x;
  s.backfillY = p.y;

  // Surcharge and snow on the heel, arms measured from the stem rear foot x6.
  const double x5 = s.outlineX[5], x6 = s.outlineX[6], xK = s.outlineX[33];
  const double B = s.outlineX[9];
  const double b = B - x5, v = x6 - x5, sK = xK - x5, h = B - x6;
  const double R = s.slopeRun;
  const double qs = s.surchargeOnSlope + s.snowOnSlope;
  const double qf = s.surcharge + s.snowOnFlat;
  const bool slopeWhole = s.backfillShape == 2 || (s.backfillShape == 3 && R > b);

  double load = 0, arm = 0;
  if (item == "KS_A") {
    if (!loadOnVirtualFace) {
      load = 0;
      arm = 0;
    } else if (slopeWhole) {
      load = qs * b;
      arm = b / 2 - v;
    } else {
      load = qs * R + qf * (b - R);
      arm = twoPartArm(qs * R, R, qf * (b - R), b - R, -v);
    }
  } else if (item == "KS_M") {
    if (slopeWhole) {
      load = qs * (b - v);
      arm = (b - v) / 2;
    } else if (R >= v) {
      load = qs * (R - v) + qf * (b - R);
      arm = twoPartArm(qs * (R - v), R - v, qf * (b - R), b - R, 0);
    } else {
      load = qf * h;
      arm = h / 2;
    }
  } else if (item == "KS_S") {
    const double offset = xK - x6;
    if (slopeWhole) {
      load = qs * (b - sK);
      arm = (b - sK) / 2 + offset;
    } else if (R >= sK) {
      load = qs * (R - sK) + qf * (b - R);
      arm = twoPartArm(qs * (R - sK), R - sK, qf * (b - R), b - R, offset);
    } else {
      load = qf * (b - sK);
      arm = (b - sK) / 2 + offset;
    }
  }
  s.surchargeLoad = load;
  s.surchargeArm = arm;
}

}  // namespace kovrel
