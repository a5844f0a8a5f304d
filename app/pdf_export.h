#pragma once
// The PDF export: the whole calculation report as one PDF file with its own
// page layout, read from the results window as it stands (nothing is
// recomputed). The desktop command asks, writes "擁壁計算結果.pdf" into the
// current folder, tells the user and offers to open it; the texts of those
// boxes are here for the GUI to show.

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "results/results_window.h"
#include "run/session.h"

namespace kovrel {

inline constexpr const char* kPdfExportFileName = "擁壁計算結果.pdf";
// The confirmation before anything is written; anything but Yes ends the command.
extern const std::vector<std::string> kPdfExportQuestion;
// Shown when the file is written.
inline constexpr const char* kPdfExportDone = "擁壁計算結果.pdfを作成しました";
// Offers to open the file with the system's viewer.
extern const std::vector<std::string> kPdfExportOpenQuestion;

// Document information entries.
inline constexpr const char* kPdfAuthorMark = "KVR";
inline constexpr const char* kPdfCreator = "Dernholm Ver3.1";

struct PdfReportSource {
  const ResultsWindow& results;
  int wallType = 0;  // 0 逆Ｔ型, 1 Ｌ型
  bool shearKey = false;
  std::string title;                    // the design-condition file's name
  std::optional<std::tm> creationTime;  // none: the local time
};

// The bytes of the PDF report.
std::string renderPdfReport(const PdfReportSource& source);

// The session's wall type and shear-key choice from its design conditions.
PdfReportSource pdfReportSource(const Session& session);

// Writes the report of the session to `path` whole or not at all; throws
// FileError naming the path and the reason.
void exportPdf(const Session& session, const std::string& path,
               std::optional<std::tm> creationTime = std::nullopt);

}  // namespace kovrel

namespace kovrel {

// What the desktop command needs of the window toolkit: a Yes/No question, a
// plain message, an error box, and the shell's "open" of a file.
struct PdfExportDialogs {
  std::function<bool(const std::vector<std::string>& lines)> askYesNo;
  std::function<void(const std::string& text)> inform;
  std::function<void(const std::string& text)> showError;
  std::function<void(const std::string& path)> openWithViewer;
};

// The menu command "3.PDF出力...": asks, writes kPdfExportFileName into
// `folder`, reports it and offers to open it. No to the first question writes
// nothing. A file that cannot be written (open in a viewer, a read-only
// folder) is reported with its reason and the earlier file stays as it was.
// Returns whether the file was written.
bool runPdfExportCommand(const Session& session, const PdfExportDialogs& dialogs,
                         const std::string& folder = ".");

}  // namespace kovrel
