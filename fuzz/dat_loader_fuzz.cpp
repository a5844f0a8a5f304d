// Feeds arbitrary bytes to the design-condition file loader: it must either
// apply the file or refuse it with DatFileError, never crash, hang or leave
// the conditions half loaded; a file it accepts must save, and the saved file
// load again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "conditions/dat_file.h"
#include "conditions/design_window.h"
#include "conditions/window_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kovrel;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DesignConditions conditions;
  DesignWindow window;
  conditions.setRuleHook(windowRulesHook(window, {}));
  try {
    applyConditionsFile(conditions, bytes);
  } catch (const DatFileError&) {
    return 0;
  }
  // A bare CR or LF ends a line, and every character read from the file has
  // a code in the page: nothing the loader accepts can be refused by a save.
  std::string saved;
  try {
    saved = conditionsFileBytes(conditions);
  } catch (const DatFileError&) {
    std::abort();
  }
  DesignConditions again;
  DesignWindow againWindow;
  again.setRuleHook(windowRulesHook(againWindow, {}));
  applyConditionsFile(again, saved);
  again.setRuleHook(nullptr);
  if (conditionsFileBytes(again) != saved) std::abort();
  return 0;
}
