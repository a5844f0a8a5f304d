// The command line's text, metafile and SVG outputs: the same bytes as the
// exports, files by wall layout, and exit 4 with a clear message when a file
// cannot be written.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/figure_files.h"
#include "app/text_export.h"
#include "base/atomic_file.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace kovrel {
namespace {

using testing::runCli;
using testing::TempFolder;

size_t countFiles(const std::string& dir, const char* extension) {
  size_t n = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    if (e.path().extension() == extension) ++n;
  }
  return n;
}

TEST(CliExports, TextWmfAndSvgBeforeAnyCalculation) {
  TempFolder dir;
  auto run = runCli("--no-calc --set PageControl2=1 --text '" + dir.file("out.txt") + "' --wmf '" +
                    dir.file("wmf") + "' --svg '" + dir.file("svg") + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  // Before any calculation the results window is as created.
  EXPECT_EQ(readWholeFile(dir.file("out.txt")),
            textReport(ResultsWindow(), WallChoice{true, false}));
  EXPECT_EQ(countFiles(dir.file("wmf"), ".wmf"), 10u) << "L wall without a key";
  EXPECT_FALSE(std::filesystem::exists(dir.file("wmf/図：つま先版地盤版力図.wmf")));
  EXPECT_EQ(countFiles(dir.file("svg"), ".svg"), 12u) << "every chart";
  for (const FigureFile& f : allFigureFiles()) {
    EXPECT_TRUE(std::filesystem::exists(figurePath(dir.file("svg"), f, ".svg"))) << f.stem;
  }
}

TEST(CliExports, OutputsAreWrittenAfterARun) {
  TempFolder dir;
  auto run = runCli("--set RadioGroup2=1 --text '" + dir.file("t.txt") + "' --wmf '" +
                    dir.file("w") + "'");
  EXPECT_NE(run.status, 4) << run.err;
  EXPECT_NE(run.status, 64) << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir.file("t.txt")));
  EXPECT_TRUE(std::filesystem::exists(dir.file("w/図：突起.wmf")));
}

TEST(CliExports, UnwritableTargetsExitWithStatus4) {
  TempFolder dir;
  writeFileAtomically(dir.file("plain-file"), "x");
  const std::string cases[] = {
      "--text '" + dir.file("missing/out.txt") + "'",
      "--wmf '" + dir.file("plain-file") + "'",
      "--svg '" + dir.file("plain-file/sub") + "'",
  };
  for (const std::string& args : cases) {
    auto run = runCli("--no-calc " + args);
    EXPECT_EQ(run.status, 4) << args << "\n" << run.err;
    EXPECT_NE(run.err.find(dir.path()), std::string::npos) << "names the path: " << run.err;
  }
}

}  // namespace
}  // namespace kovrel
