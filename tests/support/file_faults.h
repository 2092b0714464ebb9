// File-system faults made on purpose (POSIX), for the tests that show a
// failed write loses nothing: a folder or file nobody may change, and a
// file-size limit that fails writes as a full disk does.
#ifndef CORVANTA_TESTS_SUPPORT_FILE_FAULTS_H
#define CORVANTA_TESTS_SUPPORT_FILE_FAULTS_H

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvanta::testing {

// Sets or clears the immutable attribute of a file or folder; false where
// the file system or the privileges do not allow it.
inline bool SetImmutable(const std::string& path, bool immutable) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  int flags = 0;
  bool set = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
  set = set && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  if (fd >= 0) ::close(fd);
  return set;
}

// Makes a file or folder unchangeable while it lives: no file can be
// created, removed or renamed in such a folder, and such a file cannot be
// replaced. Root ignores permission bits, so the immutable attribute is
// used where the file system and the privileges allow it; otherwise a
// folder loses its write permission. Applied() is false when neither took.
class Unchangeable {
 public:
  explicit Unchangeable(const std::string& path) : path_(path) {
    immutable_ = SetImmutable(path, true);
    if (!immutable_ && ::geteuid() != 0 && std::filesystem::is_directory(path)) {
      std::filesystem::permissions(path,
                                   std::filesystem::perms::owner_write |
                                       std::filesystem::perms::group_write |
                                       std::filesystem::perms::others_write,
                                   std::filesystem::perm_options::remove);
      readOnly_ = true;
    }
  }
  ~Unchangeable() {
    if (immutable_) SetImmutable(path_, false);
    if (readOnly_) {
      std::filesystem::permissions(path_, std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add);
    }
  }
  Unchangeable(const Unchangeable&) = delete;
  Unchangeable& operator=(const Unchangeable&) = delete;

  bool Applied() const { return immutable_ || readOnly_; }

 private:
  std::string path_;
  bool immutable_ = false;
  bool readOnly_ = false;
};

// While it lives, a write past `bytes` into any file fails with EFBIG ("File
// too large"), as a write to a full disk fails with ENOSPC: the same failure
// for the code under test, without a file system of our own. SIGXFSZ, which
// would end the process, is ignored meanwhile.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previousHandler_ = SIG_DFL;
};

// The names in `folder`, sorted; after a failed write, exactly what was
// there before (no temporary file left behind).
inline std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The user and group of the system's "nobody", who owns no file of ours.
inline constexpr uid_t kNobody = 65534;

// Runs `body` in a child process, as the user and group `nobody` when `asNobody`
// (only root may switch to that user), and gives its exit status; nullopt
// when the child could not run as asked or did not exit.
inline std::optional<int> ExitStatusOfChild(bool asNobody, const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (asNobody && (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                     ::setresuid(kNobody, kNobody, kNobody) != 0))
      ::_exit(125);
    ::_exit(body());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) == 125)
    return std::nullopt;
  return WEXITSTATUS(status);
}

}  // namespace corvanta::testing

#endif
