#include "settings/write_access.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace corvanta {

std::string OverwriteRefusal(const std::string& path) {
#ifdef _WIN32
  // The read-only attribute, which is what the file's owner sets there.
  if (_access(path.c_str(), 2) == 0 || errno == ENOENT) return {};
  return std::strerror(errno);
#else
  // O_NONBLOCK: a file leased by another program fails at once instead of
  // waiting for the lease to be broken.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return {};
  }
  if (errno == ENOENT) return {};
  return std::strerror(errno);
#endif
}

}  // namespace corvanta
