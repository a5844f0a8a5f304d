// Writes PNG pictures of the results window and the reference windows for a
// human review: every page and inner page of the results window after a run
// of the default wall, of an L wall with a shear key and of a seismic run
// with ground water; the soil-constant window, the factor window's
// earth-pressure page and its three bearing-factor pages, the
// allowable-stress window and the C1, C2, Po table. Run offscreen:
//   QT_QPA_PLATFORM=offscreen kovrel-results-screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/allowable_stress_window.h"
#include "gui/c1c2po_window.h"
#include "gui/factor_tables_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/results_window_view.h"
#include "gui/soil_constants_window.h"
#include "gui/tools/screenshot_support.h"

namespace {

using namespace kovrel::gui;
using namespace kovrel::gui::screenshots;

// Each page the results window can show, as the page controls to set.
struct View {
  const char* name;
  std::vector<std::pair<const char*, const char*>> pages;  // page control, sheet
};

const View kViews[] = {
    {"1-contents", {{"PageControl1", "TabSheet9"}, {"PageControl8", "TabSheet21"}}},
    {"1-conditions", {{"PageControl1", "TabSheet9"}, {"PageControl8", "TabSheet22"}}},
    {"2-self-weight-stability", {{"PageControl1", "TabSheet1"}, {"PageControl7", "TabSheet19"}}},
    {"2-self-weight-slab", {{"PageControl1", "TabSheet1"}, {"PageControl7", "TabSheet20"}}},
    {"3-loads", {{"PageControl1", "TabSheet3"}}},
    {"4-stability", {{"PageControl1", "TabSheet2"}}},
    {"5-load-diagram", {{"PageControl1", "TabSheet7"}}},
    {"6-stem-forces", {{"PageControl1", "TabSheet5"}, {"PageControl2", "TabSheet4"}}},
    {"6-stem-steel-table",
     {{"PageControl1", "TabSheet5"},
      {"PageControl2", "TabSheet8"},
      {"PageControl5", "TabSheet15"}}},
    {"6-stem-steel-figure",
     {{"PageControl1", "TabSheet5"},
      {"PageControl2", "TabSheet8"},
      {"PageControl5", "TabSheet16"}}},
    {"6-stem-anchorage-L1",
     {{"PageControl1", "TabSheet5"},
      {"PageControl2", "TabSheet14"},
      {"PageControl6", "TabSheet17"}}},
    {"6-stem-anchorage-L2",
     {{"PageControl1", "TabSheet5"},
      {"PageControl2", "TabSheet14"},
      {"PageControl6", "TabSheet18"}}},
    {"7-toe", {{"PageControl1", "TabSheet10"}, {"PageControl3", "TabSheet11"}}},
    {"7-heel", {{"PageControl1", "TabSheet10"}, {"PageControl3", "TabSheet12"}}},
    {"7-key", {{"PageControl1", "TabSheet10"}, {"PageControl3", "TabSheet13"}}},
};

void saveResults(GuiSession& s, ResultsWindowView* view, const QString& wall) {
  for (const View& v : kViews) {
    bool shown = true;
    for (const auto& [control, sheet] : v.pages) {
      shown = shown && s.results().tabSheet(sheet).visible;
      s.showResultsPage(control, sheet);
    }
    if (!shown) continue;
    view->refresh();
    save(view, QString("results-%1-%2").arg(wall, v.name));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  setOutput(argc, argv);
  SilentDialogs dialogs;
  Program program(&dialogs);
  program.start({});
  MainWindow& main = program.mainWindow();
  GuiSession& s = program.session();
  ResultsWindowView* results = main.resultsWindow();

  s.run();
  saveResults(s, results, "T");

  s.enter("PageControl2", "1");
  s.enter("RadioGroup2", "1");
  s.run();
  saveResults(s, results, "L-key");

  s.enter("PageControl2", "0");
  s.enter("RadioGroup2", "0");
  s.enter("RadioGroup5", "1");
  s.enter("Form9.RadioGroup4", "1");
  s.enter("CheckBox3", "1");
  s.run();
  saveResults(s, results, "T-seismic-water");

  // The reference windows, each as its command opens it.
  s.enter("RadioGroup5", "0");
  s.enter("Form9.RadioGroup4", "0");
  main.command("ToolButton13")->trigger();
  save(main.soilConstantsWindow(), "reference-soil-constants");
  main.soilConstantsWindow()->hide();
  FactorTablesWindow* factors = main.factorTablesWindow();
  main.command("ToolButton14")->trigger();
  save(factors, "reference-earth-pressure");
  factors->hide();
  main.command("ToolButton8")->trigger();
  for (int page = 1; page < 4; ++page) {
    factors->pages()->setCurrentIndex(page);
    save(factors, QString("reference-bearing-factors-%1").arg(page));
  }
  factors->hide();
  main.allowableStressWindow()->show();
  save(main.allowableStressWindow(), "reference-allowable-stresses");
  s.enter("Form9.RadioGroup4", "1");
  s.enter("Form9.RadioGroup1", "0");
  save(main.allowableStressWindow(), "reference-allowable-stresses-seismic-18");
  main.allowableStressWindow()->hide();
  main.command("N5C1C2Po1")->trigger();
  save(main.c1c2PoWindow(), "reference-c1c2po");

  std::printf("%d pictures written to %s\n", written, qPrintable(out.absolutePath()));
  return written > 0 ? 0 : 1;
}
