#pragma once
// One printed report page filled from the results window and laid out to the
// millimetre, ready for a painter: the heading and page number of the page,
// each text box with its lines, each table as the ruled table the copier
// draws, each figure as a report chart holding the copied series. Blocks
// that their contents would push across the frame or into one another are
// fitted by the rule of app/page_fit.h. Nothing here knows how the page is
// painted: the desktop program's painter, the preview and the printer all
// draw a PreparedPage.
//
// Positions are mm from the sheet's top-left corner, y downwards; font sizes
// are points. The report font ("ＭＳ 明朝") is taken as fixed-pitch, half an
// em per Shift-JIS byte, as the Japanese fonts it maps to are.

#include <string>
#include <string_view>
#include <vector>

#include "app/page_fit.h"
#include "app/report_page_layouts.h"
#include "results/results_window.h"

namespace kovrel {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kPointsPerInch = 72;
inline constexpr double kPixelsPerInch = 96;

// Table text: the cells and the title.
inline constexpr double kTableCellPt = 8;
inline constexpr double kTableTitlePt = 9;
inline constexpr int kTableTitleBandPx = 14;
// A text box's lines start this far inside its left edge.
inline constexpr int kMemoInsetPx = 2;
// The rules of a table stop this far inside its chart on either side.
inline constexpr int kTableSideMarginPx = 8;

struct PreparedBlock {
  PageBlock::Kind kind = PageBlock::Text;
  std::string source;        // list box, grid or chart; empty for a label
  double left = 0, top = 0;  // mm, after fitting
  double scale = 1;          // type and pitch as laid out: 1; set smaller to fit

  // Text boxes and labels: the lines, the type size and the line pitch as
  // laid out, and the box's height from the copier.
  std::vector<std::string> lines;
  double fontPt = kReportFontPt;
  double pitchMm = 0;
  double memoHeightMm = 0;

  // Tables: the title and the copier's table chart (three series, axis
  // ranges spanning the table); width and height are the chart's, mm.
  // Figures: the report chart with the copied series, its width and height.
  std::string title;
  Chart chart;
  double width = 0, height = 0;
};

struct PreparedPage {
  std::string form;
  std::string heading;
  std::string number;  // empty: no page number
  double headingPt = kHeadingFontPt;
  double headingLeftMm = kHeadingLeftMm;
  bool systemName = false;
  std::vector<PreparedBlock> blocks;
};

// The page filled from the results window; the heading and number are the
// results window's report page of the same name.
PreparedPage prepareReportPage(const ResultsWindow& results, std::string_view form);

// The frame round the area inside the margins, and the room blocks may take
// inside it (clear of the heading strip and of the frame's rule).
PageRect reportFrameMm();
PageRect reportRoomMm();

// Geometry of a prepared block, at its scale.
// Where a text box's or label's lines start, mm from the sheet's left: a text
// box's lines stand inside its border.
double textLeftMm(const PreparedBlock& text);
// A text line's baseline, mm from the sheet's top.
double textBaselineMm(const PreparedBlock& text, size_t line);
// The type size of text lines, of table cells and of a table's title.
double textFontPt(const PreparedBlock& text);
double tableCellPt(const PreparedBlock& table);
double tableTitlePt(const PreparedBlock& table);
// A table's title band and its ruled part, mm; the ruled part maps the table
// chart's axis ranges.
PageRect tableTitleBandMm(const PreparedBlock& table);
PageRect tableBodyMm(const PreparedBlock& table);
// What a block's ink covers, mm: one rectangle per text line, the title and
// body of a table, a figure's rectangle.
std::vector<PageRect> blockInkMm(const PreparedBlock& block);
std::vector<PageRect> blockInkMm(const PreparedBlock& block, double scale);

double pointsToMm(double points);
double pixelsToMm(double pixels);
// A text's width in mm in the report font at a size in points.
double reportTextWidthMm(std::string_view utf8, double pt);

}  // namespace kovrel
