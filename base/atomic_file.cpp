#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kovrel {
namespace {
[[noreturn]] void fail(const std::string& path, const std::string& what, int err) {
  throw FileError(path + ": " + what + " (" + std::strerror(err) + ")");
}
}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".tmp-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) fail(path, "cannot create a temporary file beside it", errno);
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      fail(path, "cannot write", err);
    }
    done += size_t(n);
  }
  // mkstemp creates 0600; give the file the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    fail(path, "cannot write", err);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    fail(path, "cannot replace", err);
  }
}

std::string readWholeFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) fail(path, "cannot open", errno);
  if (S_ISDIR(st.st_mode)) throw FileError(path + ": is a folder, not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) fail(path, "cannot open", errno);
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) fail(path, "cannot read", errno);
  return s.str();
}

}  // namespace kovrel
