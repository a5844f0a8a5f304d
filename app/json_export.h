#pragma once
// The whole results model, the run's messages, the stability snapshot and the
// design conditions as one JSON object (UTF-8).

#include <string>

#include "run/session.h"

namespace kovrel {

std::string resultsAsJson(const Session& session);

}  // namespace kovrel
