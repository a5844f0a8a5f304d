#pragma once
// A deliberate fault for the layout check's own test: the engine reaching up
// into the run layer must be reported, naming this file and the include.
#include "run/session.h"
