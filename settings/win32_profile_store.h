// ProfileStore over the Windows private-profile functions and the shell's
// folder creation.
#ifndef CORVANTA_SETTINGS_WIN32_PROFILE_STORE_H
#define CORVANTA_SETTINGS_WIN32_PROFILE_STORE_H

#include "settings/profile_store.h"

namespace corvanta {

class Win32ProfileStore : public ProfileStore {
 public:
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& defaultValue,
                         std::size_t bufferSize) const override;
  bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                   std::string_view value) override;
  void Flush(const std::string& path) override;
  bool CreateFolders(const std::string& folder) override;
};

}  // namespace corvanta

#endif
