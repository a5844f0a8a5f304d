#pragma once
// The fifteen printed report pages as data: one A4 portrait sheet each, with
// its blocks at fixed places. Each block takes one target of the results
// window: a text box the lines of a list box, a table a grid, a figure a
// chart. The heading and the page number come from the results window's
// report page of the same name (the wall type and the calculation set them).
// Positions are mm from the sheet's top-left corner; font sizes in points.

#include <string>
#include <string_view>
#include <vector>

#include "app/wall_choice.h"

namespace kovrel {

// The sheet and what every page draws round its blocks.
inline constexpr double kSheetWidthMm = 210;
inline constexpr double kSheetHeightMm = 297;
inline constexpr double kMarginTopMm = 10;
inline constexpr double kMarginBottomMm = 15;
inline constexpr double kMarginLeftMm = 20;
inline constexpr double kMarginRightMm = 10;
// The heading strip: 40 px (96 per inch) high along the top of the frame.
inline constexpr double kStripTopMm = 10.1;
inline constexpr double kStripHeightMm = 10.6;
inline constexpr double kHeadingLeftMm = 4.2;  // from the strip's left
inline constexpr double kHeadingTopMm = 3.2;   // from the strip's top
inline constexpr double kPageNumberLeftMm = 108.5;
inline constexpr double kPageNumberTopMm = 283.6;
inline constexpr double kReportFontPt = 10;
inline constexpr double kHeadingFontPt = 12;
// The system name at the right of the design-conditions page's strip.
inline constexpr const char* kReportSystemName = "Dernholm Ver3.1";

struct PageBlock {
  enum Kind { Text, Label, Table, Figure } kind;
  std::string source;  // list box, grid or chart; a label's own text
  double left = 0, top = 0;
  double fontPt = kReportFontPt;  // text boxes and labels
  std::string title;              // tables and figures
  double width = 0, height = 0;   // figures
  int heightPx = 0;               // a table set to this height after drawing (0: as drawn)
};

struct ReportPageLayout {
  std::string form;  // the report page's name ("Form16")
  double headingPt = kHeadingFontPt;
  double headingLeftMm = kHeadingLeftMm;  // from the strip's left
  bool systemName = false;                // the system name at the strip's right
  bool pageNumber = true;
  std::vector<PageBlock> blocks;  // in the order they are filled and drawn
};

// Every page, contents first, in the order of the preview menu.
const std::vector<ReportPageLayout>& reportPageLayouts();
// One page by name; std::out_of_range for a name that is no report page.
const ReportPageLayout& reportPageLayout(std::string_view form);

// The pages a whole report prints, in order: the contents and the ten
// pages of sections I to IV-1, then the base-slab pages of the wall type,
// then the shear key's page when there is a key.
std::vector<std::string> reportPrintOrder(const WallChoice& choice);

}  // namespace kovrel
