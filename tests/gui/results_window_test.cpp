// The results window after real runs: every list box, grid, chart, group box
// and note shows the results model, grouped on the pages the window was
// designed with; the wall type and the shear key choose the base-slab pages;
// a run stopped at B/3 leaves the member pages empty; a second run leaves
// nothing of the first; the track bars size their labels live; the text
// export carries what the window shows.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <set>

#include "base/shift_jis.h"
#include "fake_dialogs.h"
#include "gui/caption_group_box.h"
#include "gui/chart_view.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/qt_chart_canvas.h"
#include "gui/results_binder.h"
#include "gui/results_window_view.h"
#include "started_program.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

// The window's design: what each page, group box and inner page holds.
struct Holds {
  const char* outer;
  std::vector<const char*> inner;
};

const Holds kDesign[] = {
    {"TabSheet9", {"GroupBox8", "GroupBox32", "GroupBox34"}},
    {"GroupBox8", {"Chart3", "TrackBar2"}},
    {"GroupBox32",
     {"StringGrid12", "StringGrid15", "StringGrid16", "GroupBox32.Label1", "GroupBox32.Label2",
      "GroupBox32.Label3"}},
    {"GroupBox34", {"PageControl8"}},
    {"TabSheet21", {"ListBox20"}},
    {"TabSheet22", {"GroupBox7"}},
    {"GroupBox7", {"ListBox7", "ListBox10"}},
    {"TabSheet1", {"PageControl7"}},
    {"TabSheet19", {"GroupBox2", "GroupBox25"}},
    {"GroupBox2", {"ListBox6"}},
    {"GroupBox25", {"StringGrid2", "Chart4"}},
    {"TabSheet20", {"GroupBox28", "GroupBox31"}},
    {"GroupBox28", {"ListBox21", "StringGrid10"}},
    {"GroupBox31", {"StringGrid5", "Chart12"}},
    {"TabSheet3", {"GroupBox20", "GroupBox5", "GroupBox1"}},
    {"GroupBox20", {"Chart5", "ListBox1"}},
    {"GroupBox5", {"ListBox2"}},
    {"GroupBox1", {"StringGrid6", "GroupBox11"}},
    {"GroupBox11", {"GroupBox11.Label1", "GroupBox11.Label2", "GroupBox11.Label3"}},
    {"TabSheet2", {"GroupBox24", "GroupBox22", "GroupBox23", "GroupBox27", "GroupBox33"}},
    {"GroupBox24", {"ListBox3"}},
    {"GroupBox22", {"ListBox4"}},
    {"GroupBox23", {"ListBox5"}},
    {"GroupBox27", {"Chart11"}},
    {"GroupBox33", {"ListBox23"}},
    {"TabSheet7", {"Chart1", "GroupBox10", "PageControl4"}},
    {"GroupBox10", {"ListBox12"}},
    {"TabSheet6", {"TrackBar1"}},
    {"TabSheet5", {"PageControl2"}},
    {"TabSheet4", {"GroupBox30", "GroupBox9"}},
    {"GroupBox30", {"ListBox8", "ListBox19"}},
    {"GroupBox9", {"StringGrid1"}},
    {"TabSheet8", {"GroupBox3", "GroupBox12"}},
    {"GroupBox3", {"ListBox14"}},
    {"GroupBox12", {"PageControl5"}},
    {"TabSheet15", {"StringGrid4"}},
    {"TabSheet16", {"Chart10"}},
    {"TabSheet14", {"GroupBox29", "GroupBox26"}},
    {"GroupBox29", {"PageControl6"}},
    {"TabSheet17", {"Chart6"}},
    {"TabSheet18", {"Chart9"}},
    {"GroupBox26", {"ListBox18", "ListBox22"}},
    {"TabSheet10", {"PageControl3"}},
    {"TabSheet11", {"GroupBox4", "GroupBox17", "GroupBox6"}},
    {"GroupBox4", {"StringGrid13", "StringGrid8", "StringGrid3", "Chart2"}},
    {"GroupBox17", {"ListBox9"}},
    {"GroupBox6", {"ListBox15"}},
    {"TabSheet12", {"GroupBox13", "GroupBox16", "GroupBox14"}},
    {"GroupBox13", {"StringGrid14", "StringGrid11", "Chart7", "StringGrid9"}},
    {"GroupBox16", {"ListBox11"}},
    {"GroupBox14", {"ListBox16"}},
    {"TabSheet13", {"GroupBox18", "GroupBox21", "GroupBox15"}},
    {"GroupBox18", {"ListBox13"}},
    {"GroupBox21", {"ListBox17"}},
    {"GroupBox15", {"Chart8", "StringGrid7"}},
};

