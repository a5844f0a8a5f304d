#pragma once
// Runs the command-line program for a test and collects what it printed.

#include <sys/wait.h>

#include <unistd.h>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/json_checker.h"

namespace kovrel::testing {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// With a time limit the program is stopped after that many seconds; the
// status is then 124.
inline CommandResult runCli(const std::string& arguments, int timeLimitSeconds = 0) {
  char errPath[] = "/tmp/kovrel-cli-err-XXXXXX";
  int fd = mkstemp(errPath);
  if (fd >= 0) close(fd);
  const std::string limit =
      timeLimitSeconds > 0 ? "timeout -k 2 " + std::to_string(timeLimitSeconds) + " " : "";
  const std::string command =
      limit + "'" + KOVREL_CLI_PATH + "' " + arguments + " 2>'" + errPath + "'";
  CommandResult r;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::ifstream in(errPath);
  std::stringstream s;
  s << in.rdbuf();
  r.err = s.str();
  unlink(errPath);
  return r;
}

}  // namespace kovrel::testing
