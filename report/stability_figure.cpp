#include "report/stability_figure.h"

#include "engine/load_items.h"
#include "report/load_summary.h"
#include "report/reaction_diagram.h"
#include "results/report_writer.h"

namespace kovrel {

void drawStabilityFigure(TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  Chart& chart = r.chart("Chart11");
  if (s.bearingState == 3) {
    clearChart(chart);
    r.listBox("ListBox12").lines.clear();
    return;
  }
  // 5. Colours, axes (reaction 1 m per 100 kN/m2 below the base) and the
  //    wall outline.
  Series& wall = chart.seriesNamed("Series19");
  Series& reaction = chart.seriesNamed("Series47");
  wall.colour = clBlack;
  reaction.colour = dc.index("RadioGroup10") == 0 ? rgb(128, 0, 128) : clBlack;
  clearChart(chart);
  chart.left.minimum = -s.reactionToe / 100 - 0.5;
  chart.left.maximum = s.outlineY[3] + 0.5;
  chart.bottom.minimum = -1;
  chart.bottom.maximum = s.outlineX[9] + 0.5;
  const ItemProperties body = itemProperties(s, "W_A");
  for (int i = 0; i < body.pointCount; ++i) {
    wall.points.push_back({body.points[size_t(i)].x, body.points[size_t(i)].y, "", std::nullopt});
  }
  drawReactionDiagram(
      s, reaction,
      dc.index("RadioGroup2") == 1 ? ReactionVariant::ShearKey : ReactionVariant::Plain);

  // 6. Load summary.
  writeLoadSummary(s, r);
}

}  // namespace kovrel
