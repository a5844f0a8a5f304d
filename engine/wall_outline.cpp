#include "engine/wall_outline.h"

namespace kovrel {

void buildWallOutline(TTeisu& /*state*/, const DesignConditions& /*conditions*/) {
  // The outline geometry is not built yet: the points stay at (0, 0), so every
  // area computed from them is 0 and no self-weight line is written.
}

}  // namespace kovrel
