#pragma once
// The program as a window test begins from: started as from the desktop,
// with dialogs that record every message and question and never block. Each
// test function gets a fresh one (QTest's init) and drops it (cleanup), so no
// window state leaks from one test into the next.

#include <memory>

#include "fake_dialogs.h"
#include "gui/program.h"

namespace kovrel::gui::testing {

inline void startProgram(std::unique_ptr<FakeDialogs>& dialogs, std::unique_ptr<Program>& program) {
  dialogs = std::make_unique<FakeDialogs>();
  program = std::make_unique<Program>(dialogs.get());
  program->start({"kovrel"});
}

// The program goes before the dialogs it still holds.
inline void stopProgram(std::unique_ptr<FakeDialogs>& dialogs, std::unique_ptr<Program>& program) {
  program.reset();
  dialogs.reset();
}

}  // namespace kovrel::gui::testing
