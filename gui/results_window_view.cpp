#include "gui/results_window_view.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <initializer_list>

#include "gui/caption_group_box.h"
#include "gui/chart_view.h"
#include "gui/gui_session.h"
#include "gui/results_binder.h"

namespace kovrel::gui {
namespace {

// The window's size as it opens; it may be resized, the charts follow.
const QSize kInitialSize(1000, 700);
const QSize kMinimumSize(760, 520);
const QPoint kOffsetFromDesignWindow(8, 27);

template <class Layout>
Layout* tight(Layout* layout) {
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  return layout;
}

// A page of stacked or side-by-side parts; a stretch of 0 keeps a part at
// its size (the grids), 1 lets it take the room (lists and charts).
struct Part {
  QWidget* widget;
  int stretch = 1;
};

QWidget* row(std::initializer_list<Part> parts) {
  auto* w = new QWidget;
  auto* h = tight(new QHBoxLayout(w));
  h->setContentsMargins(0, 0, 0, 0);
  for (const Part& p : parts) h->addWidget(p.widget, p.stretch);
  return w;
}

QWidget* column(std::initializer_list<Part> parts) {
  auto* w = new QWidget;
  auto* v = tight(new QVBoxLayout(w));
  v->setContentsMargins(0, 0, 0, 0);
  for (const Part& p : parts) {
    v->addWidget(p.widget, p.stretch, p.stretch ? Qt::Alignment() : Qt::AlignLeft);
  }
  return w;
}

// A group box holding its parts one under the other (or side by side).
QWidget* grouped(CaptionGroupBox* box, std::initializer_list<Part> parts,
                 Qt::Orientation direction = Qt::Vertical) {
  QBoxLayout* l = direction == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                            : static_cast<QBoxLayout*>(new QHBoxLayout(box));
  tight(l);
  for (const Part& p : parts) {
    l->addWidget(p.widget, p.stretch, p.stretch ? Qt::Alignment() : Qt::AlignLeft | Qt::AlignTop);
  }
  return box;
}

QWidget* fontSizeRow(QSlider* slider) {
  auto* w = new QWidget;
  auto* h = tight(new QHBoxLayout(w));
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel("フォントサイズ"));
  h->addWidget(slider, 1);
  return w;
}

}  // namespace

ResultsWindowView::ResultsWindowView(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session), binder_(new ResultsBinder(session, this)) {
  setObjectName("Form2");
  setWindowTitle("計算結果");
  auto* v = tight(new QVBoxLayout(this));
  QTabWidget* pages = binder_->pageControl("PageControl1");
  v->addWidget(pages);
  binder_->addPage("PageControl1", "TabSheet9", designConditionsPage());
  binder_->addPage("PageControl1", "TabSheet1", selfWeightPages());
  binder_->addPage("PageControl1", "TabSheet3", loadsPage());
  binder_->addPage("PageControl1", "TabSheet2", stabilityPage());
  binder_->addPage("PageControl1", "TabSheet7", loadDiagramPage());
  binder_->addPage("PageControl1", "TabSheet5", stemPages());
  binder_->addPage("PageControl1", "TabSheet10", baseSlabPages());

  connect(&session_, &GuiSession::resultsChanged, this, &ResultsWindowView::refresh);
  connect(&session_, &GuiSession::visibilityChanged, this, &ResultsWindowView::syncVisibility);
  refresh();
  setMinimumSize(kMinimumSize);
  resize(kInitialSize);
}

QWidget* ResultsWindowView::target(const std::string& name) const {
  return binder_->widget(name);
}

void ResultsWindowView::refresh() {
  binder_->refresh();
}

// Ⅰ．設計条件: the contents and the design conditions beside the outline
// figure and the table of shear correction factors.
QWidget* ResultsWindowView::designConditionsPage() {
  ResultsBinder& b = *binder_;
  QTabWidget* inner = b.pageControl("PageControl8");
  b.addPage("PageControl8", "TabSheet21", column({{b.listBox("ListBox20")}}));
  QWidget* conditions =
      grouped(b.groupBox("GroupBox7"), {{b.listBox("ListBox7"), 3}, {b.listBox("ListBox10"), 2}},
              Qt::Horizontal);
  b.addPage("PageControl8", "TabSheet22", column({{conditions}}));
  QWidget* contents = grouped(b.groupBox("GroupBox34"), {{inner}});

  QWidget* outline = grouped(b.groupBox("GroupBox8"),
                             {{b.chart("Chart3")}, {fontSizeRow(b.trackBar("TrackBar2")), 0}});
  auto* factors = b.groupBox("GroupBox32");
  auto* grid = tight(new QGridLayout(factors));
  int r = 0;
  for (const char* name : {"StringGrid12", "StringGrid15", "StringGrid16"}) {
    const std::string label = "GroupBox32.Label" + std::to_string(r / 2 + 1);
    grid->addWidget(b.label(label), r++, 0);
    grid->addWidget(b.grid(name), r++, 0, Qt::AlignLeft);
  }
  return row({{contents, 3}, {column({{outline, 1}, {factors, 0}}), 2}});
}

