#include "results/report_writer.h"

#include "base/shift_jis.h"

namespace kovrel {

const char* const kJudgementPrefixes[5] = {"-", "1.滑動に対する安定", "2.転倒に対する安定",
                                           "3.支持力に対する安定", "4.鉛直支持力の照査"};

std::string padRight(std::string_view text, int width) {
  std::string out(text);
  int w = shiftJisWidth(text);
  if (w < width) out.append(size_t(width - w), ' ');
  return out;
}

void setJudgement(GroupBox& box, int index, std::string_view word) {
  box.caption = std::string(kJudgementPrefixes[index]) + "( " + std::string(word) + " )";
  if (word == "OK") box.colour = clBlue;
  if (word == "NO") box.colour = clRed;
}

void clearGrid(StringGrid& grid) {
  for (int row = 1; row < grid.rowCount(); ++row) {
    for (int col = 1; col < grid.colCount(); ++col) grid.setCell(col, row, "---");
  }
}

void clearChart(Chart& chart) {
  chart.clear();
}

}  // namespace kovrel
