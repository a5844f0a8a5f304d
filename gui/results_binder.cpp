#include "gui/results_binder.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <stdexcept>

#include "gui/caption_group_box.h"
#include "gui/chart_view.h"
#include "gui/control_binder.h"
#include "gui/gui_session.h"
#include "gui/string_grid_table.h"

namespace kovrel::gui {
namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

ResultsBinder::ResultsBinder(GuiSession& session, QObject* parent)
    : QObject(parent), session_(session) {}

void ResultsBinder::bind(const std::string& name, Kind kind, QWidget* widget) {
  if (byName_.count(name)) throw std::logic_error("results target bound twice: " + name);
  widget->setObjectName(q(name));
  byName_[name] = bindings_.size();
  bindings_.push_back({name, kind, widget});
}

QListWidget* ResultsBinder::listBox(const std::string& name) {
  session_.results().listBox(name);  // a name the model lacks fails here, at construction
  QListWidget* list = makeReportList(q(name));
  bind(name, Kind::List, list);
  return list;
}

QTableWidget* ResultsBinder::grid(const std::string& name) {
  session_.results().grid(name);
  QTableWidget* table = makeGridTable(q(name));
  bind(name, Kind::Grid, table);
  return table;
}

ChartView* ResultsBinder::chart(const std::string& name) {
  session_.results().chart(name);
  auto* view = new ChartView;
  view->showChart(session_.results(), name);
  bind(name, Kind::Chart, view);
  return view;
}

CaptionGroupBox* ResultsBinder::groupBox(const std::string& name) {
  const GroupBox& model = session_.results().groupBox(name);
  auto* box = new CaptionGroupBox(q(model.caption));
  bind(name, Kind::Group, box);
  return box;
}

QLabel* ResultsBinder::label(const std::string& name) {
  const FixedLabel& model = session_.results().label(name);
  auto* l = new QLabel(q(model.caption));
  bind(name, Kind::Label, l);
  return l;
}

QSlider* ResultsBinder::trackBar(const std::string& name) {
  const TrackBar& model = session_.results().trackBar(name);
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(model.minimum, model.maximum);
  slider->setValue(model.position);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setPageStep(1);
  bind(name, Kind::Track, slider);
  // Live: every step while dragging sets the size and repaints the chart.
  connect(slider, &QSlider::valueChanged, this,
          [this, name](int value) { session_.moveTrackBar(name, value); });
  return slider;
}

QTabWidget* ResultsBinder::pageControl(const std::string& name) {
  session_.results().pageControl(name);
  auto* tabs = new QTabWidget;
  bind(name, Kind::Pages, tabs);
  connect(tabs, &QTabWidget::currentChanged, this, [this, name](int index) {
    const auto& pages = session_.results().pageControl(name).pages;
    if (index >= 0 && index < int(pages.size())) {
      session_.showResultsPage(name, pages[size_t(index)]);
    }
  });
  return tabs;
}

void ResultsBinder::addPage(const std::string& pageControl, const std::string& sheet,
                            QWidget* page) {
  const PageControl& model = session_.results().pageControl(pageControl);
  auto* tabs = static_cast<QTabWidget*>(widget(pageControl));
  if (!tabs || tabs->count() >= int(model.pages.size()) ||
      model.pages[size_t(tabs->count())] != sheet) {
    throw std::logic_error(sheet + " is not the next page of " + pageControl);
  }
  QSignalBlocker block(tabs);
  tabs->addTab(page, q(session_.results().tabSheet(sheet).caption));
  bind(sheet, Kind::Sheet, page);
}

QWidget* ResultsBinder::widget(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : bindings_[it->second].widget;
}

std::vector<std::string> ResultsBinder::names() const {
  std::vector<std::string> out;
  for (const Binding& b : bindings_) out.push_back(b.name);
  return out;
}

void ResultsBinder::refreshPages(const std::string& name, QTabWidget* tabs) {
  const ResultsWindow& r = session_.results();
  const PageControl& model = r.pageControl(name);
  QSignalBlocker block(tabs);
  int active = -1, firstVisible = -1;
  for (int i = 0; i < tabs->count() && i < int(model.pages.size()); ++i) {
    const std::string& sheet = model.pages[size_t(i)];
    const bool visible = r.tabSheet(sheet).visible;
    if (tabs->isTabVisible(i) != visible) tabs->setTabVisible(i, visible);
    if (visible && firstVisible < 0) firstVisible = i;
    if (visible && sheet == model.active) active = i;
  }
  // A hidden page cannot be the one shown: its control shows its first
  // visible page instead (the toe page of an L wall, for instance).
  if (active < 0) active = firstVisible;
  if (active >= 0 && tabs->currentIndex() != active) tabs->setCurrentIndex(active);
}

void ResultsBinder::refresh() {
  const ResultsWindow& r = session_.results();
  for (const Binding& b : bindings_) {
    switch (b.kind) {
      case Kind::List:
        fillReportList(static_cast<QListWidget*>(b.widget), r.listBox(b.name).lines);
        break;
      case Kind::Grid:
        fillGridTable(static_cast<QTableWidget*>(b.widget), r.grid(b.name));
        break;
      case Kind::Chart:
        b.widget->update();
        break;
      case Kind::Group: {
        auto* box = static_cast<CaptionGroupBox*>(b.widget);
        const GroupBox& g = r.groupBox(b.name);
        if (box->title() != q(g.caption)) box->setTitle(q(g.caption));
        box->setCaptionColour(toQColor(g.colour));
        break;
      }
      case Kind::Label: {
        auto* l = static_cast<QLabel*>(b.widget);
        const FixedLabel& f = r.label(b.name);
        if (l->text() != q(f.caption)) l->setText(q(f.caption));
        if (l->isHidden() == f.visible) l->setVisible(f.visible);
        break;
      }
      case Kind::Track: {
        auto* slider = static_cast<QSlider*>(b.widget);
        QSignalBlocker block(slider);
        const int position = r.trackBar(b.name).position;
        if (slider->value() != position) slider->setValue(position);
        break;
      }
      case Kind::Pages:
        refreshPages(b.name, static_cast<QTabWidget*>(b.widget));
        break;
      case Kind::Sheet:
        break;
    }
  }
}

}  // namespace kovrel::gui
