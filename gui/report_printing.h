#pragma once
// The print commands of the main window: the whole report printed at once,
// the whole report previewed page by page, one page previewed, and the
// printer set-up. One printer serves every page: the set-up changes it for
// all of them. While a page is previewed or the report printed, the results
// window and the design-conditions window are hidden; both show again after.
//
// The modal dialogs (the preview, the printer set-up) run through a seam, so
// tests look at them and close them without blocking; questions and messages
// go through GuiDialogs.

#include <QObject>
#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "results/results_window.h"

class QDialog;
class QPrinter;
class QWidget;

namespace kovrel::gui {

class GuiSession;

// The question before the batch is printed, at its screen position, and the
// message after.
extern const char* const kPrintQuestion;
extern const char* const kPrintWaitMessage;
extern const char* const kPrintFailedMessage;

// Paints the pages, in order, one sheet each, on a printer or any paged
// device already set to A4 portrait. Returns false when the device cannot be
// painted on (no printer, a file that cannot be written).
bool paintReportPages(const ResultsWindow& results, const std::vector<std::string>& forms,
                      QPagedPaintDevice& device);

// A4 portrait, the sheet's whole area (the pages draw their own margins).
void setUpReportPrinter(QPrinter& printer);

class ReportPrinting : public QObject {
  Q_OBJECT

 public:
  // `owner` parents the dialogs.
  ReportPrinting(GuiSession& session, QWidget* owner);
  ~ReportPrinting() override;

  // "即印刷" and the tool button "印刷": asks, prints the report's pages for
  // the wall type and key as they stand, says to wait. Returns whether it
  // printed.
  bool printAll();
  // "ﾌﾟﾚﾋﾞｭｰ": every page of the report in its own preview, the next one
  // opening when the previous one closes.
  void previewAll();
  // One item of "2.計算書ﾌﾟﾚﾋﾞｭｰ": that page alone.
  void previewPage(const std::string& form);
  // "3.プリンタ設定...": the printer set-up dialog; whatever it answers, the
  // printer as it then stands prints every page.
  void printerSetup();

  QPrinter& printer() { return *printer_; }

  // How a modal dialog runs; by default QDialog::exec().
  using ModalRunner = std::function<int(QDialog& dialog)>;
  void setModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

 private:
  void preview(const std::string& form);
  void hideWindows();
  void showWindows();

  GuiSession& session_;
  QWidget* owner_;
  std::unique_ptr<QPrinter> printer_;
  ModalRunner runModal_;
};

}  // namespace kovrel::gui
