#include "gui/report_printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/prepared_report_page.h"
#include "app/report_page_layouts.h"
#include "app/wall_choice.h"
#include "gui/gui_dialogs.h"
#include "gui/gui_session.h"
#include "gui/report_page_painter.h"

namespace kovrel::gui {
namespace {

const QPoint kPrintQuestionAt(0, 82);

}  // namespace

const char* const kPrintQuestion = "プリンターの準備はいいですか。\n一括印刷します。";
const char* const kPrintWaitMessage = "出力しています．．．\n印刷が終わるまでお待ち下さい。";
const char* const kPrintFailedMessage =
    "印刷できませんでした。\nプリンターの設定を確認して下さい。";

bool paintReportPages(const ResultsWindow& results, const std::vector<std::string>& forms,
                      QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The whole sheet in device pixels, from its top-left corner.
  const QRectF sheet(QPointF(0, 0),
                     device.pageLayout().fullRectPixels(device.logicalDpiX()).size());
  bool first = true;
  for (const std::string& form : forms) {
    if (!first && !device.newPage()) {
      painter.end();
      return false;
    }
    first = false;
    paintReportPage(prepareReportPage(results, form), painter, sheet);
  }
  return painter.end();
}

void setUpReportPrinter(QPrinter& printer) {
  printer.setFullPage(true);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

ReportPrinting::ReportPrinting(GuiSession& session, QWidget* owner)
    : QObject(owner),
      session_(session),
      owner_(owner),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      runModal_([](QDialog& dialog) { return dialog.exec(); }) {
  setUpReportPrinter(*printer_);
}

ReportPrinting::~ReportPrinting() = default;

void ReportPrinting::hideWindows() {
  session_.setResultsWindowVisible(false);
  session_.setDesignWindowVisible(false);
}

void ReportPrinting::showWindows() {
  session_.setResultsWindowVisible(true);
  session_.setDesignWindowVisible(true);
}

bool ReportPrinting::printAll() {
  if (!session_.dialogs().askYesNo(QString::fromUtf8(kPrintQuestion), kPrintQuestionAt)) {
    return false;
  }
  hideWindows();
  // The pages of the wall type and key as they stand now, whatever the last
  // calculation was run for.
  const std::vector<std::string> forms = reportPrintOrder(wallChoiceOf(session_.conditions()));
  // A4 portrait whatever the set-up chose: the pages are laid out for it.
  setUpReportPrinter(*printer_);
  const bool printed = paintReportPages(session_.results(), forms, *printer_);
  const QString text = QString::fromUtf8(printed ? kPrintWaitMessage : kPrintFailedMessage);
  std::vector<std::string> lines;
  for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
  session_.dialogs().showMessage({printed ? MessageKind::Info : MessageKind::Error, lines});
  showWindows();
  return printed;
}

void ReportPrinting::preview(const std::string& form) {
  hideWindows();
  setUpReportPrinter(*printer_);
  QPrintPreviewDialog dialog(printer_.get(), owner_);
  const std::string& heading = session_.results().reportPage(form).heading;
  dialog.setWindowTitle(QString::fromStdString(heading));
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, &form](QPrinter* target) {
    paintReportPages(session_.results(), {form}, *target);
  });
  runModal_(dialog);
  showWindows();
}

void ReportPrinting::previewAll() {
  for (const std::string& form : reportPrintOrder(wallChoiceOf(session_.conditions()))) {
    preview(form);
  }
  showWindows();
}

void ReportPrinting::previewPage(const std::string& form) {
  preview(form);
}

void ReportPrinting::printerSetup() {
  QPrintDialog dialog(printer_.get(), owner_);
  runModal_(dialog);
  // Whatever was answered, the printer as it now stands prints every page.
}

}  // namespace kovrel::gui
