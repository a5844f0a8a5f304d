#pragma once
// The design-condition file: 218 lines of Shift-JIS text with CR LF line ends,
// one value per line in a fixed order, no header. Indexes are decimal
// integers, texts as held, edit states are text, colour name and "TRUE" or
// "FALSE", check states the flag and the font colour name, cells their text.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/design_conditions.h"

namespace kovrel {

// A file line that cannot be applied, or a control that cannot be written.
class DatFileError : public std::runtime_error {
 public:
  DatFileError(int line, std::string what);
  int line() const { return line_; }  // 1-based; 0 when no line is concerned

 private:
  int line_;
};

enum class DatEntryKind { Index, Text, EditState, CheckState, Cell };

struct DatEntry {
  DatEntryKind kind;
  const char* control;
  int col = 0;  // cells only
  int row = 0;
};

// The entries in file order; together they make 218 lines.
const std::vector<DatEntry>& datLayout();
int datLineCount(DatEntryKind kind);

// The file's bytes for the conditions. Throws DatFileError naming the control
// when a text cannot be stored (a line break in it, a character outside
// Shift-JIS); nothing is written then.
std::string conditionsFileBytes(const DesignConditions& dc);

// Applies a file's lines to the controls in file order, each at once, so the
// window rules run as on a click (a line ends at CR LF, a bare LF or a bare
// CR, so whatever loads also saves); then hands the load case and the concrete
// strength over to the allowable-stresses window. Throws DatFileError at the
// first line that cannot be applied; the caller loads into a copy and keeps
// its conditions when that happens.
void applyConditionsFile(DesignConditions& dc, std::string_view bytes);

}  // namespace kovrel
