#include "gui/factor_tables_window.h"
#include "gui/fixed_size.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <optional>
#include <stdexcept>

#include "conditions/design_conditions.h"
#include "gui/chart_view.h"
#include "gui/control_binder.h"
#include "gui/gui_session.h"
#include "gui/string_grid_table.h"

namespace kovrel::gui {
namespace {

const char* const kPageCaptions[4] = {"土圧係数", "支持力係数　Nc", "支持力係数　Nq",
                                      "支持力係数　Nγ"};
const char* const kWallTabs[4] = {"重力式１", "重力式２", "もたれ式", "逆Ｔ型"};
QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QButtonGroup* radioGroup(QGroupBox* box, QObject* owner, const char* name,
                         std::initializer_list<const char*> items) {
  auto* buttons = new QButtonGroup(owner);
  auto* v = new QVBoxLayout(box);
  v->setContentsMargins(6, 2, 6, 4);
  v->setSpacing(2);
  int i = 0;
  for (const char* item : items) {
    auto* b = new QRadioButton(QString::fromUtf8(item));
    b->setObjectName(QString("%1.%2").arg(name).arg(i));
    buttons->addButton(b, i++);
    v->addWidget(b);
  }
  box->setObjectName(name);
  return buttons;
}

QPushButton* button(const char* caption) {
  auto* b = new QPushButton(QString::fromUtf8(caption));
  b->setObjectName(QString::fromUtf8(caption));
  b->setAutoDefault(false);
  return b;
}

// One computation of the earth-pressure table. What it has to say comes
// back as a message: its own (the tab "逆Ｔ型") or why it stopped (a setting
// that is no number or out of range); the table keeps what it held.
template <class Fn>
std::optional<Message> tableRun(const Fn& fn) {
  try {
    const std::string said = fn();
    if (said.empty()) return std::nullopt;
    return Message{MessageKind::Info, {said}};
  } catch (const ConversionError& e) {
    return Message{MessageKind::Error, {conversionMessage(e)}};
  } catch (const std::exception& e) {
    return Message{MessageKind::Error, {e.what()}};
  }
}

void setText(QComboBox* box, const std::string& text) {
  QSignalBlocker block(box);
  QSignalBlocker blockEdit(box->lineEdit());
  if (box->currentText() != q(text)) box->setEditText(q(text));
}

}  // namespace

FactorTablesWindow::FactorTablesWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session), pages_(new QTabWidget) {
  setObjectName("Form3");
  setWindowTitle("土圧係数");
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 6, 6, 6);
  pages_->addTab(earthPressurePage(), QString::fromUtf8(kPageCaptions[0]));
  for (int i = 0; i < 3; ++i) {
    pages_->addTab(bearingFactorPageWidget(i), QString::fromUtf8(kPageCaptions[i + 1]));
  }
  v->addWidget(pages_);
  refresh();
  fixSizeToContents(this);
}

QComboBox* FactorTablesWindow::combo(const char* name, std::initializer_list<const char*> items,
                                     const char* hint) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  for (const char* item : items) box->addItem(QString::fromUtf8(item));
  if (hint) box->setToolTip(QString::fromUtf8(hint));
  box->setFixedWidth(62);
  return box;
}

