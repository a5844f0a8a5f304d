#pragma once
// Every results chart as an SVG picture, named like the metafiles: for
// looking at the figures outside the program and for checking them.

#include <string>
#include <vector>

#include "results/results_window.h"

namespace kovrel {

// Writes allFigureFiles() into folder as ".svg"; returns the paths written.
// Throws FileError naming the file at the first one that cannot be written.
std::vector<std::string> writeSvgFigures(const ResultsWindow& results, const std::string& folder);

}  // namespace kovrel
