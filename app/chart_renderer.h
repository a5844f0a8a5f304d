#pragma once
// Draws one results chart onto a canvas, the same way for every picture
// format. The rules, fixed here because the results model only holds the
// chart's content:
//
// Frame. The picture is the chart's design size in pixels (clamped to 16 ..
//   16000 so that a broken size still gives a usable picture).
// Title. One line, 10 pt bold (13.3 px at 96 dpi) in the title colour,
//   centred at the top; it takes a band of its height plus 6 px. No title, no
//   band.
// Plot area. 6 px from the frame on every side, below the title band. With
//   the axes shown, the left margin also holds the widest tick label plus a
//   4 px tick and 3 px gap, the bottom margin one tick-label line plus the
//   same, and a non-empty axis title one more 8 pt line (the left one above
//   the plot, the bottom one under the tick labels). Hidden axes draw nothing
//   and leave the whole area to the plot; so does a frame too small to keep
//   a plot of 20 x 20 px inside the axes' margins.
// Axis ranges. The chart's minimum and maximum when both are finite and
//   differ (reversed ones are swapped); otherwise the extent of the finite
//   points (grown by 0.5 either side when flat), or 0 .. 1 for an empty chart.
//   An inverted left axis has its minimum at the top of the plot, values
//   growing downwards (a depth); ticks and points follow it. A logarithmic
//   axis places the decimal logarithm of each value; a value of 0 or less
//   has no place on it (its point breaks the line, as a non-finite one does).
// Ticks. Steps of 1, 2 or 5 x 10^k, about one per 50 px along x and 40 px
//   along y; on a logarithmic axis 1, 2 and 5 in each decade (the powers of
//   ten alone beyond four decades). Labels 8 pt, black, through the axis' own
//   number picture, or one with as many decimals as the step (the value, on
//   a logarithmic axis) needs. The plot frame is drawn as a grey box.
// Series. In series order, each a 1 px polyline through its points in
//   insertion order; the segment leading to a point with a colour of its own
//   takes that colour, the others the series colour. Lines are clipped to the
//   plot area; a point with a non-finite coordinate breaks the line, and so
//   does a gap point (kNullPointColour), which also takes no part in the
//   data's extent and carries no label.
// Labels. After all lines, in series and point order: every label that is not
//   blank, of a point inside the plot area, in the series' label colour at
//   the series' label font size (points at 96 dpi, clamped to 4 .. 72). A
//   label sits up and to the right of its point, the series' mark offset (3 px
//   when it is 0) above it, or that far below it when the offset is negative;
//   it moves to the left of the point when it would leave the frame on the
//   right, and to the other side of the point when it would leave the frame
//   at the top or bottom. A point between two neighbours at its own height
//   (the length of a dimension chain) has its label centred over it, kept
//   inside the frame. Text widths are estimated as half the font size per
//   Shift-JIS byte, which is close for the report's fonts; a text's box is
//   that width by one em, the baseline 85 % down.
// Crowded labels. A label whose box would meet the box of a label drawn
//   before it moves to the nearest free row above or below, inside the frame
//   and clear of the title, tick labels and axis titles, and a leader line
//   (0.5 px, label colour) joins it to its point when it has left its point's
//   side; labels that meet none stay where the rules above put them
//   (app/label_separation.h).
// Not drawn: series titles (no legend; the figures name things by their
//   labels) and point marks (the results model does not say which series
//   show them).

#include "app/chart_canvas.h"
#include "results/results_window.h"

namespace kovrel {

void renderChart(const Chart& chart, ChartCanvas& canvas);

// The picture's frame in design pixels, as renderChart passes it to begin().
struct PictureSize {
  int width = 0, height = 0;
};
PictureSize pictureSize(const Chart& chart);

// The width the renderer lays a one-line text out with, in design pixels:
// half the size per Shift-JIS byte. A canvas whose font runs wider fits the
// text into it.
double estimatedTextWidth(std::string_view utf8, double sizePx);

}  // namespace kovrel
