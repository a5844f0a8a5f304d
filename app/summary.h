#pragma once
// The short human-readable summary of a run for the command line.

#include <string>

#include "run/session.h"

namespace kovrel {

std::string summaryText(const Session& session);

}  // namespace kovrel