// Ⅱ-1 and Ⅱ-2: the self-weight lists, the coordinate tables and the point
// number figures, for the stability and for the base-slab design.
QWidget* ResultsWindowView::selfWeightPages() {
  ResultsBinder& b = *binder_;
  QTabWidget* inner = b.pageControl("PageControl7");
  QWidget* stability = row(
      {{grouped(b.groupBox("GroupBox2"), {{b.listBox("ListBox6")}}), 1},
       {grouped(b.groupBox("GroupBox25"), {{b.grid("StringGrid2"), 0}, {b.chart("Chart4")}}), 1}});
  b.addPage("PageControl7", "TabSheet19", stability);
  QWidget* slabs = row(
      {{grouped(b.groupBox("GroupBox28"), {{b.listBox("ListBox21")}, {b.grid("StringGrid10"), 0}}),
        1},
       {grouped(b.groupBox("GroupBox31"), {{b.grid("StringGrid5"), 0}, {b.chart("Chart12")}}), 1}});
  b.addPage("PageControl7", "TabSheet20", slabs);
  return column({{inner}});
}

// Ⅱ-3: earth pressure with its figure, the other loads and the load table
// with its notes.
QWidget* ResultsWindowView::loadsPage() {
  ResultsBinder& b = *binder_;
  QWidget* earth = grouped(b.groupBox("GroupBox20"),
                           {{b.chart("Chart5"), 2}, {b.listBox("ListBox1"), 3}}, Qt::Horizontal);
  QWidget* others = grouped(b.groupBox("GroupBox5"), {{b.listBox("ListBox2")}});
  QWidget* notes = grouped(b.groupBox("GroupBox11"), {{b.label("GroupBox11.Label1"), 0},
                                                      {b.label("GroupBox11.Label2"), 0},
                                                      {b.label("GroupBox11.Label3"), 0}});
  auto* table = b.groupBox("GroupBox1");
  auto* v = tight(new QVBoxLayout(table));
  v->addWidget(b.grid("StringGrid6"), 0, Qt::AlignLeft | Qt::AlignTop);
  v->addWidget(notes, 0);
  v->addStretch(1);
  return row({{column({{earth, 3}, {others, 2}}), 1}, {table, 0}});
}

// Ⅲ-1: the four checks, each under its judgement caption, and the ground
// reaction.
QWidget* ResultsWindowView::stabilityPage() {
  ResultsBinder& b = *binder_;
  QWidget* left = column({{grouped(b.groupBox("GroupBox24"), {{b.listBox("ListBox3")}})},
                          {grouped(b.groupBox("GroupBox22"), {{b.listBox("ListBox4")}})},
                          {grouped(b.groupBox("GroupBox23"), {{b.listBox("ListBox5")}})}});
  QWidget* right = column({{grouped(b.groupBox("GroupBox27"), {{b.chart("Chart11")}}), 2},
                           {grouped(b.groupBox("GroupBox33"), {{b.listBox("ListBox23")}}), 3}});
  return row({{left, 1}, {right, 1}});
}

// Ⅲ-2: the load diagram, its summary and the font size of its values.
QWidget* ResultsWindowView::loadDiagramPage() {
  ResultsBinder& b = *binder_;
  QTabWidget* fontSize = b.pageControl("PageControl4");
  b.addPage("PageControl4", "TabSheet6", column({{b.trackBar("TrackBar1"), 0}}));
  fontSize->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  QWidget* summary = grouped(b.groupBox("GroupBox10"), {{b.listBox("ListBox12")}});
  return row({{b.chart("Chart1"), 3}, {column({{summary, 1}, {fontSize, 0}}), 1}});
}

