#include "app/svg_export.h"

#include "app/figure_files.h"
#include "app/svg_canvas.h"
#include "base/atomic_file.h"

namespace kovrel {

std::vector<std::string> writeSvgFigures(const ResultsWindow& results, const std::string& folder) {
  std::vector<std::string> written;
  for (const FigureFile& figure : allFigureFiles()) {
    std::string path = figurePath(folder, figure, ".svg");
    writeFileAtomically(path, chartAsSvg(results.chart(figure.chart)));
    written.push_back(std::move(path));
  }
  return written;
}

}  // namespace kovrel
