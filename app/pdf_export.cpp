#include "app/pdf_export.h"

#include <sstream>

#include "app/pdf_report_pages.h"
#include "base/atomic_file.h"
#include "pdf/pdf_document.h"
#include "pdf/pdf_error.h"

namespace kovrel {

const std::vector<std::string> kPdfExportQuestion = {
    "計算結果をPDF出力しますか。", "", "出力ファイル名は", "　擁壁計算結果.pdf", "です。"};
const std::vector<std::string> kPdfExportOpenQuestion = {"[ 擁壁計算結果.pdf ]を表示しますか？", "",
                                                         "(起動まで少し時間がかかります。)"};

std::string renderPdfReport(const PdfReportSource& source) {
  const ResultsWindow& results = source.results;
  std::ostringstream out;
  TRUDAdaze doc;
  doc.title = source.title;
  doc.subject = kPdfExportFileName;
  doc.author = kPdfAuthorMark;
  doc.creator = kPdfCreator;
  doc.creationTime = source.creationTime;
  doc.BeginDoc(&out);

  PdfReportPages pages(doc);
  doc.Contents().fontType = 6;
  pages.counter = 1;
  pages.pageFrame();

  doc.Contents().fontSize = 12;
  doc.Contents().TextOut(285, 802, "目　　次");
  pages.listBlock(140, 60, results.listBox("ListBox20"), 12);

  for (PdfPage& page : pdfReportPages(source.wallType, source.shearKey)) {
    pages.nextPage();
    pages.pageHeading(page.heading);
    pages.fitPage(page, results);
    for (const PdfBlock& b : page.blocks) {
      switch (b.kind) {
        case PdfBlock::List:
          pages.listBlock(b.left, b.top, results.listBox(b.source), b.size, b.scale);
          break;
        case PdfBlock::Table:
          pages.tableBlock(b.left, b.top, b.title, results.grid(b.source), b.size, b.scale);
          break;
        case PdfBlock::Figure:
          pages.chartBlock(b.mode, results.chart(b.source), b.left, b.top, b.width, b.height);
          break;
      }
    }
  }
  pages.pageFooter();
  doc.EndDoc();
  return out.str();
}

PdfReportSource pdfReportSource(const Session& session) {
  PdfReportSource source{session.results, 0, false, session.currentFileName, std::nullopt};
  source.wallType = session.conditions.index("PageControl2") == 1 ? 1 : 0;
  source.shearKey = session.conditions.index("RadioGroup2") == 1;
  return source;
}

void exportPdf(const Session& session, const std::string& path,
               std::optional<std::tm> creationTime) {
  PdfReportSource source = pdfReportSource(session);
  source.creationTime = creationTime;
  std::string bytes;
  try {
    bytes = renderPdfReport(source);
  } catch (const PdfError& e) {
    // A writer fault is reported like a file that could not be written.
    throw FileError(path + ": the PDF could not be built (" + e.what() + ")");
  }
  writeFileAtomically(path, bytes);
}

bool runPdfExportCommand(const Session& session, const PdfExportDialogs& dialogs,
                         const std::string& folder) {
  if (!dialogs.askYesNo || !dialogs.askYesNo(kPdfExportQuestion)) return false;
  const std::string path = folder + "/" + kPdfExportFileName;
  try {
    exportPdf(session, path);
  } catch (const FileError& e) {
    if (dialogs.showError) dialogs.showError(e.what());
    return false;
  }
  if (dialogs.inform) dialogs.inform(kPdfExportDone);
  if (dialogs.askYesNo(kPdfExportOpenQuestion) && dialogs.openWithViewer) {
    dialogs.openWithViewer(path);
  }
  return true;
}

}  // namespace kovrel
