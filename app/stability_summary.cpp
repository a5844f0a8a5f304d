#include "app/stability_summary.h"

#include <cmath>

#include "report/unstable_backfill_note.h"
#include "results/number_picture.h"

namespace kovrel {

std::string stabilityGoverningNumbers(const TAntei& s, const DesignConditions& dc, int check) {
  const double B = s.outlineX[9];
  const bool normal = s.loadCase == 0;
  const bool reaction = s.bearingState != 3;
  if (s.backfillUnstable) return kUnstableBackfillSummary;
  switch (check) {
    case 1:
      if (!reaction) return "  計算不能(偏心距離オーバー)";
      return "  Fs=" + (s.sumHcopy > 0 ? formatNumber("0.00", s.slidingFs) : std::string("∞")) +
             formatNumber(" (必要 0.00)", s.slidingFsRequired);
    case 2: {
      if (dc.index("RadioGroup11") == 1) {
        const double mo = s.overturningMoment;
        std::string out =
            "  Fm=" + (mo > 0 ? formatNumber("0.000", s.resistingMoment / mo) : std::string("∞"));
        double fa = 0;
        if (parseDecimal(dc.text(normal ? "LabeledEdit1" : "LabeledEdit2"), fa)) {
          out += formatNumber(" (必要 0.00)", fa);
        }
        return out;
      }
      return formatNumber("  |e|=0.000m", std::fabs(s.eccentricity)) +
             formatNumber(normal ? " (許容 B/6=0.000m)" : " (許容 B/3=0.000m)",
                          normal ? B / 6 : B / 3);
    }
    case 3:
      if (!reaction) return "  q 計算不能(偏心距離オーバー)";
      return formatNumber("  q1=0.00kN/m2", s.reactionToe) +
             formatNumber(" q2=0.00kN/m2", s.reactionHeel) +
             formatNumber(" (qa=0.00kN/m2)", s.qaAllow);
    default:
      if (!(s.effectiveWidth > 0)) return "  計算不能(有効載荷幅Be≦0)";
      return formatNumber("  Vo/Be=0.00kN/m2", s.bearingPressure) +
             formatNumber(" (qu/n=0.00kN/m2)", s.ultimateBearing / s.bearingFsRequired);
  }
}

}  // namespace kovrel
