#include "report/member_figure_titles.h"

namespace kovrel {

void titleMemberFigures(ResultsWindow& results, const TAntei& s, const DesignConditions& dc) {
  if (s.wallType == 0) results.chart("Chart2").title = "図:つま先版地盤反力";
  results.chart("Chart7").title = "図:かかと版地盤反力";
  if (dc.index("RadioGroup2") == 1) results.chart("Chart8").title = "図:突起地盤反力";
}

}  // namespace kovrel
