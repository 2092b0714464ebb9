#include "settings/win32_profile_store.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "settings/ini_text.h"
#include "settings/win32_file_write.h"

namespace corvanta {

namespace {

// 0 when there is no such file (or no file at all: a folder has no size).
std::uintmax_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return 0;
  return std::uintmax_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

// The bytes of the file at `path` (a file of at most the limit): "" when
// there is none, nullopt when it cannot be read here (the system then says
// why when it writes).
std::optional<std::string> SmallFileText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return std::string();
    return std::nullopt;
  }
  std::string text(static_cast<std::size_t>(kProfileFileLimit) + 1, '\0');
  DWORD got = 0, total = 0;
  while (total < text.size() &&
         ReadFile(file, &text[total], static_cast<DWORD>(text.size() - total), &got, nullptr) &&
         got > 0) {
    total += got;
  }
  CloseHandle(file);
  text.resize(total);
  return text;
}

// An upper bound of the file's size once the system has set `entries` in
// `text`: our own edit of the text, and one byte more for each line that
// ends in a lone CR or LF, which the system may end in CR LF instead.
std::size_t SavedSizeBound(const std::string& text, const std::string& section,
                           const std::vector<ProfileEntry>& entries) {
  std::string edited = text;
  for (const ProfileEntry& entry : entries)
    edited = WithProfileValue(edited, section, entry.key, entry.value);
  std::size_t loneEnds = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++loneEnds;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ++loneEnds;
  }
  return edited.size() + loneEnds;
}

// Replaces the file at `path`, which held `before`, with that text cut
// down with `entries` set (CutProfileText), through a temporary file in its
// folder that is moved over it: until the move, the old file is as it was.
// "" or the system's reason.
std::string ReplaceWithCutFile(const std::string& path, const std::string& before,
                               const std::string& section,
                               const std::vector<ProfileEntry>& entries) {
  const std::optional<std::string> text = CutProfileText(before, section, entries);
  if (!text) return "the values are too large for a settings file";
  // The path is 8-bit text in the ANSI code page, as the profile
  // functions take it.
  const int chars =
      MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), chars);
  return ReplaceFileWhole(wide, *text);
}

}  // namespace

ProfileValues Win32ProfileStore::ReadStrings(const std::string& path, const std::string& section,
                                             const std::vector<ProfileRead>& reads) const {
  if (FileSize(path) > kProfileFileLimit) return DefaultValues(ProfileFile::kTooLarge, reads);
  const DWORD attributes = GetFileAttributesA(path.c_str());
  ProfileFile file = ProfileFile::kRead;
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    file = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
               ? ProfileFile::kMissing
               : ProfileFile::kUnreadable;
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    file = ProfileFile::kUnreadable;
  }
  // The system's functions give the defaults themselves where the file
  // gives nothing; only the size is decided here.
  ProfileValues result{file, {}};
  for (const ProfileRead& read : reads) {
    if (read.bufferSize == 0) {
      result.values.emplace_back();
      continue;
    }
    std::vector<char> buffer(std::min<std::size_t>(read.bufferSize, 0xFFFFFFFFu), '\0');
    GetPrivateProfileStringA(section.c_str(), read.key.c_str(), read.defaultValue.c_str(),
                             buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    buffer.back() = '\0';
    result.values.emplace_back(buffer.data());
  }
  return result;
}

std::string Win32ProfileStore::WriteStrings(const std::string& path, const std::string& section,
                                            const std::vector<ProfileEntry>& entries) {
  // Windows refuses to write a read-only file, whoever runs the program;
  // Wine run by root would write it all the same.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
    return SystemReason(ERROR_ACCESS_DENIED);
  // The system writes the whole file as it keeps it, so whether the rest
  // of the file still fits is judged before (with a bound) and after. A
  // file too large to read has nothing a start could have read, and an
  // unreadable one nothing this could keep: if the file must be cut down,
  // none of either is kept.
  const bool tooLarge = FileSize(path) > kProfileFileLimit;
  const std::optional<std::string> before = tooLarge ? std::string() : SmallFileText(path);
  if (!tooLarge && (!before || SavedSizeBound(*before, section, entries) <= kProfileFileLimit)) {
    for (const ProfileEntry& entry : entries) {
      // The system writes a line break inside a value as it stands, which
      // would add lines of its own to the file.
      const std::string line(SingleLineValue(entry.value));
      if (!WritePrivateProfileStringA(section.c_str(), entry.key.c_str(), line.c_str(),
                                      path.c_str()))
        return SystemReason(GetLastError());
    }
    Flush(path);
    if (FileSize(path) <= kProfileFileLimit) return {};
  }
  return ReplaceWithCutFile(path, before.value_or(std::string()), section, entries);
}

ProfileSections Win32ProfileStore::SectionNames(const std::string& path) const {
  const std::uintmax_t size = FileSize(path);
  if (size > kProfileFileLimit) return {ProfileFile::kTooLarge, {}};
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return {error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                ? ProfileFile::kMissing
                : ProfileFile::kUnreadable,
            {}};
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {ProfileFile::kUnreadable, {}};
  // The names cannot take more room than the file; twice that leaves room
  // for the system's conversion of the text, and the list's two zeros.
  std::vector<char> buffer(static_cast<std::size_t>(size) * 2 + 2, '\0');
  const DWORD length = GetPrivateProfileSectionNamesA(
      buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  ProfileSections result{ProfileFile::kRead, {}};
  // Each name ends with a zero, the list with a second one.
  for (std::size_t at = 0; at < length && at < buffer.size() && buffer[at] != '\0';) {
    const std::string name(buffer.data() + at);
    at += name.size() + 1;
    result.names.push_back(name);
  }
  return result;
}

std::string Win32ProfileStore::DeleteSection(const std::string& path, const std::string& section) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {};  // nothing to delete, nothing created
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return SystemReason(ERROR_ACCESS_DENIED);
  // The system removes the first section of the name at each call; a file
  // may hold it more than once.
  std::size_t held = 0;
  for (const std::string& name : SectionNames(path).names)
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), -1, section.c_str(), -1) ==
        CSTR_EQUAL)
      ++held;
  for (std::size_t i = 0; i < held; ++i) {
    if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str()))
      return SystemReason(GetLastError());
  }
  Flush(path);
  return {};
}

void Win32ProfileStore::Flush(const std::string& path) {
  // Always "fails": flushing the cache always reports FALSE.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

bool Win32ProfileStore::CreateFolders(const std::string& folder) {
  // Its result does not say whether a file, not a folder, is in the way.
  SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace corvanta