QWidget* FactorTablesWindow::earthPressurePage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(4, 4, 4, 4);
  v->setSpacing(4);
  auto* controls = new QHBoxLayout;
  controls->setSpacing(6);

  // 擁壁タイプ: one tab per wall type, each with its back face.
  auto* wallBox = new QGroupBox("擁壁タイプ");
  auto* wallLayout = new QVBoxLayout(wallBox);
  wallLayout->setContentsMargins(4, 2, 4, 4);
  wallTabs_ = new QTabWidget;
  wallTabs_->setObjectName("WallTypeTabs");
  wallTabs_->setUsesScrollButtons(false);
  QComboBox* gravity = combo("ComboBox6", {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6"});
  QComboBox* leaning = combo("ComboBox7", {"0.0", "-0.1", "-0.2", "-0.3", "-0.4", "-0.5", "-0.6"});
  for (int i = 0; i < 4; ++i) {
    auto* tab = new QWidget;
    auto* f = new QFormLayout(tab);
    f->setContentsMargins(6, 6, 6, 6);
    if (i == 0) f->addRow(new QLabel("背面勾配なし"));
    if (i == 1) f->addRow("背面勾配", gravity);
    if (i == 2) f->addRow("背面勾配", leaning);
    wallTabs_->addTab(tab, QString::fromUtf8(kWallTabs[i]));
  }
  wallLayout->addWidget(wallTabs_);
  connect(wallTabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    earth_.wallTab = tab;
    refresh();
  });
  connect(gravity, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { earth_.batterGravity = t.toStdString(); });
  connect(leaning, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { earth_.batterLeaning = t.toStdString(); });
  controls->addWidget(wallBox);

  // 裏込め土: the soil proposes γ and φ; each may be typed over.
  auto* backfill = new QGroupBox("裏込め土");
  auto* bh = new QHBoxLayout(backfill);
  bh->setContentsMargins(4, 2, 4, 4);
  auto* soilBox = new QGroupBox("土質");
  soil_ = radioGroup(soilBox, this, "RadioGroup1", {"礫質土", "砂質土", "粘性土"});
  bh->addWidget(soilBox);
  auto* values = new QFormLayout;
  QComboBox* gamma = combo("ComboBox2", {"20", "19", "18"}, "単位重量(kN/m3)");
  QComboBox* phi = combo("ComboBox3", {"35", "30", "25"}, "せん断抵抗角(度)");
  QComboBox* cohesion = combo("ComboBox4", {"0", "1"}, "粘着力(kN/m2)");
  values->addRow("γ=", gamma);
  values->addRow("φ=", phi);
  values->addRow("C=", cohesion);
  bh->addLayout(values);
  connect(soil_, &QButtonGroup::idClicked, this, [this](int item) {
    earth_.chooseSoil(item);
    refresh();
  });
  connect(gamma, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { earth_.gamma = t.toStdString(); });
  connect(phi, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { earth_.phi = t.toStdString(); });
  connect(cohesion, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { earth_.cohesion = t.toStdString(); });
  controls->addWidget(backfill);

  // 地震 and 設計震度: kh is offered in the seismic case only.
  auto* seismicBox = new QGroupBox("地震");
  seismic_ = radioGroup(seismicBox, this, "RadioGroup2", {"常時", "地震時"});
  controls->addWidget(seismicBox);
  auto* khBox = new QGroupBox("設計震度");
  auto* kf = new QFormLayout(khBox);
  kf->setContentsMargins(4, 2, 4, 4);
  QComboBox* kh = combo("ComboBox1", {"0.10", "0.11", "0.12", "0.13", "0.14", "0.15", "0.16",
                                      "0.17", "0.18", "0.19", "0.20"});
  kf->addRow("kh=", kh);
  connect(seismic_, &QButtonGroup::idClicked, this, [this](int item) {
    earth_.chooseSeismic(item);
    refresh();
  });
  connect(kh, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { earth_.kh = t.toStdString(); });
  controls->addWidget(khBox, 0, Qt::AlignTop);

  auto* buttons = new QVBoxLayout;
  QPushButton* show = button("表示");
  QPushButton* close = button("閉じる");
  connect(show, &QPushButton::clicked, this, &FactorTablesWindow::compute);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  buttons->addWidget(show);
  buttons->addWidget(close);
  buttons->addStretch(1);
  controls->addLayout(buttons);
  controls->addStretch(1);
  v->addLayout(controls);

  // The table beside its chart.
  auto* results = new QHBoxLayout;
  grid_ = makeGridTable("StringGrid1", 1, 2);
  results->addWidget(grid_, 0, Qt::AlignTop);
  chart_ = new ChartView;
  chart_->setObjectName("Chart1");
  chart_->showChart(table_.chart);
  chart_->setMinimumSize(chart_->sizeHint());
  results->addWidget(chart_, 1, Qt::AlignTop);
  v->addLayout(results, 1);
  return page;
}

