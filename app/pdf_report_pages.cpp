#include "app/pdf_report_pages.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/label_separation.h"
#include "app/report_page_layouts.h"

namespace kovrel {
namespace {

constexpr double kFrameLeft = 45;
constexpr double kFrameRight = 571;
constexpr double kFrameTop = 817;
constexpr double kFrameBottom = 28;
// The rule under the heading.
constexpr double kHeadingRule = 797;
// Clearance kept from the frame's rules.
constexpr double kClearance = 2;
// The ink of a line of text runs from this share of the size above its
// baseline to the rest below it.
constexpr double kAscent = 0.88;
// A chart label's box runs from its baseline up to this share of the font
// size: the ink of the numbers and units the labels hold, which have no
// descenders. Labels raised by 8 over ones at 1 above their points stay clear.
constexpr double kLabelInkHeight = 0.75;

double pageX(double left) {
  return kFrameLeft + left;
}
double pageY(double top) {
  return kFrameTop - top;
}

bool isBlankLabel(const std::string& label) {
  return label.empty() || label == " ";
}

PdfBlock list(const char* box, double left, double top, double size) {
  return {PdfBlock::List, box, left, top, size, {}, 0, 0, 0};
}
PdfBlock table(const char* grid, double left, double top, const char* title, double size = 9) {
  return {PdfBlock::Table, grid, left, top, size, title, 0, 0, 0};
}
PdfBlock figure(int mode, const char* chart, double left, double top, double width, double height) {
  return {PdfBlock::Figure, chart, left, top, 0, {}, mode, width, height};
}

}  // namespace

void PdfReportPages::pageFrame() {
  TPDFContents& c = page();
  c.lineWidth = 1;
  c.Rectangle(false, kFrameLeft, kFrameBottom, kFrameRight, kFrameTop);
  c.DrawLine(kFrameLeft, 797, kFrameRight, 797);
}

void PdfReportPages::pageHeading(std::string_view text) {
  TPDFContents& c = page();
  c.fontSize = 12;
  c.TextOut(50, 802, text);
}

void PdfReportPages::pageFooter() {
  if (counter == 1) return;
  TPDFContents& c = page();
  c.fontType = 6;
  c.fontSize = 10;
  const std::string text = "Page: " + std::to_string(counter - 1);
  c.TextOut(kFrameLeft + (526 - c.TextWidth(text)) / 2, 16, text);
}

void PdfReportPages::nextPage() {
  pageFooter();
  doc_.NewPage();
  page().fontType = 6;
  ++counter;
  pageFrame();
}

void PdfReportPages::listBlock(double left, double top, const ListBox& box, double size,
                               double scale) {
  TPDFContents& c = page();
  const double leading = (size + 2) * scale;
  c.fontSize = size * scale;
  c.leading = leading;
  for (size_t i = 0; i < box.lines.size(); ++i) {
    c.TextOut(pageX(left), pageY(top + double(i) * leading), box.lines[i]);
  }
}

void PdfReportPages::tableBlock(double left, double top, std::string_view title,
                                const StringGrid& grid, double size, double scale) {
  TPDFContents& c = page();
  const double x0 = pageX(left);
  const double y0 = pageY(top);
  // Column edges in points from the table's left, pixels taken for points.
  const int cols = grid.colCount();
  const int rows = grid.rowCount();
  std::vector<double> edge(size_t(cols) + 1, 0.0);
  for (int col = 0; col < cols; ++col) {
    const int w =
        size_t(col) < grid.colWidths.size() ? grid.colWidths[size_t(col)] : kPdfGridDefaultColWidth;
    edge[size_t(col) + 1] = edge[size_t(col)] + std::max(w, 0);
  }
  const double tableW = edge.back();
  const double rowH = (kPdfGridRowHeight - 3) * scale;
  const double tableH = rowH * rows;

  c.strokeColor = clBlack;
  c.lineWidth = 1;
  c.DrawLine(x0, y0 - rowH, x0 + tableW, y0 - rowH);
  c.lineWidth = 0.75;
  for (int i = 0; i <= rows; ++i) c.DrawLine(x0, y0 - i * rowH, x0 + tableW, y0 - i * rowH);
  if (cols > 0) {
    c.lineWidth = 1;
    c.DrawLine(x0 + edge[1], y0, x0 + edge[1], y0 - tableH);
  }
  c.lineWidth = 0.75;
  for (int col = 0; col <= cols; ++col) {
    c.DrawLine(x0 + edge[size_t(col)], y0, x0 + edge[size_t(col)], y0 - tableH);
  }
  c.fontSize = size * scale;
  c.TextOut(x0, y0 + 3, title);
  for (int col = 0; col < cols; ++col) {
    const double centre = x0 + (edge[size_t(col)] + edge[size_t(col) + 1]) / 2;
    for (int row = 0; row < rows; ++row) {
      const std::string& text = grid.cell(col, row);
      c.TextOut(centre - c.TextWidth(text) / 2, y0 - (row + 1) * rowH + 3, text);
    }
  }
}

void PdfReportPages::chartBlock(int mode, const Chart& chart, double left, double top, double width,
                                double height) {
  TPDFContents& c = page();
  const double l = kFrameLeft + left;
  const double r = l + width;
  const double b = kFrameTop - top - height;
  const double t = b + height;
  const double xSpan = chart.bottom.maximum - chart.bottom.minimum;
  const double ySpan = chart.left.maximum - chart.left.minimum;
  // An axis without a range cannot place a point: the figure keeps its titles
  // and frame and draws no series, rather than writing infinite coordinates.
  const bool mappable = std::isfinite(xSpan) && std::isfinite(ySpan) && xSpan != 0 && ySpan != 0;
  const double sx = mappable ? width / xSpan : 0;
  const double sy = mappable ? height / ySpan : 0;
  auto mapX = [&](double x) { return (x - chart.bottom.minimum) * sx + l; };
  const bool down = mode == 1 || chart.left.inverted;
  auto mapY = [&](double y) {
    return down ? t - (y - chart.left.minimum) * sy : (y - chart.left.minimum) * sy + b;
  };

  c.fontSize = 8;
  c.lineWidth = 0.75;
  const std::string& title = chart.title;
  c.TextOut(l, t + 3, title.substr(0, title.find_first_of("\r\n")));
  c.TextOut((l + r) / 2 - c.TextWidth(chart.bottom.title) / 2, b - 10, chart.bottom.title);
  c.TextOut(r + 2, (b + t) / 2, chart.left.title);

  c.strokeColor = clBlack;
  c.Rectangle(true, l, t, r, b);
  c.lineWidth = 0.2;
  // Labels that would still print over one another move apart; the separator
  // works with y downwards, so page heights enter negated. Moved labels stay
  // inside the clipped frame.
  LabelSeparator labels;
  labels.begin({l, -t, r, -b});
  const double inkHeight = kLabelInkHeight * c.fontSize;
  if (mappable) {
    for (const Series& s : chart.series) {
      if (s.points.size() < 2) continue;
      c.strokeColor = s.colour;
      for (size_t i = 1; i < s.points.size(); ++i) {
        const ChartPoint& p = s.points[i - 1];
        const ChartPoint& q = s.points[i];
        const double x1 = mapX(p.x), y1 = mapY(p.y), x2 = mapX(q.x), y2 = mapY(q.y);
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
          continue;
        }
        c.DrawLine(x1, y1, x2, y2);
      }
      // Labels: a short segment's label alternates between raised and normal
      // so neighbouring labels do not print over each other.
      bool previousRaised = false;
      for (size_t i = 0; i < s.points.size(); ++i) {
        const ChartPoint& q = s.points[i];
        if (isBlankLabel(q.label)) continue;
        const double x = mapX(q.x), y = mapY(q.y);
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        const double labelW = c.TextWidth(q.label);
        double dy = 1;
        bool raised = false;
        if (i == 0) {
          dy = 2;
        } else {
          const double px = mapX(s.points[i - 1].x), py = mapY(s.points[i - 1].y);
          const double length = std::hypot(x - px, y - py);
          if (px != x && std::isfinite(length) && 2 * length < labelW && !previousRaised) {
            dy = 8;
            raised = true;
          }
        }
        const double baseline = y + dy;
        const LabelBox box{x - labelW / 2, -(baseline + inkHeight), x + labelW / 2, -baseline};
        const LabelShift shift = labels.place(box, q.label, x, -y, false);
        if (shift.leader) c.DrawLine(x, y, shift.leaderX, -shift.leaderY);
        c.TextOut(x - labelW / 2 + shift.dx, baseline - shift.dy, q.label);
        previousRaised = raised;
      }
    }
  }
  c.GRestore();
}