// Ⅳ-1: the stem's section forces, reinforcement and stresses, anchorage.
QWidget* ResultsWindowView::stemPages() {
  ResultsBinder& b = *binder_;
  QTabWidget* inner = b.pageControl("PageControl2");

  QWidget* forces =
      grouped(b.groupBox("GroupBox30"), {{b.listBox("ListBox8"), 3}, {b.listBox("ListBox19"), 1}});
  auto* tableTab = new QTabWidget;
  tableTab->setObjectName("GroupBox9.Tabs");
  tableTab->addTab(column({{b.grid("StringGrid1"), 0}, {new QWidget, 1}}), "一覧表");
  QWidget* forceTable = grouped(b.groupBox("GroupBox9"), {{tableTab}});
  b.addPage("PageControl2", "TabSheet4", row({{forces, 1}, {forceTable, 0}}));

  QWidget* steel = grouped(b.groupBox("GroupBox3"), {{b.listBox("ListBox14")}});
  QTabWidget* steelPages = b.pageControl("PageControl5");
  b.addPage("PageControl5", "TabSheet15", column({{b.grid("StringGrid4"), 0}, {new QWidget, 1}}));
  b.addPage("PageControl5", "TabSheet16", column({{b.chart("Chart10")}}));
  QWidget* steelTable = grouped(b.groupBox("GroupBox12"), {{steelPages}});
  b.addPage("PageControl2", "TabSheet8", row({{steel, 1}, {steelTable, 1}}));

  QTabWidget* anchorage = b.pageControl("PageControl6");
  b.addPage("PageControl6", "TabSheet17", column({{b.chart("Chart6")}}));
  b.addPage("PageControl6", "TabSheet18", column({{b.chart("Chart9")}}));
  QWidget* lengths = grouped(b.groupBox("GroupBox29"), {{anchorage}});
  QWidget* positions =
      grouped(b.groupBox("GroupBox26"), {{b.listBox("ListBox18"), 3}, {b.listBox("ListBox22"), 2}});
  b.addPage("PageControl2", "TabSheet14", row({{lengths, 1}, {positions, 1}}));
  return column({{inner}});
}

// Ⅳ-2: the base slab's toe, heel and shear-key pages.
QWidget* ResultsWindowView::baseSlabPages() {
  ResultsBinder& b = *binder_;
  QTabWidget* inner = b.pageControl("PageControl3");
  b.addPage("PageControl3", "TabSheet11", toePage());
  b.addPage("PageControl3", "TabSheet12", heelPage());
  b.addPage("PageControl3", "TabSheet13", keyPage());
  return column({{inner}});
}

QWidget* ResultsWindowView::toePage() {
  ResultsBinder& b = *binder_;
  // The figure across the group, the load tables beside the stress table.
  QWidget* loads =
      column({{b.grid("StringGrid13"), 0}, {b.grid("StringGrid8"), 0}, {new QWidget, 1}});
  QWidget* stresses = column({{b.grid("StringGrid3"), 0}, {new QWidget, 1}});
  QWidget* figures = grouped(b.groupBox("GroupBox4"),
                             {{b.chart("Chart2"), 1}, {row({{loads, 0}, {stresses, 0}}), 0}});
  QWidget* lists = column({{grouped(b.groupBox("GroupBox17"), {{b.listBox("ListBox9")}})},
                           {grouped(b.groupBox("GroupBox6"), {{b.listBox("ListBox15")}})}});
  return row({{figures, 1}, {lists, 1}});
}

QWidget* ResultsWindowView::heelPage() {
  ResultsBinder& b = *binder_;
  // The figure across the group, the load tables beside the stress table.
  QWidget* loads =
      column({{b.grid("StringGrid14"), 0}, {b.grid("StringGrid9"), 0}, {new QWidget, 1}});
  QWidget* stresses = column({{b.grid("StringGrid11"), 0}, {new QWidget, 1}});
  QWidget* figures = grouped(b.groupBox("GroupBox13"),
                             {{b.chart("Chart7"), 1}, {row({{loads, 0}, {stresses, 0}}), 0}});
  QWidget* lists = column({{grouped(b.groupBox("GroupBox16"), {{b.listBox("ListBox11")}})},
                           {grouped(b.groupBox("GroupBox14"), {{b.listBox("ListBox16")}})}});
  return row({{figures, 1}, {lists, 1}});
}

QWidget* ResultsWindowView::keyPage() {
  ResultsBinder& b = *binder_;
  QWidget* lists = column({{grouped(b.groupBox("GroupBox18"), {{b.listBox("ListBox13")}})},
                           {grouped(b.groupBox("GroupBox21"), {{b.listBox("ListBox17")}})}});
  QWidget* figure =
      grouped(b.groupBox("GroupBox15"), {{b.chart("Chart8"), 1}, {b.grid("StringGrid7"), 0}});
  return row({{lists, 1}, {figure, 1}});
}

void ResultsWindowView::syncVisibility() {
  if (session_.results().visible) {
    if (!isVisible()) {
      // It opens just below and right of the design-conditions window's
      // corner, so both captions stay in sight.
      QWidget* owner = parentWidget();
      if (QWidget* design = owner ? owner->findChild<QWidget*>("Form5") : nullptr) {
        move(design->pos() + kOffsetFromDesignWindow);
      }
    }
    show();
    raise();
  } else if (isVisible()) {
    hide();
  }
}

void ResultsWindowView::closeEvent(QCloseEvent* event) {
  session_.setResultsWindowVisible(false);
  event->accept();
}

}  // namespace kovrel::gui
