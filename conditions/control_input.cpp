#include "conditions/control_input.h"

#include "base/utf8.h"

namespace kovrel {
namespace {

bool parseIndex(const std::string& text, int& value) {
  if (text.empty() || text.size() > 6) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  value = std::stoi(text);
  return true;
}

void applyCell(DesignConditions& dc, const std::string& name, const std::string& value) {
  const size_t bracket = name.find('[');
  const std::string grid = name.substr(0, bracket);
  int col = 0, row = 0;
  const size_t comma = name.find(',', bracket);
  if (name.back() != ']' || comma == std::string::npos ||
      !parseIndex(name.substr(bracket + 1, comma - bracket - 1), col) ||
      !parseIndex(name.substr(comma + 1, name.size() - comma - 2), row)) {
    throw ControlInputError("malformed cell name \"" + quotedForMessage(name) + "\"");
  }
  if (!dc.has(grid) || dc.control(grid).kind != ControlKind::Grid) {
    throw ControlInputError("no grid named \"" + quotedForMessage(grid) + "\"");
  }
  const Control& g = dc.control(grid);
  if (col >= g.colCount || row >= g.rowCount) {
    throw ControlInputError(quotedForMessage(name) + " is outside the grid");
  }
  dc.setCell(grid, col, row, value);
}

}  // namespace

void applyControlInput(DesignConditions& dc, const std::string& name, const std::string& value) {
  // Text is UTF-8 inside; bytes that are not would reach the file, the
  // report and every message unreadable.
  if (!isValidUtf8(name) || !isValidUtf8(value)) {
    throw ControlInputError("a value is UTF-8 text, not \"" + quotedForMessage(name) + "=" +
                            quotedForMessage(value) + "\"");
  }
  if (name.find('[') != std::string::npos) {
    applyCell(dc, name, value);
    return;
  }
  if (!dc.has(name)) throw ControlInputError("no control named \"" + quotedForMessage(name) + "\"");
  const Control& c = dc.control(name);
  switch (c.kind) {
    case ControlKind::Edit:
    case ControlKind::Combo:
      dc.setText(name, value);
      return;
    case ControlKind::Radio:
    case ControlKind::TabSet:
    case ControlKind::PageControl: {
      int index = 0;
      if (!parseIndex(value, index) || index >= int(c.items.size())) {
        throw ControlInputError(name + " takes an index from 0 to " +
                                std::to_string(c.items.size() - 1) + ", not \"" +
                                quotedForMessage(value) + "\"");
      }
      dc.clickIndex(name, index);
      return;
    }
    case ControlKind::Check:
      if (value == "1" || value == "TRUE") {
        dc.setChecked(name, true);
      } else if (value == "0" || value == "FALSE") {
        dc.setChecked(name, false);
      } else {
        throw ControlInputError(name + " takes 1 or 0, not \"" + quotedForMessage(value) + "\"");
      }
      return;
    case ControlKind::Grid:
      throw ControlInputError(name + " is a grid: set a cell as " + name + "[c,r]");
  }
}

}  // namespace kovrel
