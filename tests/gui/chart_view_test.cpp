// Charts on screen: the view scales the chart's picture with its frame,
// keeping its proportions; it shows the results window's chart by name as it
// stands; and a depth axis painted by the Qt canvas grows downwards.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <string>
#include <vector>

#include "app/chart_renderer.h"
#include "gui/chart_view.h"
#include "gui/qt_chart_canvas.h"

namespace kovrel {
namespace {

// The grey plot frame, in design pixels, as the renderer draws it first.
class FrameOnly : public ChartCanvas {
 public:
  void begin(int, int) override {}
  void polyline(std::span<const CanvasPoint> p, Colour, double) override {
    if (!found) box = QRectF(QPointF(p[0].x, p[0].y), QPointF(p[2].x, p[2].y));
    found = true;
  }
  void text(CanvasPoint, std::string_view, const TextStyle&) override {}
  void end() override {}
  QRectF box;
  bool found = false;
};

QRectF plotFrame(const Chart& chart) {
  FrameOnly f;
  renderChart(chart, f);
  return f.box;
}

// The mean row of the pixels of column x that match, or NaN.
double meanRow(const QImage& image, int x, bool (*match)(QRgb)) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    if (match(image.pixel(x, y))) {
      sum += y;
      ++n;
    }
  }
  return n ? sum / n : NAN;
}

bool isRed(QRgb c) {
  return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool isBlue(QRgb c) {
  return qBlue(c) > 200 && qRed(c) < 90 && qGreen(c) < 90;
}
bool isFrameGrey(QRgb c) {
  return std::abs(qRed(c) - 128) < 30 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

Chart depthChart() {
  Chart c;
  c.title = "L1(高さ～必要鉄筋量)";
  c.width = 300;
  c.height = 320;
  c.left = {-0.5, 8.5, "高さ(m)", true};
  c.bottom = {0, 10, ""};
  c.series.resize(2);
  c.series[0].colour = clRed;
  c.series[0].points = {{2, 1, " ", {}}, {8, 1, " ", {}}};
  c.series[1].colour = clBlue;
  c.series[1].points = {{2, 6, " ", {}}, {8, 6, " ", {}}};
  return c;
}

}  // namespace

class ChartViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Depth 1 (red) and depth 6 (blue) painted twice the design size: each at
  // its place below the plot's top, which stands for depth -0.5.
  void depthAxisGrowsDownwardsOnScreen() {
    const Chart chart = depthChart();
    const double scale = 2;
    QImage image(int(chart.width * scale), int(chart.height * scale), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintChart(chart, painter, QRectF(image.rect()));
    painter.end();
    const QRectF plot = plotFrame(chart);
    const int column = int((plot.left() + plot.width() / 2) * scale);
    const double red = meanRow(image, column, isRed);
    const double blue = meanRow(image, column, isBlue);
    const double redExpected = (plot.top() + (1 + 0.5) / 9 * plot.height()) * scale;
    const double blueExpected = (plot.top() + (6 + 0.5) / 9 * plot.height()) * scale;
    QVERIFY2(std::fabs(red - redExpected) <= 1.5,
             qPrintable(QString("depth 1 at row %1, expected %2").arg(red).arg(redExpected)));
    QVERIFY2(std::fabs(blue - blueExpected) <= 1.5,
             qPrintable(QString("depth 6 at row %1, expected %2").arg(blue).arg(blueExpected)));
    QVERIFY(red < blue);
    // The picture fills the image: white ground, no black left at the corners.
    QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(image.width() - 2, image.height() - 2), qRgb(255, 255, 255));
  }

  // The picture keeps the chart's proportions, centred in the frame, and
  // everything in it scales: the plot frame's left edge lands where the scale
  // puts it, at every size.
  void viewScalesWithItsFrame() {
    const Chart chart = depthChart();
    ChartView view;
    view.showChart(chart);
    QCOMPARE(view.sizeHint(), QSize(300, 320));
    QCOMPARE(view.heightForWidth(600), 640);
    const QRectF plot = plotFrame(chart);
    for (QSize size : {QSize(300, 320), QSize(700, 320), QSize(450, 900)}) {
      view.resize(size);
      const QImage image = view.grab().toImage();
      QCOMPARE(image.size(), size);
      const QRectF picture = chartPictureRect(chart, QRectF(QPointF(0, 0), QSizeF(size)));
      const double scale = picture.width() / 300;
      QVERIFY(std::fabs(picture.height() / 320 - scale) < 1e-9);
      // Outside the picture the window shows; inside it the white ground.
      const int midY = int(picture.center().y());
      if (picture.left() >= 2) {
        QVERIFY(image.pixel(int(picture.left()) - 2, midY) != qRgb(255, 255, 255));
      }
      QCOMPARE(image.pixel(int(picture.left()) + 2, int(picture.top()) + 2), qRgb(255, 255, 255));
      // The first grey pixel along the middle row is the plot's left edge.
      int edge = -1;
      for (int x = int(picture.left()); x < int(picture.right()) && edge < 0; ++x) {
        if (isFrameGrey(image.pixel(x, midY))) edge = x;
      }
      const double expected = picture.left() + plot.left() * scale;
      QVERIFY2(edge >= 0 && std::fabs(edge - expected) <= 1.5 * std::max(1.0, scale),
               qPrintable(QString("size %1 x %2: frame edge at %3, expected %4")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(edge)
                              .arg(expected)));
    }
  }

  // The view looks the chart up by name at each paint, so it shows whatever
  // the last run left there; a name the window lacks shows nothing.
  void viewShowsTheResultsChartByName() {
    ResultsWindow results;
    ChartView view;
    view.showChart(results, "Chart3");
    QCOMPARE(view.chart(), &results.chart("Chart3"));
    QCOMPARE(view.sizeHint(), QSize(417, 449));
    results.chart("Chart3").series[0].points = {{0, 0, "A", {}}, {1, 1, "B", {}}};
    view.resize(417, 449);
    QVERIFY(!view.grab().isNull());
    view.showChart(results, "Chart99");
    QCOMPARE(view.chart(), nullptr);
    QVERIFY(!view.grab().isNull());
  }
};

}  // namespace kovrel

QTEST_MAIN(kovrel::ChartViewTest)
#include "chart_view_test.moc"
