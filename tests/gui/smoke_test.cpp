// The program as a user runs it, offscreen: started with a design-condition
// file (as a file manager opens it), the calculation, every export, the exit.
// Under the sanitizer build this is the leak and error check of the program.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/conditions_file.h"
#include "app/figure_files.h"
#include "app/start_up.h"
#include "conditions/control_input.h"
#include "fake_dialogs.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"

using namespace kovrel;
using namespace kovrel::gui;

class SmokeTest : public QObject {
  Q_OBJECT

 private slots:
  void startLoadRunExportQuit() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("擁壁A.dat");
    {
      Session s;
      startUp(s);
      applyControlInput(s.conditions, "RadioGroup2", "1");
      applyControlInput(s.conditions, "CheckBox3", "1");
      QVERIFY(saveConditions(s, QFile::encodeName(file).toStdString()));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    testing::FakeDialogs dialogs;
    dialogs.answers = {true, true, true, false, true};  // txt, wmf, pdf, no viewer, exit
    {
      Program program(&dialogs);
      program.start({"kovrel", file});
      MainWindow& main = program.mainWindow();
      // Opened at start-up: no completion box, the name in the caption.
      QVERIFY(dialogs.messages.empty());
      QCOMPARE(main.designConditionsWindow()->windowTitle(), QString("設計条件 擁壁A"));
      QCOMPARE(program.session().conditions().index("RadioGroup2"), 1);

      main.command("N13")->trigger();
      QVERIFY(program.session().session().stabilitySnapshot);
      for (const char* command : {"N15", "N210", "N3PDF1"}) main.command(command)->trigger();
      QCOMPARE(dialogs.messageTexts(),
               (QStringList{"テキスト出力終わりました。", "メタファイル出力終わりました。",
                            "擁壁計算結果.pdfを作成しました"}));
      QVERIFY(dialogs.opened.isEmpty());
      // Every figure of an inverted T with a key, the text and the PDF.
      QCOMPARE(QDir(dir.path()).entryList({"*.wmf"}, QDir::Files).size(),
               qsizetype(figureFilesFor({false, true}).size()));
      QVERIFY(QFile::exists("擁壁.txt"));
      QVERIFY(QFile(QString("擁壁計算結果.pdf")).size() > 10000);
      main.command("N61")->trigger();
      QVERIFY(!main.isVisible());
    }
    QDir::setCurrent(previous);
  }

  // A file argument that cannot be loaded says why and leaves the start-up state.
  void startWithAMissingFile() {
    testing::FakeDialogs dialogs;
    Program program(&dialogs);
    program.start({"kovrel", "/nonexistent/wall.dat"});
    QCOMPARE(int(dialogs.messages.size()), 1);
    QVERIFY(dialogs.messageTexts()[0].contains("/nonexistent/wall.dat"));
    QCOMPARE(program.mainWindow().designConditionsWindow()->windowTitle(), QString("設計条件"));
    QVERIFY(program.session().session().currentFileName.empty());
  }
};

QTEST_MAIN(SmokeTest)
#include "smoke_test.moc"
