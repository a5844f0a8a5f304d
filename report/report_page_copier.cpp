#include "report/report_page_copier.h"

#include <cstdlib>
#include <stdexcept>

namespace kovrel {
namespace {

void addRule(Series& s, double x1, double y1, double x2, double y2) {
  s.points.push_back({x1, y1, "", std::nullopt});
  s.points.push_back({x2, y2, "", std::nullopt});
  s.points.push_back({x1, y1, "", std::nullopt});
}

}  // namespace

Chart reportTableChart() {
  Chart chart;
  chart.axesVisible = false;
  for (const char* name : {"Text", "VerticalLines", "HorizontalLines"}) {
    Series s;
    s.name = name;
    chart.series.push_back(std::move(s));
  }
  return chart;
}

Chart reportFigureChart(const Chart& source, std::string title, int widthPx, int heightPx) {
  Chart chart;
  chart.name = source.name;
  chart.title = std::move(title);
  chart.titleColour = source.titleColour;
  chart.axesVisible = source.axesVisible;
  chart.left.title = source.left.title;
  chart.left.inverted = source.left.inverted;
  chart.bottom.title = source.bottom.title;
  chart.width = widthPx;
  chart.height = heightPx;
  for (const Series& from : source.series) {
    Series s;
    s.name = from.name;
    s.title = from.title;
    s.labelFontSize = from.labelFontSize;
    s.labelColour = from.labelColour;
    s.markOffset = from.markOffset;
    chart.series.push_back(std::move(s));
  }
  return chart;
}

void TDrawKekka::measureGrid(const StringGrid& grid) {
  if (grid.colCount() > kMaxColumns) {
    throw std::length_error("a report table holds at most " + std::to_string(kMaxColumns) +
                            " columns, the grid has " + std::to_string(grid.colCount()));
  }
  colCount = grid.colCount();
  rowCount = grid.rowCount();
  colWidth.fill(0);
  tableWidth = 0;
  for (int c = 0; c < colCount; ++c) {
    const size_t i = size_t(c);
    const int w = i < grid.colWidths.size() ? grid.colWidths[i] : kGridDefaultColWidth;
    colWidth[i] = w > 0 ? w : 0;
    tableWidth += colWidth[i];
  }
  rowPitch = kGridDefaultRowHeight - 5;
  tableHeight = rowPitch * rowCount;
  tableTop = 0;
  tableBottom = -tableHeight;
  tableLeft = 0;
  tableRight = tableWidth;
}

void TDrawKekka::drawGridTable(const StringGrid& grid, Chart& chart, Series& textSeries,
                               Series& verticalLines, Series& horizontalLines) {
  measureGrid(grid);

  horizontalLines.colour = clBlack;
  horizontalLines.points.clear();
  addRule(horizontalLines, tableLeft, -rowPitch - 1, tableRight, -rowPitch - 1);
  for (int r = 1; r <= rowCount; ++r) {
    addRule(horizontalLines, tableLeft, -r * rowPitch, tableRight, -r * rowPitch);
  }

  verticalLines.colour = clBlack;
  verticalLines.points.clear();
  if (colCount > 0) {
    addRule(verticalLines, colWidth[0] + 1, tableTop, colWidth[0] + 1, tableBottom);
  }
  int right = 0;
  for (int c = 0; c < colCount; ++c) {
    right += colWidth[size_t(c)];
    addRule(verticalLines, right, tableTop, right, tableBottom);
  }

  chart.axesVisible = false;
  chart.left.minimum = -tableHeight;
  chart.left.maximum = 0;
  chart.bottom.minimum = 0;
  chart.bottom.maximum = tableWidth;
  chart.width = tableWidth + 15 * colCount;
  chart.height = tableHeight + 5 * rowCount;

  textSeries.colour = clBlack;
  textSeries.labelColour = clBlack;
  textSeries.points.clear();
  int left = 0;
  for (int c = 0; c < colCount; ++c) {
    const double centre = left + colWidth[size_t(c)] / 2.0;
    for (int r = 0; r < rowCount; ++r) {
      textSeries.points.push_back({centre, double(-(r + 1) * rowPitch), grid.cell(c, r), clBlack});
    }
    left += colWidth[size_t(c)];
  }
}

void TDrawKekka::copyListToMemo(const ListBox& listBox, ReportMemo& memo, int fontHeightPx) {
  memo.lines.clear();
  const int height = std::abs(fontHeightPx);
  for (size_t i = 0; i < listBox.lines.size(); ++i) {
    memo.heightPx = height * int(i + 3);
    memo.lines.push_back(listBox.lines[i]);
  }
}

void TDrawKekka::copyChart(const Chart& source, Chart& target) {
  if (target.series.size() < source.series.size()) {
    throw std::invalid_argument("the report figure " + target.name + " has " +
                                std::to_string(target.series.size()) + " series, " + source.name +
                                " has " + std::to_string(source.series.size()));
  }
  if (source.left.minimum != 0 || source.left.maximum != 0) {
    target.left.minimum = source.left.minimum;
    target.left.maximum = source.left.maximum;
  }
  if (source.bottom.minimum != 0 || source.bottom.maximum != 0) {
    target.bottom.minimum = source.bottom.minimum;
    target.bottom.maximum = source.bottom.maximum;
  }
  for (size_t i = 0; i < source.series.size(); ++i) {
    const Series& from = source.series[i];
    Series& to = target.series[i];
    to.points.clear();
    to.colour = from.colour;
    to.points.reserve(from.points.size());
    for (const ChartPoint& p : from.points) {
      // A gap between two curves of one series stays a gap.
      const bool gap = p.colour && *p.colour == kNullPointColour;
      to.points.push_back({p.x, p.y, p.label, gap ? p.colour : std::optional(from.colour)});
    }
  }
}

}  // namespace kovrel
