// How long the whole export of a full results model takes: the text file and
// every figure as metafile and SVG, written to disk.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "app/metafile_export.h"
#include "app/svg_export.h"
#include "app/text_export.h"
#include "full_results.h"
#include "support/temp_folder.h"

namespace kovrel {
namespace {

TEST(ExportTiming, FullModelExportsWellUnderASecond) {
  testing::TempFolder dir;
  ResultsWindow r = testing::fullResults();
  const WallChoice all{false, true};
  auto start = std::chrono::steady_clock::now();
  writeTextReport(r, all, dir.file("擁壁.txt"));
  auto text = std::chrono::steady_clock::now();
  writeMetafiles(r, all, dir.path());
  auto wmf = std::chrono::steady_clock::now();
  writeSvgFigures(r, dir.path());
  auto end = std::chrono::steady_clock::now();
  auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
  std::printf(
      "export of a full results model: text %.1f ms, 12 metafiles %.1f ms, "
      "12 SVG %.1f ms, total %.1f ms\n",
      ms(start, text), ms(text, wmf), ms(wmf, end), ms(start, end));
  // A generous bound that holds under the sanitizers on a shared machine;
  // the figure printed above is the one to watch.
  EXPECT_LT(ms(start, end), 3000.0);
}

}  // namespace
}  // namespace kovrel
