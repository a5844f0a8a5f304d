#include "gui/design_conditions_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "conditions/window_rules.h"
#include "gui/control_binder.h"
#include "gui/gui_session.h"
#include "gui/layout_helpers.h"
#include "gui/seismic_page.h"
#include "gui/wall_picture_view.h"

namespace kovrel::gui {
namespace {

// Changes a tab's visibility only when it differs: each change lays the
// tab bar out again.
void showTab(QTabWidget* tabs, int index, bool visible) {
  if (tabs->isTabVisible(index) != visible) tabs->setTabVisible(index, visible);
}

// Two label-and-field pairs per row, for the short sections.
QGroupBox* pairedFields(const QString& title, const QString& objectName, ControlBinder& binder,
                        std::initializer_list<const char*> names) {
  QGroupBox* g = titledGroup(title, objectName);
  auto* grid = new QGridLayout(g);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  int i = 0;
  for (const char* name : names) {
    QLabel* label = binder.label(name);
    QLineEdit* edit = binder.edit(name);
    edit->setFixedWidth(kFieldWidth - 8);
    label->setBuddy(edit);
    const int row = i / 2, col = (i % 2) * 2;
    grid->addWidget(label, row, col, Qt::AlignRight);
    grid->addWidget(edit, row, col + 1);
    ++i;
  }
  grid->setColumnStretch(4, 1);
  return g;
}

}  // namespace

DesignConditionsWindow::DesignConditionsWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session), binder_(new ControlBinder(session, this)) {
  setObjectName("Form5");
  setWindowTitle("設計条件");
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(6);
  columns->addWidget(backfillColumn(), 0, Qt::AlignTop);
  columns->addWidget(loadSection(), 0, Qt::AlignTop);
  columns->addWidget(stressColumn(), 0, Qt::AlignTop);

  connect(binder_, &ControlBinder::editPressed, this, &DesignConditionsWindow::editPressed);
  connect(&session_, &GuiSession::conditionsChanged, this, &DesignConditionsWindow::refresh);
  connect(&session_, &GuiSession::visibilityChanged, this, [this] {
    if (session_.designWindow().visible) {
      show();
      raise();
    } else {
      hide();
    }
  });
  refresh();
  // A fixed-size window: every page at once must fit.
  setFixedSize(sizeHint());
}

QPushButton* DesignConditionsWindow::makeButton(const QString& caption) {
  auto* b = new QPushButton(caption);
  b->setObjectName(caption);
  b->setAutoDefault(false);
  return b;
}

WallPictureView* DesignConditionsWindow::makePicture(const char* name, double scale) {
  auto* view = new WallPictureView(session_, name, scale);
  pictures_[name] = view;
  return view;
}

WallPictureView* DesignConditionsWindow::picture(const std::string& name) const {
  auto it = pictures_.find(name);
  return it == pictures_.end() ? nullptr : it->second;
}

QPushButton* DesignConditionsWindow::button(const QString& caption) const {
  return findChild<QPushButton*>(caption);
}

QGroupBox* DesignConditionsWindow::group(const QString& objectName) const {
  return findChild<QGroupBox*>(objectName);
}

