#pragma once
// The results window as the engine sees it: pages, list boxes, string grids,
// charts and group boxes by their control names. The calculation writes here;
// the exports and the GUI only read it.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/colour.h"

namespace kovrel {

struct ListBox {
  std::vector<std::string> lines;
};

// Cells addressed (column, row) from 0; row 0 and column 0 are headers.
class StringGrid {
 public:
  StringGrid() = default;
  StringGrid(int colCount, int rowCount) { resize(colCount, rowCount); }

  int colCount() const { return colCount_; }
  int rowCount() const { return rowCount_; }
  // Cells outside the new size are dropped; new cells are empty.
  void resize(int colCount, int rowCount);
  void setRowCount(int rowCount) { resize(colCount_, rowCount); }

  const std::string& cell(int col, int row) const;
  void setCell(int col, int row, std::string text);

  std::vector<int> colWidths;  // pixels, column 0 first

 private:
  int colCount_ = 0;
  int rowCount_ = 0;
  std::vector<std::string> cells_;  // row-major
};

// The colour of a point that only separates two curves of one series: drawn
// as a gap, written as null.
inline constexpr Colour kNullPointColour = Colour(0x1FFFFFFF);

struct ChartPoint {
  double x = 0;
  double y = 0;
  std::string label;
  std::optional<Colour> colour;  // none: the series colour
};

struct Series {
  std::string name;
  std::string title;
  Colour colour = clBlack;
  int labelFontSize = 9;
  Colour labelColour = clBlack;  // mark text
  int markOffset = 0;            // pixels between a point and its mark text
  std::vector<ChartPoint> points;
};

struct Axis {
  double minimum = 0;
  double maximum = 0;
  std::string title;
  // The values grow downwards (a depth below the wall top); only the left
  // axis of a chart is ever inverted.
  bool inverted = false;
  // Decades instead of equal steps (the bearing-capacity factors, which span
  // three powers of ten); values of 0 or less cannot be placed on it.
  bool logarithmic = false;
  // The number picture of the tick labels; empty: as many decimals as the
  // tick step needs.
  std::string picture = {};
};

struct Chart {
  std::string name;
  std::string title;
  Colour titleColour = clBlack;
  Axis left, bottom;
  bool axesVisible = true;
  int width = 0;  // design size in pixels
  int height = 0;
  std::vector<Series> series;

  Series& seriesNamed(std::string_view name);
  const Series& seriesNamed(std::string_view name) const;
  void clear();  // every series emptied; title, axes and colours stay
};

struct GroupBox {
  std::string caption;
  Colour colour = clBlack;  // caption font colour
};

// A text the window shows as it was designed (a note under a table); the
// layout may hide it.
struct FixedLabel {
  std::string caption;
  bool visible = true;
};

// A slider that sets the label font size (points) of some series of a chart
// while the chart is on screen.
struct TrackBar {
  int position = 9;
  int minimum = 5;
  int maximum = 15;
  std::string chart;
  std::vector<std::string> series;
};

struct TabSheet {
  std::string caption;
  bool visible = true;
};

struct PageControl {
  std::vector<std::string> pages;  // tab sheet names, in order
  std::string active;
};

// A printed report page's heading and page-number labels. The base-slab pages
// change both with the wall type and the calculation renumbers them.
struct ReportPage {
  std::string heading;
  std::string number;
};

class ResultsWindow {
 public:
  // The window as created: every target empty, grids at their design sizes.
  ResultsWindow();

  ListBox& listBox(std::string_view name);
  const ListBox& listBox(std::string_view name) const;
  StringGrid& grid(std::string_view name);
  const StringGrid& grid(std::string_view name) const;
  Chart& chart(std::string_view name);
  const Chart& chart(std::string_view name) const;
  GroupBox& groupBox(std::string_view name);
  const GroupBox& groupBox(std::string_view name) const;
  TabSheet& tabSheet(std::string_view name);
  const TabSheet& tabSheet(std::string_view name) const;
  PageControl& pageControl(std::string_view name);
  const PageControl& pageControl(std::string_view name) const;

  ReportPage& reportPage(std::string_view name);
  const ReportPage& reportPage(std::string_view name) const;
  FixedLabel& label(std::string_view name);
  const FixedLabel& label(std::string_view name) const;
  TrackBar& trackBar(std::string_view name);
  const TrackBar& trackBar(std::string_view name) const;

  const std::map<std::string, ListBox, std::less<>>& listBoxes() const { return listBoxes_; }
  const std::map<std::string, StringGrid, std::less<>>& grids() const { return grids_; }
  const std::map<std::string, Chart, std::less<>>& charts() const { return charts_; }
  const std::map<std::string, GroupBox, std::less<>>& groupBoxes() const { return groupBoxes_; }
  const std::map<std::string, TabSheet, std::less<>>& tabSheets() const { return tabSheets_; }
  const std::map<std::string, PageControl, std::less<>>& pageControls() const {
    return pageControls_;
  }
  const std::map<std::string, FixedLabel, std::less<>>& labels() const { return labels_; }
  const std::map<std::string, TrackBar, std::less<>>& trackBars() const { return trackBars_; }

  bool visible = false;
  // Whether the slab load tables hold buoyancy rows, as the last run laid
  // them out and filled them; empty before the first run. Showing the window
  // again keeps that layout, so every row stays beside its own numbers even
  // when the buoyancy switch changed since the run.
  std::optional<bool> slabTablesBuoyancy;

 private:
  std::map<std::string, ListBox, std::less<>> listBoxes_;
  std::map<std::string, StringGrid, std::less<>> grids_;
  std::map<std::string, Chart, std::less<>> charts_;
  std::map<std::string, GroupBox, std::less<>> groupBoxes_;
  std::map<std::string, TabSheet, std::less<>> tabSheets_;
  std::map<std::string, PageControl, std::less<>> pageControls_;
  std::map<std::string, ReportPage, std::less<>> reportPages_;
  std::map<std::string, FixedLabel, std::less<>> labels_;
  std::map<std::string, TrackBar, std::less<>> trackBars_;
};

// Moves a font-size track bar (clamped to its range) and gives its series'
// labels that size. A run keeps the size: the writers never set it, so the
// outputs, which read the window as it stands, print what the screen shows.
void moveTrackBar(ResultsWindow& results, std::string_view name, int position);

}  // namespace kovrel
