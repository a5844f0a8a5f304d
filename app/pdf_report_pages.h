#pragma once
// The pages of the PDF report: frame, heading and footer of each page, and the
// three kinds of block that carry the results window onto them (list-box
// lines as text, grids as ruled tables, charts as vector line drawings).
// Positions are (left, top) inside the page frame: x = 45 + left, y = 817 - top,
// in points.

#include <string>
#include <string_view>
#include <vector>

#include "app/page_fit.h"
#include "pdf/pdf_document.h"
#include "report/report_page_copier.h"
#include "results/results_window.h"

namespace kovrel {

// The grids' default row height in pixels, taken for points; a table row is 3 less.
inline constexpr int kPdfGridRowHeight = kGridDefaultRowHeight;
// Width in pixels of a column the grid gives no width for.
inline constexpr int kPdfGridDefaultColWidth = kGridDefaultColWidth;

struct PdfPage;

class PdfReportPages {
 public:
  explicit PdfReportPages(TRUDAdaze& doc) : doc_(doc) {}

  // The page counter: 1 on the contents page; footers show it less 1.
  int counter = 1;

  void pageFrame();
  void pageHeading(std::string_view text);
  void pageFooter();
  void nextPage();
  // `scale` below 1 sets a block smaller to fit (app/page_fit.h): its type,
  // its leading and a table's rows together.
  void listBlock(double left, double top, const ListBox& box, double size, double scale = 1);
  void tableBlock(double left, double top, std::string_view title, const StringGrid& grid,
                  double size, double scale = 1);
  // mode 0: the y axis points up; 1, or a chart whose left axis is inverted:
  // it points down. Labels that would print over one another are moved apart
  // (app/label_separation.h).
  void chartBlock(int mode, const Chart& chart, double left, double top, double width,
                  double height);

  // Fits the page's blocks into the frame and off one another by the rule of
  // app/page_fit.h, with the widths of this document's font: a list or table
  // gets a scale, a figure a new place.
  void fitPage(PdfPage& page, const ResultsWindow& results);
  // What each block's ink covers as the page stands, in the same units, and
  // the room the blocks must stay in.
  std::vector<std::vector<PageRect>> pageInk(const PdfPage& page, const ResultsWindow& results);
  static PageRect room();

 private:
  std::vector<FitBlock> fitBlocks(const PdfPage& page, const ResultsWindow& results);
  double textWidth(std::string_view text, double size);

  TPDFContents& page() { return doc_.Contents(); }
  TRUDAdaze& doc_;
};

// One block of a report page, as the page table lists it.
struct PdfBlock {
  enum Kind { List, Table, Figure } kind;
  std::string source;  // list box, grid or chart name
  double left, top;
  double size = 9;    // list and table font size
  std::string title;  // table title
  int mode = 0;       // chart y direction
  double width = 0, height = 0;
  double scale = 1;  // lists and tables: set smaller to fit
};

struct PdfPage {
  std::string form;  // the printed report page that holds the same blocks
  std::string heading;
  std::vector<PdfBlock> blocks;
};

// The report pages after the contents page, in order, for a wall type
// (0 inverted T, 1 L) and whether a shear key is present: the pages the
// printed report has, each holding the same list boxes, grids and charts as
// its printed page. The base-slab pages are headed "Ⅳ-2-1" onwards in order.
std::vector<PdfPage> pdfReportPages(int wallType, bool shearKey);

}  // namespace kovrel