QWidget* DesignConditionsWindow::backfillColumn() {
  auto* column = new QWidget;
  auto* v = tightBox(new QVBoxLayout(column));
  v->setContentsMargins(0, 0, 0, 0);

  // １．裏込め土の諸量: the soil class beside its values, then δ.
  QGroupBox* backfill = titledGroup("１．裏込め土の諸量", "GroupBox17");
  auto* bv = tightBox(new QVBoxLayout(backfill));
  auto* top = new QHBoxLayout;
  top->addWidget(binder_->radio("RadioGroup1"));
  auto* values = new QWidget;
  QFormLayout* f = compactForm(values);
  for (const char* name : {"Edit15", "Edit14", "Edit21"}) addField(f, *binder_, name);
  top->addWidget(values);
  bv->addLayout(top);
  auto* deltaRow = new QHBoxLayout;
  QGroupBox* delta = binder_->radio("RadioGroup16", 2);
  delta->setToolTip("壁面摩擦角（通常2φ/3、透水材φ/2）");
  deltaRow->addWidget(delta);
  QPushButton* explain = makeButton("δ説明");
  connect(explain, &QPushButton::clicked, this, [this] {
    session_.dialogs().showMessage({MessageKind::Info, {kDeltaExplanation}});
  });
  deltaRow->addWidget(explain, 0, Qt::AlignBottom);
  bv->addLayout(deltaRow);
  v->addWidget(backfill);

  v->addWidget(pairedFields("２．根入れ地盤の諸量", "GroupBox40", *binder_,
                            {"LabeledEdit4", "LabeledEdit7", "LabeledEdit8", "LabeledEdit3"}));
  QGroupBox* support = pairedFields(
      "３．支持地盤の諸量", "GroupBox18", *binder_,
      {"LabeledEdit5", "Edit42", "Edit39", "LabeledEdit6", "Edit16", "Edit17", "Edit18"});
  binder_->widget("Edit16")->setToolTip("許容鉛直支持力度(H24指針P69：解表4-8)");
  binder_->widget("Edit17")->setToolTip("擁壁底面と地盤の間の摩擦係数：μ=tan(φb)");
  QPushButton* soil = makeButton("地盤定数一覧表");
  connect(soil, &QPushButton::clicked, this,
          [this] { emit soilConstantsRequested(loadPanelPoint(4, 22)); });
  static_cast<QGridLayout*>(support->layout())->addWidget(soil, 3, 2, 1, 2);
  v->addWidget(support);

  QGroupBox* explanation = titledGroup("■地盤定数説明図", "GroupBox45");
  auto* ev = tightBox(new QVBoxLayout(explanation));
  ev->addWidget(makePicture("Image4", 0.9), 0, Qt::AlignHCenter);
  v->addWidget(explanation);
  v->addStretch(1);
  return column;
}

QWidget* DesignConditionsWindow::loadSection() {
  loadPanel_ = titledGroup("４．荷重", "GroupBox4");
  auto* v = tightBox(new QVBoxLayout(loadPanel_));
  loadPages_ = new QTabWidget;
  loadPages_->setObjectName("PageControl1");
  loadPages_->addTab(selfWeightPage(), "(1)自重");
  loadPages_->addTab(backfillPage(), "(2)背面土形状、載荷重、土圧");
  loadPages_->addTab(otherLoadsPage(), "(3)その他の荷重");
  seismicPage_ = new SeismicPage(session_, *binder_);
  loadPages_->addTab(seismicPage_, "(4)設計震度");
  connect(loadPages_, &QTabWidget::currentChanged, this,
          [this](int page) { session_.setLoadPage(page); });
  v->addWidget(loadPages_);
  return loadPanel_;
}

