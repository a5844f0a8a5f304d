#pragma once
// How an output command asks its Yes/No question: the desktop program shows a
// box, a test answers directly.

#include <functional>

#include "base/messages.h"

namespace kovrel {

// Answers the question shown to the user: true for Yes.
using ConfirmFn = std::function<bool(const Message& question)>;

}  // namespace kovrel
