// Printing the report: the print command, the previews, the printer set-up
// and `kovrel --print-to`, each read back from the PDF it prints with
// poppler (pdfinfo, pdftotext), and the page painter on a QImage.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/conditions_file.h"
#include "app/prepared_report_page.h"
#include "app/report_page_layouts.h"
#include "app/start_up.h"
#include "app/wall_choice.h"
#include "conditions/control_input.h"
#include "fake_dialogs.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/report_page_painter.h"
#include "gui/report_printing.h"
#include "gui/results_window_view.h"
#include "report/report_page_copier.h"
#include "run/calculation.h"
#include "started_program.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

const Settings kKey = {
    {"RadioGroup2", "1"}, {"Edit35", "2500"}, {"Edit40", "500"}, {"Edit41", "500"}};
const Settings kLWall = {{"PageControl2", "1"}};
const Settings kSeismicWater = {
    {"RadioGroup5", "1"}, {"Form9.RadioGroup4", "1"}, {"Edit61", "0.2"}, {"CheckBox3", "1"},
    {"Edit62", "1.5"},    {"ComboBox8", "9.8"},       {"CheckBox2", "1"}};

QString tool(const QString& program, const QStringList& arguments, int* status = nullptr) {
  QProcess p;
  p.start(program, arguments);
  p.waitForFinished(60000);
  if (status) *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

int pdfPages(const QString& pdf) {
  const QString info = tool("pdfinfo", {pdf});
  const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Text as the extraction gives it back and as it was drawn, brought to one
// form: no blanks (runs of spaces come back folded, full-width ones as plain
// ones), and the middle dots and wave dashes the font maps to their
// look-alikes.
QString folded(QString text) {
  text.remove(QRegularExpression("[\\s\\x{3000}]"));
  text.replace(QRegularExpression("[\\x{FF65}\\x{30FB}\\x{00B7}]"), "·");
  text.replace(QRegularExpression("[\\x{FF5E}\\x{301C}]"), "〜");
  return text;
}

QString sheetText(const QString& pdf, int sheet) {
  return tool("pdftotext",
              {"-f", QString::number(sheet), "-l", QString::number(sheet), "-raw", pdf, "-"});
}

// Each sheet of `pdf` against the page it prints: the heading first, the
// lines of every text box in order, every cell of every table, the page
// number last.
void checkSheets(const QString& pdf, const ResultsWindow& results,
                 const std::vector<std::string>& forms) {
  QCOMPARE(pdfPages(pdf), int(forms.size()));
  for (size_t i = 0; i < forms.size(); ++i) {
    const PreparedPage page = prepareReportPage(results, forms[i]);
    const QString text = folded(sheetText(pdf, int(i) + 1));
    const QString where = QString::fromStdString(forms[i]);
    const QString heading = folded(QString::fromStdString(page.heading));
    QVERIFY2(text.startsWith(heading), qPrintable(where + ": " + text.left(80)));
    if (!page.number.empty()) {
      QVERIFY2(text.endsWith(folded(QString::fromStdString(page.number))),
               qPrintable(where + ": " + text.right(40)));
    }
    for (const PreparedBlock& b : page.blocks) {
      if (b.kind == PageBlock::Text) {
        qsizetype at = 0;
        for (const std::string& line : b.lines) {
          const QString wanted = folded(QString::fromStdString(line));
          if (wanted.isEmpty()) continue;
          const qsizetype found = text.indexOf(wanted, at);
          QVERIFY2(found >= 0, qPrintable(where + " " + QString::fromStdString(b.source) + ": \"" +
                                          wanted + "\" missing or out of order"));
          at = found + wanted.size();
        }
      } else if (b.kind == PageBlock::Table) {
        for (const ChartPoint& cell : b.chart.series[kTableTextSeries].points) {
          const QString wanted = folded(QString::fromStdString(cell.label));
          QVERIFY2(text.contains(wanted),
                   qPrintable(where + " " + QString::fromStdString(b.source + ": " + cell.label)));
        }
      }
    }
  }
}

Session ranSession(const Settings& settings) {
  Session s;
  startUp(s);
  for (const auto& [name, value] : settings) applyControlInput(s.conditions, name, value);
  runCalculation(s);
  return s;
}

}  // namespace

class ReportPrintingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FakeDialogs> dialogs;
  std::unique_ptr<Program> program;
  MainWindow* main = nullptr;
  GuiSession* session = nullptr;
  QTemporaryDir dir;

  void enter(const Settings& settings) {
    for (const auto& [name, value] : settings) QVERIFY(session->enter(name, value));
  }
  void printToFile(const QString& path) {
    QPrinter& printer = main->reportPrinting()->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
  }
  bool windowsShown() const {
    return session->results().visible && session->designWindow().visible;
  }
  std::vector<std::string> printOrder() const {
    return reportPrintOrder(wallChoiceOf(session->conditions()));
  }

 private slots:
  void initTestCase() {
    for (const char* t : {"pdfinfo", "pdftotext"}) {
      if (QStandardPaths::findExecutable(t).isEmpty()) QSKIP("poppler-utils are not installed");
    }
    QVERIFY(dir.isValid());
  }
  void init() {
    testing::startProgram(dialogs, program);
    main = &program->mainWindow();
    session = &program->session();
  }
  void cleanup() { testing::stopProgram(dialogs, program); }

  // "即印刷": the question at its place, the sheets for the wall type and
  // key in order, the waiting message, both windows shown again.
  void printCommandPrintsTheSheetsOfTheWall_data() {
    QTest::addColumn<int>("wall");
    QTest::addColumn<int>("sheets");
    QTest::newRow("inverted T") << 0 << 14;
    QTest::newRow("inverted T with key") << 1 << 15;
    QTest::newRow("L without key") << 2 << 13;
  }
  void printCommandPrintsTheSheetsOfTheWall() {
    QFETCH(int, wall);
    QFETCH(int, sheets);
    enter(wall == 1 ? kKey : wall == 2 ? kLWall : Settings{});
    session->run();
    dialogs->clear();
    const QString pdf = dir.filePath(QString("print%1.pdf").arg(wall));
    printToFile(pdf);
    main->command("N19")->trigger();
    QCOMPARE(dialogs->questions.size(), size_t(1));
    QCOMPARE(dialogs->questions[0].text,
             QString("プリンターの準備はいいですか。\n一括印刷します。"));
    QCOMPARE(dialogs->questions[0].at, std::optional<QPoint>(QPoint(0, 82)));
    QCOMPARE(dialogs->messageTexts(),
             QStringList{"出力しています．．．\n印刷が終わるまでお待ち下さい。"});
    QVERIFY(windowsShown());
    QCOMPARE(int(printOrder().size()), sheets);
    checkSheets(pdf, session->results(), printOrder());
  }

  void answeringNoPrintsNothing() {
    const QString pdf = dir.filePath("no.pdf");
    printToFile(pdf);
    dialogs->answers = {false};
    auto* button = main->fileToolBar()->findChild<QToolButton*>("ToolButton5");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialogs->questions.size(), size_t(1));
    QVERIFY(dialogs->messages.empty());
    QVERIFY(!QFile::exists(pdf));

    // Yes before any calculation prints the results window as it starts
    // (showing it again afterwards sets its grids up).
    const ResultsWindow asItStarts = session->results();
    QTest::mouseClick(button, Qt::LeftButton);
    checkSheets(pdf, asItStarts, printOrder());
  }

  // A printer that cannot take the job (here a file in a missing folder) is
  // reported, not passed over as printed.
  void aPrinterThatCannotPrintIsReported() {
    printToFile(dir.filePath("missing-folder/x.pdf"));
    main->command("N19")->trigger();
    QCOMPARE(dialogs->messages.size(), size_t(1));
    QCOMPARE(dialogs->messages[0].kind, MessageKind::Error);
    QCOMPARE(dialogs->messageTexts().front(),
             QString("印刷できませんでした。\nプリンターの設定を確認して下さい。"));
    QVERIFY(windowsShown());
  }

  // "ﾌﾟﾚﾋﾞｭｰ": each page its own one-page preview, the next opening when the
  // previous closes; the windows hidden while it shows, shown after.
  void previewShowsEveryPageInTurn() {
    enter(kKey);
    session->run();
    QStringList titles;
    QList<int> pages;
    bool windowsHidden = true;
    main->reportPrinting()->setModalRunner([&](QDialog& d) {
      auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
      if (!preview) return 0;
      d.show();
      auto* widget = d.findChild<QPrintPreviewWidget*>();
      widget->updatePreview();
      titles << d.windowTitle();
      pages << widget->pageCount();
      windowsHidden = windowsHidden && !session->results().visible &&
                      !session->designWindow().visible && !main->resultsWindow()->isVisible();
      d.reject();
      return 0;
    });
    main->command("N20")->trigger();
    const std::vector<std::string> order = printOrder();
    QCOMPARE(titles.size(), qsizetype(order.size()));
    QCOMPARE(titles.size(), 15);
    for (size_t i = 0; i < order.size(); ++i) {
      QCOMPARE(titles[qsizetype(i)],
               QString::fromStdString(session->results().reportPage(order[i]).heading));
      QCOMPARE(pages[qsizetype(i)], 1);
    }
    QVERIFY(windowsHidden);
    QVERIFY(windowsShown());
    QVERIFY(main->resultsWindow()->isVisible());
    QVERIFY(dialogs->questions.empty() && dialogs->messages.empty());
  }

  void submenuPreviewsItsOnePage() {
    session->run();
    QString title;
    int pages = 0;
    main->reportPrinting()->setModalRunner([&](QDialog& d) {
      d.show();
      auto* widget = d.findChild<QPrintPreviewWidget*>();
      widget->updatePreview();
      title = d.windowTitle();
      pages = widget->pageCount();
      d.reject();
      return 0;
    });
    main->findChild<QAction*>("N212")->trigger();
    QCOMPARE(title, QString("Ⅳ-2-3．構造計算：底版(かかと版)(鉄筋量及び応力度)"));
    QCOMPARE(pages, 1);
    QVERIFY(windowsShown());
  }

  // The printer the set-up leaves prints every page of the next batch.
  void printerSetupAppliesToTheNextBatch() {
    session->run();
    const QString pdf = dir.filePath("setup.pdf");
    bool sawSetUp = false;
    main->reportPrinting()->setModalRunner([&](QDialog& d) {
      auto* setUp = qobject_cast<QPrintDialog*>(&d);
      if (!setUp) return 0;
      sawSetUp = true;
      setUp->printer()->setOutputFormat(QPrinter::PdfFormat);
      setUp->printer()->setOutputFileName(pdf);
      setUp->printer()->setPageOrientation(QPageLayout::Landscape);
      // Cancelled: the printer stays as it now stands, and prints.
      d.reject();
      return int(QDialog::Rejected);
    });
    main->command("N33")->trigger();
    QVERIFY(sawSetUp);
    main->command("N19")->trigger();
    QCOMPARE(pdfPages(pdf), 14);
    // The pages are laid out for A4 portrait whatever the set-up chose.
    QVERIFY(tool("pdfinfo", {pdf}).contains("595 x 842 pts (A4)"));
  }

  // `kovrel --print-to`: no window, the same sheets, and a clear failure.
  void printToFileWithoutAWindow() {
    struct Wall {
      const char* name;
      Settings settings;
      int sheets;
    };
    const Wall walls[] = {{"default", {}, 14}, {"key", kKey, 15}, {"l-wall", kLWall, 13}};
    for (const Wall& w : walls) {
      Session s;
      startUp(s);
      for (const auto& [name, value] : w.settings) applyControlInput(s.conditions, name, value);
      const QString dat = dir.filePath(QString(w.name) + ".dat");
      QVERIFY(saveConditions(s, QFile::encodeName(dat).toStdString()));
      const QString pdf = dir.filePath(QString(w.name) + ".pdf");
      int status = -1;
      const QString out = tool(KOVREL_PATH, {"--print-to", pdf, dat}, &status);
      QVERIFY2(status == 0, qPrintable(out));
      const Session ran = ranSession(w.settings);
      QCOMPARE(int(reportPrintOrder(wallChoiceOf(ran.conditions)).size()), w.sheets);
      checkSheets(pdf, ran.results, reportPrintOrder(wallChoiceOf(ran.conditions)));
      // The contents name the file the conditions came from.
      QVERIFY(folded(sheetText(pdf, 1)).contains(folded(QString("件　名：") + w.name)));
    }

    int status = -1;
    QString out = tool(KOVREL_PATH, {"--print-to", dir.filePath("x.pdf"), "/no/such.dat"}, &status);
    QCOMPARE(status, 4);
    QVERIFY2(out.contains("/no/such.dat"), qPrintable(out));
    QVERIFY(!QFile::exists(dir.filePath("x.pdf")));

    const QString unwritable = dir.filePath("missing-folder/x.pdf");
    out = tool(KOVREL_PATH, {"--print-to", unwritable}, &status);
    QCOMPARE(status, 4);
    QVERIFY2(out.contains(unwritable), qPrintable(out));

    // An input check that blocks the run: nothing is printed.
    Session blocked;
    startUp(blocked);
    // The water table above the wall top.
    for (const auto& [name, value] :
         Settings{{"CheckBox3", "1"}, {"Edit62", "20"}, {"ComboBox8", "9.8"}}) {
      applyControlInput(blocked.conditions, name, value);
    }
    const QString dat = dir.filePath("blocked.dat");
    QVERIFY(saveConditions(blocked, QFile::encodeName(dat).toStdString()));
    out = tool(KOVREL_PATH, {"--print-to", dir.filePath("blocked.pdf"), dat}, &status);
    QCOMPARE(status, 2);
    QVERIFY2(out.contains("地下水位は擁壁天端以下にして下さい。"), qPrintable(out));
    QVERIFY(!QFile::exists(dir.filePath("blocked.pdf")));

    out = tool(KOVREL_PATH, {"--print-to"}, &status);
    QCOMPARE(status, 64);
    out = tool(KOVREL_PATH, {"--help"}, &status);
    QCOMPARE(status, 0);
    QVERIFY(out.contains("--print-to OUT.pdf [FILE.dat]"));
  }

  // Painted on an image, a page leaves everything outside its frame blank
  // but the page number under it, even where its contents had to be fitted.
  void nothingIsDrawnOutsideTheFrame() {
    const Session s = ranSession({{"TabControl1", "2"},
                                  {"ComboBox1", "1.5"},
                                  {"Edit28", "2000"},
                                  {"CheckBox3", "1"},
                                  {"Edit62", "1.5"},
                                  {"ComboBox8", "9.8"}});
    QCOMPARE(s.results.grid("StringGrid5").rowCount(), 68);
    const double pxPerMm = 4;  // about 100 dpi
    QImage image(int(210 * pxPerMm), int(297 * pxPerMm), QImage::Format_RGB32);
    for (const std::string& form : reportPrintOrder(wallChoiceOf(s.conditions))) {
      image.fill(Qt::gray);
      QPainter painter(&image);
      paintReportPage(prepareReportPage(s.results, form), painter, QRectF(image.rect()));
      painter.end();
      const PageRect frame = reportFrameMm();
      // One pixel for the rule's width and antialiasing.
      const QRect inside(int(frame.left * pxPerMm) - 1, int(frame.top * pxPerMm) - 1,
                         int((frame.right - frame.left) * pxPerMm) + 3,
                         int((frame.bottom - frame.top) * pxPerMm) + 3);
      const QRect number(int(kPageNumberLeftMm * pxPerMm) - 1, int(kPageNumberTopMm * pxPerMm),
                         int(12 * pxPerMm), int(6 * pxPerMm));
      int stray = 0;
      bool numberInked = false;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const bool ink = image.pixel(x, y) != qRgb(255, 255, 255);
          if (number.contains(x, y)) {
            numberInked = numberInked || ink;
          } else if (!inside.contains(x, y) && ink) {
            ++stray;
          }
        }
      }
      QVERIFY2(stray == 0, qPrintable(QString::fromStdString(form) +
                                      QString(": %1 pixels outside the frame").arg(stray)));
      QCOMPARE(numberInked, form != "Form22");
    }
  }
};

QTEST_MAIN(ReportPrintingTest)
#include "report_printing_test.moc"
