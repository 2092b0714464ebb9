#include "print/file_replacement.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <utility>

#include "settings/write_access.h"

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

// The temporary files of the replacements under way, for a signal handler
// to remove: a slot's path is complete before the slot is armed, and a
// handler reads only armed slots.
struct PendingSlot {
  std::atomic<int> state{0};  // kFree, kClaimed or kArmed
  char path[PATH_MAX];
};
constexpr int kFree = 0, kClaimed = 1, kArmed = 2;
PendingSlot pendingSlots[8];

// Records `name` as a temporary file to remove should the program be
// stopped; the slot's index, or -1 when none is free (the file is then
// only removed by the program itself).
int ArmPending(const std::string& name) {
  if (name.size() >= PATH_MAX) return -1;
  for (int i = 0; i < static_cast<int>(std::size(pendingSlots)); ++i) {
    int expected = kFree;
    if (!pendingSlots[i].state.compare_exchange_strong(expected, kClaimed)) continue;
    std::memcpy(pendingSlots[i].path, name.c_str(), name.size() + 1);
    pendingSlots[i].state.store(kArmed);
    return i;
  }
  return -1;
}

void DisarmPending(int slot) {
  if (slot >= 0) pendingSlots[slot].state.store(kFree);
}

extern "C" void RemovePendingAndStop(int number) {
  for (PendingSlot& slot : pendingSlots)
    if (slot.state.load() == kArmed) ::unlink(slot.path);
  // Then the signal's own end, which the caller of the program sees.
  ::signal(number, SIG_DFL);
  ::raise(number);
}

// A new file in the folder of `target`, under a name that no file has yet
// and whose length does not depend on the target's (a target of the
// longest name the folder allows still gets one), with the mode a new file
// gets (0666 less the umask); -1 with errno set when there is none. Two
// programs writing the same target never share it.
int CreateTemporary(const std::string& target, std::string* name) {
  static std::atomic<unsigned> counter{0};
  const std::string::size_type slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const auto seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const unsigned long long tag =
        (seed ^ (static_cast<unsigned long long>(::getpid()) << 20) ^ ++counter) &
        0xFFFFFFFFFFFFull;
    char leaf[32];
    std::snprintf(leaf, sizeof leaf, ".corvanta-%012llx.tmp", tag);
    *name = folder + leaf;
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
  } else if (std::string refusal = exists ? OverwriteRefusal(target_) : std::string();
             !refusal.empty()) {
    // A file its owner made read-only is refused, as the shell's ">" refuses
    // it: the rename below would replace it all the same.
    Fail(refusal);
    return;
  } else {
    // A missing folder or a folder without write access fails here, with
    // the system's reason.
    fd = CreateTemporary(target_, &temporary_);
    if (fd >= 0) pendingSlot_ = ArmPending(temporary_);
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
  DisarmPending(std::exchange(pendingSlot_, -1));
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
  DisarmPending(std::exchange(pendingSlot_, -1));
  temporary_.clear();
}

void RemoveTemporaryFilesWhenStopped() {
  struct sigaction action {};
  action.sa_handler = RemovePendingAndStop;
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
}

}  // namespace corvanta
