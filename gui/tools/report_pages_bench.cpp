// The printed report of the default wall, batch of 14 sheets: preparing the
// pages from the results window (copier and fitting), and preparing and
// painting them through the page painter onto an A4 image at 150 dpi and
// into a PDF through Qt's printer output, as the print command and
// `kovrel --print-to` do.

#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include "app/prepared_report_page.h"
#include "app/report_page_layouts.h"
#include "app/start_up.h"
#include "app/wall_choice.h"
#include "gui/report_page_painter.h"
#include "gui/report_printing.h"
#include "run/calculation.h"
#include "run/session.h"

namespace {

const kovrel::Session& defaultRun() {
  static const kovrel::Session session = [] {
    kovrel::Session s;
    kovrel::startUp(s);
    kovrel::runCalculation(s);
    return s;
  }();
  return session;
}

std::vector<std::string> batch() {
  return kovrel::reportPrintOrder(kovrel::wallChoiceOf(defaultRun().conditions));
}

void BM_PrepareReportBatch(benchmark::State& state) {
  const kovrel::ResultsWindow& results = defaultRun().results;
  const std::vector<std::string> forms = batch();
  for (auto _ : state) {
    for (const std::string& form : forms) {
      benchmark::DoNotOptimize(kovrel::prepareReportPage(results, form));
    }
  }
  state.counters["sheets"] = double(forms.size());
}

void BM_PrepareAndPaintReportBatchOnImage(benchmark::State& state) {
  const kovrel::ResultsWindow& results = defaultRun().results;
  const std::vector<std::string> forms = batch();
  QImage sheet(1240, 1754, QImage::Format_RGB32);  // A4 at 150 dpi
  for (auto _ : state) {
    for (const std::string& form : forms) {
      QPainter painter(&sheet);
      kovrel::gui::paintReportPage(kovrel::prepareReportPage(results, form), painter,
                                   QRectF(sheet.rect()));
    }
  }
  state.counters["sheets"] = double(forms.size());
}

void BM_PrintReportBatchToPdf(benchmark::State& state) {
  const kovrel::ResultsWindow& results = defaultRun().results;
  const std::vector<std::string> forms = batch();
  QTemporaryFile file;
  file.open();
  file.close();
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file.fileName());
    kovrel::gui::setUpReportPrinter(printer);
    if (!kovrel::gui::paintReportPages(results, forms, printer)) state.SkipWithError("no PDF");
  }
  state.counters["sheets"] = double(forms.size());
}

BENCHMARK(BM_PrepareReportBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrepareAndPaintReportBatchOnImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintReportBatchToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Painting needs the GUI toolkit's fonts, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
