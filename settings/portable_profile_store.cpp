#include "settings/portable_profile_store.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "settings/ini_text.h"
#include "settings/write_access.h"

namespace corvanta {
namespace fs = std::filesystem;
namespace {

struct FileText {
  ProfileFile file = ProfileFile::kMissing;
  std::string text;  // when kRead
};

// The whole file, up to `limit` bytes. Only regular files are opened: a
// pipe or a device at the settings path must not block the program.
FileText ReadFileText(const fs::path& path, std::uintmax_t limit) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return {ProfileFile::kMissing, {}};
  if (ec || status.type() != fs::file_type::regular) return {ProfileFile::kUnreadable, {}};
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (file == nullptr) return {ProfileFile::kUnreadable, {}};
  FileText result{ProfileFile::kRead, {}};
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (result.text.size() + got > limit) {
      result = {ProfileFile::kTooLarge, {}};
      break;
    }
    result.text.append(chunk, got);
  }
  // A read that broke off half-way must not pass for the whole file: it
  // would be written back without its end.
  if (result.file == ProfileFile::kRead && std::ferror(file) != 0)
    result = {ProfileFile::kUnreadable, {}};
  std::fclose(file);
  return result;
}

bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// A name next to `target` that no file has yet; two programs saving at once
// then never share a temporary file.
std::optional<fs::path> FreshTemporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  auto seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long tag = seed ^ (static_cast<unsigned long long>(++counter) << 40);
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%llx.tmp", tag);
    fs::path candidate = target;
    candidate += suffix;
    std::error_code ec;
    if (!fs::exists(candidate, ec) && !ec) return candidate;
  }
  return std::nullopt;
}

// "" when written, else the system's reason.
std::string WriteFileCompletely(const fs::path& path, const std::string& text) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return std::strerror(errno);
  std::string problem;
  const auto check = [&](bool ok) {
    if (!ok && problem.empty()) problem = std::strerror(errno);
  };
  check(std::fwrite(text.data(), 1, text.size(), file) == text.size());
  check(std::fflush(file) == 0);
  if (problem.empty()) check(SyncToDisk(file));
  check(std::fclose(file) == 0);
  return problem;
}

std::string ReplaceFile(const fs::path& target, const std::string& text, bool targetExists) {
  std::optional<fs::path> temporary = FreshTemporaryName(target);
  if (!temporary) return "no free name for a temporary file";
  std::error_code ec;
  std::string problem = WriteFileCompletely(*temporary, text);
  if (problem.empty() && targetExists) {
    // Keep who may read and write the settings as it was.
    fs::permissions(*temporary, fs::status(target, ec).permissions(), ec);
  }
  if (problem.empty()) {
    fs::rename(*temporary, target, ec);
    if (ec) problem = ec.message();
  }
  if (!problem.empty()) fs::remove(*temporary, ec);
  return problem;
}

}  // namespace

ProfileValues PortableProfileStore::ReadStrings(const std::string& path, const std::string& section,
                                                const std::vector<ProfileRead>& reads) const {
  const FileText file = ReadFileText(path, kProfileFileLimit);
  if (file.file != ProfileFile::kRead) return DefaultValues(file.file, reads);
  std::vector<std::string> keys;
  for (const ProfileRead& read : reads) keys.push_back(read.key);
  const std::vector<std::optional<std::string>> found = FindProfileValues(file.text, section, keys);
  ProfileValues result{ProfileFile::kRead, {}};
  for (std::size_t i = 0; i < reads.size(); ++i)
    result.values.push_back(
        CutToBuffer(found[i] ? *found[i] : reads[i].defaultValue, reads[i].bufferSize));
  return result;
}

namespace {

// Replaces the file at `path` with `edit` of its text ("" for no file), by
// the rules of WriteStrings; a file the edit leaves as it is is not written. `edit` gives nullopt
// when the file would be too large; the file is then left alone.
std::string EditFile(const std::string& path,
                     const std::function<std::optional<std::string>(std::string)>& edit) {
  std::error_code ec;
  fs::path target = path;
  // A link keeps pointing at the settings: the file it names is replaced.
  if (fs::is_symlink(target, ec)) {
    target = fs::weakly_canonical(target, ec);
    if (ec) return ec.message();
  }
  fs::file_status status = fs::status(target, ec);
  bool exists = status.type() != fs::file_type::not_found;
  if (ec && exists) return ec.message();  // cannot tell what is there: leave it
  std::string text;
  if (exists) {
    if (status.type() == fs::file_type::directory) return std::strerror(EISDIR);
    if (status.type() != fs::file_type::regular) return "not a regular file";
    FileText old = ReadFileText(target, kProfileFileLimit);
    // Replacing a file that cannot be read would lose what it holds; one too
    // large for any start to read holds nothing a start would see.
    if (old.file == ProfileFile::kUnreadable) return "the old file cannot be read";
    if (std::string refusal = OverwriteRefusal(target.string()); !refusal.empty()) return refusal;
    text = std::move(old.text);
  }
  std::optional<std::string> saved = edit(text);
  if (!saved) return "the values are too large for a settings file";
  if (exists && *saved == text) return {};  // already as asked
  return ReplaceFile(target, *saved, exists);
}

}  // namespace

std::string PortableProfileStore::WriteStrings(const std::string& path, const std::string& section,
                                               const std::vector<ProfileEntry>& entries) {
  return EditFile(path, [&](std::string text) { return SavedProfileText(text, section, entries); });
}

ProfileSections PortableProfileStore::SectionNames(const std::string& path) const {
  const FileText file = ReadFileText(path, kProfileFileLimit);
  if (file.file != ProfileFile::kRead) return {file.file, {}};
  return {ProfileFile::kRead, ProfileSectionNames(file.text)};
}

std::string PortableProfileStore::DeleteSection(const std::string& path,
                                                const std::string& section) {
  std::error_code ec;
  if (!fs::exists(path, ec) && !ec) return {};  // nothing to delete, nothing created
  return EditFile(path, [&](std::string text) -> std::optional<std::string> {
    return WithoutProfileSection(text, section);
  });
}

void PortableProfileStore::Flush(const std::string& path) {
#ifndef _WIN32
  // Each write already synced its file; syncing the folder makes the renames
  // themselves survive a power cut.
  fs::path folder = fs::path(path).parent_path();
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#else
  (void)path;
#endif
}

bool PortableProfileStore::CreateFolders(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec);
}

}  // namespace corvanta
