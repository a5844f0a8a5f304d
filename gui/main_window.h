#pragma once
// The main window (Form1): the menus and the two tool bars with one QAction
// per command, the status bar, and every secondary window of the program,
// created once in a fixed order and then only shown and hidden. Each command
// has one slot that gathers its inputs, calls the core through GuiSession and
// shows the result.

#include <QMainWindow>
#include <QStringList>

class QLabel;
class QMenu;
class QToolBar;

namespace kovrel::gui {

class AboutBox;
class AllowableStressWindow;
class C1C2PoWindow;
class DesignConditionsWindow;
class FactorTablesWindow;
class GuiSession;
class NumericKeypadWindow;
class ReportPrinting;
class ResultsWindowView;
class SoilConstantsWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(GuiSession& session, QWidget* parent = nullptr);

  ResultsWindowView* resultsWindow() const { return results_; }
  FactorTablesWindow* factorTablesWindow() const { return factors_; }
  SoilConstantsWindow* soilConstantsWindow() const { return soil_; }
  DesignConditionsWindow* designConditionsWindow() const { return design_; }
  C1C2PoWindow* c1c2PoWindow() const { return c1c2po_; }
  AboutBox* aboutBox() const { return about_; }
  AllowableStressWindow* allowableStressWindow() const { return allowable_; }
  NumericKeypadWindow* keypadWindow() const { return keypad_; }
  // The print commands' printer, preview and set-up.
  ReportPrinting* reportPrinting() const { return printing_; }
  // The windows' names in the order they were created.
  const QStringList& creationOrder() const { return creationOrder_; }

  // A command by its menu item's or tool button's name ("N11", "ToolButton8").
  QAction* command(const QString& name) const;
  QMenu* menu(const QString& name) const;
  QToolBar* fileToolBar() const { return fileBar_; }
  QToolBar* viewToolBar() const { return viewBar_; }
  QLabel* statusText() const { return status_; }

 public slots:
  // ファイル
  void loadConditions();
  void saveConditions();
  void exitQuestion();
  // 印刷
  void printAllNow();
  void previewAll();
  void previewReportPage(const QString& page);
  void printerSetup();
  // 編集
  void exportText();
  void exportMetafiles();
  void exportPdf();
  // 表示 and the view tool bar
  void showDesignConditions();
  void showResults();
  void showSoilConstantsFromMenu();
  void showSoilConstantsFromToolBar();
  void showEarthPressureFactorsInPlace();
  void showEarthPressureFactors();
  void showBearingFactors();
  void showC1C2Po();
  // 実行, システム
  void runCalculation();
  void showAbout();

 signals:
  // The window was shown for the first time and the start-up is complete.
  void startedUp();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createWindows();
  void createCommands();
  void createMenus();
  void createToolBars();
  void firstShown();
  void applyMenuLayout();
  QAction* addCommand(const QString& name, const QString& text, const char* icon,
                      void (MainWindow::*slot)());

  GuiSession& session_;
  QStringList creationOrder_;
  ResultsWindowView* results_ = nullptr;
  FactorTablesWindow* factors_ = nullptr;
  SoilConstantsWindow* soil_ = nullptr;
  DesignConditionsWindow* design_ = nullptr;
  C1C2PoWindow* c1c2po_ = nullptr;
  AboutBox* about_ = nullptr;
  AllowableStressWindow* allowable_ = nullptr;
  NumericKeypadWindow* keypad_ = nullptr;
  ReportPrinting* printing_ = nullptr;
  QToolBar* fileBar_ = nullptr;
  QToolBar* viewBar_ = nullptr;
  QLabel* status_ = nullptr;
  QMenu* heelMenu_ = nullptr;
  bool shown_ = false;
};

}  // namespace kovrel::gui
