#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "gui/about_box.h"
#include "gui/allowable_stress_window.h"
#include "gui/c1c2po_window.h"
#include "gui/design_conditions_window.h"
#include "gui/factor_tables_window.h"
#include "gui/gui_session.h"
#include "gui/icons.h"
#include "gui/numeric_keypad_window.h"
#include "gui/report_printing.h"
#include "gui/results_window_view.h"
#include "gui/soil_constants_window.h"

namespace kovrel::gui {
namespace {

const char* const kStatusText = "Kovrelへようこそ．．．";
const char* const kExitQuestion = "終了しますか。";
const QPoint kExitQuestionAt(0, 82);
const QPoint kSoilFromMenuAt(0, 70);
const QPoint kSoilFromToolBarAt(0, 82);
const QPoint kFactorsAt(0, 90);
const QPoint kC1C2PoAt(0, 82);
// The status bar's second panel; the first takes the rest.
const int kStatusSidePanel = 160;

void bringToFront(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}

// One page of the report previews: menu item name, caption, page.
struct PreviewItem {
  const char* name;
  const char* caption;
  const char* page;
};

}  // namespace

MainWindow::MainWindow(GuiSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session) {
  setObjectName("Form1");
  setWindowTitle(QApplication::applicationName());
  setWindowIcon(programIcon("kovrel"));
  auto* frame = new QWidget;
  frame->setAutoFillBackground(true);
  QPalette p = frame->palette();
  p.setColor(QPalette::Window, QColor(144, 160, 144));
  frame->setPalette(p);
  setCentralWidget(frame);

  createWindows();
  printing_ = new ReportPrinting(session_, this);
  createCommands();
  createMenus();
  createToolBars();

  status_ = new QLabel;
  status_->setObjectName("StatusPanel0");
  statusBar()->addWidget(status_, 1);
  auto* side = new QLabel;
  side->setFixedWidth(kStatusSidePanel);
  statusBar()->addPermanentWidget(side);

  connect(&session_, &GuiSession::conditionsChanged, this, &MainWindow::applyMenuLayout);
  resize(1024, 720);
}

void MainWindow::createWindows() {
  // Created once, in this order, all hidden; never destroyed before the end.
  creationOrder_ << objectName();
  results_ = new ResultsWindowView(session_, this);
  factors_ = new FactorTablesWindow(session_, this);
  soil_ = new SoilConstantsWindow(session_, this);
  design_ = new DesignConditionsWindow(session_, this);
  c1c2po_ = new C1C2PoWindow(session_, this);
  about_ = new AboutBox(this);
  allowable_ = new AllowableStressWindow(session_, this);
  keypad_ = new NumericKeypadWindow(session_, this);
  for (QWidget* w : std::initializer_list<QWidget*>{results_, factors_, soil_, design_, c1c2po_,
                                                    about_, allowable_, keypad_}) {
    creationOrder_ << w->objectName();
  }

  connect(design_, &DesignConditionsWindow::soilConstantsRequested, this, [this](QPoint at) {
    soil_->move(at);
    bringToFront(soil_);
  });
  connect(design_, &DesignConditionsWindow::allowableStressesRequested, this, [this](QPoint at) {
    allowable_->move(at);
    bringToFront(allowable_);
  });
  connect(design_, &DesignConditionsWindow::keypadRequested, keypad_, &NumericKeypadWindow::showAt);
  connect(allowable_, &AllowableStressWindow::keypadRequested, keypad_,
          &NumericKeypadWindow::showAt);
}

QAction* MainWindow::addCommand(const QString& name, const QString& text, const char* icon,
                                void (MainWindow::*slot)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  if (icon) action->setIcon(programIcon(icon));
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void MainWindow::createCommands() {
  struct Command {
    const char* name;
    const char* menuText;  // also the tool button's caption when no menu item exists
    const char* icon;
    void (MainWindow::*slot)();
    const char* buttonText;  // shared tool button: caption and hint
    const char* buttonHint;
  };
  const Command commands[] = {
      {"N11", "1.設計条件読込...", "open", &MainWindow::loadConditions, "開く", "読込"},
      {"N21", "2.設計条件保存...", "save", &MainWindow::saveConditions, "保存", "保存"},
      {"N61", "3.終了...", "exit", &MainWindow::exitQuestion, "終了", "終了"},
      {"N19", "即印刷", "print", &MainWindow::printAllNow, "印刷", "印刷"},
      {"N20", "ﾌﾟﾚﾋﾞｭｰ", "print", &MainWindow::previewAll, nullptr, nullptr},
      {"N33", "3.プリンタ設定...", "print", &MainWindow::printerSetup, nullptr, nullptr},
      {"N15", "1.テキスト出力...", "text", &MainWindow::exportText, "ﾃｷｽﾄ", "ﾃｷｽﾄ出力"},
      {"N210", "2.ﾒﾀﾌｧｲﾙ出力...", "wmf", &MainWindow::exportMetafiles, "WMF", "WMF出力"},
      {"N3PDF1", "3.PDF出力...", "pdf", &MainWindow::exportPdf, "PDF", "PDF出力"},
      {"N17", "1.設計条件", "conditions", &MainWindow::showDesignConditions, "設計条件",
       "設計条件"},
      {"N12", "2.計算結果", "results", &MainWindow::showResults, "計算結果", "計算結果"},
      {"N22", "3.土質定数表", "soil", &MainWindow::showSoilConstantsFromMenu, nullptr, nullptr},
      {"N32", "4.土圧係数", "earth", &MainWindow::showEarthPressureFactorsInPlace, nullptr,
       nullptr},
      {"N5C1C2Po1", "5.単鉄筋C1,C2,Po表", "table", &MainWindow::showC1C2Po, "単鉄筋表", "単鉄筋表"},
      {"N13", "1.計算開始", "run", &MainWindow::runCalculation, nullptr, nullptr},
      {"N24", "2.このシステムは...", "about", &MainWindow::showAbout, nullptr, nullptr},
      // Tool buttons without a menu item of their own.
      {"ToolButton13", "土質定数", "soil", &MainWindow::showSoilConstantsFromToolBar, "土質定数",
       "土質定数"},
      {"ToolButton14", "土圧係数", "earth", &MainWindow::showEarthPressureFactors, "土圧係数",
       "土圧係数"},
      {"ToolButton8", "支持力係数", "bearing", &MainWindow::showBearingFactors, "支持力係数",
       "支持力係数"},
  };
  for (const Command& c : commands) {
    QAction* a = addCommand(c.name, QString::fromUtf8(c.menuText), c.icon, c.slot);
    if (c.buttonText) {
      a->setIconText(QString::fromUtf8(c.buttonText));
      a->setToolTip(QString::fromUtf8(c.buttonHint));
    }
  }
}

QAction* MainWindow::command(const QString& name) const {
  return findChild<QAction*>(name);
}

QMenu* MainWindow::menu(const QString& name) const {
  return findChild<QMenu*>(name);
}

void MainWindow::createMenus() {
  auto named = [this](QMenu* parent, const char* name, const char* title) {
    QMenu* m = parent ? parent->addMenu(QString::fromUtf8(title))
                      : menuBar()->addMenu(QString::fromUtf8(title));
    m->setObjectName(name);
    m->menuAction()->setObjectName(QString(name) + ".menu");
    return m;
  };
  QMenu* file = named(nullptr, "File", "ファイル(&F)");
  file->addAction(command("N11"));
  file->addAction(command("N21"));
  file->addSeparator();
  file->addAction(command("N61"));

  QMenu* print = named(nullptr, "Print", "印刷(&P)");
  QMenu* batch = named(print, "N18", "1.計算書一括印刷");
  batch->addAction(command("N19"));
  batch->addAction(command("N20"));
  QMenu* preview = named(print, "N26", "2.計算書ﾌﾟﾚﾋﾞｭｰ");
  QMenu* stability = nullptr;
  QMenu* stem = nullptr;
  QMenu* slab = nullptr;
  const PreviewItem pages[] = {
      {"Contents1", "目次", "Form22"},
      {"N110", "Ⅰ．設計条件", "Form16"},
      {"N27", "Ⅱ-1．荷重計算(自重：安定計算用)", "Form11"},
      {"N23", "Ⅱ-2．荷重計算(自重：構造計算用)", "Form23"},
      {"N25", "Ⅱ-3．荷重計算(土圧)", "Form17"},
      {"N111", "1．滑動、転倒、支持力", "Form12"},
      {"N211", "2．極限支持力", "Form25"},
      {"N31", "Ⅲ-2．荷重図", "Form19"},
      {"N9", "1．断面力", "Form13"},
      {"N10", "2．応力度", "Form20"},
      {"teityaku1", "3．定着長", "Form21"},
      {"N16", "1．つま先版", "Form14"},
      {"N113", "1．断面力", "Form15"},
      {"N212", "2．応力度", "Form26"},
      {"N34", "3．突起", "Form18"},
  };
  for (const PreviewItem& item : pages) {
    const QString name = item.name;
    QMenu* into = preview;
    if (name == "N111" || name == "N211") {
      if (!stability) stability = named(preview, "N8", "Ⅲ-1．安定計算");
      into = stability;
    } else if (name == "N9" || name == "N10" || name == "teityaku1") {
      if (!stem) stem = named(preview, "N14", "Ⅳ-1．構造計算(たて壁)");
      into = stem;
    } else if (name == "N16" || name == "N113" || name == "N212" || name == "N34") {
      if (!slab) slab = named(preview, "N7", "Ⅳ-2．構造計算(底版)");
      into = slab;
      if (name == "N113") heelMenu_ = named(slab, "N28", "2．かかと版");
      if (name == "N113" || name == "N212") into = heelMenu_;
    }
    auto* a = new QAction(QString::fromUtf8(item.caption), this);
    a->setObjectName(name);
    a->setIcon(programIcon("print"));
    const QString page = item.page;
    connect(a, &QAction::triggered, this, [this, page] { previewReportPage(page); });
    into->addAction(a);
    if (name == "Contents1" || name == "N110" || name == "N25" || name == "N31") {
      preview->addSeparator();
    }
  }
  print->addSeparator();
  print->addAction(command("N33"));

  QMenu* edit = named(nullptr, "Edit", "編集(&E)");
  edit->addAction(command("N15"));
  edit->addAction(command("N210"));
  edit->addAction(command("N3PDF1"));

  QMenu* view = named(nullptr, "View", "表示(&V)");
  view->addAction(command("N17"));
  view->addAction(command("N12"));
  view->addSeparator();
  view->addAction(command("N22"));
  view->addAction(command("N32"));
  view->addSeparator();
  view->addAction(command("N5C1C2Po1"));

  QMenu* run = named(nullptr, "Run", "実行(&R)");
  run->addAction(command("N13"));
  QMenu* system = named(nullptr, "System", "システム(&S)");
  system->addAction(command("N24"));
}

void MainWindow::createToolBars() {
  auto bar = [this](const char* name, std::initializer_list<const char*> items) {
    QToolBar* b = addToolBar(QString::fromUtf8(name));
    b->setObjectName(name);
    b->setMovable(false);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize(QSize(16, 16));
    for (const char* item : items) {
      const QString entry = QString::fromUtf8(item);
      if (entry == "|") {
        b->addSeparator();
        continue;
      }
      // "ToolButtonN=Action": the tool button's name and its command.
      const QString button = entry.section('=', 0, 0);
      QAction* a = command(entry.section('=', 1, 1));
      b->addAction(a);
      if (QWidget* w = b->widgetForAction(a)) {
        w->setObjectName(button);
        w->setFixedHeight(35);
      }
    }
    return b;
  };
  fileBar_ = bar("ToolBar1",
                 {"ToolButton1=N61", "|", "ToolButton3=N11", "ToolButton4=N21", "ToolButton5=N19",
                  "|", "ToolButton10=N15", "ToolButton6=N210", "ToolButton7=N3PDF1"});
  viewBar_ = bar("ToolBar2", {"ToolButton16=N17", "ToolButton11=N12", "|",
                              "ToolButton13=ToolButton13", "|", "ToolButton17=N5C1C2Po1", "|",
                              "ToolButton14=ToolButton14", "ToolButton8=ToolButton8"});
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    firstShown();
  }
}

void MainWindow::firstShown() {
  // The welcome text, the caption, the about box's lines.
  status_->setText(QString::fromUtf8(kStatusText));
  setWindowTitle(kProgramCaption);
  about_->setLines(kProgramCaption, kProgramDate);
  for (QAction* a : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    a->setEnabled(true);
  }
  // The design-conditions window opens centred on the screen, in its
  // initial state, with the menus following its wall type.
  if (QScreen* screen = design_->screen()) {
    const QRect area = screen->availableGeometry();
    const QRect frame = design_->frameGeometry();
    design_->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
  }
  session_.setDesignWindowVisible(true);
  session_.startUp();
  applyMenuLayout();
  emit startedUp();
}

void MainWindow::applyMenuLayout() {
  const auto& items = session_.session().reportMenu.menuItems;
  auto apply = [](QAction* a, const MenuItem& item) {
    if (!a) return;
    if (a->text() != QString::fromStdString(item.caption)) {
      a->setText(QString::fromStdString(item.caption));
    }
    if (a->isVisible() != item.visible) a->setVisible(item.visible);
  };
  apply(command("N16"), items.at("N16"));
  apply(heelMenu_->menuAction(), items.at("N28"));
  apply(command("N34"), items.at("N34"));
}

// --- ファイル ---------------------------------------------------------------

void MainWindow::loadConditions() {
  const QString path = session_.dialogs().openConditionsFile();
  if (path.isEmpty()) return;
  session_.load(path);
}

void MainWindow::saveConditions() {
  const QString path = session_.dialogs().saveConditionsFile();
  if (path.isEmpty()) return;
  session_.save(path);
}

void MainWindow::exitQuestion() {
  if (session_.dialogs().askYesNo(QString::fromUtf8(kExitQuestion), kExitQuestionAt)) close();
}

// --- 印刷 --------------------------------------------------------------------

void MainWindow::printAllNow() {
  printing_->printAll();
}

void MainWindow::previewAll() {
  printing_->previewAll();
}

void MainWindow::previewReportPage(const QString& page) {
  printing_->previewPage(page.toStdString());
}

void MainWindow::printerSetup() {
  printing_->printerSetup();
}

// --- 編集 --------------------------------------------------------------------

void MainWindow::exportText() {
  session_.exportText();
}

void MainWindow::exportMetafiles() {
  session_.exportMetafiles();
}

void MainWindow::exportPdf() {
  session_.exportPdf();
}

// --- 表示 --------------------------------------------------------------------

void MainWindow::showDesignConditions() {
  session_.setDesignWindowVisible(true);
  bringToFront(design_);
}

void MainWindow::showResults() {
  session_.setResultsWindowVisible(true);
  bringToFront(results_);
}

void MainWindow::showSoilConstantsFromMenu() {
  soil_->move(kSoilFromMenuAt);
  bringToFront(soil_);
}

void MainWindow::showSoilConstantsFromToolBar() {
  soil_->move(kSoilFromToolBarAt);
  bringToFront(soil_);
}

void MainWindow::showEarthPressureFactorsInPlace() {
  factors_->showPages(FactorPages::EarthPressure);
}

void MainWindow::showEarthPressureFactors() {
  factors_->move(kFactorsAt);
  factors_->showPages(FactorPages::EarthPressure);
}

void MainWindow::showBearingFactors() {
  factors_->move(kFactorsAt);
  factors_->showPages(FactorPages::BearingFactors);
}

void MainWindow::showC1C2Po() {
  c1c2po_->move(kC1C2PoAt);
  bringToFront(c1c2po_);
}

// --- 実行, システム ----------------------------------------------------------

void MainWindow::runCalculation() {
  session_.run();
}

void MainWindow::showAbout() {
  bringToFront(about_);
}

}  // namespace kovrel::gui
