// The load pages "(1)自重", "(2)背面土形状、載荷重、土圧" and
// "(3)その他の荷重" of the design-conditions window.
#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/layout_helpers.h"
#include "gui/wall_picture_painter.h"
#include "gui/wall_picture_view.h"

namespace kovrel::gui {
namespace {

// The shape pictures are shown larger than their pixel art so that the
// dimension edits laid over them have room.
const double kShapeScale = 1.4;

}  // namespace

QWidget* DesignConditionsWindow::shapePicture(const char* picture, bool lType) {
  WallPictureView* view = makePicture(picture, kShapeScale);
  view->setToolTip("擁壁形状を入力してください");
  for (const DimensionEditSlot& slot : dimensionEditSlots()) {
    const char* name = lType ? slot.lType : slot.invertedT;
    if (!name) continue;
    QLineEdit* edit = binder_->edit(name, true);
    view->place(edit, slot.rect);
  }
  return view;
}

QWidget* DesignConditionsWindow::selfWeightPage() {
  auto* page = new QWidget;
  auto* v = tightBox(new QVBoxLayout(page));

  auto* top = new QHBoxLayout;
  top->addWidget(binder_->radio("RadioGroup3", 2));
  top->addWidget(fieldGroup("②単位重量", *binder_, {"ComboBox7"}));
  top->addWidget(fieldGroup("擁壁ﾌﾞﾛｯｸ長(m)", *binder_, {"ComboBox18"}, 50));
  top->addStretch(1);
  v->addLayout(top);

  QGroupBox* shape = titledGroup("③擁壁形状", "GroupBox3");
  auto* sv = tightBox(new QVBoxLayout(shape));
  auto* wallTypes = new QTabWidget;
  wallTypes->addTab(shapePicture("Image1", false), "逆Ｔ型");
  wallTypes->addTab(shapePicture("Image3", true), "Ｌ型");
  binder_->pageControl("PageControl2", wallTypes);
  sv->addWidget(wallTypes, 0, Qt::AlignLeft);

  // The shear key: its own tab beside the wall type.
  auto* keyTabs = new QTabWidget;
  auto* key = new QWidget;
  auto* kh = tightBox(new QHBoxLayout(key));
  kh->addWidget(binder_->radio("RadioGroup2"), 0, Qt::AlignTop);
  auto* keyFields = new QWidget;
  QFormLayout* kf = compactForm(keyFields);
  for (const char* name : {"Edit35", "Edit40", "Edit41"}) addField(kf, *binder_, name);
  kh->addWidget(keyFields, 0, Qt::AlignTop);
  kh->addWidget(makePicture("Image6", 1.0), 0, Qt::AlignTop);
  kh->addStretch(1);
  keyTabs->addTab(key, "突起");
  sv->addWidget(keyTabs);
  v->addWidget(shape);
  v->addStretch(1);
  return page;
}

QWidget* DesignConditionsWindow::backfillPage() {
  auto* page = new QWidget;
  auto* h = tightBox(new QHBoxLayout(page));

  auto* left = tightBox(new QVBoxLayout);
  left->setContentsMargins(0, 0, 0, 0);
  QGroupBox* shape = titledGroup("①背面土形状", "GroupBox5");
  auto* sv = tightBox(new QVBoxLayout(shape));
  sv->addWidget(binder_->tabSet("TabControl1"));
  sv->addWidget(makePicture("Image8", 0.95), 0, Qt::AlignHCenter);
  auto* slope = new QWidget;
  QFormLayout* sf = compactForm(slope);
  addField(sf, *binder_, "ComboBox1");
  addField(sf, *binder_, "Edit28");
  binder_->widget("ComboBox1")->setToolTip("盛土勾配");
  sv->addWidget(slope);
  left->addWidget(shape);
  radioGroup4_ = binder_->radio("RadioGroup4", 2);
  left->addWidget(radioGroup4_);
  left->addStretch(1);
  h->addLayout(left);

  auto* right = tightBox(new QVBoxLayout);
  right->setContentsMargins(0, 0, 0, 0);
  QGroupBox* surcharge = titledGroup("②載荷重", "GroupBox6");
  auto* cv = tightBox(new QVBoxLayout(surcharge));
  cv->addWidget(binder_->check("CheckBox1"));
  auto* ch = new QHBoxLayout;
  ch->addWidget(fieldGroup("載荷重強度", *binder_, {"Edit1"}));
  ch->addWidget(binder_->radio("RadioGroup8"));
  cv->addLayout(ch);
  right->addWidget(surcharge);

  QGroupBox* snow = titledGroup("③雪荷重", "GroupBox7");
  auto* nv = tightBox(new QVBoxLayout(snow));
  nv->addWidget(binder_->check("CheckBox4"));
  auto* nh = new QHBoxLayout;
  nh->addWidget(fieldGroup("平坦部", *binder_, {"Edit43"}, 48));
  nh->addWidget(fieldGroup("法面部", *binder_, {"Edit13"}, 48));
  binder_->widget("Edit13")->setToolTip("SW=P・Zs(P=3.5kN/m2,Zs：設計積雪深m)");
  nv->addLayout(nh);
  right->addWidget(snow);

  QGroupBox* earth = titledGroup("⑤土圧", "GroupBox8");
  auto* ev = tightBox(new QVBoxLayout(earth));
  QGroupBox* handling = binder_->radio("RadioGroup6");
  handling->setToolTip("すべり土塊地盤が平坦な場合に有効");
  ev->addWidget(handling);
  ev->addWidget(binder_->radio("RadioGroup7"));
  right->addWidget(earth);

  QGroupBox* seismic = titledGroup("地震設定", "GroupBox9");
  auto* qv = tightBox(new QVBoxLayout(seismic));
  qv->addWidget(binder_->radio("RadioGroup5", 2, ""));
  qv->addWidget(binder_->radio("RadioGroup9"));
  right->addWidget(seismic);
  right->addStretch(1);
  h->addLayout(right);
  return page;
}

QWidget* DesignConditionsWindow::otherLoadsPage() {
  auto* page = new QWidget;
  auto* h = tightBox(new QHBoxLayout(page));
  auto* left = tightBox(new QVBoxLayout);
  left->setContentsMargins(0, 0, 0, 0);

  // Each load: its switch over the values it enables.
  auto load = [this, left](const char* box, std::initializer_list<const char*> fields,
                           const char* extra = nullptr) {
    auto* g = new QGroupBox;
    auto* gv = tightBox(new QVBoxLayout(g));
    gv->addWidget(binder_->check(box));
    auto* values = new QWidget;
    QFormLayout* f = compactForm(values);
    for (const char* name : fields) addField(f, *binder_, name);
    gv->addWidget(values);
    if (extra) gv->addWidget(binder_->check(extra));
    left->addWidget(g);
  };
  load("CheckBox9", {"Edit54"});
  load("CheckBox3", {"Edit62", "ComboBox8"}, "CheckBox2");
  load("CheckBox5", {"ComboBox3", "ComboBox2"});
  load("CheckBox6", {"ComboBox9", "ComboBox4"});
  left->addStretch(1);
  h->addLayout(left);
  h->addWidget(makePicture("Image5", 1.0), 0, Qt::AlignTop);
  return page;
}

}  // namespace kovrel::gui
