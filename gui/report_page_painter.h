#pragma once
// Paints one printed report page (app/prepared_report_page.h) with a
// QPainter: the frame, the heading strip, the page number and every block at
// its place on the A4 sheet. The same call paints the preview, the printer,
// the PDF of `kovrel --print-to` and a QImage in a test.
//
// The sheet is scaled uniformly into `sheet` (the painter's coordinates),
// centred. Text is set in the report font ("ＭＳ 明朝", mapped to an installed
// Japanese Mincho); a text wider than the page's layout reckoned (half an em
// per Shift-JIS byte) is squeezed into that width, so the fitting the page
// was prepared with holds whatever font is installed. Figures go through the
// chart renderer, as on the screen and in the figure files.

#include <QPainter>
#include <QRectF>

#include "app/prepared_report_page.h"

namespace kovrel::gui {

void paintReportPage(const PreparedPage& page, QPainter& painter, const QRectF& sheet);

// The sheet's rectangle in the painter's coordinates for a target, as
// paintReportPage places it (for tests that look at what was painted).
QRectF reportSheetRect(const QRectF& sheet);

}  // namespace kovrel::gui
