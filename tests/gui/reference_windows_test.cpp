// The reference windows driven with the mouse: the soil-constant window's
// tables and its click-to-copy rules with their questions, the factor window
// whose tables equal the command line's --reference for the same inputs, its
// settings and messages, the allowable-stresses window's proposals and its
// transfer, and the C1, C2, Po table.
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "conditions/allowable_stresses.h"
#include "conditions/soil_constants.h"
#include "fake_dialogs.h"
#include "gui/allowable_stress_window.h"
#include "gui/c1c2po_window.h"
#include "gui/chart_view.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/factor_tables_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/numeric_keypad_window.h"
#include "gui/program.h"
#include "gui/soil_constants_window.h"
#include "reference/earth_pressure_table.h"
#include "started_program.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

void clickCell(QTableWidget* table, int row, int col = 1) {
  const QPoint at = table->visualRect(table->model()->index(row, col)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
}

// A table's cells as rows of texts.
QList<QStringList> cells(const QTableWidget* table) {
  QList<QStringList> out;
  for (int r = 0; r < table->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < table->columnCount(); ++c) row << table->item(r, c)->text();
    out << row;
  }
  return out;
}

QList<QStringList> cells(const QJsonArray& rows) {
  QList<QStringList> out;
  for (const QJsonValue& row : rows) {
    QStringList texts;
    for (const QJsonValue& cell : row.toArray()) texts << cell.toString();
    out << texts;
  }
  return out;
}

// The points of each series of a chart in the JSON, gaps left out.
QList<int> pointCounts(const QJsonObject& chart) {
  QList<int> out;
  const QJsonObject series = chart["series"].toObject();
  for (const QString& name : series.keys()) {
    int n = 0;
    for (const QJsonValue& p : series[name].toObject()["points"].toArray()) n += p.isArray();
    out << n;
  }
  return out;
}

QList<int> pointCounts(const Chart& chart) {
  // The JSON lists series by name, in sorted order.
  std::map<std::string, int> byName;
  for (const Series& s : chart.series) {
    int n = 0;
    for (const ChartPoint& p : s.points) n += p.colour != kNullPointColour;
    byName[s.name] = n;
  }
  QList<int> out;
  for (const auto& [name, n] : byName) out << n;
  return out;
}

}  // namespace

class ReferenceWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FakeDialogs> dialogs;
  std::unique_ptr<Program> program;
  MainWindow* main = nullptr;
  GuiSession* session = nullptr;

  const DesignConditions& dc() { return session->conditions(); }
  // The reference tables as `kovrel-cli --reference -` prints them for the
  // design conditions as the program starts.
  QJsonObject reference() {
    QProcess cli;
    cli.start(KOVREL_CLI_PATH, {"--reference", "-"});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) qFatal("kovrel-cli --reference failed");
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
  }

 private slots:
  void init() {
    testing::startProgram(dialogs, program);
    main = &program->mainWindow();
    session = &program->session();
  }
  void cleanup() { testing::stopProgram(dialogs, program); }

  void soilTablesAreTheGuidelines() {
    main->command("ToolButton13")->trigger();
    SoilConstantsWindow* soil = main->soilConstantsWindow();
    QVERIFY(soil->isVisible());
    for (const ReferenceGrid& g : soilConstantGrids()) {
      QTableWidget* table = soil->grid(QString::fromStdString(g.name));
      QCOMPARE(table->rowCount(), int(g.rows.size()));
      for (size_t r = 0; r < g.rows.size(); ++r) {
        for (size_t c = 0; c < g.rows[r].size(); ++c) {
          QCOMPARE(table->item(int(r), int(c))->text(), QString::fromStdString(g.rows[r][c]));
        }
        // Every text fits its column.
        for (int c = 0; c < table->columnCount(); ++c) {
          const QString text = table->item(int(r), c)->text();
          QVERIFY2(QFontMetrics(table->font()).horizontalAdvance(text) + 2 <= table->columnWidth(c),
                   qPrintable(text));
        }
      }
      QCOMPARE(table->toolTip(), QString::fromStdString(g.hint));
    }
    QCOMPARE(noteLines("注２）土質定数を上表から推定する場合は、粘着力Ｃ　　　　を無視する。"),
             QString("注２）土質定数を上表から推定する場合は、粘着力Ｃ\n　　　を無視する。"));
    QCOMPARE(noteLines("注）それぞれ　　た値としてよい。"),
             QString("注）それぞれ\n　　た値としてよい。"));
  }

  // A backfill row with Yes: the soil class (its rule proposes qa too) and
  // γ, φ, c; the window stays. No changes nothing. The natural-ground table
  // proposes the backfill row chosen above it. The foundation table copies
  // qa and μ and closes the window. Heading rows ask nothing.
  void soilRowsCopyIntoTheDesignConditions() {
    main->command("ToolButton13")->trigger();
    SoilConstantsWindow* soil = main->soilConstantsWindow();
    QTableWidget* backfill = soil->grid("StringGrid1");
    QTableWidget* natural = soil->grid("StringGrid3");
    QTableWidget* foundation = soil->grid("StringGrid2");

    dialogs->answers = {true};
    clickCell(backfill, 2);
    QCOMPARE(dialogs->questions.size(), size_t(1));
    QCOMPARE(dialogs->questions[0].text,
             QString("裏込め土の土質=砂質土\n\nを設計条件に転記します。いいですか。"));
    QCOMPARE(dc().index("RadioGroup1"), 1);
    QCOMPARE(dc().text("Edit15"), std::string("19"));
    QCOMPARE(dc().text("Edit14"), std::string("30"));
    QCOMPARE(dc().text("Edit21"), std::string("0.0"));
    QCOMPARE(dc().text("Edit16"), std::string("600"));
    QVERIFY(soil->isVisible());
    auto* gammaEdit =
        qobject_cast<QLineEdit*>(main->designConditionsWindow()->binder().widget("Edit15"));
    QCOMPARE(gammaEdit->text(), QString("19"));

    const DesignConditions before = dc();
    dialogs->answers = {false};
    clickCell(backfill, 3);
    QCOMPARE(dialogs->questions.size(), size_t(2));
    for (const char* name : {"RadioGroup1", "Edit15", "Edit14", "Edit21", "Edit16"}) {
      QCOMPARE(dc().control(name).text, before.control(name).text);
      QCOMPARE(dc().control(name).index, before.control(name).index);
    }

    dialogs->answers = {false};
    clickCell(natural, 1);
    QCOMPARE(dialogs->questions.back().text,
             QString("裏込め土の土質=粘性土(wL<50%)\n\nを設計条件に転記します。いいですか。"));

    clickCell(backfill, 0);
    clickCell(natural, 0);
    clickCell(foundation, 0);
    QCOMPARE(dialogs->questions.size(), size_t(3));

    dialogs->answers = {true};
    clickCell(foundation, 4, 2);
    QCOMPARE(
        dialogs->questions.back().text,
        QString("許容鉛直支持力度[qa]  = 600 kN/m2\n\n摩擦係数[μ=tan(φb)]  = 0.6\n\nいいですか。"));
    QCOMPARE(dc().text("Edit16"), std::string("600"));
    QCOMPARE(dc().text("Edit17"), std::string("0.6"));
    QVERIFY(!soil->isVisible());
  }

  // The factor window as the tool button opens it holds the same numbers as
  // kovrel-cli --reference (both at the design conditions of start-up); so
  // do the bearing-factor pages.
  void factorTablesEqualTheCommandLine() {
    main->command("ToolButton14")->trigger();
    FactorTablesWindow* factors = main->factorTablesWindow();
    const QJsonObject json = reference();
    const QJsonObject earth = json["earthPressure"].toObject();
    auto* grid = factors->findChild<QTableWidget*>("StringGrid1");
    QCOMPARE(cells(grid), cells(earth["grid"].toArray()));
    QCOMPARE(grid->item(0, 2)->text(), QString("0.00"));
    QCOMPARE(pointCounts(factors->earthPressureTable().chart),
             pointCounts(earth["chart"].toObject()));
    auto* chart = factors->findChild<ChartView*>("Chart1");
    QCOMPARE(chart->chart(), &factors->earthPressureTable().chart);

    main->command("ToolButton8")->trigger();
    const QJsonObject bearing = json["bearingFactors"].toObject();
    const char* keys[3] = {"Nc", "Nq", "Ngamma"};
    for (int i = 0; i < 3; ++i) {
      const QJsonObject page = bearing[keys[i]].toObject();
      auto* table = factors->findChild<QTableWidget*>(QString("StringGrid%1").arg(i + 2));
      QCOMPARE(cells(table), cells(page["grid"].toArray()));
      QCOMPARE(pointCounts(factors->bearingFactorPage(i).chart),
               pointCounts(page["chart"].toObject()));
      QVERIFY(factors->bearingFactorPage(i).chart.left.logarithmic);
      QCOMPARE(factors->pages()->tabText(i + 1), page["caption"].toString());
    }
  }

  // The soil and load-case groups propose their values; "表示" computes for
  // the page's settings; "逆Ｔ型" only says why it cannot; a setting that is
  // no number names its control and keeps the table.
  void factorSettingsAndMessages() {
    main->command("ToolButton14")->trigger();
    FactorTablesWindow* factors = main->factorTablesWindow();
    auto* grid = factors->findChild<QTableWidget*>("StringGrid1");
    const QList<QStringList> gravel = cells(grid);
    auto* gamma = factors->findChild<QComboBox*>("ComboBox2");
    auto* phi = factors->findChild<QComboBox*>("ComboBox3");
    auto* kh = factors->findChild<QComboBox*>("ComboBox1");
    QVERIFY(!kh->isEnabled());
    QTest::mouseClick(factors->findChild<QRadioButton*>("RadioGroup1.1"), Qt::LeftButton, {},
                      QPoint(8, 8));
    QCOMPARE(gamma->currentText(), QString("19"));
    QCOMPARE(phi->currentText(), QString("30"));
    QTest::mouseClick(factors->findChild<QRadioButton*>("RadioGroup2.1"), Qt::LeftButton, {},
                      QPoint(8, 8));
    QVERIFY(kh->isEnabled());
    QCOMPARE(kh->currentText(), QString("0.1"));
    QTest::mouseClick(factors->findChild<QPushButton*>("表示"), Qt::LeftButton);
    QVERIFY(dialogs->messages.empty());
    EarthPressureWindow expected;
    expected.chooseSoil(1);
    expected.chooseSeismic(1);
    EarthPressureTable table;
    computeEarthPressureTable(expected, dc(), table);
    QCOMPARE(grid->item(3, 7)->text(), QString::fromStdString(table.grid.cell(7, 3)));
    QVERIFY(cells(grid) != gravel);
    const QList<QStringList> sand = cells(grid);

    auto* wallTabs = factors->findChild<QTabWidget*>("WallTypeTabs");
    QTest::mouseClick(wallTabs->tabBar(), Qt::LeftButton, {},
                      wallTabs->tabBar()->tabRect(3).center());
    QTest::mouseClick(factors->findChild<QPushButton*>("表示"), Qt::LeftButton);
    QCOMPARE(
        dialogs->messageTexts(),
        QStringList{"H24擁壁工指針では,βの計算にかかと版の幅\n\nが必要になったで計算出来ません。"});
    QCOMPARE(cells(grid), sand);

    QTest::mouseClick(wallTabs->tabBar(), Qt::LeftButton, {},
                      wallTabs->tabBar()->tabRect(1).center());
    gamma->lineEdit()->selectAll();
    QTest::keyClicks(gamma->lineEdit(), "x");
    QTest::mouseClick(factors->findChild<QPushButton*>("表示"), Qt::LeftButton);
    QCOMPARE(dialogs->messages.size(), size_t(2));
    QVERIFY(dialogs->messageTexts()[1].contains("Form3.ComboBox2"));
    QCOMPARE(cells(grid), sand);

    // Opened again from the tool bar: the first wall type, the table anew.
    factors->hide();
    gamma->lineEdit()->selectAll();
    QTest::keyClicks(gamma->lineEdit(), "19");
    main->command("ToolButton14")->trigger();
    QCOMPARE(wallTabs->currentIndex(), 0);
    QCOMPARE(factors->earthPressureWindow().wallTab, 0);
  }

  // σck 18 proposes τa1 0.33 and τo 0.0; seismic SD345 σsa 300; the values
  // are read-only and keyed through the keypad; "設計条件に転記" writes them
  // into the design conditions and closes; "取　消" only closes.
  void allowableStressesProposeAndTransfer() {
    AllowableStressWindow* form9 = main->allowableStressWindow();
    QTest::mouseClick(main->designConditionsWindow()->button("許容応力度"), Qt::LeftButton);
    QVERIFY(form9->isVisible());
    auto edit = [form9](const char* name) {
      return qobject_cast<QLineEdit*>(form9->binder().widget(name));
    };
    auto click = [form9](const char* radio) {
      QTest::mouseClick(form9->findChild<QRadioButton*>(radio), Qt::LeftButton, {}, QPoint(8, 8));
    };
    click("Form9.RadioGroup1.0");
    QCOMPARE(edit("Form9.Edit3")->text(), QString("0.33"));
    QCOMPARE(edit("Form9.Edit5")->text(), QString("0.0"));
    QCOMPARE(edit("Form9.Edit1")->text(), QString("6"));
    QVERIFY(edit("Form9.Edit1")->isReadOnly());
    QVERIFY(!form9->findChild<QRadioButton*>("Form9.RadioGroup2.0")->isEnabled());
    click("Form9.RadioGroup4.1");
    QCOMPARE(edit("Form9.Edit4")->text(), QString("300"));
    QCOMPARE(edit("Form9.Edit1")->text(), QString("9"));

    // The keypad keys a value in.
    QTest::mouseClick(edit("Form9.Edit2"), Qt::LeftButton);
    NumericKeypadWindow* keypad = main->keypadWindow();
    QVERIFY(keypad->isVisible());
    for (const char* key : {"1", ".", "5"}) QTest::mouseClick(keypad->key(key), Qt::LeftButton);
    QTest::mouseClick(keypad->key("転記"), Qt::LeftButton);
    QCOMPARE(edit("Form9.Edit2")->text(), QString("1.5"));

    const std::string stressBefore = dc().text("Edit23");
    QTest::mouseClick(form9->button("取　消"), Qt::LeftButton);
    QVERIFY(!form9->isVisible());
    QCOMPARE(dc().text("Edit23"), stressBefore);

    form9->show();
    QTest::mouseClick(form9->button("設計条件に転記"), Qt::LeftButton);
    QVERIFY(!form9->isVisible());
    const std::pair<const char*, const char*> copied[] = {{"Edit50", "18"},  {"Edit23", "9"},
                                                          {"Edit24", "1.5"}, {"Edit25", "0.50"},
                                                          {"Edit26", "300"}, {"Edit27", "0.0"}};
    for (const auto& [name, text] : copied) {
      QCOMPARE(dc().text(name), std::string(text));
      auto* shown = qobject_cast<QLineEdit*>(main->designConditionsWindow()->binder().widget(name));
      QCOMPARE(shown->text(), QString(text));
    }
  }

  void c1c2PoTable() {
    main->command("N5C1C2Po1")->trigger();
    QTableWidget* table = main->c1c2PoWindow()->table();
    const auto expected = balancedDesignTable();
    QCOMPARE(table->rowCount(), 5);
    for (int r = 0; r < 5; ++r) {
      for (int c = 0; c < 4; ++c) {
        QCOMPARE(table->item(r, c)->text(), QString::fromStdString(expected[size_t(r)][size_t(c)]));
      }
    }
    QCOMPARE(table->item(1, 1)->text(), QString("0.28824"));
    const int widths[] = {80, 60, 60, 60};
    for (int c = 0; c < 4; ++c) QCOMPARE(table->columnWidth(c), widths[c]);
  }
};

QTEST_MAIN(ReferenceWindowsTest)
#include "reference_windows_test.moc"
