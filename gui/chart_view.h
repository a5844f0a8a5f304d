#pragma once
// One results chart on screen. The widget holds no drawing of its own: each
// paint event asks the model for the chart as it stands and paints it through
// the renderer (paintChart), so it always shows the last run and grows and
// shrinks with its frame, the chart's design size giving its proportions.

#include <QWidget>
#include <functional>
#include <string>

#include "results/results_window.h"

namespace kovrel {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);

  // Shows the chart of that name, looked up at each paint, so a run that
  // rewrites the results needs only update(). `results` must outlive the view.
  void showChart(const ResultsWindow& results, std::string name);
  // Shows a chart the caller keeps alive for as long as the view shows it.
  void showChart(const Chart& chart);
  // The chart shown now, or none.
  const Chart* chart() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<const Chart*()> source_;
};

}  // namespace kovrel
