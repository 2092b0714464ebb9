// The settings' platform services on Windows.
#include <windows.h>
#include <shlobj.h>

#include "settings/settings_location.h"
#include "settings/win32_profile_store.h"

namespace corvanta {

std::optional<std::string> CommonDataFolder() {
  char folder[MAX_PATH] = {};
  HRESULT result =
      SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
  if (FAILED(result)) return std::nullopt;
  folder[MAX_PATH - 1] = '\0';
  return std::string(folder);
}

ProfileStore& SystemProfileStore() {
  static Win32ProfileStore store;
  return store;
}

}  // namespace corvanta
