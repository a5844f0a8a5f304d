#include "app/metafile_export.h"

#include "app/figure_files.h"
#include "app/wmf_canvas.h"
#include "base/atomic_file.h"
#include "base/shift_jis.h"

namespace kovrel {

std::vector<std::string> writeMetafiles(const ResultsWindow& results, WallChoice choice,
                                        const std::string& folder) {
  std::vector<std::string> written;
  for (const FigureFile& figure : figureFilesFor(choice)) {
    std::string path = figurePath(folder, figure, ".wmf");
    std::string bytes;
    try {
      bytes = chartAsWmf(results.chart(figure.chart));
    } catch (const EncodingError& e) {
      throw EncodingError(path + " (" + figure.chart + "): " + e.what());
    }
    writeFileAtomically(path, bytes);
    written.push_back(std::move(path));
  }
  return written;
}

bool runMetafileExportCommand(Session& session, const ConfirmFn& confirm,
                              const std::string& folder) {
  if (!confirm || !confirm(Message{MessageKind::Info, {kMetafileExportQuestion}})) return false;
  try {
    writeMetafiles(session.results, wallChoiceOf(session.conditions), folder);
  } catch (const std::exception& e) {
    session.messages.push_back({MessageKind::Error, {kMetafileExportFailed, e.what()}});
    return false;
  }
  session.messages.push_back({MessageKind::Info, {kMetafileExportDone}});
  return true;
}

}  // namespace kovrel