QWidget* DesignConditionsWindow::stressColumn() {
  auto* column = new QWidget;
  auto* v = tightBox(new QVBoxLayout(column));
  v->setContentsMargins(0, 0, 0, 0);

  QGroupBox* stresses = pairedFields("５．許容応力度 (N/mm2)", "GroupBox19", *binder_,
                                     {"Edit50", "Edit23", "Edit24", "Edit25", "Edit27", "Edit26"});
  QPushButton* allowable = makeButton("許容応力度");
  connect(allowable, &QPushButton::clicked, this,
          [this] { emit allowableStressesRequested(loadPanelPoint(70, 22)); });
  static_cast<QGridLayout*>(stresses->layout())->addWidget(allowable, 3, 0, 1, 4, Qt::AlignRight);
  v->addWidget(stresses);
  v->addWidget(pairedFields("６．鉄筋かぶり", "GroupBox20", *binder_, {"Edit19", "Edit20"}));

  // Reinforcement of each member: the choice and its pitch and diameter.
  rebarTabs_ = new QTabWidget;
  rebarTabs_->setObjectName("PageControl3");
  const char* members[4][4] = {{"たて壁", "RadioGroup12", "ComboBox10", "ComboBox11"},
                               {"つま先", "RadioGroup13", "ComboBox12", "ComboBox13"},
                               {"踵", "RadioGroup14", "ComboBox14", "ComboBox15"},
                               {"突起", "RadioGroup15", "ComboBox16", "ComboBox17"}};
  for (const auto& m : members) {
    auto* page = new QWidget;
    auto* pv = tightBox(new QVBoxLayout(page));
    pv->addWidget(binder_->radio(m[1], 2));
    auto* combos = new QWidget;
    QFormLayout* f = compactForm(combos);
    addField(f, *binder_, m[2], 78);
    addField(f, *binder_, m[3], 78);
    pv->addWidget(combos);
    rebarTabs_->addTab(page, m[0]);
  }
  connect(rebarTabs_, &QTabWidget::currentChanged, this,
          [this](int tab) { session_.setRebarTab(tab); });
  QGroupBox* rebar = titledGroup("配筋", "GroupBox22");
  tightBox(new QVBoxLayout(rebar))->addWidget(rebarTabs_);
  v->addWidget(rebar);

  // Calculation options.
  v->addWidget(binder_->radio("RadioGroup10", 2));
  QGroupBox* hc = titledGroup("土圧作用位置(hc)", "GroupBox23");
  tightBox(new QVBoxLayout(hc))->addWidget(binder_->check("CheckBox7"));
  v->addWidget(hc);
  QGroupBox* method = titledGroup("安定計算方法の選択", "GroupBox24");
  auto* mv = tightBox(new QVBoxLayout(method));
  mv->addWidget(binder_->radio("RadioGroup11", 2));
  QGroupBox* factors =
      pairedFields("安全率法の安全率", "GroupBox25", *binder_, {"LabeledEdit1", "LabeledEdit2"});
  mv->addWidget(factors);
  v->addWidget(method);

  QPushButton* start = makeButton("計算開始");
  start->setMinimumHeight(34);
  QFont bold = start->font();
  bold.setBold(true);
  start->setFont(bold);
  connect(start, &QPushButton::clicked, this, [this] { session_.confirmAndRun(); });
  v->addWidget(start);
  v->addStretch(1);
  return column;
}

QPoint DesignConditionsWindow::loadPanelPoint(int dx, int dy) const {
  // The window's top-left on the screen plus the load panel's place in it.
  const QPoint window = frameGeometry().topLeft();
  const QPoint panel = loadPanel_->mapTo(this, QPoint(0, 0));
  return window + panel + QPoint(dx, dy);
}

void DesignConditionsWindow::editPressed(const QString& name, QLineEdit* edit) {
  if (!session_.openKeypad(name.toStdString())) return;
  // Just below the edit, left-aligned with it.
  emit keypadRequested(edit->mapToGlobal(QPoint(0, edit->height() + 2)));
}

void DesignConditionsWindow::refresh() {
  const DesignWindow& w = session_.designWindow();
  if (windowTitle() != QString::fromStdString(w.caption)) {
    setWindowTitle(QString::fromStdString(w.caption));
  }
  binder_->refresh();
  {
    QSignalBlocker block(loadPages_);
    showTab(loadPages_, 3, w.seismicPageVisible);
    if (loadPages_->currentIndex() != w.loadPage) loadPages_->setCurrentIndex(w.loadPage);
  }
  {
    QSignalBlocker block(rebarTabs_);
    showTab(rebarTabs_, 2, w.heelRebarTabVisible);
    showTab(rebarTabs_, 3, w.keyRebarTabVisible);
    if (rebarTabs_->currentIndex() != w.rebarTab) rebarTabs_->setCurrentIndex(w.rebarTab);
  }
  if (radioGroup4_ && radioGroup4_->isVisibleTo(this) != w.radioGroup4Visible) {
    radioGroup4_->setVisible(w.radioGroup4Visible);
  }
  seismicPage_->refresh();
}

void DesignConditionsWindow::closeEvent(QCloseEvent* event) {
  session_.setDesignWindowVisible(false);
  event->accept();
}

}  // namespace kovrel::gui
