#include "print/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace corvanta {
namespace {

namespace fs = std::filesystem;

// A link at the target keeps pointing where it did: the file it names is
// replaced, not the link.
std::string ResolvedTarget(const std::string& path) {
  std::error_code ec;
  if (!fs::is_symlink(path, ec)) return path;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? path : resolved.string();
}

// A new file next to `target`, under a name no file has yet, with the mode
// a new file gets (0666 less the umask); -1 with errno set when there is
// none. Two programs writing the same target never share it.
int CreateTemporary(const std::string& target, std::string* name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = target + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
    const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  name->clear();
  return -1;
}

// A pipe or a character device, opened without waiting for a reader: a
// pipe nobody reads fails at once (ENXIO) instead of blocking for ever.
int OpenInPlace(const std::string& target) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

FileReplacement::FileReplacement(const std::string& target) : target_(ResolvedTarget(target)) {
  struct stat old {};
  const bool exists = ::stat(target_.c_str(), &old) == 0;
  int fd = -1;
  if (exists && S_ISDIR(old.st_mode)) {
    errno = EISDIR;
  } else if (exists && (S_ISFIFO(old.st_mode) || S_ISCHR(old.st_mode))) {
    fd = OpenInPlace(target_);
  } else if (exists && !S_ISREG(old.st_mode)) {
    Fail("not a regular file, a pipe or a character device");
    return;
  } else {
    // A missing folder or a folder without write access fails here, with
    // the system's reason.
    fd = CreateTemporary(target_, &temporary_);
    // The new file keeps who may read and write the old one.
    if (fd >= 0 && exists) ::fchmod(fd, old.st_mode & 07777);
  }
  if (fd < 0) {
    FailWithErrno();
    return;
  }
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    const int error = errno;
    ::close(fd);
    errno = error;
    FailWithErrno();
  }
}

FileReplacement::~FileReplacement() {
  if (!committed_) Discard();
}

bool FileReplacement::Write(const void* data, std::size_t size) {
  if (!error_.empty()) return false;
  if (size > 0 && std::fwrite(data, 1, size, file_) != size) return FailWithErrno();
  return true;
}

bool FileReplacement::Commit() {
  if (!error_.empty()) return false;
  if (std::fflush(file_) != 0) return FailWithErrno();
  // The new file's bytes reach the disk before its name replaces the old
  // one's. A pipe or a device has nothing to sync.
  if (!temporary_.empty() && ::fsync(::fileno(file_)) != 0) return FailWithErrno();
  if (std::fclose(std::exchange(file_, nullptr)) != 0) return FailWithErrno();
  if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0)
    return FailWithErrno();
  committed_ = true;
  return true;
}

void FileReplacement::Fail(const std::string& reason) {
  if (error_.empty()) error_ = reason;
  Discard();
}

bool FileReplacement::FailWithErrno() {
  Fail(std::strerror(errno));
  return false;
}

void FileReplacement::Discard() {
  if (file_ != nullptr) std::fclose(std::exchange(file_, nullptr));
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace corvanta
