#include "app/figure_files.h"

namespace kovrel {
namespace {

// Writing order. The member self-weight figure Chart12 shares its caption with
// Chart4, so it gets "(底版)" to keep both figures.
constexpr FigureFile kFixed[] = {
    {"Chart3", "図：擁壁外形図"},
    {"Chart4", "図：点番号図"},
    {"Chart12", "図：点番号図(底版)"},
    {"Chart5", "図：すべり角～土圧"},
    {"Chart11", "図：地盤版力図"},
    {"Chart1", "図：荷重図"},
    {"Chart10", "図：たて壁(応力度)"},
    {"Chart6", "図：たて壁(高さ～必要鉄筋量)"},
    {"Chart9", "図：たて壁(高さ～引張応力度)"},
};
constexpr FigureFile kToe{"Chart2", "図：つま先版地盤版力図"};
constexpr FigureFile kHeel{"Chart7", "図：かかと版地盤版力図"};
constexpr FigureFile kKey{"Chart8", "図：突起"};

}  // namespace

std::vector<FigureFile> figureFilesFor(WallChoice choice) {
  std::vector<FigureFile> files(std::begin(kFixed), std::end(kFixed));
  if (!choice.lWall) files.push_back(kToe);
  files.push_back(kHeel);
  if (choice.shearKey) files.push_back(kKey);
  return files;
}

std::vector<FigureFile> allFigureFiles() {
  return figureFilesFor(WallChoice{false, true});
}

std::string figurePath(const std::string& folder, const FigureFile& figure, const char* extension) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/') path += '/';
  return path + figure.stem + extension;
}

}  // namespace kovrel
