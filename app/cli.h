#pragma once
// The batch twin of the desktop program: drives the same design conditions,
// runs the same calculation and writes the same outputs, without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace kovrel {

// Exit statuses of the command line.
enum CliStatus {
  kExitOk = 0,
  kExitBlocked = 2,
  kExitNotANumber = 3,
  kExitFile = 4,
  kExitUsage = 64,
};

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kovrel
