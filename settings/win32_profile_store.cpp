#include "settings/win32_profile_store.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace corvanta {

std::string Win32ProfileStore::ReadString(const std::string& path, const std::string& section,
                                          const std::string& key, const std::string& defaultValue,
                                          std::size_t bufferSize) const {
  if (bufferSize == 0) return {};
  std::vector<char> buffer(std::min<std::size_t>(bufferSize, 0xFFFFFFFFu), '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                           static_cast<DWORD>(buffer.size()), path.c_str());
  buffer.back() = '\0';
  return std::string(buffer.data());
}

bool Win32ProfileStore::WriteString(const std::string& path, const std::string& section,
                                    const std::string& key, std::string_view value) {
  // The system writes a line break inside a value as it stands, which would
  // add lines of its own to the file.
  std::string line(SingleLineValue(value));
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
