#include "gui/seismic_page.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

#include "conditions/zone_table.h"
#include "gui/control_binder.h"
#include "gui/gui_session.h"
#include "gui/layout_helpers.h"

namespace kovrel::gui {
namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

// A display grid sized to show every cell without scrolling.
QTableWidget* displayGrid(const char* name, int cols, int rows) {
  auto* t = new QTableWidget(rows, cols);
  t->setObjectName(name);
  t->horizontalHeader()->hide();
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->verticalHeader()->setDefaultSectionSize(20);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      if (r == 0 || c == 0) item->setBackground(QColor(224, 224, 224));
      t->setItem(r, c, item);
    }
  }
  return t;
}

void fitGrid(QTableWidget* t, std::initializer_list<int> widths) {
  int c = 0, total = 2;
  for (int w : widths) {
    t->setColumnWidth(c++, w);
    total += w;
  }
  t->setFixedSize(total, t->rowCount() * t->verticalHeader()->defaultSectionSize() + 2);
}

void fillGrid(QTableWidget* t, const AidGrid& g) {
  for (int r = 0; r < g.rowCount && r < t->rowCount(); ++r) {
    for (int c = 0; c < g.colCount && c < t->columnCount(); ++c) {
      const QString text = q(g.cell(c, r));
      if (t->item(r, c)->text() != text) t->item(r, c)->setText(text);
    }
  }
}

void fillList(QListWidget* list, const std::vector<std::string>& lines) {
  QStringList wanted;
  for (const std::string& line : lines) wanted << q(line);
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
  if (shown == wanted) return;
  QSignalBlocker block(list);
  list->clear();
  list->addItems(wanted);
}

void setBase(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  if (p.color(QPalette::Base) == colour) return;
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, colour);
  }
  w->setPalette(p);
}

}  // namespace

SeismicPage::SeismicPage(GuiSession& session, ControlBinder& binder, QWidget* parent)
    : QWidget(parent), session_(session) {
  auto* v = tightBox(new QVBoxLayout(this));

  QGroupBox* kh = titledGroup("設計水平震度", "GroupBox21");
  kh->setToolTip("地震時に、入力可能です");
  auto* row = new QHBoxLayout(kh);
  row->setContentsMargins(6, 4, 6, 4);
  for (const char* name : {"ComboBox5", "ComboBox6", "Edit61"}) {
    row->addWidget(binder.label(name));
    QWidget* field = std::string(name) == "Edit61" ? static_cast<QWidget*>(binder.edit(name))
                                                   : static_cast<QWidget*>(binder.combo(name));
    field->setFixedWidth(kFieldWidth);
    row->addWidget(field);
  }
  row->addStretch(1);
  v->addWidget(kh);

  aidPages_ = new QTabWidget;
  aidPages_->setObjectName("PageControl4");
  aidPages_->addTab(standardValuePage(binder), "標準値（Kho）設定");
  aidPages_->addTab(zonePage(), "補正係数（Cz）設定");
  connect(aidPages_, &QTabWidget::currentChanged, this,
          [this](int page) { session_.setAidPage(page); });
  v->addWidget(aidPages_);
  v->addStretch(1);
}

