#include "app/wall_choice.h"

namespace kovrel {

WallChoice wallChoiceOf(const DesignConditions& conditions) {
  // Only the indexes the windows offer have a meaning; anything else reads as
  // the first item (inverted T, no key) rather than inventing a third layout.
  WallChoice choice;
  choice.lWall = conditions.index("PageControl2") == 1;
  choice.shearKey = conditions.index("RadioGroup2") == 1;
  return choice;
}

}  // namespace kovrel