QWidget* FactorTablesWindow::bearingFactorPageWidget(int index) {
  auto* page = new QWidget;
  auto* h = new QHBoxLayout(page);
  h->setContentsMargins(4, 4, 4, 4);
  QTableWidget* grid = makeGridTable(QString("StringGrid%1").arg(index + 2));
  bearingGrids_[size_t(index)] = grid;
  auto* left = new QVBoxLayout;
  left->addWidget(grid);
  left->addStretch(1);
  QPushButton* close = button("閉じる");
  close->setObjectName(QString("閉じる%1").arg(index + 2));
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  left->addWidget(close, 0, Qt::AlignLeft);
  h->addLayout(left);
  auto* chart = new ChartView;
  chart->setObjectName(QString("Chart%1").arg(index + 2));
  chart->showChart(bearing_[size_t(index)].chart);
  chart->setMinimumSize(chart->sizeHint());
  bearingCharts_[size_t(index)] = chart;
  h->addWidget(chart, 1, Qt::AlignTop);
  return page;
}

void FactorTablesWindow::refresh() {
  {
    QSignalBlocker block(wallTabs_);
    if (wallTabs_->currentIndex() != earth_.wallTab) wallTabs_->setCurrentIndex(earth_.wallTab);
  }
  if (QAbstractButton* b = soil_->button(earth_.soil)) b->setChecked(true);
  if (QAbstractButton* b = seismic_->button(earth_.seismic)) b->setChecked(true);
  setText(findChild<QComboBox*>("ComboBox2"), earth_.gamma);
  setText(findChild<QComboBox*>("ComboBox3"), earth_.phi);
  setText(findChild<QComboBox*>("ComboBox4"), earth_.cohesion);
  setText(findChild<QComboBox*>("ComboBox6"), earth_.batterGravity);
  setText(findChild<QComboBox*>("ComboBox7"), earth_.batterLeaning);
  auto* kh = findChild<QComboBox*>("ComboBox1");
  setText(kh, earth_.kh);
  kh->setEnabled(earth_.khEnabled);
  QPalette p = kh->palette();
  p.setColor(QPalette::Base, earth_.khEnabled ? Qt::white : toQColor(clSilver));
  kh->setPalette(p);

  fillGridTable(grid_, table_.grid);
  chart_->update();
  for (int i = 0; i < 3; ++i) {
    fillGridTable(bearingGrids_[size_t(i)], bearing_[size_t(i)].grid);
    bearingCharts_[size_t(i)]->update();
  }
}

void FactorTablesWindow::compute() {
  if (auto said = tableRun(
          [this] { return computeEarthPressureTable(earth_, session_.conditions(), table_); })) {
    session_.dialogs().showMessage(*said);
  }
  refresh();
}

void FactorTablesWindow::showPages(FactorPages which) {
  const bool earth = which == FactorPages::EarthPressure;
  pages_->setTabVisible(0, earth);
  for (int i = 1; i < 4; ++i) pages_->setTabVisible(i, !earth);
  pages_->setCurrentIndex(earth ? 0 : 1);
  if (earth && (!isVisible() || !tableShown_)) {
    // Opening on the table: the first wall type, computed for the soil and
    // load case the page holds.
    if (auto said = tableRun(
            [this] { return showEarthPressureWindow(earth_, session_.conditions(), table_); })) {
      session_.dialogs().showMessage(*said);
    }
    tableShown_ = true;
  }
  if (!earth) {
    std::vector<BearingFactorPage> filled = bearingFactorPages();
    for (size_t i = 0; i < bearing_.size() && i < filled.size(); ++i) {
      bearing_[i] = std::move(filled[i]);
    }
  }
  refresh();
  show();
  raise();
}

}  // namespace kovrel::gui