QWidget* SeismicPage::standardValuePage(ControlBinder& binder) {
  auto* page = new QWidget;
  auto* v = tightBox(new QVBoxLayout(page));

  QGroupBox* standard = titledGroup("参表1-2：標準値（Kho）");
  standardValues_ = displayGrid("StringGrid1", 4, 3);
  standardValues_->setToolTip("クリックすれば標準値を設定します");
  fitGrid(standardValues_, {90, 60, 60, 60});
  connect(standardValues_, &QTableWidget::cellClicked, this,
          [this](int row, int col) { session_.clickStandardValue(col, row); });
  tightBox(new QVBoxLayout(standard))->addWidget(standardValues_, 0, Qt::AlignLeft);
  v->addWidget(standard);

  QGroupBox* ground = titledGroup("地盤種別判定", "GroupBox26");
  auto* gh = tightBox(new QHBoxLayout(ground));
  auto* left = tightBox(new QVBoxLayout);
  QGroupBox* layersGroup = titledGroup("地層区分");
  layers_ = binder.layerGrid("StringGrid2");
  layers_->verticalHeader()->setDefaultSectionSize(20);
  fitGrid(layers_, {40, 62, 50, 62});
  tightBox(new QVBoxLayout(layersGroup))->addWidget(layers_);
  left->addWidget(layersGroup);
  auto* tgRow = new QHBoxLayout;
  auto* tg = new QPushButton("特性値（Tg）計算");
  tg->setObjectName("特性値（Tg）計算");
  tg->setAutoDefault(false);
  connect(tg, &QPushButton::clicked, this, [this] { session_.computeTg(); });
  tgRow->addWidget(tg);
  QLineEdit* result = binder.edit("Edit53");
  result->setFixedWidth(80);
  result->setAlignment(Qt::AlignLeft);
  tgRow->addWidget(result);
  tgRow->addStretch(1);
  left->addLayout(tgRow);
  gh->addLayout(left);

  QGroupBox* types = titledGroup("表1-9：地盤種別");
  groundTypes_ = displayGrid("StringGrid3", 2, 4);
  groundTypes_->setSelectionMode(QAbstractItemView::NoSelection);
  fitGrid(groundTypes_, {60, 96});
  tightBox(new QVBoxLayout(types))->addWidget(groundTypes_);
  gh->addWidget(types, 0, Qt::AlignTop);
  v->addWidget(ground);
  return page;
}

QWidget* SeismicPage::zonePage() {
  auto* page = new QWidget;
  auto* h = tightBox(new QHBoxLayout(page));

  QGroupBox* initials = titledGroup("県名頭文字", "GroupBox27");
  initials->setToolTip("県名頭文字をクリックして下さい");
  auto* grid = new QGridLayout(initials);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setSpacing(2);
  int i = 0;
  for (const ZoneInitial& entry : zoneInitials()) {
    auto* b = new QPushButton(QString::fromUtf8(entry.initial));
    b->setObjectName(QString("initial.") + QString::fromUtf8(entry.initial));
    b->setFixedSize(28, 26);
    b->setAutoDefault(false);
    const std::string initial = entry.initial;
    connect(b, &QPushButton::clicked, this, [this, initial] { session_.listZones(initial); });
    grid->addWidget(b, i / 4, i % 4);
    ++i;
  }
  h->addWidget(initials, 0, Qt::AlignTop);

  QGroupBox* zoneGroup = titledGroup("対象地域");
  zones_ = new QListWidget;
  zones_->setObjectName("ListBox1");
  zones_->setToolTip("クリックすれば、補正係数を設定します");
  zones_->setFixedWidth(110);
  connect(zones_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { session_.applyZone(item->text().toStdString()); });
  tightBox(new QVBoxLayout(zoneGroup))->addWidget(zones_);
  h->addWidget(zoneGroup);

  QGroupBox* listGroup = titledGroup("対象地域一覧");
  municipalities_ = new QListWidget;
  municipalities_->setObjectName("ListBox2");
  municipalities_->setFixedWidth(140);
  tightBox(new QVBoxLayout(listGroup))->addWidget(municipalities_);
  h->addWidget(listGroup);
  h->addStretch(1);
  return page;
}

void SeismicPage::refresh() {
  const DesignWindow& w = session_.designWindow();
  fillGrid(standardValues_, w.standardValues);
  fillGrid(groundTypes_, w.groundTypes);
  fillList(zones_, w.zoneKeys);
  fillList(municipalities_, w.municipalities);
  const QColor background = toQColor(w.aidBackground);
  for (QWidget* aid : {static_cast<QWidget*>(standardValues_), static_cast<QWidget*>(layers_),
                       static_cast<QWidget*>(zones_)}) {
    setBase(aid, background);
  }
  QSignalBlocker block(aidPages_);
  for (int page = 0; page < aidPages_->count(); ++page) {
    aidPages_->widget(page)->setEnabled(w.aidPagesEnabled);
  }
  if (aidPages_->currentIndex() != w.aidPage) aidPages_->setCurrentIndex(w.aidPage);
}

}  // namespace kovrel::gui
