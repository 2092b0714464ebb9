// Whether a file may be written over: the question the shell's ">" asks the
// system before it truncates a file, asked without changing the file. Both
// the settings file and the set-up sheet are replaced by a rename, which
// the target's own permissions do not stop; this keeps a file that its
// owner has made read-only from being replaced all the same.
#ifndef CORVANTA_SETTINGS_WRITE_ACCESS_H
#define CORVANTA_SETTINGS_WRITE_ACCESS_H

#include <string>

namespace corvanta {

// "" when this process may write the existing regular file at `path` (or
// there is no file there), else the system's reason, such as "Permission
// denied". The system decides, as for ">": the file's mode against the
// process's user and groups, access lists, the immutable attribute, a
// read-only mount, and root's right to write a file without write
// permission. The file is opened for writing, without waiting and without
// truncating, and closed again: call it only for a regular file (a pipe
// could be opened by a reader meanwhile).
std::string OverwriteRefusal(const std::string& path);

}  // namespace corvanta

#endif
