#include "report/load_list.h"

#include "results/number_picture.h"

namespace kovrel {

void setLoadListRow(StringGrid& grid, int row, double v, double h, double x, double y, double vx,
                    double hy) {
  const double values[6] = {v, h, x, y, vx, hy};
  const char* pictures[6] = {"#,0.00kN", "#,0.00kN",  "#,0.000m",
                             "#,0.000m", "#,0.00kNm", "#,0.00kNm"};
  for (int c = 0; c < 6; ++c) {
    grid.setCell(c + 1, row,
                 values[c] == kNotApplicable ? "---" : formatNumber(pictures[c], values[c]));
  }
}

void writeLoadList(const TAntei& s, ResultsWindow& results) {
  StringGrid& g = results.grid("StringGrid6");
  constexpr double n = kNotApplicable;
  setLoadListRow(g, 1, s.wallWeight, s.wallInertia, s.wallX, s.wallY, s.wallMomentV, s.wallMomentH);
  if (s.backfillWeight > 0) {
    setLoadListRow(g, 2, s.backfillWeight, s.backfillInertia, s.backfillXcopy, s.backfillYcopy,
                   s.backfillMomentV, s.backfillMomentH);
  }
  if (s.surchargeLoad > 0) {
    setLoadListRow(g, 3, s.surchargeLoad, n, s.surchargeX, n, s.surchargeMoment, n);
  }
  setLoadListRow(g, 4, s.earthForceV, s.earthForceH, s.earthForceVX, s.earthForceHY, s.earthMomentV,
                 s.earthMomentH);
  // Passive pressure is listed in brackets: shown, not added.
  if (s.passiveForce > 0) {
    setLoadListRow(g, 5, n, n, n, n, n, n);
    g.setCell(2, 5, "(" + formatNumber("0.00kN", s.passiveForce) + ")");
  }
  if (s.waterForce > 0) {
    setLoadListRow(g, 6, n, s.waterForce, n, s.waterArm, n, s.waterMoment);
    const double u = s.wallBuoyancy + s.soilBuoyancy;
    const double m = s.wallBuoyancyMoment + s.soilBuoyancyMoment;
    // Water pressure without any submerged body part has no buoyancy arm.
    setLoadListRow(g, 7, u != 0 ? -u : 0.0, n, u != 0 ? m / u : 0.0, n, m != 0 ? -m : 0.0, n);
  }
  if (s.windForce > 0) setLoadListRow(g, 8, n, s.windForce, n, s.windArm, n, s.windMoment);
  if (s.collisionForce > 0) {
    setLoadListRow(g, 9, n, s.collisionForce, n, s.collisionArm, n, s.collisionMoment);
  }
  setLoadListRow(g, 10, s.sumV, s.sumH, n, n, s.resistingMoment, s.overturningMoment);
}

}  // namespace kovrel
