#pragma once
// The file commands of the main window on a chosen path: save the design
// conditions to a .dat file, or load one. Both set the file name and the
// design-conditions window's caption and report completion as a message.

#include <string>

#include "run/session.h"

namespace kovrel {

// Writes through a temporary file renamed over the target, so a failed save
// never damages an existing file. Returns false and logs an error message
// naming the file (or the control that cannot be stored) on failure.
bool saveConditions(Session& session, const std::string& path);

// Loads into a copy of the conditions and commits it only when every line
// applied; a failed load leaves every control, the file name and the windows
// as they were and logs an error message naming the file, the line and why.
bool loadConditions(Session& session, const std::string& path);

}  // namespace kovrel
