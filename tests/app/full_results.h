#pragma once
// A results window filled by hand the way a finished run leaves it: report
// lines in every list box, numbers in every grid cell, and figures with
// labelled points, Chart1 shaped like a real load diagram. The exports only
// read the results model, so they are tested on this.

#include <cmath>
#include <string>

#include "results/number_picture.h"
#include "results/report_writer.h"
#include "results/results_window.h"
#include "results/results_window_setup.h"

namespace kovrel::testing {

inline void addPoint(Series& s, double x, double y, std::string label = " ") {
  s.points.push_back({x, y, std::move(label), std::nullopt});
}

// A load diagram for a 4.5 m inverted-T wall with a 3.2 m base: wall outline,
// slip surface, surcharge and ground lines, earth-pressure and resultant
// arrows, third points and a trapezoidal ground reaction.
inline void fillLoadDiagram(Chart& c) {
  c.clear();
  c.titleColour = clBlue;
  c.left = {-1.6, 6.6, ""};
  c.bottom = {-0.5, 6.2, ""};
  const double B = 3.2, yTop = 4.5, x5 = 1.3;
  Series& wall = c.seriesNamed("Series1");
  const double outline[][2] = {{0, 0},     {0, 0.5}, {0.8, 0.5}, {1.0, 4.5}, {1.3, 4.5},
                               {1.3, 0.5}, {B, 0.5}, {B, 0},     {0, 0}};
  for (const auto& p : outline) addPoint(wall, p[0], p[1]);
  Series& slip = c.seriesNamed("Series5");
  slip.colour = slip.labelColour = clRed;
  addPoint(slip, B, 0, formatNumber("ω=0.00度", 56.31));
  addPoint(slip, B + 4.5 / std::tan(56.31 / 57.29578), 4.5);
  Series& load = c.seriesNamed("Series6");
  load.colour = load.labelColour = clLime;
  addPoint(load, x5, yTop);
  addPoint(load, x5, yTop + 0.5, formatNumber("0.00kN/m2", 10));
  addPoint(load, x5 + 100, yTop + 0.5);
  Series& ground = c.seriesNamed("Series4");
  ground.colour = clMaroon;
  addPoint(ground, x5, yTop);
  addPoint(ground, x5 + 100, yTop);
  const double PH = 98.7, PV = 32.1, yP = 1.65;
  Series& ph = c.seriesNamed("Series9");
  ph.colour = clRed;
  addPoint(ph, B + 0.2, yP + 0.2);
  addPoint(ph, B, yP);
  addPoint(ph, B + PH / 100, yP, formatNumber("Ph=0.00kN", PH));
  Series& pv = c.seriesNamed("Series12");
  pv.colour = clRed;
  addPoint(pv, B - 0.2, yP + 0.2);
  addPoint(pv, B, yP);
  addPoint(pv, B, yP + PV / 100, formatNumber("Pv=0.00kN", PV));
  const double d = 1.45, V = 412.0, H = 98.7;
  Series& res = c.seriesNamed("Series3");
  res.colour = clRed;
  addPoint(res, d - 0.2, 0.2);
  addPoint(res, d, 0);
  addPoint(res, d + H / 1000, V / 1000);
  for (auto [name, x] : {std::pair{"Series10", B / 3}, std::pair{"Series11", 2 * B / 3}}) {
    Series& s = c.seriesNamed(name);
    addPoint(s, x, 0);
    addPoint(s, x, 0.2);
  }
  const double q1 = 145.2, q2 = 112.6;
  Series& re = c.seriesNamed("Series2");
  re.colour = re.labelColour = clPurple;
  addPoint(re, 0, 0);
  addPoint(re, 0, -q1 / 100, formatNumber("0.00kN/m2", q1));
  addPoint(re, B, -q2 / 100, formatNumber("0.00kN/m2", q2));
  addPoint(re, B, 0);
  Series& ep = c.seriesNamed("Series13");
  ep.colour = clBlue;
  addPoint(ep, B, 0);
  addPoint(ep, B, yTop);
  addPoint(ep, B + 0.1, yTop);
  ep.points.push_back({B, yTop - 0.6, formatNumber("Hc=0.00m", 0.6), clBlue});
  addPoint(ep, B + PH / 100, PV / 100);
  addPoint(ep, B, 0);
  Series& w = c.seriesNamed("Series20");
  w.colour = w.labelColour = clAqua;
  addPoint(w, B, 0);
  addPoint(w, B, 1.2);
  addPoint(w, B + 9 * 1.2 / 10, 0, formatNumber("0.00kN/m2", 9 * 1.2));
  addPoint(w, B, 0);
  Series& front = c.seriesNamed("Series16");
  front.colour = clMaroon;
  addPoint(front, -10, 0.8);
  addPoint(front, 0.8, 0.8);
}

// Every list box, grid and chart holds report-like content.
inline ResultsWindow fullResults() {
  ResultsWindow r;
  setUpResultsWindow(r, false);
  int n = 0;
  for (const auto& [name, box] : r.listBoxes()) {
    ListBox& b = r.listBox(name);
    for (int i = 0; i < 40; ++i) {
      appendLine(b,
                 formatNumber("    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm", 1234.5 + i + n));
    }
    appendBlank(b);
    ++n;
  }
  for (const auto& [name, grid] : r.grids()) {
    StringGrid& g = r.grid(name);
    for (int row = 1; row < g.rowCount(); ++row) {
      for (int col = 1; col < g.colCount(); ++col) {
        g.setCell(col, row, formatNumber("#,0.00", 10.5 * row - 3.25 * col));
      }
    }
  }
  for (const auto& [name, chart] : r.charts()) {
    Chart& c = r.chart(name);
    if (name == "Chart1") {
      fillLoadDiagram(c);
      continue;
    }
    c.left = {-1, 5, ""};
    c.bottom = {-1, 5, ""};
    int k = 0;
    for (Series& s : c.series) {
      s.colour = k % 2 ? clRed : clBlue;
      for (int i = 0; i < 60; ++i) {
        double x = i * 0.07, y = 2 + std::sin(i * 0.2 + k);
        addPoint(s, x, y, i % 10 == 0 ? formatNumber("0.00kN/m2", y * 100) : " ");
      }
      ++k;
    }
  }
  return r;
}

}  // namespace kovrel::testing
