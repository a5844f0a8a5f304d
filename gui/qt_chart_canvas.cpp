#include "gui/qt_chart_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QVarLengthArray>
#include <algorithm>
#include <cstdint>

#include "app/chart_renderer.h"
#include "gui/fonts.h"

namespace kovrel {
namespace {

// The chart font of the window layout, mapped to an installed Japanese font
// (IPA Gothic first, whose half-width characters are exactly half an em, as
// the renderer estimates) even where no window has set the mapping up yet.
const QString& chartFontFamily() {
  static const QString family = [] {
    gui::installFontSubstitutions();
    return QString::fromUtf8(gui::kFixedFont);
  }();
  return family;
}

// Colours with the top byte set are system colours (and the gap marker of a
// series); the only one a chart meets is the window background, white.
QColor toQColor(Colour c) {
  const auto v = std::uint32_t(c);
  if (v >> 24) return Qt::white;
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// The largest rectangle of the picture's proportions inside `target`, centred.
QRectF fitPicture(double width, double height, const QRectF& target) {
  const double scale = std::min(target.width() / width, target.height() / height);
  return QRectF(target.center().x() - width * scale / 2, target.center().y() - height * scale / 2,
                width * scale, height * scale);
}

}  // namespace

QtChartCanvas::QtChartCanvas(QPainter& painter, const QRectF& target)
    : painter_(painter), target_(target) {}

void QtChartCanvas::begin(int width, int height) {
  const QRectF picture = fitPicture(width, height, target_);
  toTarget_ = QTransform();
  toTarget_.translate(picture.x(), picture.y());
  toTarget_.scale(picture.width() / width, picture.height() / height);
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setClipRect(picture, Qt::IntersectClip);
  painter_.fillRect(picture, Qt::white);
  painter_.setTransform(toTarget_, true);
}

void QtChartCanvas::polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) {
  QPen pen(toQColor(colour), widthPx);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  QVarLengthArray<QPointF, 64> path;
  for (const CanvasPoint& p : points) path.append(QPointF(p.x, p.y));
  painter_.drawPolyline(path.constData(), int(path.size()));
}

QtChartCanvas::Fitted QtChartCanvas::fit(CanvasPoint anchor, std::string_view utf8,
                                         const TextStyle& style) const {
  Fitted f;
  f.text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
  f.font = QFont(chartFontFamily());
  // Layout in design pixels at any scale: no hinting, so advances do not
  // snap to the device's pixels.
  f.font.setHintingPreference(QFont::PreferNoHinting);
  f.font.setBold(style.bold);
  // A point size that comes to sizePx units before the painter's transform,
  // kept fractional (a pixel size would be rounded to whole pixels).
  const QPaintDevice* device = painter_.device();
  const int dpi = device ? device->logicalDpiY() : 96;
  f.font.setPointSizeF(std::max(style.sizePx, 0.1) * 72.0 / dpi);
  const QFontMetricsF metrics(f.font, device);
  const double real = metrics.horizontalAdvance(f.text);
  const double estimate = estimatedTextWidth(utf8, style.sizePx);
  f.squeeze = real > estimate && real > 0 ? estimate / real : 1;
  f.width = real * f.squeeze;
  f.left = style.align == TextAlign::Centre  ? anchor.x - f.width / 2
           : style.align == TextAlign::Right ? anchor.x - f.width
                                             : anchor.x;
  f.ascent = metrics.ascent();
  f.descent = metrics.descent();
  return f;
}

void QtChartCanvas::text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) {
  const Fitted f = fit(anchor, utf8, style);
  painter_.save();
  painter_.translate(f.left, anchor.y);
  if (f.squeeze != 1) painter_.scale(f.squeeze, 1);
  painter_.setFont(f.font);
  painter_.setPen(toQColor(style.colour));
  painter_.drawText(QPointF(0, 0), f.text);
  painter_.restore();
}

QRectF QtChartCanvas::textRect(CanvasPoint anchor, std::string_view utf8,
                               const TextStyle& style) const {
  const Fitted f = fit(anchor, utf8, style);
  return QRectF(f.left, anchor.y - f.ascent, f.width, f.ascent + f.descent);
}

void QtChartCanvas::end() {
  painter_.restore();
}

QRectF chartPictureRect(const Chart& chart, const QRectF& target) {
  const PictureSize size = pictureSize(chart);
  return fitPicture(size.width, size.height, target);
}

void paintChart(const Chart& chart, QPainter& painter, const QRectF& target) {
  if (!(target.width() > 0) || !(target.height() > 0)) return;
  QtChartCanvas canvas(painter, target);
  renderChart(chart, canvas);
}

}  // namespace kovrel
