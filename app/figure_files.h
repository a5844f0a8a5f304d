#pragma once
// The result figures as files: which chart goes under which fixed name, in
// the order they are written. The metafile export and the SVG export share
// the names; only the extension differs.

#include <string>
#include <vector>

#include "app/wall_choice.h"

namespace kovrel {

struct FigureFile {
  const char* chart;  // results chart, "Chart3" ...
  const char* stem;   // file name without extension, "図：擁壁外形図" ...
};

// The figures the metafile export writes for this wall, in writing order:
// the eight stability and stem figures (with the member point-number figure
// right after the stability one, under a name of its own), then the toe, heel
// and key figures as the wall has them.
std::vector<FigureFile> figureFilesFor(WallChoice choice);

// Every results chart, in the same order, whatever the wall: the SVG export
// shows them all.
std::vector<FigureFile> allFigureFiles();

// folder + "/" + stem + extension; an empty folder means the current one.
std::string figurePath(const std::string& folder, const FigureFile& figure, const char* extension);

}  // namespace kovrel
