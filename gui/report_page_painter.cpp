#include "gui/report_page_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <algorithm>

#include "base/shift_jis.h"
#include "gui/fonts.h"
#include "gui/qt_chart_canvas.h"
#include "report/report_page_copier.h"

namespace kovrel::gui {
namespace {

// The painter draws in points (1/72 inch) from the sheet's top-left corner.
constexpr double kPtPerMm = kPointsPerInch / kMmPerInch;
constexpr double kSheetWidthPt = kSheetWidthMm * kPtPerMm;
constexpr double kSheetHeightPt = kSheetHeightMm * kPtPerMm;
// Rule widths in points.
constexpr double kFrameRulePt = 0.75;
constexpr double kTableRulePt = 0.5;
constexpr double kSystemNamePt = 8;

double pt(double mm) {
  return mm * kPtPerMm;
}

QPointF at(double leftMm, double topMm) {
  return QPointF(pt(leftMm), pt(topMm));
}

QRectF rectOf(const PageRect& r) {
  return QRectF(at(r.left, r.top), at(r.right, r.bottom));
}

enum class Align { Left, Centre, Right };

// One line of report text whose baseline passes through `anchor` (points),
// `size` points high, no wider than its layout width.
void drawText(QPainter& p, const std::string& utf8, QPointF anchor, double size, Align align) {
  if (utf8.empty() || !(size > 0)) return;
  const QString text = QString::fromStdString(utf8);
  QFont font(QString::fromUtf8(kReportFont));
  font.setHintingPreference(QFont::PreferNoHinting);
  // A point size that comes to `size` units before the painter's transform.
  const QPaintDevice* device = p.device();
  const int dpi = device ? device->logicalDpiY() : 72;
  font.setPointSizeF(size * 72.0 / dpi);
  const QFontMetricsF metrics(font, device);
  const double real = metrics.horizontalAdvance(text);
  const double layout = shiftJisWidth(utf8) * 0.5 * size;
  const double squeeze = real > layout && real > 0 ? layout / real : 1;
  const double width = real * squeeze;
  const double left = align == Align::Centre  ? anchor.x() - width / 2
                      : align == Align::Right ? anchor.x() - width
                                              : anchor.x();
  p.save();
  p.translate(left, anchor.y());
  if (squeeze != 1) p.scale(squeeze, 1);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QPointF(0, 0), text);
  p.restore();
}

void paintTextBlock(QPainter& p, const PreparedBlock& b) {
  const double size = textFontPt(b);
  for (size_t i = 0; i < b.lines.size(); ++i) {
    drawText(p, b.lines[i], at(textLeftMm(b), textBaselineMm(b, i)), size, Align::Left);
  }
}

// The copier's table chart on the ruled part of the block: every rule is the
// first two of its three points, so consecutive rules never join; each text
// stands just above its row's bottom rule, centred in its column.
void paintTableBlock(QPainter& p, const PreparedBlock& b) {
  const Chart& c = b.chart;
  const QRectF band = rectOf(tableTitleBandMm(b));
  const double titleSize = tableTitlePt(b);
  drawText(p, b.title, QPointF(band.center().x(), band.bottom() - 0.3 * titleSize), titleSize,
           Align::Centre);

  const QRectF body = rectOf(tableBodyMm(b));
  const double xSpan = c.bottom.maximum - c.bottom.minimum;
  const double ySpan = c.left.maximum - c.left.minimum;
  if (!(xSpan > 0) || !(ySpan > 0)) return;
  auto map = [&](const ChartPoint& q) {
    return QPointF(body.left() + (q.x - c.bottom.minimum) / xSpan * body.width(),
                   body.top() + (c.left.maximum - q.y) / ySpan * body.height());
  };
  QPen pen(Qt::black, kTableRulePt * b.scale);
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  for (size_t s : {kTableHorizontalSeries, kTableVerticalSeries}) {
    const std::vector<ChartPoint>& pts = c.series[s].points;
    for (size_t i = 0; i + 1 < pts.size(); i += 3) p.drawLine(map(pts[i]), map(pts[i + 1]));
  }
  const double cellSize = tableCellPt(b);
  const int rows = std::max(1, int(c.series[kTableHorizontalSeries].points.size() / 3) - 1);
  const double rowHeight = body.height() / rows;
  // The text's box centred in its row, its baseline the descent above the box's bottom.
  const double lift = (rowHeight - cellSize) / 2 + 0.12 * cellSize;
  for (const ChartPoint& q : c.series[kTableTextSeries].points) {
    const QPointF bottom = map(q);
    drawText(p, q.label, QPointF(bottom.x(), bottom.y() - lift), cellSize, Align::Centre);
  }
}

}  // namespace

QRectF reportSheetRect(const QRectF& sheet) {
  const double scale = std::min(sheet.width() / kSheetWidthPt, sheet.height() / kSheetHeightPt);
  const QSizeF size(kSheetWidthPt * scale, kSheetHeightPt * scale);
  return QRectF(
      QPointF(sheet.center().x() - size.width() / 2, sheet.center().y() - size.height() / 2), size);
}

void paintReportPage(const PreparedPage& page, QPainter& p, const QRectF& sheet) {
  if (!(sheet.width() > 0) || !(sheet.height() > 0)) return;
  installFontSubstitutions();
  const QRectF placed = reportSheetRect(sheet);
  p.save();
  p.translate(placed.topLeft());
  p.scale(placed.width() / kSheetWidthPt, placed.height() / kSheetHeightPt);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(QRectF(0, 0, kSheetWidthPt, kSheetHeightPt), Qt::white);

  // The frame and the heading strip's rule, inside the frame.
  const PageRect frameMm = reportFrameMm();
  const QRectF frame = rectOf(frameMm);
  QPen rule(Qt::black, kFrameRulePt);
  p.setPen(rule);
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  const double stripBottom = pt(kStripTopMm + kStripHeightMm);
  p.drawLine(QPointF(frame.left(), stripBottom), QPointF(frame.right(), stripBottom));

  // The heading's top at its place in the strip; the baseline an ascent below.
  const double headingTop = kStripTopMm + kHeadingTopMm;
  drawText(p, page.heading,
           at(frameMm.left + page.headingLeftMm, headingTop + 0.88 * pointsToMm(page.headingPt)),
           page.headingPt, Align::Left);
  if (page.systemName) {
    drawText(p, kReportSystemName,
             QPointF(frame.right() - pt(2),
                     stripBottom - (pt(kStripHeightMm) - kSystemNamePt) / 2 - 0.12 * kSystemNamePt),
             kSystemNamePt, Align::Right);
  }

  for (const PreparedBlock& b : page.blocks) {
    switch (b.kind) {
      case PageBlock::Text:
      case PageBlock::Label:
        paintTextBlock(p, b);
        break;
      case PageBlock::Table:
        paintTableBlock(p, b);
        break;
      case PageBlock::Figure:
        paintChart(b.chart, p, QRectF(at(b.left, b.top), at(b.left + b.width, b.top + b.height)));
        break;
    }
  }

  if (!page.number.empty()) {
    drawText(p, page.number,
             at(kPageNumberLeftMm, kPageNumberTopMm + 0.88 * pointsToMm(kReportFontPt)),
             kReportFontPt, Align::Left);
  }
  p.restore();
}

}  // namespace kovrel::gui
