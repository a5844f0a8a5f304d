#include "run/stability_pipeline.h"

#include <cmath>

#include "engine/design_loader.h"
#include "engine/finite_guard.h"
#include "engine/load_assembly.h"
#include "engine/member_loads.h"
#include "engine/passive_pressure.h"
#include "engine/self_weight.h"
#include "engine/stability_checks.h"
#include "engine/trial_wedge.h"
#include "engine/water_pressure.h"
#include "report/design_conditions_report.h"
#include "report/load_diagram.h"
#include "report/load_list.h"
#include "report/load_report.h"
#include "report/member_figure_titles.h"
#include "report/self_weight_report.h"
#include "report/stability_report.h"
#include "results/report_writer.h"

namespace kovrel {

// The steps in their order. A step whose part of the engine is not built yet
// is named here and does nothing, so its report pages keep what they held.
void runStabilityPipeline(TAntei& s, Session& session) {
  ResultsWindow& results = session.results;
  const DesignConditions& dc = session.conditions;

  // 1. Design constants and outline points, and the member figures' titles.
  loadDesignConditions(s, dc);
  titleMemberFigures(results, s, dc);

  // 2. Wall body weight, inertia, centroid and moments from item W_A.
  computeWallWeight(s);

  // 3. No earth pressure until the wedge has run.
  s.earthForceH = 0;
  s.earthForceV = 0;
  s.earthArmY = 0;
  s.earthForceVX = 0;

  // 4. Earth pressure on the virtual back face by the trial wedge.
  const VirtualBackFace face = virtualBackFace(s);
  trialWedge(s, wedgeSettingsFrom(dc), 1, s.backfillShape, face.b, face.h, face.h);

  // 5. Lever arms of the earth pressure components.
  s.earthForceVX = s.outlineX[9];
  s.earthForceHY = s.earthArmY;

  // 6. Backfill block and surcharge on the heel.
  computeHeelBackfill(s, dc.index("RadioGroup4") == 0);

  // 7. Slip-line lengths for the figures: from the stem top and from the toe.
  const double slipRun = std::cos(s.slipAngle) * s.slipLength;
  const double dSlip = slipRun + (s.outlineX[9] - s.outlineX[5]);
  const double xSlipTop = slipRun + s.outlineX[9];

  // 8. Lever arms of the backfill and the surcharge in the load list.
  s.backfillXcopy = s.backfillX;
  s.backfillYcopy = s.backfillY;
  s.surchargeX = s.surchargeLoad != 0 ? s.surchargeArm + s.outlineX[6] : 0.0;

  // 9. Passive earth pressure; water pressure over the whole wall height.
  passivePressure(s);
  waterPressure(s, s.outlineY[4], s.outlineY[4]);

  // 10-12. Buoyancy, wind, collision, sums and moments.
  assembleLoads(s);

  // A backfill slope that cannot stand in the earthquake leaves the wall
  // without an earth pressure: nothing is checked against loads that lack
  // it, so no check result of this run holds a number.
  const bool unstable = s.backfillUnstable != 0;
  if (!unstable) {
    // 13. Resultant, eccentricity and ground reaction.
    computeGroundReaction(s);

    // 14. Ultimate bearing capacity.
    computeUltimateBearing(s, dc.readDouble("ComboBox18"));
    // 15. Member-design loads from the stability result.
    computeMemberLoads(s);

    // 16. Sliding: required safety factor, then the check. The key forces are
    //     the key design's business; it computes them again.
    s.slidingFsRequired = s.loadCase == 0 ? 1.5 : 1.2;
    computeReactionWidth(s);
    computeSliding(s, dc.index("RadioGroup2") == 1);
  }

  // Every stability value must be a number before any of it is reported;
  // the first that is not names itself in the run's message.
  requireFiniteState(s);

  // 17. Report pages and figures: design conditions and contents, self
  //     weight II-1 and II-2, earth pressure and other loads II-3, the load
  //     list, stability III-1 with the load summary. Without an earth
  //     pressure the load list keeps its "---" and the load diagram stays
  //     empty.
  writeDesignConditionsReport(s, dc, results, session.currentFileName, dSlip);
  writeSelfWeightReports(s, dc, results);
  writeLoadReport(s, dc, results);
  if (!unstable) writeLoadList(s, results);
  writeStabilityReport(s, dc, results);
  //     Load diagram III-2.
  if (unstable) {
    clearChart(results.chart("Chart1"));
  } else {
    drawLoadDiagram(s, dc, results, xSlipTop, face.h, dSlip);
  }
}

}  // namespace kovrel