const char* const kMemberLists[] = {"ListBox8",  "ListBox19", "ListBox14", "ListBox18",
                                    "ListBox22", "ListBox9",  "ListBox15", "ListBox11",
                                    "ListBox16", "ListBox13", "ListBox17"};
const char* const kMemberCharts[] = {"Chart10", "Chart6", "Chart9", "Chart2", "Chart7", "Chart8"};

QStringList listLines(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

QStringList modelLines(const ListBox& box) {
  QStringList out;
  for (const std::string& line : box.lines) out << QString::fromStdString(line);
  return out;
}

// Pixels of a colour family (red or blue) in the top band of a widget: where
// a group box draws its caption.
int captionPixels(QWidget* box, bool red) {
  const QImage image = box->grab().toImage();
  int count = 0;
  for (int y = 0; y < std::min(image.height(), 18); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int strong = red ? c.red() : c.blue();
      const int other = red ? std::max(c.green(), c.blue()) : std::max(c.red(), c.green());
      if (strong > 150 && other < 90) ++count;
    }
  }
  return count;
}

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FakeDialogs> dialogs;
  std::unique_ptr<Program> program;
  ResultsWindowView* view = nullptr;
  GuiSession* session = nullptr;

  QWidget* target(const char* name) {
    QWidget* w = view->target(name);
    if (!w) qFatal("no widget for %s", name);
    return w;
  }
  template <class T>
  T* targetAs(const char* name) {
    auto* w = qobject_cast<T*>(target(name));
    if (!w) qFatal("%s is not of the expected kind", name);
    return w;
  }

  // "計算開始" with Yes to the load combination.
  void pressStart() {
    dialogs->answers = {true};
    QTest::mouseClick(program->mainWindow().designConditionsWindow()->button("計算開始"),
                      Qt::LeftButton);
    QVERIFY(view->isVisible());
  }

  void enter(const char* control, const char* value) {
    QVERIFY2(session->enter(control, value), control);
  }

  // Every widget against the model: lines, cells and column widths, the
  // chart each view paints, captions and their colours, notes, track bars.
  void expectWindowShowsTheModel() {
    const ResultsWindow& r = session->results();
    for (const auto& [name, box] : r.listBoxes()) {
      QCOMPARE(listLines(targetAs<QListWidget>(name.c_str())), modelLines(box));
    }
    for (const auto& [name, grid] : r.grids()) {
      auto* table = targetAs<QTableWidget>(name.c_str());
      QCOMPARE(table->rowCount(), grid.rowCount());
      QCOMPARE(table->columnCount(), grid.colCount());
      for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.colCount(); ++col) {
          QVERIFY2(table->item(row, col)->text() == QString::fromStdString(grid.cell(col, row)),
                   qPrintable(QString("%1[%2,%3]: \"%4\", model \"%5\"")
                                  .arg(name.c_str())
                                  .arg(col)
                                  .arg(row)
                                  .arg(table->item(row, col)->text(),
                                       QString::fromStdString(grid.cell(col, row)))));
        }
      }
      for (size_t col = 0; col < grid.colWidths.size(); ++col) {
        QCOMPARE(table->columnWidth(int(col)), grid.colWidths[col]);
      }
    }
    for (const auto& [name, chart] : r.charts()) {
      QCOMPARE(targetAs<ChartView>(name.c_str())->chart(), &chart);
    }
    for (const auto& [name, group] : r.groupBoxes()) {
      auto* box = targetAs<CaptionGroupBox>(name.c_str());
      QCOMPARE(box->title(), QString::fromStdString(group.caption));
      QCOMPARE(box->captionColour(), toQColor(group.colour));
    }
    for (const auto& [name, label] : r.labels()) {
      auto* l = targetAs<QLabel>(name.c_str());
      QCOMPARE(l->text(), QString::fromStdString(label.caption));
      QCOMPARE(l->isHidden(), !label.visible);
    }
    for (const auto& [name, bar] : r.trackBars()) {
      QCOMPARE(targetAs<QSlider>(name.c_str())->value(), bar.position);
    }
  }

  QStringList shownPages(const char* control) {
    auto* tabs = targetAs<QTabWidget>(control);
    const auto& pages = session->results().pageControl(control).pages;
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->isTabVisible(i)) out << QString::fromStdString(pages[size_t(i)]);
    }
    return out;
  }

 private slots:
  void init() {
    testing::startProgram(dialogs, program);
    view = program->mainWindow().resultsWindow();
    session = &program->session();
  }
  void cleanup() { testing::stopProgram(dialogs, program); }

  // Every list box, grid, chart, group box, note and track bar of the model
  // has its widget, inside its group box, on its page, under its page
  // control; the pages carry their captions.
  void everyTargetSitsWhereTheWindowGroupsIt() {
    const ResultsWindow& r = session->results();
    std::set<std::string> placed;
    for (const Holds& h : kDesign) {
      for (const char* name : h.inner) {
        QVERIFY2(target(h.outer)->isAncestorOf(target(name)),
                 qPrintable(QString("%1 in %2").arg(name, h.outer)));
        placed.insert(name);
      }
    }
    std::set<std::string> all;
    for (const auto& m : r.listBoxes()) all.insert(m.first);
    for (const auto& m : r.grids()) all.insert(m.first);
    for (const auto& m : r.charts()) all.insert(m.first);
    for (const auto& m : r.groupBoxes()) all.insert(m.first);
    for (const auto& m : r.labels()) all.insert(m.first);
    for (const auto& m : r.trackBars()) all.insert(m.first);
    for (const std::string& name : all) QVERIFY2(placed.count(name), name.c_str());
    for (const auto& [name, control] : r.pageControls()) {
      auto* tabs = targetAs<QTabWidget>(name.c_str());
      QCOMPARE(tabs->count(), int(control.pages.size()));
      for (int i = 0; i < tabs->count(); ++i) {
        const std::string& sheet = control.pages[size_t(i)];
        QCOMPARE(tabs->widget(i), target(sheet.c_str()));
        QCOMPARE(tabs->tabText(i), QString::fromStdString(r.tabSheet(sheet).caption));
      }
    }
    QCOMPARE(view->windowTitle(), QString("計算結果"));
    QCOMPARE(targetAs<QLabel>("GroupBox11.Label2")->text(),
             QString("◎載荷重には、仮想背面上の載荷重及び雪荷重を含む"));
    QVERIFY(!targetAs<QLabel>("GroupBox11.Label2")->isHidden());
  }

  // The default wall: the window shows every result of the run, ends on the
  // first load page, and its lists set the report in a font whose
  // full-width characters are two half-width ones wide, so padded columns
  // line up.
  void aRunFillsEveryTarget() {
    pressStart();
    expectWindowShowsTheModel();
    const ResultsWindow& r = session->results();
    for (const auto& [name, chart] : r.charts()) {
      size_t points = 0;
      for (const Series& s : chart.series) points += s.points.size();
      QVERIFY2(points > 0, name.c_str());
    }
    for (const auto& [name, box] : r.listBoxes()) QVERIFY2(!box.lines.empty(), name.c_str());
    QCOMPARE(targetAs<QTabWidget>("PageControl1")->currentWidget(), target("TabSheet1"));
    QCOMPARE(view->pos(), program->mainWindow().designConditionsWindow()->pos() + QPoint(8, 27));
    QCOMPARE(targetAs<CaptionGroupBox>("GroupBox22")->title(), QString("2.転倒に対する安定( OK )"));
    QCOMPARE(targetAs<CaptionGroupBox>("GroupBox22")->captionColour(), QColor(Qt::blue));
    QVERIFY(captionPixels(target("GroupBox22"), false) > 20);
    QCOMPARE(targetAs<QTableWidget>("StringGrid6")->item(0, 1)->text(), QString("鉛直力V"));

    const QFontMetricsF metrics(targetAs<QListWidget>("ListBox4")->font());
    const double half = metrics.horizontalAdvance('0');
    QCOMPARE(metrics.horizontalAdvance(QString("滑")), 2 * half);
    QCOMPARE(metrics.horizontalAdvance(QString("ﾓ")), half);
    QCOMPARE(metrics.horizontalAdvance(QString(" ")), half);
  }

  // An L wall has no toe page, a key its own page; a judgement of NO is red.
  void wallTypeAndKeyChooseTheBaseSlabPages() {
    QCOMPARE(shownPages("PageControl3"), (QStringList{"TabSheet11", "TabSheet12"}));
    enter("PageControl2", "1");
    QCOMPARE(shownPages("PageControl3"), QStringList{"TabSheet12"});
    enter("RadioGroup2", "1");
    pressStart();
    QCOMPARE(shownPages("PageControl3"), (QStringList{"TabSheet12", "TabSheet13"}));
    // The run made the toe page active; the window shows the first one it has.
    QCOMPARE(targetAs<QTabWidget>("PageControl3")->currentWidget(), target("TabSheet12"));
    expectWindowShowsTheModel();
    QVERIFY(targetAs<QListWidget>("ListBox13")->count() > 0);
    auto* bearing = targetAs<CaptionGroupBox>("GroupBox23");
    QCOMPARE(bearing->title(), QString("3.支持力に対する安定( NO )"));
    QCOMPARE(bearing->captionColour(), QColor(Qt::red));
    QVERIFY(captionPixels(bearing, true) > 20);
    QCOMPARE(captionPixels(target("GroupBox24"), true), 0);
    enter("PageControl2", "0");
    QCOMPARE(shownPages("PageControl3"), (QStringList{"TabSheet11", "TabSheet12", "TabSheet13"}));
  }

  // A base too narrow for the wall: the run stops at the B/3 gate and every
  // member page is empty, its grids back at "---", after a full run before.
  void aRunStoppedAtTheGateLeavesTheMemberPagesEmpty() {
    pressStart();
    QVERIFY(targetAs<QListWidget>("ListBox8")->count() > 0);
    enter("Edit7", "1500");
    enter("Edit8", "100");
    enter("Edit9", "600");
    pressStart();
    QCOMPARE(session->session().stabilitySnapshot->bearingState, 3);
    expectWindowShowsTheModel();
    for (const char* name : kMemberLists) {
      QVERIFY2(targetAs<QListWidget>(name)->count() == 0, name);
    }
    for (const char* name : kMemberCharts) {
      for (const Series& s : targetAs<ChartView>(name)->chart()->series) {
        QVERIFY2(s.points.empty(), name);
      }
    }
    auto* stem = targetAs<QTableWidget>("StringGrid4");
    for (int row = 1; row < stem->rowCount(); ++row) {
      for (int col = 1; col < stem->columnCount(); ++col) {
        QCOMPARE(stem->item(row, col)->text(), QString("---"));
      }
    }
  }

  // A seismic run with ground water after a normal run: every widget shows
  // the second run alone, and the text export carries the lines as the
  // window shows them.
  void aSecondRunReplacesEverythingAndTheExportReadsTheWindow() {
    pressStart();
    const QStringList normal = listLines(targetAs<QListWidget>("ListBox4"));
    enter("RadioGroup5", "1");
    enter("Form9.RadioGroup4", "1");
    enter("CheckBox3", "1");
    pressStart();
    expectWindowShowsTheModel();
    QVERIFY(listLines(targetAs<QListWidget>("ListBox4")) != normal);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    dialogs->answers = {true};
    program->mainWindow().command("N15")->trigger();
    QFile file("擁壁.txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QDir::setCurrent(previous);
    // The window's report lines, as the file holds them (Shift-JIS, CR LF).
    const QString text = QString::fromStdString(
        fromShiftJis(std::string_view(bytes.constData(), size_t(bytes.size()))));
    for (const char* name : {"ListBox1", "ListBox4", "ListBox23", "ListBox14"}) {
      const QString block = listLines(targetAs<QListWidget>(name)).join("\r\n");
      QVERIFY2(!block.isEmpty() && text.contains(block), name);
    }
  }

  // The track bars: a move gives the labels of their series that size at
  // once (the chart repaints from the model); a run keeps it.
  void trackBarsSizeTheirLabelsLive() {
    pressStart();
    auto* diagram = targetAs<QSlider>("TrackBar1");
    QCOMPARE(diagram->minimum(), 5);
    QCOMPARE(diagram->maximum(), 15);
    QCOMPARE(diagram->value(), 9);
    QSignalSpy changed(session, &GuiSession::resultsChanged);
    diagram->setFocus();
    QTest::keyClick(diagram, Qt::Key_Right);
    QTest::keyClick(diagram, Qt::Key_Right);
    QCOMPARE(changed.count(), 2);
    const Chart& loads = session->results().chart("Chart1");
    QCOMPARE(loads.seriesNamed("Series2").labelFontSize, 11);
    QCOMPARE(loads.seriesNamed("Series13").labelFontSize, 11);
    QCOMPARE(loads.seriesNamed("Series1").labelFontSize, 9);
    auto* outline = targetAs<QSlider>("TrackBar2");
    QTest::keyClick(outline, Qt::Key_Home);
    QCOMPARE(session->results().chart("Chart3").seriesNamed("Series23").labelFontSize, 5);
    pressStart();
    QCOMPARE(diagram->value(), 11);
    QCOMPARE(outline->value(), 5);
    QCOMPARE(session->results().chart("Chart1").seriesNamed("Series5").labelFontSize, 11);
  }

  // The window may be resized; the load diagram grows with it and is
  // painted anew at the new size, its proportions kept.
  void chartsFollowTheWindowSize() {
    pressStart();
    session->showResultsPage("PageControl1", "TabSheet7");
    view->refresh();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    auto* diagram = targetAs<ChartView>("Chart1");
    // The white picture the chart paints inside the widget's grey ground.
    auto picture = [diagram] {
      const QImage image = diagram->grab().toImage();
      QRect white;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (image.pixelColor(x, y) == Qt::white) white |= QRect(x, y, 1, 1);
        }
      }
      return white;
    };
    const QRect before = picture();
    view->resize(view->width() + 300, view->height() + 200);
    QApplication::processEvents();
    const QRect after = picture();
    QVERIFY2(after.width() > before.width() + 100 && after.height() > before.height() + 100,
             qPrintable(QString("%1x%2 -> %3x%4")
                            .arg(before.width())
                            .arg(before.height())
                            .arg(after.width())
                            .arg(after.height())));
    const QRectF expected = chartPictureRect(*diagram->chart(), QRectF(diagram->rect()));
    QVERIFY(std::abs(after.width() - expected.width()) <= 2);
    QVERIFY(std::abs(after.height() - expected.height()) <= 2);
  }

  // A page the user chooses stays chosen when the window refreshes.
  void aChosenPageStays() {
    pressStart();
    auto* pages = targetAs<QTabWidget>("PageControl1");
    QTabBar* bar = pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    QCOMPARE(pages->currentWidget(), target("TabSheet2"));
    QCOMPARE(session->results().pageControl("PageControl1").active, std::string("TabSheet2"));
    QTest::keyClick(targetAs<QSlider>("TrackBar1"), Qt::Key_Right);
    QCOMPARE(pages->currentWidget(), target("TabSheet2"));
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
