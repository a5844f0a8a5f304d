#pragma once
// Runs the command-line program for a test and collects what it printed.

#include <sys/wait.h>

#include <unistd.h>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace kovrel::testing {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline CommandResult runCli(const std::string& arguments) {
  char errPath[] = "/tmp/kovrel-cli-err-XXXXXX";
  int fd = mkstemp(errPath);
  if (fd >= 0) close(fd);
  const std::string command =
      std::string("'") + KOVREL_CLI_PATH + "' " + arguments + " 2>'" + errPath + "'";
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

// A strict check that a text is one JSON value (RFC 8259 grammar), so the
// tests read the output the way any JSON reader would.
class JsonChecker {
 public:
  explicit JsonChecker(const std::string& text) : s_(text) {}
  bool valid() {
    ws();
    if (!value()) return false;
    ws();
    return i_ == s_.size();
  }

 private:
  bool value() {
    ws();
    if (i_ >= s_.size()) return false;
    char c = s_[i_];
    if (c == '{') return object();
    if (c == '[') return array();
    if (c == '"') return string();
    if (literal("true") || literal("false") || literal("null")) return true;
    return number();
  }
  bool object() {
    ++i_;
    ws();
    if (peek('}')) return ++i_, true;
    for (;;) {
      ws();
      if (!string()) return false;
      ws();
      if (!peek(':')) return false;
      ++i_;
      if (!value()) return false;
      ws();
      if (peek('}')) return ++i_, true;
      if (!peek(',')) return false;
      ++i_;
    }
  }
  bool array() {
    ++i_;
    ws();
    if (peek(']')) return ++i_, true;
    for (;;) {
      if (!value()) return false;
      ws();
      if (peek(']')) return ++i_, true;
      if (!peek(',')) return false;
      ++i_;
    }
  }
  bool string() {
    if (!peek('"')) return false;
    for (++i_; i_ < s_.size(); ++i_) {
      unsigned char c = static_cast<unsigned char>(s_[i_]);
      if (c == '"') return ++i_, true;
      if (c < 0x20) return false;
      if (c == '\\') ++i_;
    }
    return false;
  }
  bool number() {
    size_t start = i_;
    if (peek('-')) ++i_;
    while (i_ < s_.size() && (isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' ||
                              s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-')) {
      ++i_;
    }
    return i_ > start;
  }
  bool literal(const char* word) {
    std::string w(word);
    if (s_.compare(i_, w.size(), w) != 0) return false;
    i_ += w.size();
    return true;
  }
  bool peek(char c) const { return i_ < s_.size() && s_[i_] == c; }
  void ws() {
    while (i_ < s_.size() &&
           (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) {
      ++i_;
    }
  }
  const std::string& s_;
  size_t i_ = 0;
};

}  // namespace kovrel::testing
