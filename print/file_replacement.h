// A file written so that it is never found half-written (POSIX).
//
// The bytes go to a temporary file in the target's folder, which replaces
// the target only when every write, the sync to disk and the close have
// succeeded; until then, and after any failure, the old file is untouched
// and the temporary file is removed. An existing file that this process
// may not write (its owner made it read-only) is refused, as the shell's
// ">" refuses it (OverwriteRefusal). A pipe or a character device at the
// target (/dev/stdout, /dev/null) is written in place instead, each write
// still checked. Every failure keeps the system's reason.
#ifndef CORVANTA_PRINT_FILE_REPLACEMENT_H
#define CORVANTA_PRINT_FILE_REPLACEMENT_H

#include <cstddef>
#include <cstdio>
#include <string>

namespace corvanta {

// From now on SIGINT and SIGTERM end the program as they would anyway, but
// first remove the temporary file of every FileReplacement under way. (No
// program can catch SIGKILL: after one, a temporary file may be left.)
void RemoveTemporaryFilesWhenStopped();

class FileReplacement {
 public:
  // Opens the temporary file (or the pipe or device); Error() tells when
  // that failed.
  explicit FileReplacement(const std::string& target);
  // Removes the temporary file unless Commit() succeeded.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Appends `size` bytes. False, with the reason kept, when this or an
  // earlier step failed; nothing more is written after a failure.
  bool Write(const void* data, std::size_t size);

  // Flushes, syncs and closes the file, then renames it over the target.
  // False, with the reason kept, when any of it, or any earlier step,
  // failed; the target is then as it was.
  bool Commit();

  // Records a failure found by the caller (the PDF library's own status),
  // so that the target is left alone.
  void Fail(const std::string& reason);

  // "" while all is well, else the reason of the first failure (for the
  // system's failures, its own text, such as "No space left on device").
  const std::string& Error() const { return error_; }

 private:
  bool FailWithErrno();
  void Discard();

  std::string target_;
  std::string temporary_;  // "" when writing in place
  int pendingSlot_ = -1;   // where a stop finds temporary_ (see RemoveTemporaryFilesWhenStopped)
  std::FILE* file_ = nullptr;
  bool committed_ = false;
  std::string error_;
};

}  // namespace corvanta

#endif