double PdfReportPages::textWidth(std::string_view text, double size) {
  TPDFContents& c = page();
  const double kept = c.fontSize;
  c.fontSize = size;
  const double w = c.TextWidth(text);
  c.fontSize = kept;
  return w;
}

std::vector<FitBlock> PdfReportPages::fitBlocks(const PdfPage& pdfPage,
                                                const ResultsWindow& results) {
  // Ink in (left, top) units: x to the right, y downwards from the frame's top.
  auto listInk = [this, &results](const PdfBlock& b) {
    // Widths at the block's size; at a scale they shrink in proportion.
    struct Line {
      double lead, width;
    };
    std::vector<Line> lines;
    for (const std::string& text : results.listBox(b.source).lines) {
      const size_t first = text.find_first_not_of(' ');
      lines.push_back({first == std::string::npos ? 0 : textWidth(text.substr(0, first), b.size),
                       first == std::string::npos ? 0 : textWidth(text, b.size)});
    }
    return [b, lines](double scale) {
      std::vector<PageRect> ink;
      const double size = b.size * scale, leading = (b.size + 2) * scale;
      for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].width <= lines[i].lead) continue;
        const double baseline = b.top + double(i) * leading;
        ink.push_back({b.left + lines[i].lead * scale, baseline - kAscent * size,
                       b.left + lines[i].width * scale, baseline + (1 - kAscent) * size});
      }
      return ink;
    };
  };
  auto tableInk = [this, &results](const PdfBlock& b) {
    const StringGrid& grid = results.grid(b.source);
    double width = 0;
    for (int col = 0; col < grid.colCount(); ++col) {
      const size_t k = size_t(col);
      width += std::max(k < grid.colWidths.size() ? grid.colWidths[k] : kPdfGridDefaultColWidth, 0);
    }
    const double titleWidth = textWidth(b.title, b.size);
    const int rows = grid.rowCount();
    return [b, width, titleWidth, rows](double scale) {
      const double size = b.size * scale, baseline = b.top - 3;
      return std::vector<PageRect>{
          {b.left, baseline - kAscent * size, b.left + titleWidth * scale,
           baseline + (1 - kAscent) * size},
          {b.left, b.top, b.left + width, b.top + rows * (kPdfGridRowHeight - 3) * scale}};
    };
  };
  auto chartInk = [this, &results](const PdfBlock& b) {
    const Chart& chart = results.chart(b.source);
    // The title above the frame, the bottom axis title under it, the left
    // axis title at its right (8 points).
    const double top = b.top - 3 - kAscent * 8;
    const double bottom = b.top + b.height + (chart.bottom.title.empty() ? 0 : 10 + 2);
    const double right =
        b.left + b.width + (chart.left.title.empty() ? 0 : 2 + textWidth(chart.left.title, 8));
    return [=](double) { return std::vector<PageRect>{{b.left, top, right, bottom}}; };
  };

  std::vector<FitBlock> blocks;
  for (const PdfBlock& b : pdfPage.blocks) {
    switch (b.kind) {
      case PdfBlock::List:
        blocks.push_back({FitKind::Shrinkable, listInk(b)});
        break;
      case PdfBlock::Table:
        blocks.push_back({FitKind::Shrinkable, tableInk(b), true});
        break;
      case PdfBlock::Figure:
        blocks.push_back({FitKind::Movable, chartInk(b)});
        break;
    }
  }
  return blocks;
}

