#pragma once
// A paint device for the chart tests that keeps what a QPainter hands it:
// polylines and text items in device coordinates, after the painter's
// transform. It shows what the Qt chart canvas really paints, with numbers
// instead of pixels.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTextItem>
#include <QTransform>
#include <vector>

namespace kovrel::testing {

struct PaintedLine {
  QPolygonF points;  // device coordinates
  QColor colour;
  double width;  // in device units along x
};

// One text item: the left and right ends of its baseline (its advance) in
// device coordinates. Qt may split one drawn text into several items.
struct PaintedText {
  QString text;
  QPointF left, right;
  QColor colour;
};

class RecordingPaintEngine : public QPaintEngine {
 public:
  RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
  }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (mode != PolylineMode) return;
    PaintedLine line{{}, pen_.color(), 0};
    for (int i = 0; i < count; ++i) line.points << transform_.map(points[i]);
    line.width = pen_.widthF() * transform_.m11();
    lines.push_back(line);
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    texts.push_back({item.text(), transform_.map(p), transform_.map(p + QPointF(item.width(), 0)),
                     pen_.color()});
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawRects(const QRectF*, int) override {}
  void drawRects(const QRect*, int) override {}

  std::vector<PaintedLine> lines;
  std::vector<PaintedText> texts;

 private:
  QTransform transform_;
  QPen pen_;
};

class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(int width, int height) : width_(width), height_(height) {}
  QPaintEngine* paintEngine() const override { return &engine; }
  mutable RecordingPaintEngine engine;

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
        return width_;
      case PdmHeight:
        return height_;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
      default:
        return QPaintDevice::metric(m);
    }
  }

 private:
  int width_, height_;
};

}  // namespace kovrel::testing
