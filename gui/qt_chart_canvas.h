#pragma once
// The chart renderer's canvas on a QPainter, so that the results window, the
// print preview and the printed page draw a chart through the same renderer
// as the metafile and SVG files do.
//
// The chart's picture (its design size in pixels) is scaled uniformly into the
// target rectangle, centred, keeping its proportions, on a white ground and
// clipped to the picture. Lines and texts scale with it, so a chart on paper
// looks as it does on screen. Texts are set in the Japanese substitute of
// "ＭＳ ゴシック" at the size the renderer asks for; one wider than the
// renderer's estimate (half the size per Shift-JIS byte) is squeezed into the
// estimated width, so the layout the renderer worked out, separated labels
// included, holds whatever font is installed.

#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <string_view>

#include "app/chart_canvas.h"
#include "results/results_window.h"

namespace kovrel {

class QtChartCanvas : public ChartCanvas {
 public:
  // Draws into `target`, in the painter's coordinates; the painter's state is
  // left as it was found.
  QtChartCanvas(QPainter& painter, const QRectF& target);

  void begin(int width, int height) override;
  void polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) override;
  void text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) override;
  void end() override;

  // The rectangle, in design pixels, that text() fills for this text: its
  // advance after any squeezing, by the font's ascent and descent.
  QRectF textRect(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) const;
  // From design pixels to the painter's coordinates; valid after begin().
  const QTransform& designToTarget() const { return toTarget_; }

 private:
  struct Fitted {
    QFont font;
    QString text;
    double left = 0;     // design pixels
    double squeeze = 1;  // horizontal scale that fits the estimated width
    double width = 0;    // design pixels, after squeezing
    double ascent = 0, descent = 0;
  };
  Fitted fit(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) const;

  QPainter& painter_;
  QRectF target_;
  QTransform toTarget_;
};

// The part of `target` that a chart's picture fills: the largest rectangle of
// the chart's proportions, centred.
QRectF chartPictureRect(const Chart& chart, const QRectF& target);

// Paints the chart into `target` of the painter: the one call behind the
// results window's charts, the preview and the printed pages.
void paintChart(const Chart& chart, QPainter& painter, const QRectF& target);

}  // namespace kovrel
