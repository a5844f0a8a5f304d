#include "gui/chart_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "app/chart_renderer.h"
#include "gui/qt_chart_canvas.h"

namespace kovrel {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void ChartView::showChart(const ResultsWindow& results, std::string name) {
  source_ = [&results, name = std::move(name)]() -> const Chart* {
    const auto& charts = results.charts();
    const auto it = charts.find(name);
    return it == charts.end() ? nullptr : &it->second;
  };
  updateGeometry();
  update();
}

void ChartView::showChart(const Chart& chart) {
  source_ = [&chart]() -> const Chart* { return &chart; };
  updateGeometry();
  update();
}

const Chart* ChartView::chart() const {
  return source_ ? source_() : nullptr;
}

QSize ChartView::sizeHint() const {
  const Chart* c = chart();
  if (!c) return QSize(200, 200);
  const PictureSize size = pictureSize(*c);
  return QSize(size.width, size.height);
}

QSize ChartView::minimumSizeHint() const {
  return sizeHint() / 4;
}

bool ChartView::hasHeightForWidth() const {
  return chart() != nullptr;
}

int ChartView::heightForWidth(int width) const {
  const Chart* c = chart();
  if (!c) return QWidget::heightForWidth(width);
  const PictureSize size = pictureSize(*c);
  return int(double(width) * size.height / size.width + 0.5);
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (const Chart* c = chart()) paintChart(*c, painter, QRectF(rect()));
}

}  // namespace kovrel