PageRect PdfReportPages::room() {
  return {kClearance, kFrameTop - kHeadingRule + kClearance, kFrameRight - kFrameLeft - kClearance,
          kFrameTop - kFrameBottom - kClearance};
}

void PdfReportPages::fitPage(PdfPage& pdfPage, const ResultsWindow& results) {
  const std::vector<FitPlacement> fit = fitPageBlocks(fitBlocks(pdfPage, results), {room()});
  for (size_t i = 0; i < fit.size(); ++i) {
    PdfBlock& b = pdfPage.blocks[i];
    b.scale = fit[i].scale;
    b.left += fit[i].dx;
    b.top += fit[i].dy;
  }
}

std::vector<std::vector<PageRect>> PdfReportPages::pageInk(const PdfPage& pdfPage,
                                                           const ResultsWindow& results) {
  std::vector<std::vector<PageRect>> ink;
  const std::vector<FitBlock> blocks = fitBlocks(pdfPage, results);
  for (size_t i = 0; i < blocks.size(); ++i)
    ink.push_back(blocks[i].boxes(pdfPage.blocks[i].scale));
  return ink;
}

namespace {

// The report pages by the printed page that holds the same blocks; the
// base-slab pages' headings are numbered by their place in the report.
PdfPage pdfPageOf(const std::string& form) {
  static const std::vector<PdfPage> pages = {
      {"Form16",
       "Ⅰ.設計条件",
       {list("ListBox7", 20, 40, 9), list("ListBox10", 300, 360, 9),
        figure(0, "Chart3", 230, 50, 270, 270),
        table("StringGrid12", 300, 570, "Ce ：部材断面の有効高dの補正係数"),
        table("StringGrid15", 300, 620, "Cpt：軸方向引張鉄筋比Ptの補正係数"),
        table("StringGrid16", 300, 670, "Cdc：剪断ｽﾊﾟﾝ比による割り増し係数")}},
      {"Form11",
       "Ⅱ-1.荷重計算(自重:安定計算用)",
       {list("ListBox6", 20, 40, 9), table("StringGrid2", 330, 60, "表:荷重座標一覧表"),
        figure(0, "Chart4", 20, 580, 190, 190)}},
      {"Form23",
       "Ⅱ-2.荷重計算(自重:構造計算用)",
       {list("ListBox21", 20, 40, 9), table("StringGrid10", 20, 300, "荷重計算結果一覧表"),
        table("StringGrid5", 330, 60, "表:荷重座標一覧表"),
        figure(0, "Chart12", 20, 580, 190, 190)}},
      {"Form17",
       "Ⅱ-3.荷重計算(土圧等)",
       {list("ListBox1", 20, 40, 9), list("ListBox2", 320, 40, 9),
        figure(0, "Chart5", 20, 495, 230, 80), table("StringGrid6", 20, 620, "表:荷重一覧", 10)}},
      {"Form12",
       "Ⅲ-1.安定計算",
       {list("ListBox3", 20, 30, 9), list("ListBox4", 20, 275, 9), list("ListBox5", 20, 510, 9),
        figure(0, "Chart11", 300, 570, 200, 200)}},
      {"Form25", "Ⅲ-1.安定計算(極限支持力)", {list("ListBox23", 20, 30, 9)}},
      {"Form19",
       "Ⅲ-2.荷重図",
       {figure(0, "Chart1", 20, 50, 450, 450), list("ListBox12", 20, 530, 10)}},
      {"Form13",
       "Ⅳ-1-1.構造計算:たて壁(断面力)",
       {list("ListBox8", 20, 40, 9), list("ListBox19", 300, 100, 9),
        table("StringGrid1", 20, 540, "表:断面力", 10)}},
      {"Form20",
       "Ⅳ-1-2.構造計算:たて壁(応力度)",
       {list("ListBox14", 20, 35, 9), table("StringGrid4", 20, 560, "表:応力度及び配筋量"),
        figure(0, "Chart10", 290, 40, 200, 200)}},
      {"Form21",
       "Ⅳ-1-3.構造計算:たて壁(鉄筋定着長)",
       {list("ListBox18", 20, 40, 9), list("ListBox22", 20, 450, 9),
        figure(1, "Chart6", 280, 250, 220, 200), figure(1, "Chart9", 280, 550, 200, 200)}},
      {"Form14",
       "構造計算:底版(つま先版)",
       {list("ListBox9", 20, 40, 9), list("ListBox15", 300, 40, 9),
        figure(0, "Chart2", 15, 350, 220, 90),
        table("StringGrid8", 15, 460, "表:断面力(剪断力:H/2部)"),
        table("StringGrid13", 15, 550, "表:断面力(曲げﾓｰﾒﾝﾄ:たて壁付根部)"),
        table("StringGrid3", 15, 640, "表:応力度及び配筋量")}},
      {"Form15",
       "構造計算:底版(かかと版)(断面力)",
       {list("ListBox11", 20, 40, 9), figure(0, "Chart7", 240, 360, 220, 120),
        table("StringGrid9", 240, 510, "表:断面力(せん断力)"),
        table("StringGrid14", 240, 650, "表:断面力(曲げﾓｰﾒﾝﾄ)")}},
      {"Form26",
       "構造計算:底版(かかと版)(鉄筋量、応力度)",
       {list("ListBox16", 20, 40, 9), table("StringGrid11", 270, 610, "表:応力度及び配筋量")}},
      {"Form18",
       "構造計算:底版(突起)",
       {list("ListBox13", 20, 40, 9), list("ListBox17", 300, 40, 9),
        figure(0, "Chart8", 20, 610, 220, 150),
        table("StringGrid7", 300, 590, "表:応力度及び配筋量", 10)}},
  };
  for (const PdfPage& p : pages) {
    if (p.form == form) return p;
  }
  throw std::out_of_range("the PDF report has no page for " + form);
}

bool isBaseSlabPage(const std::string& form) {
  return form == "Form14" || form == "Form15" || form == "Form26" || form == "Form18";
}

}  // namespace

std::vector<PdfPage> pdfReportPages(int wallType, bool shearKey) {
  std::vector<PdfPage> pages;
  int slabSection = 0;
  for (const std::string& form : reportPrintOrder({wallType == 1, shearKey})) {
    if (form == "Form22") continue;  // the contents page has a layout of its own
    PdfPage page = pdfPageOf(form);
    if (isBaseSlabPage(form))
      page.heading = "Ⅳ-2-" + std::to_string(++slabSection) + "." + page.heading;
    pages.push_back(std::move(page));
  }
  return pages;
}

}  // namespace kovrel
