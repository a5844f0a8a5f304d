#include "app/prepared_report_page.h"

#include <cmath>

#include "base/shift_jis.h"
#include "report/report_page_copier.h"

namespace kovrel {
namespace {

// Clearance kept from the frame's rules and the heading strip's rule.
constexpr double kClearanceMm = 0.8;
// A line's baseline stands this share of the em below the line's top: the
// ascent of the Japanese report fonts.
constexpr double kAscentEm = 0.88;

int fontHeightPx(double pt) {
  return int(std::lround(pt * kPixelsPerInch / kPointsPerInch));
}

// The columns of blanks (half-width one, full-width two) a line starts with:
// a text box's ink begins after them.
int leadingBlankColumns(std::string_view utf8) {
  int columns = 0;
  for (size_t i = 0; i < utf8.size();) {
    if (utf8[i] == ' ') {
      ++columns;
      ++i;
    } else if (utf8.substr(i, 3) == "\u3000") {
      columns += 2;
      i += 3;
    } else {
      break;
    }
  }
  return columns;
}

std::string_view trimmedRight(std::string_view utf8) {
  while (!utf8.empty()) {
    if (utf8.back() == ' ') {
      utf8.remove_suffix(1);
    } else if (utf8.size() >= 3 && utf8.substr(utf8.size() - 3) == "\u3000") {
      utf8.remove_suffix(3);
    } else {
      break;
    }
  }
  return utf8;
}

PreparedBlock textBlock(const PageBlock& b, const ListBox& list, TDrawKekka& copier) {
  PreparedBlock out;
  out.kind = b.kind;
  out.source = b.kind == PageBlock::Text ? b.source : std::string();
  out.left = b.left;
  out.top = b.top;
  out.fontPt = b.fontPt;
  const int heightPx = fontHeightPx(b.fontPt);
  out.pitchMm = pixelsToMm(heightPx);
  ReportMemo memo;
  copier.copyListToMemo(list, memo, -heightPx);
  out.lines = std::move(memo.lines);
  out.memoHeightMm = pixelsToMm(memo.heightPx);
  return out;
}

PreparedBlock tableBlock(const PageBlock& b, const StringGrid& grid, TDrawKekka& copier) {
  PreparedBlock out;
  out.kind = PageBlock::Table;
  out.source = b.source;
  out.left = b.left;
  out.top = b.top;
  out.title = b.title;
  out.chart = reportTableChart();
  Chart& c = out.chart;
  copier.drawGridTable(grid, c, c.series[kTableTextSeries], c.series[kTableVerticalSeries],
                       c.series[kTableHorizontalSeries]);
  c.title = b.title;
  if (b.heightPx > 0) c.height = b.heightPx;
  out.width = pixelsToMm(c.width);
  out.height = pixelsToMm(c.height);
  return out;
}

PreparedBlock figureBlock(const PageBlock& b, const Chart& source, TDrawKekka& copier) {
  PreparedBlock out;
  out.kind = PageBlock::Figure;
  out.source = b.source;
  out.left = b.left;
  out.top = b.top;
  out.title = b.title;
  out.width = b.width;
  out.height = b.height;
  const auto px = [](double mm) { return int(std::lround(mm / kMmPerInch * kPixelsPerInch)); };
  out.chart = reportFigureChart(source, b.title, px(b.width), px(b.height));
  copier.copyChart(source, out.chart);
  return out;
}

FitKind fitKind(PageBlock::Kind kind) {
  switch (kind) {
    case PageBlock::Text:
    case PageBlock::Table:
      return FitKind::Shrinkable;
    case PageBlock::Figure:
      return FitKind::Movable;
    case PageBlock::Label:
      break;
  }
  return FitKind::Fixed;
}

}  // namespace

double pointsToMm(double points) {
  return points / kPointsPerInch * kMmPerInch;
}

double pixelsToMm(double pixels) {
  return pixels / kPixelsPerInch * kMmPerInch;
}

double reportTextWidthMm(std::string_view utf8, double pt) {
  return shiftJisWidth(utf8) * 0.5 * pointsToMm(pt);
}

PageRect reportFrameMm() {
  return {kMarginLeftMm, kMarginTopMm, kSheetWidthMm - kMarginRightMm,
          kSheetHeightMm - kMarginBottomMm};
}

PageRect reportRoomMm() {
  const PageRect frame = reportFrameMm();
  return {frame.left + kClearanceMm, kStripTopMm + kStripHeightMm + kClearanceMm,
          frame.right - kClearanceMm, frame.bottom - kClearanceMm};
}

double textLeftMm(const PreparedBlock& text) {
  return text.left + (text.kind == PageBlock::Text ? pixelsToMm(kMemoInsetPx) : 0);
}

double textFontPt(const PreparedBlock& text) {
  return text.fontPt * text.scale;
}

double textBaselineMm(const PreparedBlock& text, size_t line) {
  return text.top +
         (double(line) * text.pitchMm + kAscentEm * pointsToMm(text.fontPt)) * text.scale;
}

double tableCellPt(const PreparedBlock& table) {
  return kTableCellPt * table.scale;
}

double tableTitlePt(const PreparedBlock& table) {
  return kTableTitlePt * table.scale;
}

PageRect tableTitleBandMm(const PreparedBlock& table) {
  return {table.left, table.top, table.left + table.width,
          table.top + pixelsToMm(kTableTitleBandPx) * table.scale};
}

PageRect tableBodyMm(const PreparedBlock& table) {
  const double margin = pixelsToMm(kTableSideMarginPx);
  return {table.left + margin, tableTitleBandMm(table).bottom, table.left + table.width - margin,
          table.top + table.height * table.scale};
}

std::vector<PageRect> blockInkMm(const PreparedBlock& block) {
  return blockInkMm(block, block.scale);
}

std::vector<PageRect> blockInkMm(const PreparedBlock& block, double scale) {
  std::vector<PageRect> ink;
  switch (block.kind) {
    case PageBlock::Text:
    case PageBlock::Label: {
      const double pt = block.fontPt * scale;
      const double pitch = block.pitchMm * scale;
      for (size_t i = 0; i < block.lines.size(); ++i) {
        const std::string_view line = trimmedRight(block.lines[i]);
        const int lead = leadingBlankColumns(line);
        const int width = shiftJisWidth(line);
        if (width <= lead) continue;
        const double column = 0.5 * pointsToMm(pt);
        const double top = block.top + double(i) * pitch;
        const double left = textLeftMm(block);
        ink.push_back({left + lead * column, top, left + width * column, top + pitch});
      }
      break;
    }
    case PageBlock::Table: {
      const double bandBottom = block.top + pixelsToMm(kTableTitleBandPx) * scale;
      const double titleWidth = reportTextWidthMm(block.title, kTableTitlePt * scale);
      const double centre = block.left + block.width / 2;
      if (titleWidth > 0) {
        ink.push_back({centre - titleWidth / 2, block.top, centre + titleWidth / 2, bandBottom});
      }
      const double margin = pixelsToMm(kTableSideMarginPx);
      ink.push_back({block.left + margin, bandBottom, block.left + block.width - margin,
                     block.top + block.height * scale});
      break;
    }
    case PageBlock::Figure:
      ink.push_back({block.left, block.top, block.left + block.width, block.top + block.height});
      break;
  }
  return ink;
}

PreparedPage prepareReportPage(const ResultsWindow& results, std::string_view form) {
  const ReportPageLayout& layout = reportPageLayout(form);
  const ReportPage& labels = results.reportPage(form);
  PreparedPage page;
  page.form = layout.form;
  page.heading = labels.heading;
  page.number = layout.pageNumber ? labels.number : std::string();
  page.headingPt = layout.headingPt;
  page.headingLeftMm = layout.headingLeftMm;
  page.systemName = layout.systemName;

  // One copier for the page's preparation.
  TDrawKekka copier;
  for (const PageBlock& b : layout.blocks) {
    switch (b.kind) {
      case PageBlock::Text:
        page.blocks.push_back(textBlock(b, results.listBox(b.source), copier));
        break;
      case PageBlock::Label: {
        ListBox caption;
        caption.lines = {b.source};
        page.blocks.push_back(textBlock(b, caption, copier));
        break;
      }
      case PageBlock::Table:
        page.blocks.push_back(tableBlock(b, results.grid(b.source), copier));
        break;
      case PageBlock::Figure:
        page.blocks.push_back(figureBlock(b, results.chart(b.source), copier));
        break;
    }
  }

  std::vector<FitBlock> fit;
  for (const PreparedBlock& block : page.blocks) {
    fit.push_back({fitKind(block.kind), [&block](double scale) { return blockInkMm(block, scale); },
                   block.kind == PageBlock::Table});
  }
  const std::vector<FitPlacement> placements = fitPageBlocks(fit, {reportRoomMm()});
  for (size_t i = 0; i < page.blocks.size(); ++i) {
    page.blocks[i].scale = placements[i].scale;
    page.blocks[i].left += placements[i].dx;
    page.blocks[i].top += placements[i].dy;
  }
  return page;
}

}  // namespace kovrel
