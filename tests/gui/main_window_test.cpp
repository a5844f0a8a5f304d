// The main window: start-up, the command table in menus and tool bars, the
// wall-type layout of the menus, the show commands and their positions, the
// exit question, the calculation with its input checks, and the exports.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "conditions/window_rules.h"
#include "fake_dialogs.h"
#include "gui/about_box.h"
#include "gui/c1c2po_window.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/factor_tables_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/results_window_view.h"
#include "gui/soil_constants_window.h"
#include "gui/wall_picture_view.h"
#include "started_program.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

// A menu's entries as captions, "-" for a separator, "name>" for a submenu.
QStringList entries(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) {
      out << "-";
    } else if (a->menu()) {
      out << a->text() + ">";
    } else {
      out << a->text();
    }
  }
  return out;
}

// A tool bar's buttons as "caption(hint)", "|" for a separator.
QStringList buttons(QToolBar* bar) {
  QStringList out;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator()) {
      out << "|";
      continue;
    }
    auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a));
    out << QString("%1(%2)").arg(b->text(), b->toolTip());
  }
  return out;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FakeDialogs> dialogs;
  std::unique_ptr<Program> program;
  MainWindow* main = nullptr;
  GuiSession* session = nullptr;

  void trigger(const char* command) {
    QAction* a = main->command(command);
    QVERIFY2(a, command);
    a->trigger();
  }
  void clickRadio(const char* group, int item) {
    auto* b = main->designConditionsWindow()->findChild<QRadioButton*>(
        QString("%1.%2").arg(group).arg(item));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
  }
  void type(const char* edit, const char* text) {
    auto* e = qobject_cast<QLineEdit*>(main->designConditionsWindow()->binder().widget(edit));
    e->selectAll();
    QTest::keyClicks(e, text);
  }
  void pressStart() {
    QTest::mouseClick(main->designConditionsWindow()->button("計算開始"), Qt::LeftButton);
  }

 private slots:
  void init() {
    testing::startProgram(dialogs, program);
    main = &program->mainWindow();
    session = &program->session();
  }
  void cleanup() { testing::stopProgram(dialogs, program); }

  void startUpCreatesEveryWindowOnceAndShowsTheDesignWindow() {
    QCOMPARE(main->creationOrder(), (QStringList{"Form1", "Form2", "Form3", "Form4", "Form5",
                                                 "Form6", "Form7", "Form9", "Form24"}));
    QCOMPARE(main->windowTitle(), QString("Dernholm(Kovrel Ver3.1)"));
    QCOMPARE(main->statusText()->text(), QString("Kovrelへようこそ．．．"));
    QCOMPARE(main->aboutBox()->firstLine(), QString("Dernholm(Kovrel Ver3.1)"));
    QCOMPARE(main->aboutBox()->secondLine(), QString("H30.4.1"));
    QCOMPARE(main->centralWidget()->palette().color(QPalette::Window), QColor(144, 160, 144));
    DesignConditionsWindow* design = main->designConditionsWindow();
    QVERIFY(design->isVisible());
    QCOMPARE(design->windowTitle(), QString("設計条件"));
    QVERIFY(design->size() == design->minimumSize() && design->size() == design->maximumSize());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             main->resultsWindow(), main->factorTablesWindow(), main->aboutBox()}) {
      QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    }
    QCOMPARE(design->picture("Image1")->toolTip(), QString("擁壁形状を入力してください"));
    QCOMPARE(design->group("GroupBox21")->toolTip(), QString("地震時に、入力可能です"));
    QVERIFY(session->session().currentFileName.empty());
    for (QAction* a : main->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
      // Qt disables a hidden action (the key's page without a key).
      QVERIFY2(a->isEnabled() || !a->isVisible(), qPrintable(a->objectName()));
    }
  }

  void menusAndToolBarsFollowTheCommandTable() {
    QCOMPARE(entries(main->menu("File")),
             (QStringList{"1.設計条件読込...", "2.設計条件保存...", "-", "3.終了..."}));
    QCOMPARE(entries(main->menu("Print")),
             (QStringList{"1.計算書一括印刷>", "2.計算書ﾌﾟﾚﾋﾞｭｰ>", "-", "3.プリンタ設定..."}));
    QCOMPARE(entries(main->menu("N18")), (QStringList{"即印刷", "ﾌﾟﾚﾋﾞｭｰ"}));
    QCOMPARE(entries(main->menu("N26")),
             (QStringList{"目次", "-", "Ⅰ．設計条件", "-", "Ⅱ-1．荷重計算(自重：安定計算用)",
                          "Ⅱ-2．荷重計算(自重：構造計算用)", "Ⅱ-3．荷重計算(土圧)", "-",
                          "Ⅲ-1．安定計算>", "Ⅲ-2．荷重図", "-", "Ⅳ-1．構造計算(たて壁)>",
                          "Ⅳ-2．構造計算(底版)>"}));
    QCOMPARE(entries(main->menu("N8")), (QStringList{"1．滑動、転倒、支持力", "2．極限支持力"}));
    QCOMPARE(entries(main->menu("N14")), (QStringList{"1．断面力", "2．応力度", "3．定着長"}));
    QCOMPARE(entries(main->menu("N7")), (QStringList{"1．つま先版", "2．かかと版>", "3．突起"}));
    QCOMPARE(entries(main->menu("N28")), (QStringList{"1．断面力", "2．応力度"}));
    QCOMPARE(entries(main->menu("Edit")),
             (QStringList{"1.テキスト出力...", "2.ﾒﾀﾌｧｲﾙ出力...", "3.PDF出力..."}));
    QCOMPARE(entries(main->menu("View")),
             (QStringList{"1.設計条件", "2.計算結果", "-", "3.土質定数表", "4.土圧係数", "-",
                          "5.単鉄筋C1,C2,Po表"}));
    QCOMPARE(entries(main->menu("Run")), (QStringList{"1.計算開始"}));
    QCOMPARE(entries(main->menu("System")), (QStringList{"2.このシステムは..."}));
    QStringList titles;
    for (QAction* a : main->menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{"ファイル(&F)", "印刷(&P)", "編集(&E)", "表示(&V)", "実行(&R)",
                                  "システム(&S)"}));

    QCOMPARE(buttons(main->fileToolBar()),
             (QStringList{"終了(終了)", "|", "開く(読込)", "保存(保存)", "印刷(印刷)", "|",
                          "ﾃｷｽﾄ(ﾃｷｽﾄ出力)", "WMF(WMF出力)", "PDF(PDF出力)"}));
    QCOMPARE(
        buttons(main->viewToolBar()),
        (QStringList{"設計条件(設計条件)", "計算結果(計算結果)", "|", "土質定数(土質定数)", "|",
                     "単鉄筋表(単鉄筋表)", "|", "土圧係数(土圧係数)", "支持力係数(支持力係数)"}));
    for (QToolBar* bar : {main->fileToolBar(), main->viewToolBar()}) {
      QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
      for (QAction* a : bar->actions()) QVERIFY(a->isSeparator() || !a->icon().isNull());
    }
    // A menu item and its tool button run one command.
    QCOMPARE(
        qobject_cast<QToolButton*>(main->findChild<QToolButton*>("ToolButton3"))->defaultAction(),
        main->command("N11"));
  }

  void wallTypeAndKeyLayOutTheMenus() {
    QAction* toe = main->command("N16");
    QAction* heel = main->menu("N28")->menuAction();
    QAction* key = main->command("N34");
    QVERIFY(toe->isVisible());
    QCOMPARE(heel->text(), QString("2．かかと版"));
    QVERIFY(!key->isVisible());
    QTabWidget* wallTypes =
        qobject_cast<QTabWidget*>(main->designConditionsWindow()->binder().widget("PageControl2"));
    QTest::mouseClick(wallTypes->tabBar(), Qt::LeftButton, {},
                      wallTypes->tabBar()->tabRect(1).center());
    QVERIFY(!toe->isVisible());
    QCOMPARE(heel->text(), QString("1．かかと版"));
    clickRadio("RadioGroup2", 1);
    QVERIFY(key->isVisible());
    QCOMPARE(key->text(), QString("2．突起"));
    QTest::mouseClick(wallTypes->tabBar(), Qt::LeftButton, {},
                      wallTypes->tabBar()->tabRect(0).center());
    QCOMPARE(key->text(), QString("3．突起"));
    QVERIFY(toe->isVisible());
  }

  void showCommandsPlaceTheirWindows() {
    QWidget* soil = main->soilConstantsWindow();
    trigger("N22");
    QVERIFY(soil->isVisible());
    QCOMPARE(soil->pos(), QPoint(0, 70));
    trigger("ToolButton13");
    QCOMPARE(soil->pos(), QPoint(0, 82));

    FactorTablesWindow* factors = main->factorTablesWindow();
    factors->move(300, 200);
    trigger("N32");
    QCOMPARE(factors->pos(), QPoint(300, 200));
    QTabWidget* pages = factors->pages();
    auto shownPages = [pages] {
      QStringList out;
      for (int i = 0; i < pages->count(); ++i) {
        if (pages->isTabVisible(i)) out << pages->tabText(i);
      }
      return out;
    };
    QCOMPARE(shownPages(), QStringList{"土圧係数"});
    trigger("ToolButton8");
    QCOMPARE(factors->pos(), QPoint(0, 90));
    QCOMPARE(shownPages(), (QStringList{"支持力係数　Nc", "支持力係数　Nq", "支持力係数　Nγ"}));
    QCOMPARE(pages->tabText(pages->currentIndex()), QString("支持力係数　Nc"));
    trigger("ToolButton14");
    QCOMPARE(shownPages(), QStringList{"土圧係数"});

    trigger("N5C1C2Po1");
    QVERIFY(main->c1c2PoWindow()->isVisible());
    QCOMPARE(main->c1c2PoWindow()->pos(), QPoint(0, 82));
    trigger("N12");
    QVERIFY(main->resultsWindow()->isVisible());
    QVERIFY(session->results().visible);
    trigger("N24");
    QVERIFY(main->aboutBox()->isVisible());
    QTest::mouseClick(main->aboutBox()->findChild<QPushButton*>("O.K"), Qt::LeftButton);
    QVERIFY(!main->aboutBox()->isVisible());
    main->designConditionsWindow()->close();
    QVERIFY(!session->designWindow().visible);
    trigger("N17");
    QVERIFY(main->designConditionsWindow()->isVisible());
  }

  void exitAsksAtItsPlace() {
    dialogs->answers = {false};
    trigger("N61");
    QCOMPARE(int(dialogs->questions.size()), 1);
    QCOMPARE(dialogs->questions[0].text, QString("終了しますか。"));
    QCOMPARE(*dialogs->questions[0].at, QPoint(0, 82));
    QVERIFY(main->isVisible());
    QVERIFY(main->designConditionsWindow()->isVisible());
    dialogs->answers = {true};
    trigger("N61");
    QVERIFY(!main->isVisible());
  }

  // The menu item and the tool button print through one command, which asks
  // first (the printing itself: report_printing_test.cpp).
  void printCommandAsksBeforePrinting() {
    dialogs->answers = {false, false};
    trigger("N19");
    QTest::mouseClick(main->fileToolBar()->findChild<QToolButton*>("ToolButton5"), Qt::LeftButton);
    QCOMPARE(int(dialogs->questions.size()), 2);
    for (const auto& q : dialogs->questions) {
      QCOMPARE(q.text, QString("プリンターの準備はいいですか。\n一括印刷します。"));
    }
    QVERIFY(dialogs->messages.empty());
  }

  // "計算開始" confirms the load combination, then runs; No runs nothing.
  // The menu item runs without asking.
  void startButtonConfirmsAndRuns() {
    dialogs->answers = {false};
    pressStart();
    QCOMPARE(int(dialogs->questions.size()), 1);
    QCOMPARE(
        dialogs->questions[0].text,
        QString::fromStdString(loadCombinationText(session->conditions())).replace('\r', '\n'));
    QVERIFY(dialogs->questions[0].text.startsWith(
        "[荷重組合せ]は正しいですか。\n\n1.[載荷重]   =有り"));
    QVERIFY(!session->session().stabilitySnapshot);
    QVERIFY(!main->resultsWindow()->isVisible());

    pressStart();
    QVERIFY(session->session().stabilitySnapshot);
    QVERIFY(!session->results().listBox("ListBox7").lines.empty());
    QVERIFY(!session->results().listBox("ListBox8").lines.empty());
    QVERIFY(main->resultsWindow()->isVisible());
    QVERIFY(dialogs->messages.empty());

    dialogs->clear();
    session->session().results.listBox("ListBox7").lines.clear();
    trigger("N13");
    QVERIFY(dialogs->questions.empty());
    QVERIFY(!session->results().listBox("ListBox7").lines.empty());
  }

  // A blocking finding shows its message (every finding, in order) and
  // runs nothing; a warning is shown and the run goes on.
  void inputChecksShowTheirMessages() {
    type("Edit9", "150");
    pressStart();
    QCOMPARE(dialogs->messageTexts(),
             (QStringList{"かかと幅を再確認して下さい。", "擁壁形状(幅)を再確認して下さい。"}));
    QVERIFY(!session->session().stabilitySnapshot);
    QVERIFY(session->results().listBox("ListBox7").lines.empty());
    QVERIFY(!main->resultsWindow()->isVisible());

    dialogs->clear();
    type("Edit9", "3800");
    type("Edit21", "25");
    trigger("N13");
    QCOMPARE(dialogs->messageTexts(), QStringList{"粘着力が過大です。修正する事をお勧めします。"});
    QVERIFY(session->session().stabilitySnapshot);

    // A value that is no number ends the run with a message naming it.
    dialogs->clear();
    type("Edit15", "2O");
    trigger("N13");
    QCOMPARE(int(dialogs->messages.size()), 2);
    QCOMPARE(dialogs->messageTexts()[1],
             QString("Edit15「γs(kN/m3)=」の \"2O\" は数値ではありません。"));
  }

  void exportsAskWriteIntoTheCurrentFolderAndTell() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    trigger("N13");
    dialogs->clear();

    dialogs->answers = {false, false, false};
    trigger("N15");
    trigger("N210");
    trigger("N3PDF1");
    QCOMPARE(int(dialogs->questions.size()), 3);
    QVERIFY(dialogs->messages.empty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    dialogs->clear();
    trigger("N15");
    QCOMPARE(dialogs->questions[0].text,
             QString("計算結果をテキスト出力しますか。\n\n出力ファイル名は\n　擁壁.txt\nです。"));
    QVERIFY(QFile::exists(dir.filePath("擁壁.txt")));
    QCOMPARE(dialogs->messageTexts(), QStringList{"テキスト出力終わりました。"});

    dialogs->clear();
    trigger("N210");
    QCOMPARE(dialogs->questions[0].text, QString("計算結果図をメタファイル出力しますか。"));
    QVERIFY(QFile::exists(dir.filePath("図：荷重図.wmf")));
    QCOMPARE(dialogs->messageTexts(), QStringList{"メタファイル出力終わりました。"});

    dialogs->clear();
    dialogs->answers = {true, true};
    trigger("N3PDF1");
    QCOMPARE(int(dialogs->questions.size()), 2);
    QVERIFY(dialogs->questions[0].text.startsWith("計算結果をPDF出力しますか。"));
    QVERIFY(dialogs->questions[1].text.startsWith("[ 擁壁計算結果.pdf ]を表示しますか？"));
    QCOMPARE(dialogs->messageTexts(), QStringList{"擁壁計算結果.pdfを作成しました"});
    QCOMPARE(dialogs->opened.size(), 1);
    QCOMPARE(QFileInfo(dialogs->opened[0]).canonicalFilePath(),
             QFileInfo(dir.filePath("擁壁計算結果.pdf")).canonicalFilePath());
    QDir::setCurrent(previous);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
