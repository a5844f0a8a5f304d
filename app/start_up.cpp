#include "app/start_up.h"

namespace kovrel {

void startUp(Session& session) {
  session.currentFileName.clear();
  // The window rules and their start-up set-up join here when they are built;
  // until then the controls keep their initial values.
}

}  // namespace kovrel
