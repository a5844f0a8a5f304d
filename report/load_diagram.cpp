#include "report/load_diagram.h"

#include <algorithm>
#include <cmath>

#include "engine/load_items.h"
#include "report/reaction_diagram.h"
#include "report/surface_line.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

void add(Series& s, double x, double y, std::string label = " ") {
  s.points.push_back({x, y, std::move(label), std::nullopt});
}

void surfaceSeries(TAntei& st, const DesignConditions& dc, Series& series, SurfaceKind kind,
                   bool labelled) {
  const SurfaceLabels labels = buildSurfaceLine(st, dc, kind);
  series.points.clear();
  for (int i = 0; i <= st.surfaceLineLast; ++i) {
    std::string label = " ";
    if (labelled && i == labels.firstIndex) label = labels.first;
    if (labelled && i == labels.secondIndex) label = labels.second;
    add(series, st.surfaceLineX[size_t(i)], st.surfaceLineY[size_t(i)], label);
  }
}

}  // namespace

void drawLoadDiagram(TAntei& s, const DesignConditions& dc, ResultsWindow& results, double xSlipTop,
                     double h, double dSlip) {
  Chart& chart = results.chart("Chart1");
  const double B = s.outlineX[9];
  const double yTop = s.outlineY[4];
  const double q1 = s.reactionToe, q2 = s.reactionHeel;
  // Surcharge as an equivalent soil height, m.
  const double qHeight = s.gammaS > 0 ? s.surcharge / s.gammaS : 0.0;

  // 1. Axes: the reaction below the base, the ground and surcharge above.
  const double bottom = std::min(-q1 / 100, -q2 / 100) - 0.5;
  chart.left.minimum = bottom;
  chart.left.maximum = s.backfillShape == 2 ? std::tan(s.slopeAngle) * dSlip + yTop + qHeight + 0.5
                                            : yTop + s.embankHeight + qHeight + 1;
  chart.bottom.minimum = -0.5;
  chart.bottom.maximum = xSlipTop + 1;

  // 2. Empty every series.
  clearChart(chart);

  // 3. Colours for colour or black-and-white output.
  const bool colour = dc.index("RadioGroup10") == 0;
  auto paint = [&](const char* name, Colour line, Colour text) {
    Series& series = chart.seriesNamed(name);
    series.colour = colour ? line : clBlack;
    series.labelColour = colour ? text : clBlack;
  };
  chart.titleColour = colour ? clBlue : clBlack;
  paint("Series1", clBlack, clBlack);
  paint("Series2", clPurple, clPurple);
  paint("Series3", clRed, clBlack);
  paint("Series4", clMaroon, clBlack);
  paint("Series5", clRed, clRed);
  paint("Series6", clLime, clLime);
  paint("Series9", clRed, clBlack);
  paint("Series10", clBlack, clBlack);
  paint("Series11", clBlack, clBlack);
  paint("Series12", clRed, clBlack);
  paint("Series13", clBlue, clBlack);
  paint("Series20", clAqua, clAqua);
  paint("Series16", clMaroon, clBlack);

  // 4. Wall outline.
  Series& wall = chart.seriesNamed("Series1");
  const ItemProperties body = itemProperties(s, "W_A");
  for (int i = 0; i < body.pointCount; ++i) {
    wall.points.push_back({body.points[size_t(i)].x, body.points[size_t(i)].y, "", std::nullopt});
  }

  // Slip line from the heel end, with the crack above its upper end.
  Series& slip = chart.seriesNamed("Series5");
  const double w = s.slipAngle, L = s.slipLength;
  add(slip, B, 0, formatNumber("ω=0.00度", w * kDegreesPerRadian));
  add(slip, xSlipTop, L * std::sin(w));
  if (s.crackDepth > 0) {
    add(slip, xSlipTop, L * std::sin(w) + s.crackDepth, formatNumber("Zc=0.00m", s.crackDepth));
  }

  // Surcharge line and ground surface.
  surfaceSeries(s, dc, chart.seriesNamed("Series6"), SurfaceKind::Surcharge, true);
  surfaceSeries(s, dc, chart.seriesNamed("Series4"), SurfaceKind::Ground, false);

  // Earth pressure components at their point of action on the virtual face.
  const double yP = s.earthArmY, ph = s.earthForceH, pv = s.earthForceV;
  const double xP = s.earthForceVX;
  Series& phSeries = chart.seriesNamed("Series9");
  add(phSeries, xP + 0.2, yP + 0.2);
  add(phSeries, xP, yP);
  add(phSeries, xP + ph / 100, yP, formatNumber("Ph=0.00kN", ph));
  Series& pvSeries = chart.seriesNamed("Series12");
  add(pvSeries, xP - 0.2, yP + 0.2);
  add(pvSeries, xP, yP);
  add(pvSeries, xP, yP + pv / 100, formatNumber("Pv=0.00kN", pv));

  // Resultant of all loads meeting the base at d.
  Series& resultant = chart.seriesNamed("Series3");
  const double d = s.resultantD;
  add(resultant, d - 0.2, 0.2, "");
  add(resultant, d, 0, "");
  add(resultant, d + s.sumH / 1000, s.sumV / 1000, "");

  // Middle-third marks.
  add(chart.seriesNamed("Series10"), B / 3, 0);
  add(chart.seriesNamed("Series10"), B / 3, 0.2);
  add(chart.seriesNamed("Series11"), 2 * B / 3, 0);
  add(chart.seriesNamed("Series11"), 2 * B / 3, 0.2);

  // Ground reaction (nothing in state 3).
  drawReactionDiagram(s, chart.seriesNamed("Series2"), ReactionVariant::Plain);

  // Earth pressure diagram on the virtual back face.
  Series& pressure = chart.seriesNamed("Series13");
  add(pressure, B, 0);
  add(pressure, B, h);
  if (s.wedgeCase == 0) add(pressure, B + qHeight / 100, h);
  if (s.crackOffset > 0) {
    pressure.points.push_back(
        {B, h - s.crackOffset, formatNumber("Hc=0.00m", s.crackOffset), clBlue});
  }
  add(pressure, B + ph / 100, pv / 100);
  add(pressure, B, 0);

  // Water pressure at the base, 1 m per 10 kN/m2.
  if (s.waterDepth > 0) {
    Series& water = chart.seriesNamed("Series20");
    add(water, B, 0);
    add(water, B, s.waterDepth);
    add(water, B + s.gammaW * s.waterDepth / 10, 0,
        formatNumber("0.00kN/m2", s.gammaW * s.waterDepth));
    add(water, B, 0);
  }

  // Front soil surface when passive pressure is considered.
  if (dc.checked("CheckBox9")) {
    Series& front = chart.seriesNamed("Series16");
    add(front, -10, s.outlineY[24]);
    add(front, s.outlineX[26], s.outlineY[24]);
  }
}

}  // namespace kovrel
