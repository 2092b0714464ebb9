#include "settings/win32_profile_store.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

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

bool Win32ProfileStore::WriteString(const std::string& path, const std::string& section,
                                    const std::string& key, std::string_view value) {
  // The system writes a line break inside a value as it stands, which would
  // add lines of its own to the file.
  std::string line(SingleLineValue(value));
  if (FileSize(path) > kProfileFileLimit && !DeleteFileA(path.c_str())) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), line.c_str(), path.c_str()) !=
         FALSE;
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
