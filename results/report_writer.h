#pragma once
// The small operations every report writer uses on the results window.

#include <string>
#include <string_view>

#include "results/results_window.h"

namespace kovrel {

inline void appendLine(ListBox& box, std::string text) {
  box.lines.push_back(std::move(text));
}
inline void appendBlank(ListBox& box) {
  box.lines.emplace_back();
}

// The text followed by blanks up to `width` columns counted in Shift-JIS bytes
// (full-width characters two, ASCII and half-width katakana one); a text as
// wide or wider comes back unchanged.
std::string padRight(std::string_view text, int width);

// Judgement prefixes of the stability group boxes, indexed 0 to 4.
extern const char* const kJudgementPrefixes[5];

// Caption prefix[index] + "( " + word + " )"; blue for "OK", red for "NO",
// any other word leaves the colour.
void setJudgement(GroupBox& box, int index, std::string_view word);

// Every cell of columns 1.. and rows 1.. to "---"; the header row and column stay.
void clearGrid(StringGrid& grid);

// Every series emptied.
void clearChart(Chart& chart);

}  // namespace kovrel
