// Not a test: paints every chart of the default wall's results with the Qt
// canvas into PNG files, named like the SVG figures, so that a person can lay
// them beside the SVGs (scripts/chart-screenshots.sh).
//
//   chart_screenshots OUTPUT_DIR [SCALE]

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "app/figure_files.h"
#include "gui/qt_chart_canvas.h"
#include "run/calculation.h"
#include "run/session.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: chart_screenshots OUTPUT_DIR [SCALE]\n");
    return 1;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const double scale = argc > 2 ? std::atof(argv[2]) : 2.0;
  if (!(scale > 0) || !QDir().mkpath(folder)) {
    std::fprintf(stderr, "chart_screenshots: bad scale or folder\n");
    return 1;
  }
  kovrel::Session session;
  if (kovrel::runCalculation(session) != kovrel::RunStatus::Finished) {
    std::fprintf(stderr, "chart_screenshots: the default wall did not run\n");
    return 1;
  }
  for (const kovrel::FigureFile& figure : kovrel::allFigureFiles()) {
    const kovrel::Chart& chart = session.results.chart(figure.chart);
    QImage image(int(chart.width * scale), int(chart.height * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    kovrel::paintChart(chart, painter, QRectF(image.rect()));
    painter.end();
    const QString path = folder + "/" + QString::fromUtf8(figure.stem) + ".png";
    if (!image.save(path)) {
      std::fprintf(stderr, "chart_screenshots: cannot write %s\n", path.toLocal8Bit().constData());
      return 1;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
  }
  return 0;
}
