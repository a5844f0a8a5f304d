#pragma once
// The copier that carries the results window onto the printed report pages,
// which compute nothing of their own: a list box becomes the lines of a text
// box sized to them, a grid becomes a ruled table drawn on an axis-less chart,
// and a results chart's series are copied point by point into the page's own
// chart. One TDrawKekka serves one page preparation. Sizes are pixels at 96
// per inch; a table's y runs downwards as negative numbers.

#include <array>
#include <string>
#include <vector>

#include "results/results_window.h"

namespace kovrel {

// The grids' default row height and the width of a column the grid gives no
// width for, in pixels (the PDF tables read grids with the same numbers).
inline constexpr int kGridDefaultRowHeight = 17;
inline constexpr int kGridDefaultColWidth = 64;

// A multi-line text box of a report page.
struct ReportMemo {
  std::vector<std::string> lines;
  int heightPx = 0;  // as laid out until lines are copied in
};

// The three series of a table chart, in this order: the cell texts (points
// that only carry labels), the vertical rules, the horizontal rules. A rule
// is three points, (start, end, start), so that consecutive rules never join.
inline constexpr size_t kTableTextSeries = 0;
inline constexpr size_t kTableVerticalSeries = 1;
inline constexpr size_t kTableHorizontalSeries = 2;

// An empty table chart: its three series and hidden axes.
Chart reportTableChart();

// The empty figure of a report page that takes the copy of `source`: the
// same series in the same order with their presentation (names, titles,
// label size, colour and offset), the axes' titles and directions, but the
// page's own title and size; no points, no axis ranges.
Chart reportFigureChart(const Chart& source, std::string title, int widthPx, int heightPx);

class TDrawKekka {
 public:
  static constexpr int kMaxColumns = 21;

  int colCount = 0;
  int rowCount = 0;
  std::array<int, kMaxColumns> colWidth{};  // pixels
  int rowPitch = 0;                         // the grid's default row height less 5
  int tableWidth = 0;                       // sum of the column widths
  int tableHeight = 0;                      // rowPitch x rowCount
  int tableTop = 0;                         // top end of the vertical rules
  int tableBottom = 0;                      // bottom end of the vertical rules: -tableHeight
  int tableLeft = 0;                        // left end of the horizontal rules
  int tableRight = 0;                       // right end of the horizontal rules: tableWidth

  // Fills the fields for one grid; a grid of more than kMaxColumns columns
  // is refused with std::length_error (every grid of the report has at most 7).
  void measureGrid(const StringGrid& grid);

  // Draws the grid as a ruled table on `chart` (three series, see
  // reportTableChart): a double rule under the first row and after the
  // first column, a rule under every row and after every column, none along
  // the top or the left edge; each cell's text centred in its column just
  // above its row's bottom rule. The axes span the table and the chart takes
  // the size tableWidth + 15 px per column by tableHeight + 5 px per row.
  void drawGridTable(const StringGrid& grid, Chart& chart, Series& textSeries,
                     Series& verticalLines, Series& horizontalLines);

  // The memo takes the list's lines, |fontHeightPx| x (lines + 2) high. An
  // empty list only clears the memo, which keeps its height.
  void copyListToMemo(const ListBox& listBox, ReportMemo& memo, int fontHeightPx);

  // Axis ranges (those the source sets, minimum or maximum not 0) and every
  // series by index: emptied, given the source series' colour, then every
  // point (x, y, label) in order in that colour. A target with fewer series
  // than the source cannot take the copy: std::invalid_argument names both.
  void copyChart(const Chart& source, Chart& target);
};

}  // namespace kovrel
