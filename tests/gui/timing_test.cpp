// Prints how long the program takes to show its first window, how long
// one rule click takes until every widget is refreshed and repainted, and how
// long the results window takes to fill from the model after a run. It
// reports the numbers and asserts nothing about them: a busy machine must not
// fail the suite.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "fake_dialogs.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/results_window_view.h"

using namespace kovrel::gui;

namespace {
qint64 startUpMicros = 0;
}

class TimingTest : public QObject {
  Q_OBJECT

 private slots:
  void ruleClickRefreshesEveryWidget() {
    testing::FakeDialogs dialogs;
    Program program(&dialogs);
    program.start({"kovrel"});
    DesignConditionsWindow* window = program.mainWindow().designConditionsWindow();
    auto* water = qobject_cast<QCheckBox*>(window->binder().widget("CheckBox3"));
    // The page of the box, so that its picture and fields are on the screen.
    program.session().setLoadPage(2);
    const int redraws = program.session().designWindow().pictures.redraws;
    // The refresh alone, and the refresh with the changed widgets painted
    // (the update requests the refresh posts, handled as the event loop does).
    QVERIFY(QTest::qWaitForWindowExposed(window));
    std::vector<qint64> micros, rendered;
    for (int i = 0; i < 40; ++i) {
      QElapsedTimer timer;
      timer.start();
      QTest::mouseClick(water, Qt::LeftButton, {}, QPoint(8, water->height() / 2));
      micros.push_back(timer.nsecsElapsed() / 1000);
      QApplication::processEvents();
      rendered.push_back(timer.nsecsElapsed() / 1000);
    }
    QVERIFY(!water->isChecked());  // on and off twenty times
    QCOMPARE(program.session().designWindow().pictures.redraws, redraws + 40);
    std::sort(micros.begin(), micros.end());
    std::sort(rendered.begin(), rendered.end());
    std::printf("start-up to the first shown window: %.1f ms\n", startUpMicros / 1000.0);
    std::printf("rule click (CheckBox3) to every widget refreshed: median %.2f ms, max %.2f ms\n",
                micros[micros.size() / 2] / 1000.0, micros.back() / 1000.0);
    std::printf(
        "the same with the changed widgets painted: median %.2f ms, max %.2f ms "
        "(%zu clicks)\n",
        rendered[rendered.size() / 2] / 1000.0, rendered.back() / 1000.0, rendered.size());
  }

  // Filling the whole results window from the model after a run: the models
  // of two different runs (normal; seismic with ground water) put in turn,
  // so that every list, grid, caption and chart has something to change.
  void resultsWindowFillsFromTheModel() {
    testing::FakeDialogs dialogs;
    Program program(&dialogs);
    program.start({"kovrel"});
    GuiSession& s = program.session();
    ResultsWindowView* view = program.mainWindow().resultsWindow();
    s.run();
    const kovrel::ResultsWindow normal = s.results();
    s.enter("RadioGroup5", "1");
    s.enter("Form9.RadioGroup4", "1");
    s.enter("CheckBox3", "1");
    s.run();
    const kovrel::ResultsWindow seismic = s.results();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    std::vector<qint64> fill, painted;
    for (int i = 0; i < 40; ++i) {
      s.session().results = i % 2 ? seismic : normal;
      QElapsedTimer timer;
      timer.start();
      view->refresh();
      fill.push_back(timer.nsecsElapsed() / 1000);
      QApplication::processEvents();
      painted.push_back(timer.nsecsElapsed() / 1000);
    }
    size_t lines = 0, cells = 0;
    for (const auto& [name, box] : seismic.listBoxes()) lines += box.lines.size();
    for (const auto& [name, grid] : seismic.grids()) {
      cells += size_t(grid.colCount() * grid.rowCount());
    }
    std::sort(fill.begin(), fill.end());
    std::sort(painted.begin(), painted.end());
    std::printf(
        "results window filled from the model (%zu lines, %zu cells): median %.2f ms, max "
        "%.2f ms\n",
        lines, cells, fill[fill.size() / 2] / 1000.0, fill.back() / 1000.0);
    std::printf("the same with the page shown painted: median %.2f ms, max %.2f ms (%zu fills)\n",
                painted[painted.size() / 2] / 1000.0, painted.back() / 1000.0, painted.size());
  }
};

int main(int argc, char** argv) {
  QElapsedTimer timer;
  timer.start();
  QApplication app(argc, argv);
  {
    testing::FakeDialogs dialogs;
    Program program(&dialogs);
    program.start({"kovrel"});
    QApplication::processEvents();
    startUpMicros = timer.nsecsElapsed() / 1000;
  }
  TimingTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "timing_test.moc"
