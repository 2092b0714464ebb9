// The settings' platform services where Windows' are missing.
#include <cstdlib>

#include "settings/portable_profile_store.h"
#include "settings/settings_location.h"

namespace corvanta {
namespace {

// Relative folders in these variables are to be ignored (XDG base
// directories): they would move with the current directory.
std::optional<std::string> AbsoluteFolder(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || value[0] != '/') return std::nullopt;
  return std::string(value);
}

}  // namespace

std::optional<std::string> CommonDataFolder() {
  if (auto folder = AbsoluteFolder("XDG_DATA_HOME")) return folder;
  if (auto home = AbsoluteFolder("HOME")) return *home + "/.local/share";
  return std::nullopt;
}

ProfileStore& SystemProfileStore() {
  static PortableProfileStore store;
  return store;
}

}  // namespace corvanta
