#include "gui/print_to_file.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryFile>

#include "app/cli.h"
#include "app/conditions_file.h"
#include "app/report_page_layouts.h"
#include "app/start_up.h"
#include "app/wall_choice.h"
#include "base/atomic_file.h"
#include "gui/report_printing.h"
#include "run/calculation.h"

namespace kovrel::gui {
namespace {

void tell(QTextStream& err, const Message& m) {
  err << "kovrel: " << QString::fromStdString(m.joined("\n")) << "\n";
}

}  // namespace

int printReportToFile(const QString& output, const QString& conditionsFile, QTextStream& err) {
  Session session;
  startUp(session);
  if (!conditionsFile.isEmpty() &&
      !loadConditions(session, QFile::encodeName(conditionsFile).toStdString())) {
    tell(err, session.messages.back());
    return kExitFile;
  }
  switch (runCalculation(session)) {
    case RunStatus::Finished:
      break;
    case RunStatus::Blocked:
      for (const Message& m : session.messages) {
        if (m.kind == MessageKind::Block) tell(err, m);
      }
      return kExitBlocked;
    case RunStatus::ConversionFailed:
      tell(err, session.messages.back());
      return kExitNotANumber;
    case RunStatus::NotFinite:
      tell(err, session.messages.back());
      return kExitBlocked;
  }

  // The printer writes a scratch file; its bytes then go to the target
  // through the core's atomic writer, like every other output.
  QTemporaryFile scratch(QDir::tempPath() + "/kovrel-print-XXXXXX.pdf");
  if (!scratch.open()) {
    err << "kovrel: cannot create a scratch file (" << scratch.errorString() << ")\n";
    return kExitFile;
  }
  scratch.close();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(scratch.fileName());
  printer.setCreator(QString::fromUtf8(kReportSystemName));
  printer.setDocName(QString::fromStdString(session.currentFileName));
  setUpReportPrinter(printer);
  const std::vector<std::string> forms = reportPrintOrder(wallChoiceOf(session.conditions));
  if (!paintReportPages(session.results, forms, printer)) {
    err << "kovrel: " << output << ": the report could not be printed\n";
    return kExitFile;
  }
  try {
    writeFileAtomically(QFile::encodeName(output).toStdString(),
                        readWholeFile(QFile::encodeName(scratch.fileName()).toStdString()));
  } catch (const FileError& e) {
    err << "kovrel: " << QString::fromStdString(e.what()) << "\n";
    return kExitFile;
  }
  return kExitOk;
}

}  // namespace kovrel::gui
